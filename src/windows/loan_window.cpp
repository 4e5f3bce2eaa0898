#include "windows/loan_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "rules/game.h"
#include "windows/controller.h"
#include "windows/option_group.h"
#include "windows/qt_text.h"
#include "windows/widgets.h"

namespace zx {

namespace {

const char* const kPlayerTip = QT_TRANSLATE_NOOP("zx::LoanWindow", "Player the loan will be given to");
const char* const kInterestTip = QT_TRANSLATE_NOOP("zx::LoanWindow", "Extra money you get when loan is payed back");
const char* const kDurationTip = QT_TRANSLATE_NOOP("zx::LoanWindow", "Number of moves you'll wait until the loan is payed back");

void setValue(QScrollBar* bar, int value) {
    if (bar->value() != value) bar->setValue(value);
}

}  // namespace

LoanWindow::LoanWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmLoan"));
    setWindowTitle(tr("Lend money"));
    setModal(true);

    // ---- the borrower ----
    auto* fraPlayers = new QGroupBox(tr("Player"), this);
    fraPlayers->setObjectName(QStringLiteral("fraPlayers"));
    fraPlayers->setToolTip(tr(kPlayerTip));
    auto* players = new QVBoxLayout(fraPlayers);
    for (int i = 1; i <= MaxPlayers; ++i) {
        auto* opt = new QRadioButton(fraPlayers);
        opt->setObjectName(QStringLiteral("optPlayer_%1").arg(i));
        opt->setToolTip(tr(kPlayerTip));
        opt->setVisible(false);
        QSizePolicy policy = opt->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        opt->setSizePolicy(policy);
        players->addWidget(opt);
        optPlayer_[static_cast<std::size_t>(i)] = opt;
        connect(opt, &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on || game().LoanDialog.optPlayerValue[static_cast<std::size_t>(i)]) return;
            controller.act({.kind = OpKind::LoanChooseBorrower, .index = i});
        });
    }
    players->addStretch(1);
    borrowers_ = new OptionGroup({optPlayer_.begin() + 1, optPlayer_.end()}, this);

    // ---- amount, interest and duration ----
    auto* fraOptions = new QGroupBox(tr("Options"), this);
    fraOptions->setObjectName(QStringLiteral("fraOptions"));
    auto* options = new QGridLayout(fraOptions);
    options->setHorizontalSpacing(6);

    txtLoanNum_ = new QLineEdit(fraOptions);
    txtLoanNum_->setObjectName(QStringLiteral("txtLoanNum"));
    txtLoanNum_->setMaxLength(4);
    txtLoanNum_->setToolTip(tr("Enter amount of loan"));
    txtLoanNum_->setAccessibleName(tr("Amount of loan in millions of dollars"));
    txtLoanNum_->setAlignment(Qt::AlignRight);
    txtLoanNum_->setFixedWidth(txtLoanNum_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);
    connect(txtLoanNum_, &QLineEdit::textChanged, this, [this](const QString& text) {
        controller.act({.kind = OpKind::LoanType, .text = fromQt(text)});
    });

    vscLoanNum_ = new QScrollBar(Qt::Vertical, fraOptions);
    vscLoanNum_->setObjectName(QStringLiteral("vscLoanNum"));
    // Top is -90 (10 million), bottom 9 (0.1 million): the up arrow raises.
    vscLoanNum_->setRange(-90, 9);
    vscLoanNum_->setSingleStep(1);
    vscLoanNum_->setPageStep(10);
    vscLoanNum_->setValue(0);
    vscLoanNum_->setAccessibleName(tr("Raise or lower the amount of loan"));
    vscLoanNum_->setFixedHeight(txtLoanNum_->sizeHint().height() + 8);
    connect(vscLoanNum_, &QScrollBar::valueChanged, this, [this](int value) {
        controller.act({.kind = OpKind::LoanScroll, .value = value});
    });

    auto* amount = new QHBoxLayout;
    amount->setSpacing(2);
    amount->addWidget(txtLoanNum_);
    amount->addWidget(vscLoanNum_);
    amount->addSpacing(4);
    amount->addWidget(makeLabel(QStringLiteral("lblMillion"), tr("Million $"), fraOptions));
    amount->addStretch(1);
    options->addLayout(amount, 0, 0, 1, 2);

    options->addWidget(makeLabel(QStringLiteral("lblInterestLabel"), tr("Interest:"), fraOptions, tr(kInterestTip)),
                       1, 0);
    lblInterest_ = makeLabel(QStringLiteral("lblInterest"), {}, fraOptions, tr(kInterestTip));
    options->addWidget(lblInterest_, 1, 1);
    options->addWidget(makeLabel(QStringLiteral("lblDurationLabel"), tr("Duration:"), fraOptions, tr(kDurationTip)),
                       2, 0);
    lblDuration_ = makeLabel(QStringLiteral("lblDuration"), {}, fraOptions, tr(kDurationTip));
    options->addWidget(lblDuration_, 2, 1);
    int widest = lblDuration_->fontMetrics().horizontalAdvance(tr("100 Moves")) + 8;
    lblInterest_->setMinimumWidth(widest);
    lblDuration_->setMinimumWidth(widest);

    VScroll_ = new QScrollBar(Qt::Vertical, fraOptions);
    VScroll_->setObjectName(QStringLiteral("VScroll"));
    // Top is setting 1 (100 % for 100 moves), bottom setting 10 (10 % for 10).
    VScroll_->setRange(1, 10);
    VScroll_->setSingleStep(1);
    VScroll_->setPageStep(1);
    VScroll_->setValue(10);
    VScroll_->setAccessibleName(tr("Interest and duration"));
    VScroll_->setMinimumHeight(96);
    connect(VScroll_, &QScrollBar::valueChanged, this, [this](int setting) {
        controller.act({.kind = OpKind::LoanTerms, .value = setting});
    });
    options->addWidget(VScroll_, 0, 2, 4, 1, Qt::AlignRight);
    options->setRowStretch(3, 1);
    options->setColumnStretch(1, 1);

    // ---- buttons ----
    cmdLoan_ = new QPushButton(tr("&Loan"), this);
    cmdLoan_->setObjectName(QStringLiteral("cmdLoan"));
    cmdLoan_->setToolTip(tr("Grant the loan"));
    cmdLoan_->setDefault(true);
    cmdCancel_ = new QPushButton(tr("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setToolTip(tr("Refuse to loan"));
    connect(cmdLoan_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::LoanLend}); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::LoanCancel}); });

    layOutFramesAndButtons(fraPlayers, fraOptions, {cmdLoan_, cmdCancel_});
}

void LoanWindow::render() {
    const LoanForm& f = game().LoanDialog;
    for (std::size_t i = 1; i <= MaxPlayers; ++i) {
        QRadioButton* opt = optPlayer_[i];
        const QSignalBlocker block(opt);
        QString caption = toQt(f.optPlayerCaption[i]);
        if (opt->text() != caption) opt->setText(caption);
        setOption(opt, f.optPlayerValue[i]);
        if (opt->isEnabled() != f.optPlayerEnabled[i]) opt->setEnabled(f.optPlayerEnabled[i]);
        if (opt->isVisibleTo(this) != f.optPlayerVisible[i]) opt->setVisible(f.optPlayerVisible[i]);
    }
    borrowers_->refresh();
    {
        const QSignalBlocker block(txtLoanNum_);
        QString text = toQt(f.txtLoanNum);
        if (txtLoanNum_->text() != text) txtLoanNum_->setText(text);
    }
    {
        const QSignalBlocker block(vscLoanNum_);
        setValue(vscLoanNum_, f.vscLoanNum);
    }
    {
        const QSignalBlocker block(VScroll_);
        setValue(VScroll_, f.VScroll);
    }
    if (lblInterest_->text() != toQt(f.lblInterest)) lblInterest_->setText(toQt(f.lblInterest));
    if (lblDuration_->text() != toQt(f.lblDuration)) lblDuration_->setText(toQt(f.lblDuration));
}

void LoanWindow::focusControl(FocusId f, int) {
    if (f != FocusId::LoanAmount) return;
    activateWindow();
    txtLoanNum_->setFocus(Qt::OtherFocusReason);
    txtLoanNum_->selectAll();
}

void LoanWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cmdCancel_->isEnabled()) cmdCancel_->click();
        return;
    }
    FormWindow::keyPressEvent(event);
}

void LoanWindow::reject() {
    LoanForm& f = game().LoanDialog;
    if (!f.Loaded) {
        FormWindow::reject();
        return;
    }
    QPointer<LoanWindow> self(this);
    controller.act({.kind = OpKind::LoanClose});
    if (self && !game().LoanDialog.Loaded && isVisible()) FormWindow::reject();
}

}  // namespace zx
