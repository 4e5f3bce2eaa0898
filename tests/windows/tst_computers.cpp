// Computer players at the real windows: four of them play a game to the
// end with nobody touching anything; a person plays among three of them;
// loans go both ways between a person and a computer, the borrower's
// question answered by the computer without a box, and the computers wait
// while a box is open for the person; a person follows every event of a
// game against three computers in the recent events and the game log.

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <map>
#include <memory>
#include <optional>

#include "../core/test_support.h"
#include "ai/autopilot.h"
#include "ai/strategy.h"
#include "rules/seat_view.h"
#include "state/board.h"
#include "still_player.h"
#include "testsupport.h"
#include "windows/board_view.h"
#include "windows/buy_window.h"
#include "windows/loan_window.h"
#include "windows/log_window.h"
#include "windows/main_window.h"
#include "windows/new_game_window.h"
#include "windows/player_window.h"
#include "windows/qt_text.h"
#include "windows/results_window.h"
#include "windows/sell_window.h"
#include "windows/wait_window.h"

using namespace zx;
using namespace zx::test;

namespace {

struct Seat {
    const char* name;
    int type;
};

// The same ticks in the same order as in play, only sooner; the computers'
// hands move every `pace` ms.
void quicken(Program& prog, int pace) {
    prog.controller.timer(TimerId::MovePieces)->setInterval(0);
    prog.controller.timer(TimerId::ChangeMoney)->setInterval(0);
    prog.controller.timer(TimerId::DestroyDelay)->setInterval(20);
    prog.controller.setComputerPace(pace);
}

// Hard players thinking briefly, so that a test game stays quick; a few
// continuations rather than a time limit, so that it is the same game on
// every machine.
void thinkBriefly(Program& prog) {
    ai::LookAhead brief;
    brief.seconds = 1;
    brief.playouts = 4;
    brief.horizon = 30;
    prog.controller.autopilot().SetLookAhead(brief);
}

// Game > New, the seats chosen in the new-game window, Start; a quiet game.
void startGame(Program& prog, std::initializer_list<Seat> seats) {
    prog.controller.mainWindow().mnuGameNew->trigger();
    NewGameWindow* w = prog.controller.newGameWindow();
    QVERIFY(w && w->isVisible());
    clickOn(find<QRadioButton>(w, QStringLiteral("optNumOfPlayers_%1").arg(seats.size())));
    int row = 1;
    for (const Seat& seat : seats) {
        typeInto(find<QLineEdit>(w, QStringLiteral("txtPlayerName_%1").arg(row)), QString::fromLatin1(seat.name));
        auto* type = find<QComboBox>(w, QStringLiteral("cmbPlayerType_%1").arg(row));
        QVERIFY(type && type->isEnabled());
        type->setCurrentIndex(seat.type);
        ++row;
    }
    for (const char* option : {"chkSounds", "chkBackgroundMusic", "chkAutoSave"})
        clickOn(find<QCheckBox>(w, QString::fromLatin1(option)));
    clickOn(find<QPushButton>(w, QStringLiteral("cmdStart")));
    QTRY_VERIFY(!prog.controller.newGameWindow());
    QVERIFY(prog.game().S.GameInProgress);
    row = 1;
    for (const Seat& seat : seats) QCOMPARE(prog.game().S.PlayerType[static_cast<std::size_t>(row++)], seat.type);
}

// What the "Game over!" window showed; closed as a person closes it.
struct Results {
    bool shown = false;
    QStringList names;
};

void watchResults(Program& prog, QTimer& watcher, Results& results) {
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&prog, &results] {
        ResultsWindow* w = prog.controller.resultsWindow();
        if (!w || !w->isVisible() || results.shown) return;
        results.shown = true;
        for (int i = 1; i <= 4; ++i)
            if (auto* name = find<QLabel>(w, QStringLiteral("lblFinisher_%1").arg(i)); name && name->isVisible())
                results.names << name->text();
        shot(w, QStringLiteral("computers_results"));
        clickOn(find<QPushButton>(w, QStringLiteral("cmdOK")));
    });
    watcher.start();
}

// A computer player whose decisions the test makes.
struct Script {
    bool acceptLoans = true;
    std::optional<ai::LoanOffer> lend;  // offered once
    struct Asked {
        int lender;
        Money amount;
        int interest, duration;
    };
    std::vector<Asked> asked;
};

class ScriptedPlayer : public test::StillPlayer {
public:
    explicit ScriptedPlayer(Script& script) : script_(script) {}
    std::optional<ai::LoanOffer> Lend(const SeatView&) override { return std::exchange(script_.lend, std::nullopt); }
    bool Borrow(const SeatView&, int lender, Money amount, int interest, int duration) override {
        script_.asked.push_back({lender, amount, interest, duration});
        return script_.acceptLoans;
    }

private:
    Script& script_;
};

// Boxes of one title are left to the real QMessageBox, for the test to answer.
class ShowTitle : public ScriptedHooks {
public:
    std::string title;
    std::optional<MsgAnswer> message(const Message& m) override {
        if (m.title != title) return ScriptedHooks::message(m);
        messages.push_back(m);
        return std::nullopt;
    }
};

// The easy player as he is, but wanting to lend Ann half a million at every
// move, so that only the game's own restraint spaces his offers.
class EagerLender : public ai::Strategy {
public:
    explicit EagerLender(std::unique_ptr<ai::Strategy> easy) : easy_(std::move(easy)) {}
    int Buy(const SeatView& v) override { return easy_->Buy(v); }
    std::string Deposit(const SeatView& v) override { return easy_->Deposit(v); }
    std::array<bool, 6> Insure(const SeatView& v) override { return easy_->Insure(v); }
    int MoveAnywhere(const SeatView& v) override { return easy_->MoveAnywhere(v); }
    Money CashWanted(const SeatView& v) override { return easy_->CashWanted(v); }
    Money Bid(const SeatView& v) override { return easy_->Bid(v); }
    int SaleRow(const SeatView& v) override { return easy_->SaleRow(v); }
    int SaleBuyer(const SeatView& v) override { return easy_->SaleBuyer(v); }
    int DebtSaleRow(const SeatView& v) override { return easy_->DebtSaleRow(v); }
    bool Quit(const SeatView& v) override { return easy_->Quit(v); }
    bool Borrow(const SeatView& v, int lender, Money amount, int interest, int duration) override {
        return easy_->Borrow(v, lender, amount, interest, duration);
    }
    std::optional<ai::LoanOffer> Lend(const SeatView& v) override {
        const int me = v.Seat();
        if (me != 1 && v.Name(1) == "Ann" && v.S().Cash[static_cast<std::size_t>(me)] >= 500'000)
            return ai::LoanOffer{1, "0.5", 10};
        return easy_->Lend(v);
    }

private:
    std::unique_ptr<ai::Strategy> easy_;
};

// A computer's loan offer to a person, seen as the box would open and
// answered Yes, but No to every third.
class LoanOffers : public ScriptedHooks {
public:
    std::function<void(const Message&)> offered;
    int count = 0;
    std::optional<MsgAnswer> message(const Message& m) override {
        if (m.title != LoanConfirmationTitle) return ScriptedHooks::message(m);
        offered(m);
        return ++count % 3 ? MsgAnswer::Yes : MsgAnswer::No;
    }
};

}  // namespace

class ComputersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        quietOffscreenWarnings();
        // The View menu's choices of whoever runs the tests stay his.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }
    void fourComputersPlayToTheEnd();
    void aPersonAmongThreeComputers();
    void loansBetweenAPersonAndAComputer();
    void aPersonFollowsEveryEventInThePanel();
    void peopleCannotWorkAComputersControls();
    void aSeatsViewIsWhatTheWindowsShowIt();

private:
    QTemporaryDir settings_;
};

void ComputersTest::fourComputersPlayToTheEnd() {
    Program prog(4);  // these dice bring debts, sales and loans
    prog.controller.seedComputers(4);
    thinkBriefly(prog);
    quicken(prog, 0);
    Game& g = prog.game();
    Results results;
    QTimer resultsWatcher;
    watchResults(prog, resultsWatcher, results);
    startGame(prog, {{"Ann", Easy}, {"Ben", Normal}, {"Cyd", Hard}, {"Dot", Normal}});
    if (QTest::currentTestFailed()) return;
    QVERIFY(prog.controller.computerTimer()->isActive());

    // Nobody touches anything: the computers play through the windows to the end.
    int sales = 0, loans = 0, moves = 0;
    bool inSale = false, inLoan = false;
    QTimer watcher;
    watcher.setInterval(1);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto count = [](bool open, bool& was, int& n) {
            if (open && !was) ++n;
            was = open;
        };
        count(prog.controller.sellWindow() != nullptr, inSale, sales);
        count(prog.controller.loanWindow() != nullptr, inLoan, loans);
        moves = std::max(moves, g.S.Moves);
    });
    watcher.start();
    QTRY_VERIFY_WITH_TIMEOUT(results.shown, 240'000);
    watcher.stop();
    qInfo("%d moves: %d sale windows, %d loan windows; %zu boxes answered by the computers", moves, sales, loans,
          prog.hooks.computerMessages.size());

    QCOMPARE(results.names.size(), 4);
    for (const char* name : {"Ann", "Ben", "Cyd", "Dot"}) QVERIFY(results.names.contains(QString::fromLatin1(name)));
    // Every box spoke to a computer player, which answered it: none was shown.
    QVERIFY(prog.hooks.messages.empty());
    for (const Message& m : prog.hooks.computerMessages) QVERIFY(m.player >= 1);
    // The sale and loan windows a computer's hand opened were worked from
    // inside them, to the end.
    QVERIFY(sales > 0 && loans > 0);
    // OK closed the game, and the computers' hands rest.
    QTRY_VERIFY(!g.S.GameInProgress);
    QVERIFY(!prog.controller.computerTimer()->isActive());
}

void ComputersTest::aPersonAmongThreeComputers() {
    Program prog(5);
    prog.controller.seedComputers(5);
    thinkBriefly(prog);
    constexpr int Pace = 4;
    quicken(prog, Pace);
    Game& g = prog.game();
    MainWindow& main = prog.controller.mainWindow();
    Results results;
    QTimer resultsWatcher;
    watchResults(prog, resultsWatcher, results);
    startGame(prog, {{"Ann", Human}, {"Ben", Easy}, {"Cyd", Normal}, {"Dot", Hard}});
    if (QTest::currentTestFailed()) return;
    constexpr int Ann = 1;  // nobody plays before her, so she keeps her slot
    int focusStolen = 0;
    const QStringList computers{QStringLiteral("Ben"), QStringLiteral("Cyd"), QStringLiteral("Dot")};

    // The keyboard is Ann's: it never moves into a computer's window. (The
    // offscreen platform activates every window it shows, so the count
    // starts once the windows of the start are up.)
    QTest::qWait(20);
    QObject::connect(qApp, &QApplication::focusChanged, &main, [&](QWidget*, QWidget* now) {
        for (int p = 2; now && p <= g.S.NumOfPlayers; ++p)
            if (now->window() == prog.controller.playerWindow(p)) ++focusStolen;
    });
    // The computers' windows are theirs: Ann's mouse and keys cannot work them.
    for (int p = 2; p <= 4; ++p) {
        PlayerWindow* w = prog.controller.playerWindow(p);
        for (const char* button : {"cmdLoan", "cmdQuitGame", "cmdSellCompanies", "cmdWithdraw"})
            QVERIFY(!find<QPushButton>(w, QString::fromLatin1(button))->isEnabled());
        QVERIFY(find<QLineEdit>(w, QStringLiteral("txtBankNum"))->isReadOnly());
    }
    QVERIFY(find<QPushButton>(prog.controller.playerWindow(Ann), QStringLiteral("cmdWithdraw"))->isEnabled());
    // Ann asks to sell with nothing to sell: her box is shown to her.
    const std::size_t shownBefore = prog.hooks.messages.size();
    clickOn(find<QPushButton>(prog.controller.playerWindow(Ann), QStringLiteral("cmdSellCompanies")));
    QCOMPARE(prog.hooks.messages.size(), shownBefore + 1);
    QCOMPARE(prog.hooks.messages.back().title, std::string("No companies"));
    QCOMPARE(prog.hooks.messages.back().player, Ann);

    // Ann plays by clicks whenever the game waits for her; the driver runs
    // from a timer, so it acts inside the computers' modal windows too.
    constexpr int Moves = 40;
    int annRolls = 0, computerRolls = 0, typedShown = 0, promptsByComputers = 0, rollOfferedToAnn = 0;
    int saleTicks = 0;
    QString lastPrompt;
    bool busy = false;
    auto act = [&] {
        GameState& s = g.S;
        if (busy || !s.GameInProgress || s.NumOfPlayers < 2 || s.PlayerName[Ann] != "Ann") return;
        busy = true;
        const int cp = s.CurrentPlayer;
        PlayerWindow* own = prog.controller.playerWindow(Ann);
        // What the computers' hands do is on their windows and prompt lines.
        for (int p = 2; p <= s.NumOfPlayers; ++p) {
            PlayerWindow* w = prog.controller.playerWindow(p);
            const std::string& typed = g.PlayerWindow(p).txtBankNum;
            if (w && !typed.empty() && find<QLineEdit>(w, QStringLiteral("txtBankNum"))->text() == QString::fromStdString(typed))
                if (++typedShown == 1) shotOfTable(prog.controller, QStringLiteral("computers_typing"));
        }
        // Roll Dice is Ann's only when her roll is due (or her free move
        // can lapse by the next roll).
        if (main.rollDice()->isEnabled() && g.NextRoller() != Ann && !(s.MoveAnywhereMode && cp == Ann))
            ++rollOfferedToAnn;
        const QString prompt = find<QLabel>(&main, QStringLiteral("lblPrompt"))->text();
        if (prompt != lastPrompt) {
            lastPrompt = prompt;
            for (const QString& name : computers)
                if (prompt.startsWith(name + QLatin1Char(' ')) && ++promptsByComputers == 3)
                    shotOfTable(prog.controller, QStringLiteral("computers_prompt"));
        }

        if (SellWindow* sale = prog.controller.sellWindow()) {
            // A computer's sale: Ann bids nothing and, once the computers
            // have had time to type their bids, reveals them.
            auto* submit = find<QPushButton>(sale, QStringLiteral("cmdSubmit"));
            if (++saleTicks > 40 && submit->isEnabled()) clickOn(submit);
        } else if (BuyWindow* buy = prog.controller.buyWindow(); buy && cp == Ann) {
            saleTicks = 0;
            QRadioButton* choice = nullptr;
            for (int i = 1; i <= 3 && !choice; ++i)
                if (auto* opt = find<QRadioButton>(buy, QStringLiteral("optName_%1").arg(i)); opt && opt->isEnabled()) choice = opt;
            if (choice && s.Cash[Ann] >= 1'500'000) {
                clickOn(choice);
                clickOn(find<QPushButton>(buy, QStringLiteral("cmdBuy")));
            }
            if (QPointer<BuyWindow> still = prog.controller.buyWindow())
                clickOn(find<QPushButton>(still, QStringLiteral("cmdCancel")));
        } else if (WaitWindow* wait = prog.controller.waitWindow(); wait && g.Wait.Debtor == Ann) {
            clickOn(find<QPushButton>(wait, QStringLiteral("cmdPay")));
            if (QPointer<WaitWindow> still = prog.controller.waitWindow()) {
                prog.hooks.answers.push_back(MsgAnswer::Yes);
                clickOn(find<QPushButton>(still, QStringLiteral("cmdILose")));
            }
        } else if (QApplication::activeModalWidget()) {
            // A computer's window or a box is in front: a click cannot reach
            // the table behind it (a test's click could).
        } else if (s.DepositMode && cp == Ann) {
            // Two millions are refused with a box for her; one is taken.
            auto* amount = find<QLineEdit>(own, QStringLiteral("txtBankNum"));
            for (const char* millions : {"2", "1"}) {
                if (!s.DepositMode) break;
                typeInto(amount, QString::fromLatin1(millions));
                QTest::keyClick(amount, Qt::Key_Return);
            }
            if (s.DepositMode) QTest::keyClick(own, Qt::Key_Escape);
        } else if (s.InsuranceMode && cp == Ann) {
            clickOn(find<QPushButton>(own, QStringLiteral("cmdOK")));
        } else if (s.MoveAnywhereMode && cp == Ann && main.rollDice()->isEnabled()) {
            BoardView* board = main.board();
            const int cell = CellOfKind(CellKind::Bank, 1);
            QPoint at = board->mapFromScene(QPointF(CellLeft(cell) + CellSize / 2.0, CellTop(cell) + CellSize / 2.0));
            QTest::mouseClick(board->viewport(), Qt::LeftButton, {}, at);
        } else if (main.rollDice()->isEnabled() && s.Moves < Moves) {
            saleTicks = 0;
            if (g.NextRoller() == Ann) {
                clickOn(main.rollDice());
                ++annRolls;
            }
        }
        busy = false;
    };
    int lastMoves = 0;
    QTimer driver;
    driver.setInterval(2);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (g.S.Moves != lastMoves) {
            lastMoves = g.S.Moves;
            if (g.S.Moves > 1 && g.S.CurrentPlayer != Ann) ++computerRolls;
        }
        act();
    });
    driver.start();
    QTRY_VERIFY_WITH_TIMEOUT(results.shown || (g.S.Moves >= Moves && main.rollDice()->isEnabled()) ||
                                 g.S.PlayerName[Ann] != "Ann",
                             120'000);
    driver.stop();
    qInfo("%d moves: Ann rolled %d times, the computers %d; %zu boxes for Ann, %zu answered by computers",
          g.S.Moves, annRolls, computerRolls, prog.hooks.messages.size(), prog.hooks.computerMessages.size());

    // Everybody played: the computers rolled for themselves, Ann for herself.
    QVERIFY(annRolls > 3 && computerRolls > 10);
    QCOMPARE(rollOfferedToAnn, 0);
    // The boxes that reached the screen were Ann's or everybody's; the
    // computers answered theirs unseen.
    for (const Message& m : prog.hooks.messages) QVERIFY2(m.player == 0 || m.player == Ann, m.title.c_str());
    for (const Message& m : prog.hooks.computerMessages) QVERIFY2(m.player != Ann, m.title.c_str());
    // The computers' windows showed what they typed, the prompt line what
    // they did, and the keyboard stayed with Ann.
    QVERIFY(typedShown > 0);
    QVERIFY(promptsByComputers > 0);
    QCOMPARE(focusStolen, 0);
}

void ComputersTest::loansBetweenAPersonAndAComputer() {
    Program prog(3);
    ShowTitle hooks;
    hooks.title = "Loan confirmation";
    prog.controller.setHooks(&hooks);
    prog.controller.seedComputers(3);
    Script script;
    prog.controller.autopilot().SetStrategy(Normal, [&script](ai::PlayerRandom&) {
        return std::make_unique<ScriptedPlayer>(script);
    });
    // The computers hold still until the person's loans are done.
    quicken(prog, 60'000);
    Game& g = prog.game();
    startGame(prog, {{"Robo", Normal}, {"Ann", Human}, {"Max", Normal}});
    if (QTest::currentTestFailed()) return;
    constexpr int Robo = 1, Ann = 2, Max = 3;

    // Ann lends to Max through the "Lend money" window, twice: Max takes
    // the first loan and refuses the second, no box asks anybody, and one
    // tells Ann of the refusal.
    auto lendToMax = [&](bool accepts) {
        script.acceptLoans = accepts;
        bool drove = false;
        QTimer::singleShot(0, [&] {
            LoanWindow* w = prog.controller.loanWindow();
            QVERIFY(w);
            clickOn(find<QRadioButton>(w, QStringLiteral("optPlayer_%1").arg(Max)));
            typeInto(find<QLineEdit>(w, QStringLiteral("txtLoanNum")), QStringLiteral("1"));
            find<QScrollBar>(w, QStringLiteral("VScroll"))->setValue(9);
            clickOn(find<QPushButton>(w, QStringLiteral("cmdLoan")));
            // Refused: the window stays for Ann to give up.
            if (QPointer<LoanWindow> still = prog.controller.loanWindow())
                clickOn(find<QPushButton>(still, QStringLiteral("cmdCancel")));
            drove = true;
        });
        clickOn(find<QPushButton>(prog.controller.playerWindow(Ann), QStringLiteral("cmdLoan")));
        QVERIFY(drove);
        QVERIFY(!prog.controller.loanWindow());
    };
    lendToMax(true);
    lendToMax(false);
    QCOMPARE(script.asked.size(), std::size_t(2));
    for (const Script::Asked& a : script.asked) {
        QCOMPARE(a.lender, Ann);
        QCOMPARE(a.amount, 1'000'000);
        QCOMPARE(a.interest, 20);
        QCOMPARE(a.duration, 20);
    }
    QCOMPARE(hooks.messages.size(), std::size_t(1));
    QCOMPARE(hooks.messages[0].title, std::string("Loan refused"));
    QCOMPARE(hooks.messages[0].player, Ann);
    QCOMPARE(hooks.computerMessages.size(), std::size_t(2));
    for (const Message& m : hooks.computerMessages) {
        QCOMPARE(m.title, std::string("Loan confirmation"));
        QCOMPARE(m.player, Max);
    }
    QCOMPARE(g.S.LoanCount, 1);
    QCOMPARE(g.S.LoanBorrower[1], Max);
    QCOMPARE(g.S.Cash[Max], StartCash + 1'000'000);
    QCOMPARE(g.S.PromptText, std::string("Ann refused to lend any money!"));

    // Robo, first to roll, offers Ann a loan first (as if she had played
    // already: nobody is offered anything before his first roll). His hand
    // works the "Lend money" window his step opened; the question to Ann is
    // a real box, and while it is open nobody moves, though Robo's roll is due.
    g.HasRolled[static_cast<std::size_t>(g.IdOf(Ann))] = true;
    script.lend = ai::LoanOffer{Ann, "0.5", 3};
    QString shownAmount, shownInterest;
    int movesWhileAsked = -1;
    bool answered = false;
    QTimer person;
    person.setInterval(5);
    QElapsedTimer asked;
    QObject::connect(&person, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || answered) return;
        if (!asked.isValid()) {
            asked.start();
            return;
        }
        if (asked.elapsed() < 40 * 5) return;  // forty of the computers' paces
        movesWhileAsked = g.S.Moves;
        if (LoanWindow* w = prog.controller.loanWindow()) {
            shownAmount = find<QLineEdit>(w, QStringLiteral("txtLoanNum"))->text();
            shownInterest = find<QLabel>(w, QStringLiteral("lblInterest"))->text();
            shot(w, QStringLiteral("computers_loan_offer"));
        }
        answered = true;
        clickOn(box->button(QMessageBox::Yes));
    });
    person.start();
    prog.controller.setComputerPace(5);
    QTRY_VERIFY_WITH_TIMEOUT(g.S.Moves >= 1, 20'000);
    person.stop();

    QVERIFY(answered);
    QCOMPARE(movesWhileAsked, 0);
    QCOMPARE(shownAmount, QStringLiteral("0.5"));
    QCOMPARE(shownInterest, QStringLiteral("80 %"));
    QCOMPARE(hooks.messages.size(), std::size_t(2));
    QCOMPARE(hooks.messages[1].player, Ann);
    QCOMPARE(g.S.LoanCount, 2);
    QCOMPARE(g.S.LoanLender[2], Robo);
    QCOMPARE(g.S.LoanBorrower[2], Ann);
    QCOMPARE(g.S.Cash[Ann], StartCash - 1'000'000 + 500'000);
    QVERIFY(!prog.controller.loanWindow());
}

void ComputersTest::aPersonFollowsEveryEventInThePanel() {
    // Seed 2 of the first dozen covers most: about four missed turns, six
    // void disasters, nine offers to Ann and Cyd's win in some 190 moves.
    constexpr unsigned seed = 2;
    Program prog(seed);
    LoanOffers hooks;
    prog.controller.setHooks(&hooks);
    prog.controller.seedComputers(seed);
    prog.controller.autopilot().SetStrategy(Easy, [](ai::PlayerRandom& rng) {
        return std::make_unique<EagerLender>(ai::MakeEasy(rng));
    });
    thinkBriefly(prog);
    quicken(prog, 4);
    Game& g = prog.game();
    GameState& s = g.S;
    MainWindow& main = prog.controller.mainWindow();
    startGame(prog, {{"Ann", Human}, {"Ben", Easy}, {"Cyd", Normal}, {"Dot", Hard}});
    if (QTest::currentTestFailed()) return;
    constexpr int Ann = 1;  // nobody plays before her, so she keeps her slot
    clickOn(main.showLog());
    QListWidget* logRows = prog.controller.logWindow() ? prog.controller.logWindow()->list() : nullptr;
    QVERIFY(logRows && logRows->isVisible());
    std::map<std::string, Rgb> colors;
    for (int p = 1; p <= 4; ++p) colors[s.PlayerName[static_cast<std::size_t>(p)]] = PlayerColor(s, p);

    // What went wrong, as it happened; the checks run between two
    // movements of the game, so the first fault ends the game.
    QStringList faults;
    auto fault = [&](const std::string& what) { faults << QStringLiteral("move %1: %2").arg(s.Moves).arg(QString::fromStdString(what)); };
    auto rowsShow = [](QListWidget* rows, const std::vector<LogLine>& lines, std::size_t first) {
        if (static_cast<std::size_t>(rows->count()) != lines.size() - first) return false;
        for (int i = 0; i < rows->count(); ++i) {
            const LogLine& line = lines[first + static_cast<std::size_t>(i)];
            if (rows->item(i)->text() != toQt(GameLog::Format(line)) || rows->item(i)->foreground().color() != toQColor(line.color))
                return false;
        }
        return true;
    };

    // A loan offer reaches Ann only after her first roll, with nothing open
    // or running, and from one lender once in 20 moves at most.
    std::map<std::string, int> lastOffer;
    hooks.offered = [&](const Message& m) {
        const std::size_t from = m.text.find(" from "), with = m.text.find(" with ", from);
        const std::string lender = m.text.substr(from + 6, with - from - 6);
        if (m.player != Ann) fault("a loan offer to slot " + std::to_string(m.player));
        if (!g.HasRolled[static_cast<std::size_t>(g.IdOf(Ann))]) fault(lender + " offered a loan before Ann's first roll");
        if (s.BuyMode || s.DepositMode || s.InsuranceMode || s.WaitingMode || s.DestroyMode || s.MoveAnywhereMode)
            fault(lender + " offered a loan in a mode");
        if (prog.controller.buyWindow() || prog.controller.sellWindow() || prog.controller.waitWindow())
            fault(lender + " offered a loan over a window");
        if (lastOffer.count(lender) && s.Moves - lastOffer[lender] < 20) fault(lender + " offered a loan again too soon, after move " + std::to_string(lastOffer[lender]));
        lastOffer[lender] = s.Moves;
    };

    int missedChecked = 0, voidDisasters = 0, saleTicks = 0, firstRollIn = 50;
    std::map<std::string, long> barred;  // a barred player: his missed-turn lines then
    std::uint64_t generation = g.Log.Generation();
    std::string winner;
    auto missedLines = [&](const std::string& name) {
        return std::count_if(g.Log.Lines().begin(), g.Log.Lines().end(),
                             [&](const LogLine& l) { return l.text == name + " misses this turn."; });
    };
    auto check = [&] {
        const auto& lines = g.Log.Lines();
        if (!main.recentEvents()->isVisible() || !rowsShow(main.recentEvents(), lines, lines.size() - std::min<std::size_t>(lines.size(), 6)))
            fault("the recent events are not the newest lines of the log");
        if (g.Log.Generation() != generation) {
            generation = g.Log.Generation();
            ++voidDisasters;
            if (!rowsShow(logRows, lines, 0)) fault("the game log shows another log after a void disaster");
        }
        for (auto it = barred.begin(); it != barred.end();) {
            int p = s.NumOfPlayers;
            while (p > 0 && s.PlayerName[static_cast<std::size_t>(p)] != it->first) --p;
            if (p != 0 && s.MissNextTurn[static_cast<std::size_t>(p)]) { ++it; continue; }
            if (p != 0 && missedLines(it->first) != it->second + 1) fault(it->first + " missed a turn unlogged");
            missedChecked += p != 0;
            it = barred.erase(it);
        }
        for (int p = 1; p <= s.NumOfPlayers; ++p)
            if (s.MissNextTurn[static_cast<std::size_t>(p)] && !barred.count(s.PlayerName[static_cast<std::size_t>(p)]))
                barred[s.PlayerName[static_cast<std::size_t>(p)]] = missedLines(s.PlayerName[static_cast<std::size_t>(p)]);
        for (int i = 1; i <= s.WinnerCount && winner.empty(); ++i)
            if (s.Finisher[static_cast<std::size_t>(i)] != "Ann") winner = s.Finisher[static_cast<std::size_t>(i)];
    };

    // Ann plays by simple rules whenever the game waits for her.
    auto act = [&] {
        if (!s.GameInProgress || s.PlayerName[Ann] != "Ann") return;
        const int cp = s.CurrentPlayer;
        PlayerWindow* own = prog.controller.playerWindow(Ann);
        if (SellWindow* sale = prog.controller.sellWindow()) {
            auto* submit = find<QPushButton>(sale, QStringLiteral("cmdSubmit"));
            if (++saleTicks > 40 && submit->isEnabled()) clickOn(submit);
            return;
        }
        saleTicks = 0;
        if (BuyWindow* buy = prog.controller.buyWindow(); buy && cp == Ann) {
            auto* choice = find<QRadioButton>(buy, QStringLiteral("optName_1"));
            if (s.Cash[Ann] >= 1'500'000 && choice && choice->isEnabled()) {
                clickOn(choice);
                clickOn(find<QPushButton>(buy, QStringLiteral("cmdBuy")));
            }
            if (QPointer<BuyWindow> still = prog.controller.buyWindow()) clickOn(find<QPushButton>(still, QStringLiteral("cmdCancel")));
        } else if (WaitWindow* wait = prog.controller.waitWindow(); wait && g.Wait.Debtor == Ann) {
            clickOn(find<QPushButton>(wait, QStringLiteral("cmdPay")));
            if (QPointer<WaitWindow> still = prog.controller.waitWindow()) {
                hooks.answers.push_back(MsgAnswer::Yes);
                clickOn(find<QPushButton>(still, QStringLiteral("cmdILose")));
            }
        } else if (QApplication::activeModalWidget() || prog.controller.loanWindow()) {
            // A computer's window or a box is in front, or a computer types
            // its loan unseen (people's input waits meanwhile): a click
            // cannot reach the table behind it (a test's click could).
        } else if (s.DepositMode && cp == Ann) {
            QTest::keyClick(own, Qt::Key_Escape);
        } else if (s.InsuranceMode && cp == Ann) {
            clickOn(find<QPushButton>(own, QStringLiteral("cmdOK")));
        } else if (s.MoveAnywhereMode && cp == Ann && main.rollDice()->isEnabled()) {
            const int cell = CellOfKind(CellKind::Bank, 1);
            QTest::mouseClick(main.board()->viewport(), Qt::LeftButton, {},
                              main.board()->mapFromScene(QPointF(CellLeft(cell) + CellSize / 2.0, CellTop(cell) + CellSize / 2.0)));
        } else if (main.rollDice()->isEnabled() && g.NextRoller() == Ann && --firstRollIn < 0) {  // a look round first
            clickOn(main.rollDice());
        }
    };
    bool busy = false;
    QTimer driver;
    driver.setInterval(2);
    // A game the computers finish among themselves (Ann gave up) ends in
    // the results window: the log as it stood then is kept, and OK closes it.
    bool gameOver = false, finalRowsOk = false;
    std::vector<LogLine> finalLines;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (ResultsWindow* r = prog.controller.resultsWindow(); r && r->isVisible() && !gameOver) {
            gameOver = true;
            finalLines = g.Log.Lines();
            finalRowsOk = rowsShow(logRows, finalLines, 0);
            clickOn(find<QPushButton>(r, QStringLiteral("cmdOK")));
            return;
        }
        if (gameOver || busy || !faults.isEmpty()) return;
        busy = true;
        check();
        act();
        busy = false;
    });
    driver.start();
    QTRY_VERIFY_WITH_TIMEOUT(!winner.empty() || !faults.isEmpty() || !s.GameInProgress, 120'000);
    driver.stop();
    qInfo("seed %u, %d moves: %s won; %d missed turns, %d void disasters, %d loan offers to Ann", seed, s.Moves,
          winner.c_str(), missedChecked, voidDisasters, hooks.count);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QVERIFY(missedChecked > 0 && voidDisasters > 0 && hooks.count > 0);

    // A computer's win (or, when none won, a computer's loss) is told in a
    // line of its own, in its colour, and the game log shows the log line
    // for line.
    const std::vector<LogLine> lines = gameOver ? finalLines : g.Log.Lines();
    auto toldAlone = [&](const std::string& name, const char* words) {
        return std::any_of(lines.begin(), lines.end(), [&](const LogLine& l) {
            return (l.text.rfind(name + ' ', 0) == 0 || l.text.rfind(name + "'s ", 0) == 0) &&
                   l.text.find(words) != std::string::npos && l.color == colors[name] && l.standing;
        });
    };
    if (!winner.empty()) {
        QVERIFY(toldAlone(winner, "won and exited the game!"));
    } else {
        QVERIFY(gameOver);
        QVERIFY(toldAlone("Ben", "lost and exited the game!") || toldAlone("Cyd", "lost and exited the game!") ||
                toldAlone("Dot", "lost and exited the game!"));
    }
    QVERIFY(gameOver ? finalRowsOk : rowsShow(logRows, lines, 0));
}

// A computer holding still, that bids when it is its turn to type.
class BiddingStill : public test::StillPlayer {
public:
    Money Bid(const SeatView&) override { return 600'000; }
};

void ComputersTest::peopleCannotWorkAComputersControls() {
    Program prog(3);
    prog.controller.autopilot().SetStrategy(Normal, [](ai::PlayerRandom&) { return std::make_unique<BiddingStill>(); });
    quicken(prog, 60'000);
    Game& g = prog.game();
    startGame(prog, {{"Robo", Normal}, {"Ann", Human}});
    if (QTest::currentTestFailed()) return;
    constexpr int Robo = 1, Ann = 2;
    GameState& s = g.S;
    const std::size_t boxes = prog.hooks.messages.size();

    // Robo's free move: Ann's click on the board moves nobody.
    s.CurrentPlayer = Robo;
    s.MoveAnywhereMode = true;
    const int left = s.PieceLeft[Robo], top = s.PieceTop[Robo];
    BoardView* board = prog.controller.mainWindow().board();
    const int cell = CellOfKind(CellKind::Bank, 1);
    QTest::mouseClick(board->viewport(), Qt::LeftButton, {},
                      board->mapFromScene(QPointF(CellLeft(cell) + CellSize / 2.0, CellTop(cell) + CellSize / 2.0)));
    QVERIFY(s.MoveAnywhereMode);
    QCOMPARE(s.PieceLeft[Robo], left);
    QCOMPARE(s.PieceTop[Robo], top);
    // Nor can Ann, whose roll is next, take the offer from him by rolling
    // before he has weighed it.
    prog.controller.renderAll();
    QPushButton* roll = prog.controller.mainWindow().rollDice();
    QVERIFY(!roll->isEnabled());
    QVERIFY(!prog.controller.act({.kind = OpKind::RollDice}));
    QVERIFY(s.MoveAnywhereMode);
    QCOMPARE(s.Moves, 0);
    s.MoveAnywhereMode = false;

    // Robo's purchase: Ann's clicks in the buy window do nothing.
    test::PlaceOn(g, Robo, CellOfKind(CellKind::Market, 1));
    g.BuyCompany();
    prog.controller.renderAll();
    BuyWindow* buy = prog.controller.buyWindow();
    QVERIFY(buy && s.BuyMode);
    const auto chosen = g.BuyForm.optNameValue;
    for (int i = 1; i <= 3; ++i)
        if (auto* opt = find<QRadioButton>(buy, QStringLiteral("optName_%1").arg(i)); opt->isEnabled()) clickOn(opt);
    clickOn(find<QPushButton>(buy, QStringLiteral("cmdBuy")));
    clickOn(find<QPushButton>(buy, QStringLiteral("cmdCancel")));
    QVERIFY(s.BuyMode && g.BuyForm.Loaded && prog.controller.buyWindow());
    QVERIFY(g.BuyForm.optNameValue == chosen);
    g.BuyForm.cmdCancel_Click();  // as Robo's hand would
    prog.controller.renderAll();

    // Robo's debt: Ann can neither pay it nor lose for him.
    s.CompanyOwner[4] = Ann;
    s.Cash[Robo] = s.DisplayedCash[Robo] = 100'000;
    test::PlaceOn(g, Robo, 14);
    g.PayCompOwner();
    prog.controller.renderAll();
    WaitWindow* wait = prog.controller.waitWindow();
    QVERIFY(wait && g.Wait.Debtor == Robo);
    clickOn(find<QPushButton>(wait, QStringLiteral("cmdPay")));
    clickOn(find<QPushButton>(wait, QStringLiteral("cmdILose")));
    QVERIFY(g.Wait.Loaded && s.WaitingMode);
    QCOMPARE(s.NumOfPlayers, 2);
    QCOMPARE(prog.hooks.messages.size(), boxes);
    s.Cash[Robo] = s.DisplayedCash[Robo] = StartCash;
    g.Wait.cmdPay_Click();
    QTRY_VERIFY(!prog.controller.waitWindow());

    // Robo's "Lend money" window: Ann's choices, typing and buttons do nothing.
    bool drove = false;
    QTimer::singleShot(0, [&] {
        LoanWindow* w = prog.controller.loanWindow();
        QVERIFY(w);
        const int count = s.LoanCount;
        find<QRadioButton>(w, QStringLiteral("optPlayer_%1").arg(Ann))->click();
        auto* amount = find<QLineEdit>(w, QStringLiteral("txtLoanNum"));
        amount->setText(QStringLiteral("3"));
        QCOMPARE(amount->text(), QString());
        QVERIFY(g.LoanDialog.txtLoanNum.empty());
        find<QPushButton>(w, QStringLiteral("cmdLoan"))->click();
        find<QPushButton>(w, QStringLiteral("cmdCancel"))->click();
        w->reject();
        QVERIFY(g.LoanDialog.Loaded);
        QCOMPARE(s.LoanCount, count);
        drove = true;
        g.LoanDialog.cmdCancel_Click();  // as Robo's hand would
    });
    g.PlayerWindow(Robo).cmdLoan_Click();
    QVERIFY(drove);
    QVERIFY(!prog.controller.loanWindow());

    // Ann's sale: a character typed into Robo's bid box disappears at once,
    // and Robo still types his own bid.
    s.CompanyOwner[4] = 0;
    s.CompanyOwner[1] = Ann;
    g.UpdatePlayerWindows();
    QString typed = QStringLiteral("?");
    bool robosBid = false;
    QTimer::singleShot(0, [&] {
        SellWindow* w = prog.controller.sellWindow();
        QVERIFY(w);
        int row = 0;
        for (int r = 1; r <= 3; ++r)
            if (g.SellForm.optPlayerId[static_cast<std::size_t>(r)] == g.IdOf(Robo)) row = r;
        QVERIFY(row > 0);
        auto* box = find<QLineEdit>(w, QStringLiteral("txtBid_%1").arg(row));
        typeInto(box, QStringLiteral("5"));
        typed = box->text();
        prog.controller.setComputerPace(5);
        QTRY_VERIFY(!g.SellForm.txtBid[static_cast<std::size_t>(row)].empty());
        robosBid = g.SellForm.txtBid[static_cast<std::size_t>(row)] == "600000";
        prog.controller.setComputerPace(60'000);
        w->reject();  // Ann keeps her company
    });
    clickOn(find<QPushButton>(prog.controller.playerWindow(Ann), QStringLiteral("cmdSellCompanies")));
    QCOMPARE(typed, QString());
    QVERIFY(robosBid);
    QVERIFY(!prog.controller.sellWindow());
    QCOMPARE(s.CompanyOwner[1], Ann);
}

// Each seat's view against the windows, with a sale under way: Ann sells,
// Robo (a computer) and Ben have typed masked bids.
void ComputersTest::aSeatsViewIsWhatTheWindowsShowIt() {
    Program prog(3);
    prog.controller.autopilot().SetStrategy(Normal, [](ai::PlayerRandom&) { return std::make_unique<BiddingStill>(); });
    quicken(prog, 60'000);
    Game& g = prog.game();
    startGame(prog, {{"Ann", Human}, {"Robo", Normal}, {"Ben", Human}});
    if (QTest::currentTestFailed()) return;
    constexpr int Ann = 1, Robo = 2, Ben = 3;
    GameState& s = g.S;
    s.CompanyOwner[1] = Ann;
    s.CompanyValue[1] = std::max<Money>(s.CompanyValue[1], 1'000'000);
    g.UpdatePlayerWindows();

    auto label = [](QWidget* w, const char* name) { return find<QLabel>(w, QString::fromLatin1(name))->text(); };
    // Every seat's view, as the windows show it now; `revealed` once Submit
    // has shown the bids. Counts in `hidden` the bids the seats could not read.
    int hidden = 0;
    auto compare = [&](SellWindow* sale, bool revealed) {
        prog.controller.renderAll();
        hidden = 0;
        for (int seat : {Ann, Robo, Ben}) {
            const SeatView v(g, seat);
            MainWindow& main = prog.controller.mainWindow();
            QCOMPARE(label(&main, "lblPrompt"), toQt(v.Main().lblPrompt.text));
            QCOMPARE(label(&main, "lblHint"), toQt(v.Main().lblHint.text));
            for (int p : {Ann, Robo, Ben}) {
                PlayerWindow* pw = prog.controller.playerWindow(p);
                QVERIFY(pw);
                const PublicWindow w = v.WindowOf(p);
                QCOMPARE(label(pw, "lblCash"), toQt(w.lblCash));
                QCOMPARE(label(pw, "lblEstate"), toQt(w.lblEstate));
                QCOMPARE(label(pw, "lblMoneyInBank"), toQt(w.lblMoneyInBank));
            }
            const SellCompaniesControls f = v.Sale();
            QVERIFY(v.SaleOpen());
            for (int r = 0; r < 5; ++r) {
                QCOMPARE(find<QRadioButton>(sale, QStringLiteral("optName_%1").arg(r))->text(), toQt(f.optNameCaption[r]));
                QCOMPARE(label(sale, QStringLiteral("lblValue_%1").arg(r).toLatin1()), toQt(f.lblValue[r]));
            }
            for (int r = 1; r < 4; ++r) {
                if (!f.optPlayerVisible[r]) continue;
                QCOMPARE(find<QRadioButton>(sale, QStringLiteral("optPlayer_%1").arg(r))->text(), toQt(f.optPlayerCaption[r]));
                const QString box = find<QLineEdit>(sale, QStringLiteral("txtBid_%1").arg(r))->text();
                if (revealed || f.optPlayerId[r] == v.SeatId()) {
                    QCOMPARE(toQt(f.txtBid[r]), box);
                    QVERIFY(!v.BidTyped(r));
                } else {
                    QVERIFY(f.txtBid[r].empty());
                    QCOMPARE(v.BidTyped(r), !box.isEmpty());
                    hidden += v.BidTyped(r);
                }
            }
        }
    };

    bool checked = false;
    QTimer::singleShot(0, [&] {
        SellWindow* sale = prog.controller.sellWindow();
        QVERIFY(sale);
        auto rowOf = [&](int p) {
            for (int r = 1; r <= 3; ++r)
                if (g.SellForm.optPlayerId[static_cast<std::size_t>(r)] == g.IdOf(p)) return r;
            return 0;
        };
        const int robo = rowOf(Robo), ben = rowOf(Ben);
        QVERIFY(robo > 0 && ben > 0);
        prog.controller.setComputerPace(5);
        QTRY_VERIFY(!g.SellForm.txtBid[static_cast<std::size_t>(robo)].empty());
        prog.controller.setComputerPace(60'000);
        typeInto(find<QLineEdit>(sale, QStringLiteral("txtBid_%1").arg(ben)), QStringLiteral("610000"));
        QCOMPARE(g.SellForm.txtBid[static_cast<std::size_t>(ben)], std::string("610000"));
        // Ann reads neither bid, Robo not Ben's, Ben not Robo's.
        compare(sale, false);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(hidden, 4);
        clickOn(find<QPushButton>(sale, QStringLiteral("cmdSubmit")));
        QVERIFY(!g.SellForm.txtBidMasked[static_cast<std::size_t>(robo)]);
        compare(sale, true);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(hidden, 0);
        checked = true;
        g.SellForm.Unload();
        sale->reject();
    });
    clickOn(find<QPushButton>(prog.controller.playerWindow(Ann), QStringLiteral("cmdSellCompanies")));
    QVERIFY(checked);
    QTRY_VERIFY(!prog.controller.sellWindow());
}

QTEST_MAIN(ComputersTest)
#include "tst_computers.moc"
