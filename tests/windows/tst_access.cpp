// The game without a mouse and without sight: controls set by an assistive
// tool, the board as screen readers see it, and a game played with keys
// only, followed in the game log.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../core/test_support.h"
#include "rules/cell_text.h"
#include "testsupport.h"
#include "windows/board_access.h"
#include "windows/board_view.h"
#include "windows/buy_window.h"
#include "windows/key_guard.h"
#include "windows/log_window.h"
#include "windows/main_window.h"
#include "windows/new_game_window.h"
#include "windows/player_window.h"
#include "windows/qt_text.h"
#include "windows/wait_window.h"

using namespace zx;
using namespace zx::test;

namespace {

// A key pressed in whatever window and control have the focus.
void activate(QWidget* w);

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // A closed dialog gives the keyboard back to the main window: the window
    // manager does that, and the offscreen platform has none.
    if (!QApplication::activeWindow())
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmMain")) activate(w);
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    QVERIFY2(target, qPrintable(QKeySequence(key | modifiers).toString()));
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

// Tab from control to control until the one wanted has the focus.
void tabTo(QWidget* target) {
    for (int tabs = 0; tabs < 30 && !target->hasFocus(); ++tabs) press(Qt::Key_Tab);
    QVERIFY2(target->hasFocus(), qPrintable(target->objectName()));
}

void activate(QWidget* w) {
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

QAccessibleInterface* cellOf(BoardView* board, int cell) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(board);
    return view ? view->child(cell - 1) : nullptr;
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void controlsSetByAToolReachTheGame();
    void theBoardReadsOutTheGame();
    void aGamePlayedWithKeysOnly();
    void keysActOnlyOnWhatThePersonSees();
};

void AccessTest::controlsSetByAToolReachTheGame() {
    Program prog;
    Game& g = prog.game();
    g.mnuGameNew_Click();
    NewGameWindow* w = prog.controller.newGameWindow();
    QVERIFY(w);
    // What a screen reader's actions do: set the text, toggle the state.
    find<QRadioButton>(w, "optNumOfPlayers_3")->toggle();
    find<QLineEdit>(w, "txtPlayerName_1")->setText(QStringLiteral("Alice"));
    find<QLineEdit>(w, "txtPlayerName_2")->setText(QStringLiteral("Bob"));
    find<QLineEdit>(w, "txtPlayerName_3")->setText(QStringLiteral("Carol"));
    find<QComboBox>(w, "cmbPlayerSex_2")->setCurrentIndex(1);
    find<QRadioButton>(w, "optCompanySet_2")->toggle();
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"}) find<QCheckBox>(w, option)->toggle();
    find<QPushButton>(w, "cmdStart")->click();
    QVERIFY(g.S.GameInProgress);
    QCOMPARE(g.S.NumOfPlayers, 3);
    QCOMPARE(g.S.PlayerName[1], std::string("Alice"));
    QCOMPARE(g.S.PlayerName[3], std::string("Carol"));
    QCOMPARE(g.S.PlayerSex[2], std::string("Male"));
    QCOMPARE(g.S.CompanySet, 2);
    QVERIFY(!g.S.Sounds && !g.S.BackgroundMusic && !g.S.AutoSave);

    // The bank amount, and an insurance box ticked by Toggle.
    PlayerWindow* alice = prog.controller.playerWindow(1);
    find<QLineEdit>(alice, "txtBankNum")->setText(QStringLiteral("0.5"));
    QCOMPARE(g.PlayerWindow(1).txtBankNum, std::string("0.5"));
    QCOMPARE(g.S.HintText,
             std::string("Enter the amount of money to be withdrawn in million dollars and click Withdraw."));
    g.S.CompanyOwner[1] = 1;
    g.S.CurrentPlayer = 1;
    PlaceOn(g, 1, CellOfKind(CellKind::Insurance, 1));
    g.Insurance();
    prog.controller.renderAll();
    find<QCheckBox>(alice, "chkInsurance_1")->toggle();
    QCOMPARE(g.PlayerWindow(1).chkInsurance[1], CheckState::Checked);
    find<QCheckBox>(alice, "chkInsurance_1")->toggle();
    QCOMPARE(g.PlayerWindow(1).chkInsurance[1], CheckState::Unchecked);

    // Each statistics value is labelled by its caption, not by the frame.
    MainWindow& main = prog.controller.mainWindow();
    QAccessibleInterface* moves = QAccessible::queryAccessibleInterface(find<QLabel>(&main, "lblMoves"));
    const auto labels = moves->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Moves:"));
}

void AccessTest::theBoardReadsOutTheGame() {
    Program prog;
    Game& g = prog.game();
    SetUpGame(g, 2);
    g.S.PlayerName[1] = "Alice";
    g.S.PlayerName[2] = "Bob";
    g.Main.cellToolTip[6] = Catalogue(1).longName[0];
    BoardView* board = prog.controller.mainWindow().board();
    prog.controller.renderAll();

    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(board);
    QVERIFY(view);
    QCOMPARE(view->role(), QAccessible::List);
    QCOMPARE(view->childCount(), NumCells);
    const char* const kinds[] = {"Company market", "Computer", "Tax", "Bank", "Insurance"};
    for (int cell = 1; cell <= NumCells; ++cell) {
        QAccessibleInterface* c = view->child(cell - 1);
        QVERIFY(c);
        QCOMPARE(view->indexOfChild(c), cell - 1);
        QCOMPARE(c->parent()->object(), board);
        QCOMPARE(c->role(), QAccessible::ListItem);
        const QString name = c->text(QAccessible::Name);
        if (CompanyOnCell(cell) == 0) QCOMPARE(name, QString::fromLatin1(kinds[(cell - 1) % 8]));
        else QVERIFY2(name.endsWith(toQt(", " + FormatMoney(g.S.CompanyValue[CompanyOnCell(cell)]))), qPrintable(name));
        QVERIFY(c->text(QAccessible::Description).endsWith(QStringLiteral("Cell %1 of 32.").arg(cell)));
        // Its place on the screen is the cell's, and the cell is found there.
        QCOMPARE(view->childAt(c->rect().center().x(), c->rect().center().y()), c);
    }
    QCOMPARE(cellOf(board, 6)->text(QAccessible::Name),
             QStringLiteral("International Business Machines [IBM] (Computers Complex), $2,000,000"));
    QCOMPARE(cellOf(board, 6)->text(QAccessible::Description),
             QStringLiteral("No owner. Computers Complex not whole. Cell 6 of 32."));
    QCOMPARE(cellOf(board, 9)->text(QAccessible::Description),
             QStringLiteral("Sells the Computers Complex. Cell 9 of 32."));

    // Alice buys the whole Computers Complex, insures IBM and stands on it;
    // Bob stands there too.
    for (int k = 1; k <= 3; ++k) g.S.CompanyOwner[k] = 1;
    g.S.CompanyInsured[1] = true;
    g.CheckNewComplexes();
    PlaceOn(g, 1, 6);
    PlaceOn(g, 2, 6);
    g.UpdateDisplay();
    prog.controller.renderAll();
    QCOMPARE(cellOf(board, 6)->text(QAccessible::Description),
             QStringLiteral("Owned by Alice, insured. Computers Complex whole, owned by Alice. Pieces of Alice and Bob "
                            "are here. Cell 6 of 32."));
    QCOMPARE(cellOf(board, 7)->text(QAccessible::Description),
             QStringLiteral("Owned by Alice, not insured. Computers Complex whole, owned by Alice. Cell 7 of 32."));

    // A fire strikes: while the mask is up the cells say so; afterwards
    // the companies have no owner, and IBM was paid for.
    g.S.DestroyedComplex = 1;
    g.DestroyCompanies();
    prog.controller.renderAll();
    QVERIFY(cellOf(board, 8)->text(QAccessible::Description).contains(
        QStringLiteral("Struck by a disaster: Computers Complex is being destroyed.")));
    for (int tick = 0; tick < 3; ++tick) {
        while (g.S.MoneyChanging) g.tmrChangeMoney_Timer();  // the compensation is counted first
        g.tmrDestroyDelay_Timer();
    }
    prog.controller.renderAll();
    QVERIFY(!g.S.DestroyMode);
    for (int cell : {6, 7, 8})
        QVERIFY2(cellOf(board, cell)->text(QAccessible::Description).startsWith(
                     QStringLiteral("No owner. Computers Complex not whole.")),
                 qPrintable(cellOf(board, cell)->text(QAccessible::Description)));
    QVERIFY(g.Log.PlainText().find("IBM was destroyed, but Alice received $2,000,000 as compensation!") !=
            std::string::npos);
}

void AccessTest::aGamePlayedWithKeysOnly() {
    Program prog(8);  // these dice bring the Computer's free move
    Game& g = prog.game();
    MainWindow& main = prog.controller.mainWindow();
    prog.controller.timer(TimerId::MovePieces)->setInterval(1);
    prog.controller.timer(TimerId::ChangeMoney)->setInterval(1);
    activate(&main);

    // ---- Game > New with Ctrl+N, set up with access keys and typing ----
    press(Qt::Key_N, Qt::ControlModifier);
    NewGameWindow* setup = prog.controller.newGameWindow();
    QVERIFY(setup);
    activate(setup);
    press(Qt::Key_2, Qt::AltModifier);
    for (int i = 1; i <= 2; ++i) {
        QLineEdit* name = find<QLineEdit>(setup, QStringLiteral("txtPlayerName_%1").arg(i));
        tabTo(name);
        QVERIFY(name->hasSelectedText());  // the whole old name, replaced by typing
        QTest::keyClicks(name, i == 1 ? QStringLiteral("Alice") : QStringLiteral("Bob"));
    }
    for (int key : {Qt::Key_S, Qt::Key_B, Qt::Key_A}) press(key, Qt::AltModifier);  // sounds, music, auto-save off
    press(Qt::Key_T, Qt::AltModifier);
    QTRY_VERIFY(!prog.controller.newGameWindow());
    QVERIFY(g.S.GameInProgress);
    QCOMPARE(g.S.PlayerName[2], std::string("Bob"));
    QVERIFY(!g.S.Sounds);

    // ---- Tab reaches the board; the arrows follow the path ----
    activate(&main);
    BoardView* board = main.board();
    tabTo(board);
    BoardKeyboard* keys = board->keyboard();
    QVERIFY(keys->frameVisible());
    press(Qt::Key_Home);
    QCOMPARE(keys->focusCell(), 1);  // no piece on the path yet
    press(Qt::Key_Left);
    QCOMPARE(keys->focusCell(), 32);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    QCOMPARE(keys->focusCell(), 2);
    press(Qt::Key_PageDown);
    QCOMPARE(keys->focusCell(), 10);
    prog.hooks.messages.clear();
    press(Qt::Key_Return);
    QCOMPARE(prog.hooks.messages.size(), std::size_t(1));
    QCOMPARE(prog.hooks.messages.front().text.rfind("For information on this cell", 0), 0u);
    shot(&main, QStringLiteral("access_focus_frame"));

    // ---- the game: Alt+D rolls, the personal windows answer by keys ----
    int moves = 0, anywhere = 0;
    QElapsedTimer clock;
    clock.start();
    while (g.S.Moves < 12 && g.S.GameInProgress) {
        QVERIFY2(clock.elapsed() < 60'000, "the game got stuck");
        const int cp = g.S.CurrentPlayer;
        if (BuyWindow* buy = prog.controller.buyWindow(); buy && buy->isVisible()) {
            activate(buy);
            press(Qt::Key_Escape);
        } else if (WaitWindow* wait = prog.controller.waitWindow(); wait && wait->isVisible()) {
            prog.hooks.answers.push_back(MsgAnswer::Yes);
            activate(wait);
            tabTo(find<QPushButton>(wait, "cmdILose"));
            press(Qt::Key_Return);
        } else if (g.S.DepositMode || g.S.InsuranceMode) {
            // Ctrl+1 or Ctrl+2 reaches the player's own window; Esc refuses.
            press(Qt::Key_0 + cp, Qt::ControlModifier);
            QTRY_VERIFY(prog.controller.playerWindow(cp)->isActiveWindow());
            press(Qt::Key_Escape);
            QVERIFY(!g.S.DepositMode && !g.S.InsuranceMode);
        } else if (g.S.MoveAnywhereMode) {
            // Ctrl+0 comes back to the board itself; Space there moves.
            press(Qt::Key_0, Qt::ControlModifier);
            QVERIFY(board->hasFocus());
            press(Qt::Key_PageUp);
            const int target = keys->focusCell();
            press(Qt::Key_Space);
            QVERIFY(!g.S.MoveAnywhereMode);
            // The cell reached may send the piece on (a Computer cell), so
            // the log tells where the free move went.
            const std::string moved = " moved to cell " + std::to_string(target) + ",";
            QVERIFY(g.Log.PlainText().find(moved) != std::string::npos);
            shot(&main, QStringLiteral("access_focus_frame_piece"));
            ++anywhere;
        } else if (main.rollDice()->isEnabled()) {
            press(Qt::Key_0, Qt::ControlModifier);
            QVERIFY(main.isActiveWindow());
            const int before = g.S.Moves;
            press(Qt::Key_D, Qt::AltModifier);  // an access key clicks a moment later
            QTRY_VERIFY(g.S.Moves > before);
            ++moves;
        }
        QTest::qWait(2);
    }
    QVERIFY(moves >= 10);
    QCOMPARE(anywhere, 1);
    QTRY_VERIFY(!prog.controller.timer(TimerId::MovePieces)->isActive());  // the last walk ends

    // ---- Ctrl+G: the log has a walk for every move, and copies as text ----
    press(Qt::Key_G, Qt::ControlModifier);
    LogWindow* log = prog.controller.logWindow();
    QVERIFY(log && log->isVisible());
    QListWidget* list = log->list();
    QCOMPARE(list->count(), static_cast<int>(g.Log.Lines().size()));
    QCOMPARE(list->currentRow(), list->count() - 1);
    int walks = 0, jumps = 0;
    for (const LogLine& line : g.Log.Lines()) {
        walks += line.text.find(" and walked to cell ") != std::string::npos;
        jumps += line.text.find(" moved to cell ") != std::string::npos;
    }
    QCOMPARE(walks, g.S.Moves);
    QCOMPARE(jumps, anywhere);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Move 0: Game started!"));
    find<QPushButton>(log, "cmdCopy")->click();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(g.Log.PlainText()));
    shot(log, QStringLiteral("access_game_log"));

    // Lines arriving while it is open: the newest alone is chosen.
    for (int i = 0; i < 3; ++i) {
        g.Log.Add(g.S.Moves, "A line that came later.");
        log->render();
    }
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->currentRow(), list->count() - 1);
}

void AccessTest::keysActOnlyOnWhatThePersonSees() {
    Program prog;
    Game& g = prog.game();
    MainWindow& main = prog.controller.mainWindow();
    g.mnuGameNew_Click();
    NewGameWindow* setup = prog.controller.newGameWindow();
    QVERIFY(setup);
    find<QLineEdit>(setup, "txtPlayerName_1")->setText(QStringLiteral("Alice"));
    find<QLineEdit>(setup, "txtPlayerName_2")->setText(QStringLiteral("Bob"));
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"}) find<QCheckBox>(setup, option)->toggle();
    find<QPushButton>(setup, "cmdStart")->click();
    QVERIFY(g.S.GameInProgress);

    // ---- the buy window's companies: one Tab stop, the arrows choose ----
    g.S.CompanyOwner[5] = 2;  // the middle one cannot be chosen
    g.S.CurrentPlayer = 1;
    PlaceOn(g, 1, CellOfKind(CellKind::Market, 1));
    g.BuyCompany();
    BuyWindow* buy = prog.controller.buyWindow();
    QVERIFY(buy);
    activate(buy);
    QRadioButton* opt[] = {nullptr, find<QRadioButton>(buy, "optName_1"), find<QRadioButton>(buy, "optName_2"),
                           find<QRadioButton>(buy, "optName_3")};
    QVERIFY(opt[1]->isChecked() && !opt[2]->isEnabled());
    auto tabStops = [&] {
        QSet<QWidget*> stops;
        find<QPushButton>(buy, "cmdCancel")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 8; ++i) {
            press(Qt::Key_Tab);
            if (qobject_cast<QRadioButton*>(QApplication::focusWidget())) stops.insert(QApplication::focusWidget());
        }
        return stops;
    };
    QCOMPARE(tabStops(), QSet<QWidget*>{opt[1]});
    tabTo(opt[1]);
    press(Qt::Key_Down);  // past the company that is not for sale
    QVERIFY(opt[3]->hasFocus() && opt[3]->isChecked() && !opt[1]->isChecked());
    QVERIFY(g.BuyForm.optNameValue[3] && !g.BuyForm.optNameValue[1]);
    press(Qt::Key_Down);  // round to the first
    QVERIFY(opt[1]->hasFocus() && g.BuyForm.optNameValue[1]);
    press(Qt::Key_Left);
    QVERIFY(opt[3]->hasFocus() && g.BuyForm.optNameValue[3]);
    QCOMPARE(tabStops(), QSet<QWidget*>{opt[3]});
    // A screen reader still hears every option, and which one is chosen.
    for (int s = 1; s <= 3; ++s) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(opt[s]);
        QCOMPARE(a->role(), QAccessible::RadioButton);
        QCOMPARE(a->text(QAccessible::Name), opt[s]->text());
        QCOMPARE(bool(a->state().checked), s == 3);
    }
    find<QPushButton>(buy, "cmdCancel")->click();
    QVERIFY(!g.S.BuyMode);

    // ---- Enter clicks the focused button, also in the main window ----
    activate(&main);
    main.showLog()->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QVERIFY(prog.controller.logWindow() && prog.controller.logWindow()->isVisible());
    prog.controller.logWindow()->hide();

    // ---- Ctrl+1: the amount box, marked, not the control used last ----
    PlayerWindow* alice = prog.controller.playerWindow(1);
    activate(alice);
    find<QPushButton>(alice, "cmdLoan")->setFocus(Qt::MouseFocusReason);
    activate(&main);
    press(Qt::Key_1, Qt::ControlModifier);
    QTRY_VERIFY(alice->isActiveWindow());
    QLineEdit* amount = find<QLineEdit>(alice, "txtBankNum");
    QCOMPARE(QApplication::focusWidget(), amount);
    QVERIFY(alice->testAttribute(Qt::WA_KeyboardFocusChange));
    shot(alice, QStringLiteral("access_ctrl1_focus"));

    // ---- a box takes no key sent the moment it appears ----
    prog.controller.setHooks(nullptr);
    int answered = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);  // would answer Yes
        QTest::keyClick(box, Qt::Key_Escape);
        QCoreApplication::processEvents();
        answered = box->isVisible() ? 0 : 1;
        QTest::qWait(KeyGuard::GuardMs + 50);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    Message m{"Bob offers you a loan. Do you accept?", "Loan", MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes, 1, "Loan"};
    QCOMPARE(prog.controller.message(m), MsgAnswer::No);
    QCOMPARE(answered, 0);
    prog.controller.setHooks(&prog.hooks);
}

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
