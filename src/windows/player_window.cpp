#include "windows/player_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "media/pictures.h"
#include "rules/game.h"
#include "windows/controller.h"
#include "windows/qt_text.h"
#include "windows/widgets.h"

namespace zx {

namespace {

constexpr int MaxBankDigits = 4;
constexpr int CompanyRows = 5;

QPushButton* makeButton(const QString& name, const QString& text, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    // Enter belongs to the button the rules make the default, or to the
    // button that has the focus; never to whichever button had it last.
    b->setAutoDefault(false);
    return b;
}

// The seat is narrow: the buttons may be narrower than the style would make
// them, as long as their text fits.
void fitToText(QPushButton* b) {
    const QFontMetrics fm = b->fontMetrics();
    b->setMinimumWidth(fm.horizontalAdvance(b->text().remove(QLatin1Char('&'))) + 12);
    b->setFixedHeight(fm.height() + 6);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void enableWidget(QWidget* w, bool enabled) {
    if (w->isEnabled() != enabled) w->setEnabled(enabled);
}

Qt::CheckState checkStateOf(CheckState s) {
    switch (s) {
        case CheckState::Unchecked: return Qt::Unchecked;
        case CheckState::Checked: return Qt::Checked;
        case CheckState::Grayed: return Qt::PartiallyChecked;
    }
    return Qt::Unchecked;
}

}  // namespace

PlayerWindow::PlayerWindow(Controller& c, int slot, QWidget* parent) : FormWindow(c, parent), slot_(slot) {
    setObjectName(QStringLiteral("PlayerForm_%1").arg(slot));
    // A small window that stays over the board and has no place in the task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Player %1").arg(slot));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);

    auto tighten = [](QLayout* l) {
        l->setContentsMargins(3, 0, 3, 2);
        l->setSpacing(2);
    };

    // ---- money ----
    fraMoney_ = new QGroupBox(tr("Money"), this);
    fraMoney_->setObjectName(QStringLiteral("fraMoney"));
    auto* money = new QGridLayout(fraMoney_);
    tighten(money);
    const QString estateTip = tr("Estate = your cash + your bank balance + the value of all your companies");
    money->addWidget(makeLabel(QStringLiteral("lblCashLabel"), tr("Cash:"), fraMoney_), 0, 0);
    lblCash_ = makeLabel(QStringLiteral("lblCash"), QStringLiteral("$0"), fraMoney_);
    money->addWidget(lblCash_, 0, 1);
    money->addWidget(makeLabel(QStringLiteral("lblEstateLabel"), tr("Estate:"), fraMoney_, estateTip), 1, 0);
    lblEstate_ = makeLabel(QStringLiteral("lblEstate"), QStringLiteral("$0"), fraMoney_, estateTip);
    money->addWidget(lblEstate_, 1, 1);
    cmdLoan_ = makeButton(QStringLiteral("cmdLoan"), tr("&Loan"), tr("Lend money to somebody"),
                          fraMoney_);
    cmdQuitGame_ = makeButton(QStringLiteral("cmdQuitGame"), tr("&Quit Game"),
                              tr("Exit the game voluntarily"), fraMoney_);
    money->addWidget(cmdLoan_, 0, 2);
    money->addWidget(cmdQuitGame_, 1, 2);
    money->setColumnStretch(1, 1);
    outer->addWidget(fraMoney_);

    // ---- companies and their insurance boxes, row beside row ----
    auto* middle = new QHBoxLayout;
    middle->setSpacing(3);
    frmFactories_ = new QGroupBox(tr("Companies"), this);
    frmFactories_->setObjectName(QStringLiteral("frmFactories"));
    auto* companies = new QVBoxLayout(frmFactories_);
    tighten(companies);
    lstCompanies_ = new QListWidget(frmFactories_);
    lstCompanies_->setObjectName(QStringLiteral("lstCompanies"));
    lstCompanies_->setToolTip(tr("The list of companies you own"));
    lstCompanies_->setAccessibleName(tr("Companies you own"));
    // The list only shows; a row never stays selected.
    lstCompanies_->setSelectionMode(QAbstractItemView::NoSelection);
    lstCompanies_->setUniformItemSizes(true);
    lstCompanies_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstCompanies_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A seat taller than the window needs gives its spare height to the
    // list (its rows stay beside their boxes, at the top), so the groups
    // stay together and the window reads as one panel at any size.
    lstCompanies_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    companies->addWidget(lstCompanies_, 1);
    cmdSellCompanies_ = makeButton(QStringLiteral("cmdSellCompanies"), tr("&Sell"),
                                   tr("Sell your companies"), frmFactories_);
    companies->addWidget(cmdSellCompanies_);
    middle->addWidget(frmFactories_, 1);

    fraInsurance_ = new QGroupBox(tr("Insure"), this);
    fraInsurance_->setObjectName(QStringLiteral("fraInsurance"));
    fraInsurance_->setEnabled(false);
    auto* insurance = new QVBoxLayout(fraInsurance_);
    tighten(insurance);
    auto* boxes = new QWidget(fraInsurance_);
    boxes->setObjectName(QStringLiteral("InsuranceBoxes"));
    auto* boxesLayout = new QVBoxLayout(boxes);
    boxesLayout->setContentsMargins(0, 0, 0, 0);
    boxesLayout->setSpacing(0);
    for (int i = 1; i <= CompanyRows; ++i) {
        auto* chk = new QCheckBox(boxes);
        chk->setObjectName(QStringLiteral("chkInsurance_%1").arg(i));
        chk->setToolTip(tr("Check to insure the company to the left"));
        chk->setAccessibleName(tr("Insure company %1").arg(i));
        boxesLayout->addWidget(chk, 0, Qt::AlignHCenter);
        chkInsurance_[static_cast<std::size_t>(i)] = chk;
        // A box ticked by a screen reader's Toggle counts like a click.
        connect(chk, &QCheckBox::toggled, this, [this, i](bool on) {
            if (PlayerForm* f = model(); f && (f->chkInsurance[static_cast<std::size_t>(i)] == CheckState::Checked) != on)
                desk(OpKind::DeskInsurance, i);
        });
    }
    insurance->addWidget(boxes);
    // OK stays level with Sell, under the list however tall it grows.
    insurance->addStretch(1);
    cmdOK_ = makeButton(QStringLiteral("cmdOK"), tr("&OK"), tr("Insure selected companies"),
                        fraInsurance_);
    insurance->addWidget(cmdOK_);
    middle->addWidget(fraInsurance_, 0);
    outer->addLayout(middle, 1);

    // ---- bank account ----
    fraBankAccount_ = new QGroupBox(tr("Bank account"), this);
    fraBankAccount_->setObjectName(QStringLiteral("fraBankAccount"));
    auto* bank = new QGridLayout(fraBankAccount_);
    tighten(bank);
    bank->addWidget(makeLabel(QStringLiteral("lbMoneyInBankLabel"), tr("Balance:"), fraBankAccount_), 0, 0,
                    1, 2);
    lblMoneyInBank_ = makeLabel(QStringLiteral("lblMoneyInBank"), QStringLiteral("$0"), fraBankAccount_);
    // The columns stand close together; a long word for "Balance:" (German
    // "Kontostand:") would otherwise run into the sum.
    lblMoneyInBank_->setIndent(lblMoneyInBank_->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    bank->addWidget(lblMoneyInBank_, 0, 2, 1, 4);
    txtBankNum_ = new QLineEdit(fraBankAccount_);
    txtBankNum_->setObjectName(QStringLiteral("txtBankNum"));
    txtBankNum_->setMaxLength(MaxBankDigits);
    txtBankNum_->setToolTip(tr("Enter a number smaller than 1 or leave empty to refuse"));
    txtBankNum_->setAccessibleName(tr("Amount in million dollars"));
    txtBankNum_->setFixedWidth(txtBankNum_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    bank->addWidget(txtBankNum_, 1, 0);
    vscBankNum_ = new QScrollBar(Qt::Vertical, fraBankAccount_);
    vscBankNum_->setObjectName(QStringLiteral("vscBankNum"));
    vscBankNum_->setAccessibleName(tr("Step the amount"));
    vscBankNum_->setRange(-90, 9);
    vscBankNum_->setSingleStep(1);
    vscBankNum_->setPageStep(10);
    vscBankNum_->setValue(0);
    txtBankNum_->setFixedHeight(txtBankNum_->fontMetrics().height() + 6);
    vscBankNum_->setFixedHeight(txtBankNum_->fontMetrics().height() + 6);
    bank->addWidget(vscBankNum_, 1, 1);
    auto* lblMillion = makeLabel(QStringLiteral("lblMillion"), tr("Mil. $"), fraBankAccount_);
    lblMillion->setBuddy(txtBankNum_);
    bank->addWidget(lblMillion, 1, 2);
    cmdDeposit_ = makeButton(QStringLiteral("cmdDeposit"), tr("&Deposit"),
                             tr("Put money in your bank account"), fraBankAccount_);
    cmdDeposit_->setEnabled(false);
    cmdWithdraw_ = makeButton(QStringLiteral("cmdWithdraw"), tr("&Withdraw"),
                              tr("Take money out of your bank account"), fraBankAccount_);
    bank->addWidget(cmdDeposit_, 1, 4);
    bank->addWidget(cmdWithdraw_, 1, 5);
    bank->setColumnStretch(3, 1);
    bank->setHorizontalSpacing(1);
    outer->addWidget(fraBankAccount_);

    auto* f1 = helpLabel();
    outer->addWidget(f1);

    for (QPushButton* b : {cmdLoan_, cmdQuitGame_, cmdSellCompanies_, cmdOK_, cmdDeposit_, cmdWithdraw_}) fitToText(b);
    // A button with the focus takes Enter itself, as a player expects.
    clickOnEnterWhenFocused({cmdLoan_, cmdQuitGame_, cmdSellCompanies_, cmdOK_, cmdDeposit_, cmdWithdraw_});
    cmdLoan_->setMinimumWidth(cmdQuitGame_->minimumWidth());
    alignInsuranceBoxes();

    // ---- events ----
    connect(cmdLoan_, &QPushButton::clicked, this, [this] { desk(OpKind::DeskLoan); });
    connect(cmdQuitGame_, &QPushButton::clicked, this, [this] { desk(OpKind::DeskQuit); });
    connect(cmdSellCompanies_, &QPushButton::clicked, this, [this] { desk(OpKind::DeskSell); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { desk(OpKind::DeskOK); });
    connect(cmdDeposit_, &QPushButton::clicked, this, [this] { desk(OpKind::DeskDeposit); });
    connect(cmdWithdraw_, &QPushButton::clicked, this, [this] { desk(OpKind::DeskWithdraw); });
    connect(txtBankNum_, &QLineEdit::textChanged, this, [this](const QString& text) {
        // Pasting can bring more than the box holds.
        desk(OpKind::DeskType, 0, 0, fromQt(text.left(MaxBankDigits)));
    });
    connect(vscBankNum_, &QScrollBar::valueChanged, this, [this](int value) { desk(OpKind::DeskScroll, 0, value); });
    labelByCaption(this, {{"lblCashLabel", lblCash_}, {"lblEstateLabel", lblEstate_}, {"lbMoneyInBankLabel", lblMoneyInBank_}});
    connect(lstCompanies_, &QListWidget::clicked, this, [this](const QModelIndex& index) {
        int row = index.row();
        lstCompanies_->clearSelection();
        desk(OpKind::DeskList, row);
    });

    render();
}

PlayerForm* PlayerWindow::model() { return game().PlayerWindowIfLoaded(slot_); }

void PlayerWindow::desk(OpKind kind, int index, int value, std::string text) {
    // Nothing happens once the model is gone (a player who has left).
    if (model()) controller.act({.kind = kind, .window = slot_, .index = index, .value = value, .text = std::move(text)});
}

void PlayerWindow::alignInsuranceBoxes() {
    // Each box stands beside its list row, so the rows share one height.
    int row = qMax(lstCompanies_->fontMetrics().height() + 1,
                   style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this) + 1);
    int frame = lstCompanies_->frameWidth();
    lstCompanies_->setMinimumHeight(row * CompanyRows + 2 * frame);
    auto* boxesLayout = chkInsurance_[1]->parentWidget()->layout();
    boxesLayout->setContentsMargins(0, frame, 0, frame);
    for (int i = 1; i <= CompanyRows; ++i) chkInsurance_[static_cast<std::size_t>(i)]->setFixedHeight(row);
    lstCompanies_->setProperty("rowHeight", row);
}

void PlayerWindow::render() {
    PlayerForm* f = model();
    if (!f) return;

    QString title = toQt(f->Caption);
    if (windowTitle() != title && !title.isEmpty()) setWindowTitle(title);
    if (iconShown_ != f->Icon) {
        iconShown_ = f->Icon;
        setWindowIcon(f->Icon > 0 ? pictures::icon(pictures::piecePath(f->Icon)) : pictures::appIcon());
    }

    // A computer player's window shows what its hand does; the people's
    // clicks and keys do not reach its controls.
    const bool people = !controller.computerSeat(slot_);
    for (QPushButton* b : {cmdLoan_, cmdQuitGame_, cmdSellCompanies_, cmdOK_}) enableWidget(b, people);
    if (txtBankNum_->isReadOnly() == people) txtBankNum_->setReadOnly(!people);
    enableWidget(vscBankNum_, people);

    setText(lblCash_, f->lblCash);
    setTextColor(lblCash_, toQColor(f->lblCashColor));
    setText(lblEstate_, f->lblEstate);
    setText(lblMoneyInBank_, f->lblMoneyInBank);

    // ---- companies ----
    {
        QSignalBlocker block(lstCompanies_);
        int rows = static_cast<int>(qMin<std::size_t>(f->lstCompanies.size(), CompanyRows));
        int rowHeight = lstCompanies_->property("rowHeight").toInt();
        bool same = lstCompanies_->count() == rows;
        for (int r = 0; same && r < rows; ++r)
            same = lstCompanies_->item(r)->text() == toQt(f->lstCompanies[static_cast<std::size_t>(r)]);
        if (!same) {
            lstCompanies_->clear();
            for (int r = 0; r < rows; ++r) {
                auto* item = new QListWidgetItem(toQt(f->lstCompanies[static_cast<std::size_t>(r)]), lstCompanies_);
                item->setSizeHint(QSize(0, rowHeight));
            }
        }
        lstCompanies_->clearSelection();
    }
    for (int i = 1; i <= CompanyRows; ++i) {
        auto idx = static_cast<std::size_t>(i);
        QCheckBox* chk = chkInsurance_[idx];
        QSignalBlocker block(chk);
        Qt::CheckState want = checkStateOf(f->chkInsurance[idx]);
        // Only an insured company's box shows the third state; the user's
        // clicks toggle between empty and ticked.
        bool tristate = want == Qt::PartiallyChecked;
        if (chk->isTristate() != tristate) chk->setTristate(tristate);
        if (chk->checkState() != want) chk->setCheckState(want);
        enableWidget(chk, f->chkInsuranceEnabled[idx] && people);
        QString company = i <= lstCompanies_->count() ? lstCompanies_->item(i - 1)->text() : QString();
        QString name = company.isEmpty() ? tr("Insure company %1").arg(i)
                                         : tr("Insure %1").arg(company);
        if (chk->accessibleName() != name) chk->setAccessibleName(name);
    }
    enableWidget(fraInsurance_, f->fraInsuranceEnabled);

    // ---- bank ----
    {
        QSignalBlocker block(txtBankNum_);
        QString text = toQt(f->txtBankNum).left(MaxBankDigits);
        if (txtBankNum_->text() != text) txtBankNum_->setText(text);
    }
    {
        QSignalBlocker block(vscBankNum_);
        if (vscBankNum_->value() != f->vscBankNum) vscBankNum_->setValue(f->vscBankNum);
    }
    enableWidget(cmdDeposit_, f->cmdDepositEnabled && people);
    enableWidget(cmdWithdraw_, f->cmdWithdrawEnabled && people);
    for (int b = static_cast<int>(DeskButton::Deposit); b <= static_cast<int>(DeskButton::OK); ++b) {
        QPushButton* button = buttonFor(b);
        bool isDefault = static_cast<int>(f->DefaultButton) == b;
        if (button->isDefault() != isDefault) button->setDefault(isDefault);
    }
}

QPushButton* PlayerWindow::buttonFor(int deskButton) const {
    switch (static_cast<DeskButton>(deskButton)) {
        case DeskButton::Deposit: return cmdDeposit_;
        case DeskButton::Withdraw: return cmdWithdraw_;
        case DeskButton::OK: return cmdOK_;
        case DeskButton::None: break;
    }
    return nullptr;
}

void PlayerWindow::focusControl(FocusId focus, int) {
    QWidget* target = nullptr;
    if (focus == FocusId::DeskAmount) {
        target = txtBankNum_;
    } else if (focus == FocusId::DeskFirstInsurance) {
        for (int i = 1; i <= CompanyRows && !target; ++i)
            if (chkInsurance_[static_cast<std::size_t>(i)]->isEnabled()) target = chkInsurance_[static_cast<std::size_t>(i)];
        if (!target) target = cmdOK_;
    }
    if (!target) return;
    if (!isActiveWindow()) {
        raise();
        activateWindow();
    }
    target->setFocus(Qt::OtherFocusReason);
    if (target == txtBankNum_) txtBankNum_->selectAll();
}

void PlayerWindow::keyPressEvent(QKeyEvent* event) {
    PlayerForm* f = model();
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter goes to the button the rules made the default, if any.
            if (f) {
                if (QPushButton* b = buttonFor(static_cast<int>(f->DefaultButton)); b && b->isEnabled()) b->click();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            if (f) {
                if (QPushButton* b = buttonFor(static_cast<int>(f->CancelButton)); b && b->isEnabled()) b->click();
            }
            event->accept();
            return;
        default: break;
    }
    FormWindow::keyPressEvent(event);
}

void PlayerWindow::reject() { userClose(); }

void PlayerWindow::closeEvent(QCloseEvent* event) {
    // Whatever the answer, the rules decide: the program puts the window
    // away itself through the controller when the player may go.
    event->ignore();
    userClose();
}

void PlayerWindow::userClose() {
    Game& g = game();
    int slot = slot_;
    forward(model(), [&g, slot](PlayerForm& f) {
        if (!f.Form_QueryUnload(true)) g.UnloadPlayerWindow(slot);
    });
}

}  // namespace zx
