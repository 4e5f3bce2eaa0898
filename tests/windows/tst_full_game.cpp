// A whole two-player game through the real windows: Game > New, the
// new-game window, Roll Dice again and again, the buy window, the bank desk,
// insurance, debts, and finally a player quitting through his personal
// window, up to the "Game over!" window and back to an empty board. The dice
// come from a fixed seed, so the game is the same on every run.

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "state/board.h"
#include "testsupport.h"
#include "windows/board_view.h"
#include "windows/buy_window.h"
#include "windows/main_window.h"
#include "windows/new_game_window.h"
#include "windows/player_window.h"
#include "windows/results_window.h"
#include "windows/wait_window.h"

using namespace zx;
using namespace zx::test;

namespace {

// What the results window showed when it opened.
struct ResultsSeen {
    bool shown = false;
    bool modal = false;
    QString title;
    QStringList labels, names;  // the visible rows
    int hiddenRows = 0;
    // The main window behind it.
    QString prompt, hint;
    bool rollDice = true;
};

}  // namespace

class TestFullGame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void twoPlayersPlayToTheEnd();
};

void TestFullGame::twoPlayersPlayToTheEnd() {
    Program prog(2);  // this seed's dice bring a debt and a free move early
    Game& g = prog.game();
    MainWindow& main = prog.controller.mainWindow();
    // Faster clocks: the same ticks in the same order, only sooner.
    prog.controller.timer(TimerId::MovePieces)->setInterval(2);
    prog.controller.timer(TimerId::ChangeMoney)->setInterval(2);
    prog.controller.timer(TimerId::DestroyDelay)->setInterval(40);

    // ---- Game > New, the new-game window, Start ----
    QCOMPARE(main.windowTitle(), QStringLiteral("Zentrix 3.0"));
    main.mnuGameNew->trigger();
    NewGameWindow* setup = prog.controller.newGameWindow();
    QVERIFY(setup && setup->isVisible());
    clickOn(find<QRadioButton>(setup, QStringLiteral("optNumOfPlayers_2")));
    typeInto(find<QLineEdit>(setup, QStringLiteral("txtPlayerName_1")), QStringLiteral("Alice"));
    typeInto(find<QLineEdit>(setup, QStringLiteral("txtPlayerName_2")), QStringLiteral("Bob"));
    // A quiet game: no sounds, no music, no saving behind the test's back.
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"}) {
        auto* box = find<QCheckBox>(setup, QString::fromLatin1(option));
        QVERIFY(box && box->isChecked());
        clickOn(box);
        QVERIFY(!box->isChecked());
    }
    clickOn(find<QPushButton>(setup, QStringLiteral("cmdStart")));
    QTRY_VERIFY(!prog.controller.newGameWindow());
    QVERIFY(g.S.GameInProgress);
    QCOMPARE(g.S.NumOfPlayers, 2);
    QVERIFY(main.windowTitle().startsWith(QStringLiteral("Zentrix 3.0 - Alice, Bob, ")));
    QVERIFY(main.mnuGameClose->isEnabled() && main.mnuGameSave->isEnabled());
    for (int p = 1; p <= 2; ++p) {
        PlayerWindow* w = prog.controller.playerWindow(p);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString::fromStdString(g.S.PlayerName[p]));
        QVERIFY(main.board()->piece(p)->isVisible());
    }
    QVERIFY(!main.board()->piece(3)->isVisible() && !main.board()->piece(4)->isVisible());

    // ---- the "Game over!" window, whenever and from wherever it opens ----
    ResultsSeen results;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        ResultsWindow* w = prog.controller.resultsWindow();
        if (!w || !w->isVisible() || results.shown) return;
        results.shown = true;
        results.modal = w->isModal() && QApplication::activeModalWidget() == w;
        results.title = w->windowTitle();
        for (int i = 1; i <= 4; ++i) {
            auto* label = find<QLabel>(w, QStringLiteral("lblFinisherLabel_%1").arg(i));
            auto* name = find<QLabel>(w, QStringLiteral("lblFinisher_%1").arg(i));
            if (!label || !name) continue;
            if (label->isVisible() && name->isVisible()) {
                results.labels << label->text();
                results.names << name->text();
            } else if (!label->isVisible() && !name->isVisible()) {
                ++results.hiddenRows;
            }
        }
        results.prompt = find<QLabel>(&main, QStringLiteral("lblPrompt"))->text();
        results.hint = find<QLabel>(&main, QStringLiteral("lblHint"))->text();
        results.rollDice = main.rollDice()->isEnabled();
        w->grab().save(QStringLiteral("/tmp/zx_full_game_results.png"));
        auto* ok = find<QPushButton>(w, QStringLiteral("cmdOK"));
        if (ok) QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    });
    watcher.start();

    // ---- the game: whatever it asks for, a sensible player answers ----
    constexpr int QuitAtMove = 40;
    int moves = 0, rolls = 0, bought = 0, refused = 0, deposits = 0, insured = 0, paid = 0, anywhere = 0;
    bool grabbed = false;
    std::string ending;  // how the game ended
    QString quitter, stayer;
    QElapsedTimer clock;
    clock.start();
    while (!results.shown) {
        if (QTest::currentTestFailed()) return;
        QVERIFY2(clock.elapsed() < 120'000, "the game did not end");
        GameState& s = g.S;
        moves = s.Moves;
        const int cp = s.CurrentPlayer;
        PlayerWindow* own = prog.controller.playerWindow(cp);

        if (BuyWindow* buy = prog.controller.buyWindow(); buy && buy->isVisible()) {
            // Buy the first company for sale whenever the cash is there: the
            // players end up short of cash, so debts come too.
            QRadioButton* choice = nullptr;
            for (int i = 1; i <= 3 && !choice; ++i) {
                auto* opt = find<QRadioButton>(buy, QStringLiteral("optName_%1").arg(i));
                if (opt && opt->isEnabled()) choice = opt;
            }
            if (choice && s.Cash[cp] >= 1'000'000) {
                clickOn(choice);
                clickOn(find<QPushButton>(buy, QStringLiteral("cmdBuy")));
                ++bought;
            }
            if (QPointer<BuyWindow> still = prog.controller.buyWindow(); still && still->isVisible()) {
                clickOn(find<QPushButton>(still, QStringLiteral("cmdCancel")));
                ++refused;
            }
        } else if (WaitWindow* wait = prog.controller.waitWindow(); wait && wait->isVisible()) {
            // A debt: take what the bank holds (the box takes four
            // characters), then pay; who still cannot pay gives up.
            const int debtor = g.Wait.Debtor;
            PlayerWindow* pw = prog.controller.playerWindow(debtor);
            QVERIFY(pw);
            const double millions = std::floor(s.MoneyInBank[debtor] / 10'000.0) / 100.0;
            if (millions >= 0.01) {
                char text[16];
                std::snprintf(text, sizeof text, "%.2f", std::min(millions, 9.99));
                typeInto(find<QLineEdit>(pw, QStringLiteral("txtBankNum")), QString::fromLatin1(text).left(4));
                clickOn(find<QPushButton>(pw, QStringLiteral("cmdWithdraw")));
            }
            clickOn(find<QPushButton>(wait, QStringLiteral("cmdPay")));
            ++paid;
            if (QPointer<WaitWindow> still = prog.controller.waitWindow(); still && still->isVisible()) {
                ending = "lost";
                quitter = QString::fromStdString(s.PlayerName[debtor]);
                stayer = QString::fromStdString(s.PlayerName[3 - debtor]);
                prog.hooks.answers.push_back(MsgAnswer::Yes);  // "Are you sure you want to lose...?"
                clickOn(find<QPushButton>(still, QStringLiteral("cmdILose")));
            }
        } else if (s.DepositMode && own) {
            // Two visits to the bank out of three put a million in; the
            // third is refused with Esc.
            if (deposits % 3 != 2) {
                typeInto(find<QLineEdit>(own, QStringLiteral("txtBankNum")), QStringLiteral("1"));
                QTest::keyClick(find<QLineEdit>(own, QStringLiteral("txtBankNum")), Qt::Key_Return);
            }
            if (s.DepositMode) QTest::keyClick(own, Qt::Key_Escape);
            ++deposits;
            QVERIFY(!s.DepositMode);
        } else if (s.InsuranceMode && own) {
            auto* first = find<QCheckBox>(own, QStringLiteral("chkInsurance_1"));
            if (first && first->isVisible() && first->isEnabled() && !first->isChecked()) clickOn(first);
            clickOn(find<QPushButton>(own, QStringLiteral("cmdOK")));
            if (s.InsuranceMode) {  // not enough cash: untick and refuse
                if (first && first->isChecked()) clickOn(first);
                clickOn(find<QPushButton>(own, QStringLiteral("cmdOK")));
            }
            ++insured;
            QVERIFY(!s.InsuranceMode);
        } else if (s.MoveAnywhereMode && main.rollDice()->isEnabled()) {
            // "Click anywhere on the board you want to move to!": the bank.
            BoardView* board = main.board();
            const int cell = CellOfKind(CellKind::Bank, 1);
            QPoint at = board->mapFromScene(QPointF(CellLeft(cell) + CellSize / 2.0, CellTop(cell) + CellSize / 2.0));
            QTest::mouseClick(board->viewport(), Qt::LeftButton, {}, at);
            ++anywhere;
        } else if (main.rollDice()->isEnabled()) {
            if (s.Moves >= QuitAtMove) {
                // Bob has seen enough: Quit Game in his own window, and Yes.
                PlayerWindow* bob = nullptr;
                for (int p = 1; p <= s.NumOfPlayers; ++p)
                    if (s.PlayerName[p] == "Bob") bob = prog.controller.playerWindow(p);
                QVERIFY(bob);
                ending = "quit";
                quitter = QStringLiteral("Bob");
                stayer = QStringLiteral("Alice");
                prog.hooks.answers.push_back(MsgAnswer::Yes);
                clickOn(find<QPushButton>(bob, QStringLiteral("cmdQuitGame")));
            } else {
                if (s.Moves == 20 && !grabbed) {
                    // The main window with the personal windows over their seats.
                    grabbed = true;
                    QPixmap shot = main.grab();
                    QPainter painter(&shot);
                    for (int p = 1; p <= s.NumOfPlayers; ++p)
                        if (PlayerWindow* w = prog.controller.playerWindow(p))
                            painter.drawPixmap(main.mapFromGlobal(w->geometry().topLeft()), w->grab());
                    painter.end();
                    QVERIFY(shot.save(QStringLiteral("/tmp/zx_full_game_main.png")));
                }
                clickOn(main.rollDice());
                ++rolls;
            }
        }
        QTest::qWait(2);
    }
    watcher.stop();
    qInfo("%d rolls, %d moves: %d bought, %d offers left, %d bank visits, %d insurance visits, %d debts, "
          "%d moves anywhere; the game ended by %s",
          rolls, moves, bought, refused, deposits, insured, paid, anywhere, ending.empty() ? "a win" : ending.c_str());
    QVERIFY(grabbed);
    QVERIFY(bought > 0);
    QVERIFY(deposits > 0 && insured > 0);
    QVERIFY(paid > 0 && anywhere > 0);

    // ---- the results: who stayed is the winner, who left is second ----
    QVERIFY(results.modal);
    QCOMPARE(results.title, QStringLiteral("Game over!"));
    QCOMPARE(results.labels, (QStringList{QStringLiteral("Winner:"), QStringLiteral("2nd place:")}));
    QCOMPARE(results.hiddenRows, 2);
    // The main window already tells what happened while the results are up.
    QCOMPARE(results.hint, QStringLiteral("The game ends when there's only 1 player left."));
    QVERIFY(!results.rollDice);
    if (!ending.empty()) {
        QCOMPARE(results.names, (QStringList{stayer, quitter}));
        QVERIFY2(results.prompt.startsWith(quitter + QStringLiteral(" lost and exited the game!")),
                 qPrintable(results.prompt));
        // The fixed dice make this game end by Bob's quitting.
        QCOMPARE(QString::fromStdString(ending), QStringLiteral("quit"));
    } else {
        QCOMPARE(results.names.size(), 2);
        QVERIFY(results.names.contains(QStringLiteral("Alice")) && results.names.contains(QStringLiteral("Bob")));
    }

    // ---- OK ended the game: an empty board, as after the program's start ----
    QTRY_VERIFY(!prog.controller.resultsWindow());
    QVERIFY(!g.S.GameInProgress);
    QVERIFY(!g.Results.Loaded);
    QCOMPARE(main.windowTitle(), QStringLiteral("Zentrix 3.0"));
    for (int p = 1; p <= 4; ++p) {
        QVERIFY(!main.board()->piece(p)->isVisible());
        QVERIFY(!prog.controller.playerWindow(p));
    }
    QVERIFY(!main.mnuGameClose->isEnabled());
    QVERIFY(!main.mnuGameSave->isEnabled());
    QVERIFY(!main.mnuGameSaveAs->isEnabled());
    QVERIFY(!main.rollDice()->isEnabled());
    QVERIFY(main.mnuGameNew->isEnabled());
    QVERIFY(!prog.controller.buyWindow() && !prog.controller.waitWindow());
}

QTEST_MAIN(TestFullGame)
#include "tst_full_game.moc"
