#include "windows/sell_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "rules/game.h"
#include "windows/controller.h"
#include "windows/option_group.h"
#include "windows/qt_text.h"
#include "windows/widgets.h"

namespace zx {

namespace {

const char* const kBankTip = QT_TRANSLATE_NOOP("zx::SellWindow", "The bank will always buy companies at half of their original value");
const char* const kBidTip = QT_TRANSLATE_NOOP("zx::SellWindow", "Enter bids without commas or dollar sign.  Example:1630000");

void keepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

// The mask is a star whatever the style's own password character is.
QString bidStyle(const Rgb& color, bool readOnly) {
    QString style = QStringLiteral("QLineEdit { lineedit-password-character: 42; color: %1;").arg(toQColor(color).name());
    if (readOnly) style += QStringLiteral(" background-color: palette(window);");
    return style + QStringLiteral(" }");
}

void setCaption(QRadioButton* opt, const QString& caption) {
    if (opt->text() != caption) opt->setText(caption);
}

}  // namespace

SellWindow::SellWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmSellCompanies"));
    setWindowTitle(tr("Sell a company"));
    setModal(true);

    // ---- the seller's companies ----
    fraCompanies_ = new QGroupBox(tr("Company to be sold"), this);
    fraCompanies_->setObjectName(QStringLiteral("fraCompanies"));
    auto* companies = new QGridLayout(fraCompanies_);
    companies->setHorizontalSpacing(12);
    for (int r = 0; r < 5; ++r) {
        auto* opt = new QRadioButton(fraCompanies_);
        opt->setObjectName(QStringLiteral("optName_%1").arg(r));
        auto* value = new QLabel(fraCompanies_);
        value->setObjectName(QStringLiteral("lblValue_%1").arg(r));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Hidden rows keep their place so that the two frames stay aligned.
        keepPlaceWhenHidden(opt);
        keepPlaceWhenHidden(value);
        companies->addWidget(opt, r, 0);
        companies->addWidget(value, r, 1);
        optName_[static_cast<std::size_t>(r)] = opt;
        lblValue_[static_cast<std::size_t>(r)] = value;
        connect(opt, &QRadioButton::toggled, this, [this, r](bool on) {
            // Already the company for sale: the bids stay.
            if (!on || game().SellForm.optNameValue[static_cast<std::size_t>(r)]) return;
            controller.act({.kind = OpKind::SaleChooseCompany, .index = r});
        });
    }
    companies->setColumnStretch(0, 1);
    companies->setColumnMinimumWidth(1, 90);

    // ---- the bids: the bank, then the other players ----
    fraBids_ = new QGroupBox(tr("Bids"), this);
    fraBids_->setObjectName(QStringLiteral("fraBids"));
    auto* bids = new QGridLayout(fraBids_);
    for (int r = 0; r < 4; ++r) {
        auto* opt = new QRadioButton(fraBids_);
        opt->setObjectName(QStringLiteral("optPlayer_%1").arg(r));
        auto* box = new QLineEdit(fraBids_);
        box->setObjectName(QStringLiteral("txtBid_%1").arg(r));
        box->setMinimumWidth(110);
        box->setAlignment(Qt::AlignRight);
        box->setToolTip(r == 0 ? tr(kBankTip) : tr(kBidTip));
        box->setAccessibleName(r == 0 ? tr("Bank's offer") : tr("Bid"));
        if (r == 0) {
            box->setReadOnly(true);
        } else {
            box->setEchoMode(QLineEdit::Password);
            // Secret bids must not travel through the clipboard either.
            box->setContextMenuPolicy(Qt::NoContextMenu);
        }
        box->setStyleSheet(bidStyle(Black, r == 0));
        keepPlaceWhenHidden(opt);
        keepPlaceWhenHidden(box);
        bids->addWidget(opt, r, 0);
        bids->addWidget(box, r, 1);
        optPlayer_[static_cast<std::size_t>(r)] = opt;
        txtBid_[static_cast<std::size_t>(r)] = box;
        connect(opt, &QRadioButton::toggled, this, [this, r](bool on) {
            if (!on || game().SellForm.optPlayerValue[static_cast<std::size_t>(r)]) return;
            controller.act({.kind = OpKind::SaleChooseBuyer, .index = r});
        });
        connect(box, &QLineEdit::textChanged, this, [this, r](const QString& text) {
            controller.act({.kind = OpKind::SaleBid, .index = r, .text = fromQt(text)});
        });
    }
    optPlayer_[0]->setText(tr("Bank"));
    companyOptions_ = new OptionGroup({optName_.begin(), optName_.end()}, this);
    buyerOptions_ = new OptionGroup({optPlayer_.begin(), optPlayer_.end()}, this);
    bids->setColumnStretch(1, 1);

    // ---- buttons ----
    cmdSubmit_ = new QPushButton(tr("S&ubmit"), this);
    cmdSubmit_->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit_->setToolTip(tr("End bid and reveal bids"));
    cmdSell_ = new QPushButton(tr("&Sell"), this);
    cmdSell_->setObjectName(QStringLiteral("cmdSell"));
    cmdSell_->setToolTip(tr("Sell company to selected player"));
    cmdSell_->setEnabled(false);
    cmdCancel_ = new QPushButton(tr("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setToolTip(tr("Refuse selling company"));
    cmdCancel_->setEnabled(false);
    cmdSubmit_->setDefault(true);
    connect(cmdSubmit_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::SaleSubmit}); });
    connect(cmdSell_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::SaleSell}); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::SaleCancel}); });

    layOutFramesAndButtons(fraCompanies_, fraBids_, {cmdSubmit_, cmdSell_, cmdCancel_});
}

void SellWindow::render() {
    const SellCompaniesForm& f = game().SellForm;
    if (fraCompanies_->isEnabled() != f.fraCompaniesEnabled) fraCompanies_->setEnabled(f.fraCompaniesEnabled);
    for (std::size_t r = 0; r < 5; ++r) {
        QRadioButton* opt = optName_[r];
        const QSignalBlocker block(opt);
        setCaption(opt, toQt(f.optNameCaption[r]));
        setOption(opt, f.optNameValue[r]);
        if (opt->isVisibleTo(this) != f.optNameVisible[r]) opt->setVisible(f.optNameVisible[r]);
        QLabel* value = lblValue_[r];
        if (value->text() != toQt(f.lblValue[r])) value->setText(toQt(f.lblValue[r]));
        if (value->isVisibleTo(this) != f.optNameVisible[r]) value->setVisible(f.optNameVisible[r]);
    }
    for (std::size_t r = 0; r < 4; ++r) {
        QRadioButton* opt = optPlayer_[r];
        QLineEdit* box = txtBid_[r];
        const QSignalBlocker blockOpt(opt);
        const QSignalBlocker blockBox(box);
        // The bank's row is always there; the rules fill its caption.
        bool visible = r == 0 || f.optPlayerVisible[r];
        QString caption = toQt(f.optPlayerCaption[r]);
        if (r == 0 && caption.isEmpty()) caption = tr("Bank");
        setCaption(opt, caption);
        setOption(opt, f.optPlayerValue[r]);
        if (opt->isEnabled() != f.optPlayerEnabled[r]) opt->setEnabled(f.optPlayerEnabled[r]);
        if (opt->isVisibleTo(this) != visible) opt->setVisible(visible);
        if (box->isVisibleTo(this) != visible) box->setVisible(visible);

        bool readOnly = r == 0 || f.txtBidReadOnly[r];
        if (box->isReadOnly() != readOnly) box->setReadOnly(readOnly);
        QLineEdit::EchoMode echo = (r != 0 && f.txtBidMasked[r]) ? QLineEdit::Password : QLineEdit::Normal;
        if (box->echoMode() != echo) box->setEchoMode(echo);
        QString text = toQt(f.txtBid[r]);
        if (box->text() != text) box->setText(text);
        QString style = bidStyle(f.txtBidColor[r], readOnly);
        if (box->styleSheet() != style) box->setStyleSheet(style);
        if (r != 0) {
            QString name = caption.isEmpty() ? tr("Bid") : tr("Bid of %1").arg(caption);
            if (box->accessibleName() != name) box->setAccessibleName(name);
        }
    }
    companyOptions_->refresh();
    buyerOptions_->refresh();
    if (cmdSubmit_->isEnabled() != f.cmdSubmitEnabled) cmdSubmit_->setEnabled(f.cmdSubmitEnabled);
    if (cmdSell_->isEnabled() != f.cmdSellEnabled) cmdSell_->setEnabled(f.cmdSellEnabled);
    if (cmdCancel_->isEnabled() != f.cmdCancelEnabled) cmdCancel_->setEnabled(f.cmdCancelEnabled);
    bool submitDefault = f.DefaultButton == SellCompaniesForm::Default::Submit;
    if (cmdSubmit_->isDefault() != submitDefault) cmdSubmit_->setDefault(submitDefault);
    if (cmdSell_->isDefault() == submitDefault) cmdSell_->setDefault(!submitDefault);
}

void SellWindow::focusControl(FocusId f, int index) {
    QWidget* target = nullptr;
    if (f == FocusId::SaleCompany && index >= 0 && index < 5) target = optName_[static_cast<std::size_t>(index)];
    if (f == FocusId::SaleBid && index >= 0 && index < 4) target = txtBid_[static_cast<std::size_t>(index)];
    if (f == FocusId::SaleBankOption) target = optPlayer_[0];
    if (!target) return;
    activateWindow();
    target->setFocus(Qt::OtherFocusReason);
}

void SellWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    FormWindow::keyPressEvent(event);
}

void SellWindow::reject() {
    SellCompaniesForm& f = game().SellForm;
    if (!f.Loaded) {
        // Not opened through the rules (nothing to refuse): just go away.
        FormWindow::reject();
        return;
    }
    QPointer<SellWindow> self(this);
    controller.act({.kind = OpKind::SaleClose});
    // The rules close the window; should they not, it stays open.
    if (self && !game().SellForm.Loaded && isVisible()) FormWindow::reject();
}

}  // namespace zx
