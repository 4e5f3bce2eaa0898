// The personal window: its controls, how it draws its model, and how the
// player's keys, typing, scrolling and clicks reach the rules.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "testsupport.h"
#include "windows/main_window.h"
#include "windows/new_game_window.h"
#include "windows/player_window.h"

using namespace zx;
using namespace zx::test;

namespace {

// Starts a game of n players the way a person does: Game > New, the number
// of players, the names, no sounds, music or auto-save, Start.
void startGame(Program& prog, int n) {
    static const char* const names[] = {"", "Alice", "Bob", "Carol", "Dave"};
    prog.game().mnuGameNew_Click();
    NewGameWindow* w = prog.controller.newGameWindow();
    QVERIFY(w);
    find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_%1").arg(n))->click();
    for (int i = 1; i <= n; ++i) {
        auto* name = find<QLineEdit>(w, QStringLiteral("txtPlayerName_%1").arg(i));
        name->selectAll();
        QTest::keyClicks(name, QString::fromLatin1(names[i]));
    }
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"})
        find<QCheckBox>(w, QString::fromLatin1(option))->click();
    find<QPushButton>(w, QStringLiteral("cmdStart"))->click();
    QCoreApplication::processEvents();
    QVERIFY(prog.game().S.GameInProgress);
    QCOMPARE(prog.game().S.NumOfPlayers, n);
    // The money counting would otherwise race the checks of shown figures.
    prog.game().SetTimer(TimerId::ChangeMoney, false);
}

// Gives player p the companies 1..count, the listed ones insured.
void giveCompanies(Game& g, int p, int count, std::initializer_list<int> insured = {}) {
    for (int k = 1; k <= count; ++k) {
        g.S.CompanyOwner[static_cast<std::size_t>(k)] = p;
        g.S.CompanyInsured[static_cast<std::size_t>(k)] = std::find(insured.begin(), insured.end(), k) != insured.end();
    }
    g.UpdateDisplay();
    g.SetTimer(TimerId::ChangeMoney, false);
}

PlayerWindow* playerWindow(Program& prog, int p) {
    PlayerWindow* w = prog.controller.playerWindow(p);
    if (w) {
        w->resize(PlayerWindow::SeatWidth, PlayerWindow::SeatHeight);
        prog.controller.renderAll();
    }
    return w;
}

template <typename T> T* control(QWidget* w, const QString& name) {
    T* c = find<T>(w, name);
    if (!c) qWarning("no control %s", qPrintable(name));
    return c;
}

}  // namespace

class TestPlayerWindow : public QObject {
    Q_OBJECT
private slots:
    void controlsAndFirstState();
    void drawsItsModel();
    void insuredBoxesAreGreyAndLocked();
    void enterAndEscPressTheRulesButtons();
    void depositAndRefusalThroughTheKeys();
    void typingIsCutAndForwarded();
    void scrollBarForwards();
    void listKeepsNoSelection();
    void closeIsRefused();
    void fitsASeat();
    void insuranceBoxesStandBesideTheirRows();
    void screenshots();
};

void TestPlayerWindow::controlsAndFirstState() {
    Program prog;
    startGame(prog, 2);
    PlayerWindow* w = playerWindow(prog, 2);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("PlayerForm_2"));
    QVERIFY(w->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(w->windowTitle(), QStringLiteral("Bob"));
    QVERIFY(!w->windowIcon().isNull());
    QCOMPARE(w->helpTopic(), QStringLiteral("playerwindow"));

    struct Expect {
        const char* name;
        const char* text;
        const char* tip;
    };
    const Expect labels[] = {
        {"lblCashLabel", "Cash:", ""},
        {"lblCash", "$5,000,000", ""},
        {"lblEstateLabel", "Estate:", "Estate = your cash + your bank balance + the value of all your companies"},
        {"lblEstate", "$5,000,000", "Estate = your cash + your bank balance + the value of all your companies"},
        {"lbMoneyInBankLabel", "Balance:", ""},
        {"lblMoneyInBank", "$0", ""},
        {"lblMillion", "Mil. $", ""},
        {"lblPressF1forHelp", "Press F1 for online help!", "Press F1 for complete HTML Help on this window!"},
    };
    for (const auto& e : labels) {
        auto* l = control<QLabel>(w, QString::fromLatin1(e.name));
        QVERIFY2(l, e.name);
        QCOMPARE(l->text(), QString::fromLatin1(e.text));
        QCOMPARE(l->toolTip(), QString::fromLatin1(e.tip));
    }
    const Expect buttons[] = {
        {"cmdLoan", "&Loan", "Lend money to somebody"},
        {"cmdQuitGame", "&Quit Game", "Exit the game voluntarily"},
        {"cmdSellCompanies", "&Sell", "Sell your companies"},
        {"cmdDeposit", "&Deposit", "Put money in your bank account"},
        {"cmdWithdraw", "&Withdraw", "Take money out of your bank account"},
        {"cmdOK", "&OK", "Insure selected companies"},
    };
    for (const auto& e : buttons) {
        auto* b = control<QPushButton>(w, QString::fromLatin1(e.name));
        QVERIFY2(b, e.name);
        QCOMPARE(b->text(), QString::fromLatin1(e.text));
        QCOMPARE(b->toolTip(), QString::fromLatin1(e.tip));
        QVERIFY(!b->isDefault());
    }
    const Expect frames[] = {
        {"fraMoney", "Money", ""},
        {"frmFactories", "Companies", ""},
        {"fraBankAccount", "Bank account", ""},
        {"fraInsurance", "Insure", ""},
    };
    for (const auto& e : frames) {
        auto* f = control<QGroupBox>(w, QString::fromLatin1(e.name));
        QVERIFY2(f, e.name);
        QCOMPARE(f->title(), QString::fromLatin1(e.text));
    }
    auto* list = control<QListWidget>(w, QStringLiteral("lstCompanies"));
    QVERIFY(list);
    QCOMPARE(list->toolTip(), QStringLiteral("The list of companies you own"));
    QCOMPARE(list->count(), 0);
    for (int i = 1; i <= 5; ++i) {
        auto* chk = control<QCheckBox>(w, QStringLiteral("chkInsurance_%1").arg(i));
        QVERIFY(chk);
        QCOMPARE(chk->toolTip(), QStringLiteral("Check to insure the company to the left"));
        QCOMPARE(chk->checkState(), Qt::Unchecked);
        QVERIFY(!chk->accessibleName().isEmpty());
    }
    QVERIFY(!find<QCheckBox>(w, QStringLiteral("chkInsurance_6")));

    auto* txt = control<QLineEdit>(w, QStringLiteral("txtBankNum"));
    QVERIFY(txt);
    QCOMPARE(txt->text(), QString());
    QCOMPARE(txt->maxLength(), 4);
    QCOMPARE(txt->toolTip(), QStringLiteral("Enter a number smaller than 1 or leave empty to refuse"));
    QVERIFY(!txt->accessibleName().isEmpty());
    auto* vsc = control<QScrollBar>(w, QStringLiteral("vscBankNum"));
    QVERIFY(vsc);
    QCOMPARE(vsc->orientation(), Qt::Vertical);
    QCOMPARE(vsc->minimum(), -90);
    QCOMPARE(vsc->maximum(), 9);
    QCOMPARE(vsc->value(), 0);

    // Between cells only the cell-bound controls are off.
    QVERIFY(!control<QPushButton>(w, QStringLiteral("cmdDeposit"))->isEnabled());
    QVERIFY(control<QPushButton>(w, QStringLiteral("cmdWithdraw"))->isEnabled());
    QVERIFY(!control<QGroupBox>(w, QStringLiteral("fraInsurance"))->isEnabled());
    for (const char* name : {"cmdLoan", "cmdQuitGame", "cmdSellCompanies"})
        QVERIFY(control<QPushButton>(w, QString::fromLatin1(name))->isEnabled());
}

void TestPlayerWindow::drawsItsModel() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    giveCompanies(g, 1, 3);
    PlayerForm& f = g.PlayerWindow(1);
    f.lblCash = "$4,250,000";
    f.lblCashColor = Red;
    f.lblEstate = "$7,000,000";
    f.lblMoneyInBank = "$1,200,000";
    f.txtBankNum = "0.5";
    f.vscBankNum = 5;
    f.cmdDepositEnabled = true;
    f.cmdWithdrawEnabled = false;
    f.DefaultButton = DeskButton::Deposit;
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);

    QCOMPARE(control<QLabel>(w, QStringLiteral("lblCash"))->text(), QStringLiteral("$4,250,000"));
    QCOMPARE(control<QLabel>(w, QStringLiteral("lblCash"))->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(control<QLabel>(w, QStringLiteral("lblEstate"))->text(), QStringLiteral("$7,000,000"));
    QCOMPARE(control<QLabel>(w, QStringLiteral("lblMoneyInBank"))->text(), QStringLiteral("$1,200,000"));
    QCOMPARE(control<QLineEdit>(w, QStringLiteral("txtBankNum"))->text(), QStringLiteral("0.5"));
    QCOMPARE(control<QScrollBar>(w, QStringLiteral("vscBankNum"))->value(), 5);
    auto* deposit = control<QPushButton>(w, QStringLiteral("cmdDeposit"));
    QVERIFY(deposit->isEnabled());
    QVERIFY(deposit->isDefault());
    QVERIFY(!control<QPushButton>(w, QStringLiteral("cmdWithdraw"))->isEnabled());
    auto* list = control<QListWidget>(w, QStringLiteral("lstCompanies"));
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QString::fromStdString(g.S.CompanyName[1]));
    QCOMPARE(list->item(2)->text(), QString::fromStdString(g.S.CompanyName[3]));

    // A company changes hands: the lists of both players follow at the next
    // refresh, and the default button moves with the model.
    g.S.CompanyOwner[3] = 2;
    g.UpdateDisplay();
    f.DefaultButton = DeskButton::Withdraw;
    f.cmdWithdrawEnabled = true;
    prog.controller.renderAll();
    QCOMPARE(list->count(), 2);
    auto* list2 = control<QListWidget>(playerWindow(prog, 2), QStringLiteral("lstCompanies"));
    QCOMPARE(list2->count(), 1);
    QCOMPARE(list2->item(0)->text(), QString::fromStdString(g.S.CompanyName[3]));
    QVERIFY(!deposit->isDefault());
    QVERIFY(control<QPushButton>(w, QStringLiteral("cmdWithdraw"))->isDefault());
}

void TestPlayerWindow::insuredBoxesAreGreyAndLocked() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    g.S.CurrentPlayer = 1;
    giveCompanies(g, 1, 4, {2, 4});
    g.Insurance();
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    QVERIFY(control<QGroupBox>(w, QStringLiteral("fraInsurance"))->isEnabled());
    auto box = [w](int i) { return find<QCheckBox>(w, QStringLiteral("chkInsurance_%1").arg(i)); };
    QCOMPARE(box(1)->checkState(), Qt::Unchecked);
    QVERIFY(box(1)->isEnabled());
    QCOMPARE(box(2)->checkState(), Qt::PartiallyChecked);
    QVERIFY(!box(2)->isEnabled());
    QCOMPARE(box(3)->checkState(), Qt::Unchecked);
    QVERIFY(box(3)->isEnabled());
    QCOMPARE(box(4)->checkState(), Qt::PartiallyChecked);
    QVERIFY(!box(4)->isEnabled());
    QVERIFY(!box(5)->isEnabled());
    QVERIFY(box(2)->accessibleName().contains(QString::fromStdString(g.S.CompanyName[2])));

    // A grey box cannot be ticked, even by a click that reaches it.
    QTest::mouseClick(box(2), Qt::LeftButton);
    QCOMPARE(box(2)->checkState(), Qt::PartiallyChecked);
    QCOMPARE(g.PlayerWindow(1).chkInsurance[2], CheckState::Grayed);

    // A click on a live box ticks it through the rules, a second one clears it.
    box(3)->click();
    QCOMPARE(g.PlayerWindow(1).chkInsurance[3], CheckState::Checked);
    QCOMPARE(box(3)->checkState(), Qt::Checked);
    box(3)->click();
    QCOMPARE(g.PlayerWindow(1).chkInsurance[3], CheckState::Unchecked);
    QCOMPARE(box(3)->checkState(), Qt::Unchecked);

    // Insurance lapses (a disaster, a sale): the box comes back empty and live.
    g.S.CompanyInsured[2] = false;
    g.UpdateDisplay();
    QCOMPARE(box(2)->checkState(), Qt::Unchecked);
    QVERIFY(!box(2)->isTristate());
    QVERIFY(box(2)->isEnabled());
}

void TestPlayerWindow::enterAndEscPressTheRulesButtons() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    PlayerForm& f = g.PlayerWindow(1);
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    auto* deposit = control<QPushButton>(w, QStringLiteral("cmdDeposit"));
    auto* withdraw = control<QPushButton>(w, QStringLiteral("cmdWithdraw"));
    auto* ok = control<QPushButton>(w, QStringLiteral("cmdOK"));
    auto* txt = control<QLineEdit>(w, QStringLiteral("txtBankNum"));
    QSignalSpy deposits(deposit, &QPushButton::clicked);
    QSignalSpy withdrawals(withdraw, &QPushButton::clicked);
    QSignalSpy oks(ok, &QPushButton::clicked);
    txt->setFocus();

    // No default, no cancel: Enter and Esc do nothing, and Esc never puts
    // the window away.
    QTest::keyClick(txt, Qt::Key_Return);
    QTest::keyClick(txt, Qt::Key_Escape);
    QCOMPARE(deposits.count() + withdrawals.count() + oks.count(), 0);
    QVERIFY(w->isVisible());

    // The rules change the modes when a button is pressed, so each key
    // press starts from the mode it is meant for.
    auto bankMode = [&] {
        f.cmdDepositEnabled = true;
        f.cmdWithdrawEnabled = true;
        f.fraInsuranceEnabled = false;
        f.DefaultButton = DeskButton::Deposit;
        f.CancelButton = DeskButton::Deposit;
        prog.controller.renderAll();
    };
    auto insuranceMode = [&] {
        f.cmdDepositEnabled = false;
        f.cmdWithdrawEnabled = false;
        f.fraInsuranceEnabled = true;
        f.DefaultButton = DeskButton::OK;
        f.CancelButton = DeskButton::OK;
        prog.controller.renderAll();
    };
    bankMode();
    QTest::keyClick(txt, Qt::Key_Return);
    QCOMPARE(deposits.count(), 1);
    bankMode();
    QTest::keyClick(txt, Qt::Key_Escape);
    QCOMPARE(deposits.count(), 2);
    QCOMPARE(withdrawals.count(), 0);
    insuranceMode();
    QTest::keyClick(txt, Qt::Key_Enter);
    QCOMPARE(oks.count(), 1);
    insuranceMode();
    QTest::keyClick(txt, Qt::Key_Escape);
    QCOMPARE(oks.count(), 2);
    QCOMPARE(deposits.count(), 2);
    QCOMPARE(withdrawals.count(), 0);

    // A default that is disabled cannot be pressed by Enter.
    f.fraInsuranceEnabled = false;
    f.cmdDepositEnabled = false;
    f.cmdWithdrawEnabled = true;
    f.DefaultButton = DeskButton::Deposit;
    f.CancelButton = DeskButton::None;
    prog.controller.renderAll();
    QTest::keyClick(txt, Qt::Key_Return);
    QCOMPARE(deposits.count(), 2);

    // A focused button takes Enter itself.
    f.DefaultButton = DeskButton::None;
    prog.controller.renderAll();
    auto* sell = control<QPushButton>(w, QStringLiteral("cmdSellCompanies"));
    sell->setFocus();
    QTest::keyClick(sell, Qt::Key_Return);
    QCOMPARE(prog.hooks.messages.size(), std::size_t(1));
    QCOMPARE(prog.hooks.messages.back().title, std::string("No companies"));
}

void TestPlayerWindow::depositAndRefusalThroughTheKeys() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    g.S.CurrentPlayer = 1;
    g.Bank();
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    auto* txt = control<QLineEdit>(w, QStringLiteral("txtBankNum"));
    auto* deposit = control<QPushButton>(w, QStringLiteral("cmdDeposit"));
    QVERIFY(deposit->isEnabled());
    QVERIFY(deposit->isDefault());
    // The other player's window keeps its Deposit off.
    QVERIFY(!control<QPushButton>(playerWindow(prog, 2), QStringLiteral("cmdDeposit"))->isEnabled());

    // Too much: refused, the box cleared, deposit mode goes on.
    QTest::keyClicks(txt, QStringLiteral("1.04"));
    QTest::keyClick(txt, Qt::Key_Return);
    QCOMPARE(prog.hooks.messages.back().text, std::string("You can't deposit more than $1,000,000 at a time!"));
    QCOMPARE(txt->text(), QString());
    QVERIFY(g.S.DepositMode);
    QVERIFY(deposit->isEnabled());

    QTest::keyClicks(txt, QStringLiteral("0.5"));
    QTest::keyClick(txt, Qt::Key_Return);
    QCOMPARE(g.S.Cash[1], 4'500'000);
    QCOMPARE(g.S.MoneyInBank[1], 500'000);
    QCOMPARE(g.S.PromptText, std::string("Alice deposited $500,000!"));
    QVERIFY(!g.S.DepositMode);
    QVERIFY(!deposit->isEnabled());
    QVERIFY(!deposit->isDefault());
    QCOMPARE(txt->text(), QString());
    QCOMPARE(control<QLabel>(w, QStringLiteral("lblMoneyInBank"))->text(), QStringLiteral("$500,000"));

    // Next time Esc on the empty box refuses.
    g.Bank();
    QTest::keyClick(txt, Qt::Key_Escape);
    QCOMPARE(g.S.PromptText, std::string("Alice refused to deposit any money!"));
    QVERIFY(!g.S.DepositMode);
    QVERIFY(w->isVisible());
}

void TestPlayerWindow::typingIsCutAndForwarded() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    PlayerWindow* w = playerWindow(prog, 2);
    QVERIFY(w);
    auto* txt = control<QLineEdit>(w, QStringLiteral("txtBankNum"));
    txt->setFocus();
    QTest::keyClicks(txt, QStringLiteral("0.255"));
    QCOMPARE(txt->text(), QStringLiteral("0.25"));
    PlayerForm& f = g.PlayerWindow(2);
    QCOMPARE(f.txtBankNum, std::string("0.25"));
    // Outside deposit mode typing makes Withdraw the default and says why.
    QCOMPARE(f.DefaultButton, DeskButton::Withdraw);
    QVERIFY(control<QPushButton>(w, QStringLiteral("cmdWithdraw"))->isDefault());
    QCOMPARE(g.S.HintText,
             std::string("Enter the amount of money to be withdrawn in million dollars and click Withdraw."));
    // Pasting more than the box holds is cut the same way.
    txt->selectAll();
    txt->insert(QStringLiteral("123456"));
    QCOMPARE(txt->text(), QStringLiteral("1234"));
    // Enter now withdraws for the window's owner, not for the player on turn.
    g.S.MoneyInBank[2] = 2'000'000;
    txt->selectAll();
    QTest::keyClicks(txt, QStringLiteral(".125"));
    QTest::keyClick(txt, Qt::Key_Return);
    QCOMPARE(g.S.Cash[2], StartCash + 120'000);
    QCOMPARE(g.S.MoneyInBank[2], 2'000'000 - 120'000);
    QCOMPARE(txt->text(), QString());
}

void TestPlayerWindow::scrollBarForwards() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    auto* vsc = control<QScrollBar>(w, QStringLiteral("vscBankNum"));
    auto* txt = control<QLineEdit>(w, QStringLiteral("txtBankNum"));
    // The up arrow raises the amount.
    vsc->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(vsc->value(), -1);
    QCOMPARE(g.PlayerWindow(1).vscBankNum, -1);
    QCOMPARE(txt->text(), QStringLiteral("1.1"));
    vsc->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(txt->text(), QStringLiteral("10"));
    vsc->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(txt->text(), QStringLiteral("0.1"));
    // Drawing the model back never fires the scroll bar's own change.
    g.PlayerWindow(1).vscBankNum = 3;
    g.PlayerWindow(1).txtBankNum = "x";
    prog.controller.renderAll();
    QCOMPARE(vsc->value(), 3);
    QCOMPARE(txt->text(), QStringLiteral("x"));
}

void TestPlayerWindow::listKeepsNoSelection() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    giveCompanies(g, 1, 3);
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    auto* list = control<QListWidget>(w, QStringLiteral("lstCompanies"));
    QRect row = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(list->count(), 3);
    QVERIFY(!g.S.ListClickGuard);
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(list->selectedItems().isEmpty());
}

void TestPlayerWindow::closeIsRefused() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    QPointer<PlayerWindow> guard(w);
    w->close();
    QCoreApplication::processEvents();
    QVERIFY(guard);
    QVERIFY(guard->isVisible());
    QVERIFY(g.PlayerWindowLoaded(1));
    QCOMPARE(g.S.HintText, std::string("To quit the game voluntarily, click Quit Game in your personal window."));
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(guard->isVisible());
    // The program's own unloading does put it away.
    g.UnloadPlayerWindow(1);
    QCoreApplication::processEvents();
    QVERIFY(!prog.controller.playerWindow(1));
}

void TestPlayerWindow::fitsASeat() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 4);
    giveCompanies(g, 3, 5, {1});
    g.PlayerWindow(3).lblCash = "$10,000,000";
    g.PlayerWindow(3).lblEstate = "$18,000,000";
    g.PlayerWindow(3).lblMoneyInBank = "$10,000,000";
    PlayerWindow* w = playerWindow(prog, 3);
    QVERIFY(w);
    QSize min = w->minimumSizeHint().expandedTo(w->minimumSize());
    QVERIFY2(min.width() <= PlayerWindow::SeatWidth && min.height() <= PlayerWindow::SeatHeight,
             qPrintable(QStringLiteral("needs %1 x %2").arg(min.width()).arg(min.height())));
    w->setGeometry(QRect(QPoint(0, 0), QSize(PlayerWindow::SeatWidth, PlayerWindow::SeatHeight)));
    QCoreApplication::processEvents();
    QCOMPARE(w->size(), QSize(PlayerWindow::SeatWidth, PlayerWindow::SeatHeight));
    // Every control lies inside the window, none squeezed below its need.
    const QRect inside = w->rect();
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(w) || child->objectName().isEmpty() ||
            child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QRect r(child->mapTo(w, QPoint(0, 0)), child->size());
        QVERIFY2(inside.contains(r), qPrintable(child->objectName()));
        if (auto* label = qobject_cast<QLabel*>(child))
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(child->objectName()));
        if (auto* button = qobject_cast<QPushButton*>(child))
            QVERIFY2(button->width() >=
                         button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 8,
                     qPrintable(child->objectName()));
    }
    auto* txt = control<QLineEdit>(w, QStringLiteral("txtBankNum"));
    QVERIFY(txt->width() >= txt->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
}

void TestPlayerWindow::insuranceBoxesStandBesideTheirRows() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    giveCompanies(g, 1, 5);
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    auto* list = control<QListWidget>(w, QStringLiteral("lstCompanies"));
    QCOMPARE(list->count(), 5);
    // At the 1024 x 768 seat and at a tall one of a large screen.
    for (QSize seat : {QSize(PlayerWindow::SeatWidth, PlayerWindow::SeatHeight), QSize(330, 640)}) {
        w->setGeometry(QRect(QPoint(0, 0), seat));
        QCoreApplication::processEvents();
        for (int i = 1; i <= 5; ++i) {
            auto* chk = control<QCheckBox>(w, QStringLiteral("chkInsurance_%1").arg(i));
            QRect rowRect = list->visualItemRect(list->item(i - 1));
            int rowMiddle = list->viewport()->mapTo(w, rowRect.center()).y();
            int boxMiddle = chk->mapTo(w, chk->rect().center()).y();
            QVERIFY2(qAbs(rowMiddle - boxMiddle) <= 2,
                     qPrintable(QStringLiteral("row %1: %2 vs %3").arg(i).arg(rowMiddle).arg(boxMiddle)));
            // All five rows are seen without scrolling.
            QVERIFY(list->viewport()->rect().contains(rowRect));
        }
        // The groups follow one another as one panel: spare height goes to
        // the list, never into gaps between them.
        auto top = [w](const char* name) { return w->findChild<QWidget*>(QLatin1String(name))->geometry().top(); };
        auto bottom = [w](const char* name) {
            return w->findChild<QWidget*>(QLatin1String(name))->geometry().bottom();
        };
        QVERIFY(top("frmFactories") - bottom("fraMoney") <= 4);
        QVERIFY(top("fraBankAccount") - bottom("frmFactories") <= 4);
        QVERIFY(top("lblPressF1forHelp") - bottom("fraBankAccount") <= 4);
        QVERIFY(w->height() - bottom("lblPressF1forHelp") <= 4);
    }
}

void TestPlayerWindow::screenshots() {
    Program prog;
    Game& g = prog.game();
    startGame(prog, 2);
    g.S.CurrentPlayer = 1;
    giveCompanies(g, 1, 5, {2});
    g.S.MoneyInBank[1] = 1'500'000;
    g.Bank();
    g.SetTimer(TimerId::ChangeMoney, false);
    PlayerWindow* w = playerWindow(prog, 1);
    QVERIFY(w);
    QTest::keyClicks(control<QLineEdit>(w, QStringLiteral("txtBankNum")), QStringLiteral("0.5"));
    QCoreApplication::processEvents();
    QVERIFY(w->grab().save(QStringLiteral("/tmp/zx_player_deposit.png")));

    QTest::keyClick(control<QLineEdit>(w, QStringLiteral("txtBankNum")), Qt::Key_Return);
    g.Insurance();
    find<QCheckBox>(w, QStringLiteral("chkInsurance_3"))->click();
    g.SetTimer(TimerId::ChangeMoney, false);
    QCoreApplication::processEvents();
    QVERIFY(w->grab().save(QStringLiteral("/tmp/zx_player_insurance.png")));
}

QTEST_MAIN(TestPlayerWindow)
#include "tst_player_window.moc"
