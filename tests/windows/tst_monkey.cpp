// A monkey at the windows: the real program, offscreen, fed a few thousand
// random user events (buttons, typing, scroll bars, Enter and Esc, clicks on
// the board, menu commands, the slow clocks) while the game's rules and
// windows are checked after every one of them. Message boxes and file
// dialogs are answered at random from the same seeded generator.
//
// ZENTRIX_MONKEY_EVENTS sets the number of events (a longer local run),
// ZENTRIX_MONKEY_SEED the seed. A failure prints the seed and the last
// events, which is usually enough to replay the fault by hand;
// ZENTRIX_MONKEY_ABORT=1 aborts at the failure, for a debugger's backtrace.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "invariants.h"
#include "testsupport.h"
#include "lifecycle/savefile.h"
#include "rules/random.h"
#include "state/board.h"
#include "windows/about_window.h"
#include "windows/board_view.h"
#include "windows/buy_window.h"
#include "windows/controller.h"
#include "windows/loan_window.h"
#include "media/sound_system.h"
#include "windows/main_window.h"
#include "windows/new_game_window.h"
#include "windows/player_window.h"
#include "windows/results_window.h"
#include "windows/sell_window.h"
#include "windows/wait_window.h"

using namespace zx;

namespace {

long EnvNumber(const char* name, long fallback) {
    bool ok = false;
    long v = qEnvironmentVariable(name).toLong(&ok);
    return ok && v > 0 ? v : fallback;
}

// Answers every message box and file dialog at random, the way a player who
// clicks without reading would, but giving up rarely so that games last.
class MonkeyHooks : public DialogHooks {
public:
    explicit MonkeyHooks(std::mt19937_64& rng) : rng_(rng) {}

    std::string savePath;     // the monkey's own saved game
    std::string badSavePath;  // a folder that does not exist
    std::string junkPath;     // a file that is no saved game
    std::string missingPath;  // no file at all
    std::deque<MsgAnswer> forced;
    std::map<std::string, long> titles;  // message titles seen, for the summary
    std::string lastLoadedBytes;         // the file as it was when handed to Load
    std::string lastOpened;

    std::optional<MsgAnswer> message(const Message& m) override {
        ++titles[m.title];
        if (!forced.empty()) {
            MsgAnswer a = forced.front();
            forced.pop_front();
            return a;
        }
        int r = pick(100);
        switch (m.buttons) {
            case MsgButtons::Ok: return MsgAnswer::Ok;
            case MsgButtons::OkCancel: return r < 50 ? MsgAnswer::Ok : MsgAnswer::Cancel;
            case MsgButtons::YesNo:
                if (m.id == LoseConfirmationTitle) return r < 4 ? MsgAnswer::Yes : MsgAnswer::No;
                return r < 50 ? MsgAnswer::Yes : MsgAnswer::No;
            case MsgButtons::YesNoCancel: return r < 25 ? MsgAnswer::Yes : (r < 80 ? MsgAnswer::No : MsgAnswer::Cancel);
        }
        return m.defaultAnswer;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        int r = pick(100);
        if (r < 75) return savePath;
        if (r < 85) return badSavePath;
        return std::string();
    }
    std::optional<std::string> openFile(const std::string&) override {
        int r = pick(100);
        std::string path;
        if (r < 60) path = savePath;
        else if (r < 75) path = junkPath;
        else if (r < 85) path = missingPath;
        lastOpened = path;
        lastLoadedBytes.clear();
        if (!path.empty())
            if (auto bytes = ReadWholeFile(path)) lastLoadedBytes = *bytes;
        return path;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    std::mt19937_64& rng_;
};

class Monkey : public QObject {
public:
    Monkey(unsigned seed, long budget) : rng_(seed), dice_(seed * 2654435761u + 7), hooks_(rng_), budget_(budget) {
        controller_.setHooks(&hooks_);
        hooks_.savePath = dir_.filePath(QStringLiteral("monkey.znx")).toStdString();
        hooks_.badSavePath = dir_.filePath(QStringLiteral("no such folder/monkey.znx")).toStdString();
        hooks_.junkPath = dir_.filePath(QStringLiteral("junk.znx")).toStdString();
        hooks_.missingPath = dir_.filePath(QStringLiteral("missing.znx")).toStdString();
        QFile junk(QString::fromStdString(hooks_.junkPath));
        if (junk.open(QIODevice::WriteOnly)) junk.write("Zentrix?\n1,2,3\n\xff\xfe garbage\n");
        controller_.start();
        // A faster clock for the walk and the money counting: the rules are
        // the same, the monkey just gets more moves out of its time.
        controller_.timer(TimerId::MovePieces)->setInterval(4);
        controller_.timer(TimerId::ChangeMoney)->setInterval(3);
        // The clocks and the sound device act between the monkey's events;
        // the game is checked after each of those too (these run after the
        // controller's own handlers, which were connected first).
        static const char* const clockNames[] = {"walk tick", "money tick", "game minute", "auto-save minute",
                                                 "reaction second", "music pause", "disaster delay"};
        for (int i = 0; i < TimerCount; ++i)
            connect(controller_.timer(static_cast<TimerId>(i)), &QTimer::timeout, this,
                    [this, i] { afterOutsideEvent(clockNames[i]); });
        connect(&controller_.sound(), &SoundSystem::soundDone, this, [this] { afterOutsideEvent("sound done"); });
        connect(&controller_.sound(), &SoundSystem::musicDone, this, [this] { afterOutsideEvent("music done"); });
        connect(&tick_, &QTimer::timeout, this, &Monkey::tick);
        tick_.setInterval(0);
    }

    void run() { tick_.start(); }
    bool done() const { return done_; }
    const std::string& failure() const { return failure_; }
    Game& game() { return controller_.game(); }

    std::string summary() const {
        std::ostringstream out;
        out << "monkey: " << events_ << " events, " << games_ << " games on the board, " << finished_
            << " finished, " << moves_ + lastMoves_ << " moves, " << saves_ << " saves, " << loads_
            << " loads, " << sales_ << " sales, " << loans_ << " loans, " << modalActions_
            << " actions in modal dialogs\n  games of 2, 3, 4 players: " << gamesOf_[2] << ", " << gamesOf_[3]
            << ", " << gamesOf_[4] << "\n  actions:";
        for (const auto& [name, n] : actions_) out << " " << name << "=" << n;
        out << "\n  messages:";
        for (const auto& [title, n] : hooks_.titles) out << " \"" << title << "\"=" << n;
        return out.str();
    }

private:
    // ---- the loop ----

    void tick() {
        if (done_) return;
        QWidget* modal = QApplication::activeModalWidget();
        // A tick inside one of the monkey's own actions (an event loop run
        // by the program) waits; one inside a modal dialog that an action
        // opened acts on that dialog.
        if (!acting_.empty() && acting_.back() == modal) return;
        tick_.setInterval(pick(3));

        if (!failure_.empty() || events_ >= budget_) {
            windDown(modal);
            return;
        }
        // The clocks and the sound device act between the monkey's events.
        if (std::string why = checkInvariants(); !why.empty())
            return fail(why + ", found before the event, after the clocks and sounds");
        acting_.push_back(modal);
        ++events_;
        if (modal) {
            ++modalActions_;
            actInModal(modal);
        } else {
            act();
        }
        acting_.pop_back();
        trackGames();
        if (failure_.empty()) {
            std::string why = checkInvariants();
            if (!why.empty()) fail(why);
        }
    }

    void afterOutsideEvent(const char* what) {
        if (done_ || !failure_.empty()) return;
        std::string why = checkInvariants();
        if (!why.empty()) {
            note(what);
            controller_.renderAll();
            std::string again = checkInvariants();
            fail(why + ", after a " + what + (again.empty() ? " (a fresh drawing mends it)" : ""));
        }
    }

    // The budget is spent (or something broke): close what is open, from
    // the innermost modal dialog outwards, then stop.
    void windDown(QWidget* modal) {
        if (modal) {
            if (++windDownTries_ > 20) {
                if (auto* d = qobject_cast<QDialog*>(modal)) d->done(QDialog::Rejected);
                return;
            }
            note("wind down: Esc in " + name(modal));
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        if (!acting_.empty()) return;  // an outer action still has to return
        windDownTries_ = 0;
        tick_.stop();
        if (game().S.GameInProgress || game().Results.Loaded) {
            // Close without saving: the game prompt gets a forced "No".
            hooks_.forced.push_back(MsgAnswer::No);
            if (game().Results.Loaded) game().Results.cmdOK_Click();
            else game().mnuGameClose_Click();
            hooks_.forced.clear();
        }
        trackGames();
        done_ = true;
    }

    void act() {
        Game& g = game();
        GameState& s = g.S;
        MainWindow& main = controller_.mainWindow();

        // Nothing on the board: a player goes for Game > New (or Load).
        if (!s.GameInProgress && !g.Results.Loaded && !controller_.newGameWindow()) {
            int r = pick(100);
            if (r < 55) return trigger(main.mnuGameNew, "Game > New");
            if (r < 65) {
                hooks_.lastOpened.clear();
                trigger(main.mnuGameLoad, "Game > Load");
                return checkLoadedFile();
            }
        }
        if (NewGameWindow* w = controller_.newGameWindow(); w && w->isVisible() && chance(35)) {
            // Games of three and four, where leaving players renumber the
            // others, need their number chosen; and most players who have
            // seen the monkey play switch the sounds off.
            int r = pick(100);
            auto* number = w->findChild<QRadioButton*>(QStringLiteral("optNumOfPlayers_%1").arg(2 + pick(3)));
            auto* sounds = w->findChild<QCheckBox*>(QStringLiteral("chkSounds"));
            if (r < 50 && number && usable(number)) return click(number);
            if (r < 65 && sounds && usable(sounds) && sounds->isChecked()) return click(sounds);
            if (auto* start = w->findChild<QPushButton*>(QStringLiteral("cmdStart")); start && usable(start))
                return click(start);
        }
        // The slow clocks, and the disaster delay, tick now and then.
        if (chance(8) && fireSlowTimer()) return;

        int r = pick(1000);
        if (r < 350) return answerTheGame();
        if (r < 560) return clickSomething(nullptr);
        if (r < 650) return typeSomething(nullptr);
        if (r < 690) return scrollSomething(nullptr);
        if (r < 740) return pressKey(nullptr);
        if (r < 755) return comboSomething(nullptr);
        if (r < 770) return listSomething(nullptr);
        if (r < 810 || (s.MoveAnywhereMode && r < 880)) return clickBoard();
        if (r < 835) return menuCommand();
        return idle();
    }

    // What the game waits for: the roll, the buy window, the desk of the
    // current player, the waiting window, or a cell to move to. Still real
    // clicks and keys, only aimed, so that games get somewhere.
    void answerTheGame() {
        Game& g = game();
        const GameState& s = g.S;
        MainWindow& main = controller_.mainWindow();
        if (main.rollDice()->isVisible() && main.rollDice()->isEnabled()) return click(main.rollDice());
        if (BuyWindow* w = controller_.buyWindow(); w && w->isVisible()) return clickSomething(w);
        if (WaitWindow* w = controller_.waitWindow(); w && w->isVisible()) return clickSomething(w);
        if (s.MoveAnywhereMode) return clickBoard();
        if (hurryClocks()) return;
        if ((s.DepositMode || s.InsuranceMode) && s.CurrentPlayer >= 1 && s.CurrentPlayer <= s.NumOfPlayers) {
            if (PlayerWindow* w = controller_.playerWindow(s.CurrentPlayer); w && w->isVisible()) {
                int r = pick(100);
                if (r < 40) return pressKey(w);
                if (r < 70 && s.DepositMode) return typeSomething(w);
                if (r < 85 && s.InsuranceMode) return clickSomething(w);
                return clickSomething(w);
            }
        }
        // Nothing to answer: say what the game is busy with.
        std::string why = "waiting for";
        if (!s.GameInProgress) why += " a game";
        if (s.MoneyChanging) why += " money";
        if (s.DestroyMode) why += " a disaster";
        if (s.BuyMode) why += " a purchase";
        if (s.WaitingMode) why += " a debt";
        if (!s.CurrentSound.empty()) why += " a sound";
        if (g.TimerEnabled(TimerId::MovePieces)) why += " a walk";
        count(why);
    }

    void actInModal(QWidget* modal) {
        if (auto* about = qobject_cast<AboutWindow*>(modal)) about->sysInfoPrograms.clear();  // never start programs
        int r = pick(100);
        if (r < 55) return clickSomething(modal);
        if (r < 75) return typeSomething(modal);
        if (r < 85) return scrollSomething(modal);
        if (r < 95) return pressKey(modal);
        return idle();
    }

    // ---- the actions ----

    void idle() { count("idle"); }

    void click(QAbstractButton* b) {
        count(b->metaObject()->className());
        std::string what = "click " + name(b) + " in " + name(b->window());
        note(what);
        const std::string objectName = b->objectName().toStdString();
        // Banking, lending and selling to another player only move money.
        bool money = objectName == "cmdDeposit" || objectName == "cmdWithdraw" ||
                     (objectName == "cmdLoan" && qobject_cast<LoanWindow*>(b->window())) ||
                     (objectName == "cmdSell" && game().SellForm.Loaded && !game().SellForm.optPlayerValue[0]);
        std::int64_t before = totalMoney();
        int players = game().S.NumOfPlayers;
        bool inProgress = game().S.GameInProgress;
        bool selling = objectName == "cmdSell" && game().SellForm.Loaded;
        bool lending = objectName == "cmdLoan" && game().LoanDialog.Loaded && qobject_cast<LoanWindow*>(b->window());
        int loans = game().S.LoanCount;
        // Check boxes and option buttons answer a click on their mark.
        bool mark = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
        QPoint at = mark ? QPoint(std::min(8, b->width() / 2), b->height() / 2) : b->rect().center();
        if (chance(70))
            QTest::mouseClick(b, Qt::LeftButton, {}, at);
        else
            b->click();
        if (selling && !game().SellForm.Loaded) ++sales_;
        if (lending && !game().LoanDialog.Loaded && game().S.LoanCount == loans) ++loans_;
        if (money && inProgress && game().S.GameInProgress && game().S.NumOfPlayers == players &&
            totalMoney() != before)
            fail("money was created or lost by " + what + " (" + std::to_string(before) + " -> " +
                 std::to_string(totalMoney()) + ")");
    }

    void clickSomething(QWidget* within) {
        std::vector<QAbstractButton*> buttons;
        for (QWidget* w : windows(within))
            for (auto* b : w->findChildren<QAbstractButton*>())
                if (usable(b) && (qobject_cast<QPushButton*>(b) || qobject_cast<QRadioButton*>(b) ||
                                  qobject_cast<QCheckBox*>(b)))
                    buttons.push_back(b);
        if (buttons.empty()) return idle();
        click(buttons[static_cast<std::size_t>(pick(static_cast<int>(buttons.size())))]);
    }

    void typeSomething(QWidget* within) {
        static const char* const texts[] = {"0.5", "1.04", "abc", "-3",  "3000", "1e9", "",     ".125",  "1",
                                            "0",   "0.04", "10",  "99",  " 2.5x", "0.25", "2",   "Alice", "Bob",
                                            "0.1", "5",    "1,5", "7.77", "Zoe",  "12345678901234"};
        std::vector<QLineEdit*> boxes;
        for (QWidget* w : windows(within))
            for (auto* e : w->findChildren<QLineEdit*>())
                if (usable(e) && !e->isReadOnly()) boxes.push_back(e);
        if (boxes.empty()) return idle();
        QLineEdit* e = boxes[static_cast<std::size_t>(pick(static_cast<int>(boxes.size())))];
        QString text = QString::fromLatin1(texts[pick(static_cast<int>(std::size(texts)))]);
        count("type");
        note("type '" + text.toStdString() + "' into " + name(e) + " in " + name(e->window()));
        QPointer<QLineEdit> guard(e);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        if (!guard) return;
        QTest::keyClick(e, Qt::Key_Backspace);
        if (!guard || text.isEmpty()) return;
        QTest::keyClicks(e, text);
        // Sometimes the player finishes with Enter.
        if (guard && chance(25)) {
            note("Enter in " + name(e));
            QTest::keyClick(e, Qt::Key_Return);
        }
    }

    void scrollSomething(QWidget* within) {
        std::vector<QScrollBar*> bars;
        for (QWidget* w : windows(within))
            for (auto* b : w->findChildren<QScrollBar*>())
                if (usable(b) && !b->objectName().isEmpty()) bars.push_back(b);
        if (bars.empty()) return idle();
        QScrollBar* b = bars[static_cast<std::size_t>(pick(static_cast<int>(bars.size())))];
        count("scroll");
        static const QAbstractSlider::SliderAction moves[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        if (chance(25)) {
            int v = b->minimum() + pick(b->maximum() - b->minimum() + 1);
            note("drag " + name(b) + " to " + std::to_string(v) + " in " + name(b->window()));
            b->setValue(v);
        } else {
            int m = pick(6);
            note("scroll " + name(b) + " action " + std::to_string(m) + " in " + name(b->window()));
            b->triggerAction(moves[m]);
        }
    }

    void pressKey(QWidget* within) {
        std::vector<QWidget*> ws = windows(within);
        if (ws.empty()) return idle();
        QWidget* w = ws[static_cast<std::size_t>(pick(static_cast<int>(ws.size())))];
        QWidget* target = w;
        if (QWidget* f = w->focusWidget(); f && f->isVisible() && chance(50)) target = f;
        bool enter = chance(50);
        count(enter ? "Enter" : "Esc");
        note(std::string(enter ? "Enter" : "Esc") + " on " + name(target) + " in " + name(w));
        QTest::keyClick(target, enter ? Qt::Key_Return : Qt::Key_Escape);
    }

    void comboSomething(QWidget* within) {
        std::vector<QComboBox*> boxes;
        for (QWidget* w : windows(within))
            for (auto* c : w->findChildren<QComboBox*>())
                if (usable(c)) boxes.push_back(c);
        if (boxes.empty()) return idle();
        QComboBox* c = boxes[static_cast<std::size_t>(pick(static_cast<int>(boxes.size())))];
        bool down = chance(50);
        count("combo");
        note(std::string(down ? "Down" : "Up") + " on " + name(c) + " in " + name(c->window()));
        QTest::keyClick(c, down ? Qt::Key_Down : Qt::Key_Up);
    }

    void listSomething(QWidget* within) {
        std::vector<QListWidget*> lists;
        for (QWidget* w : windows(within))
            for (auto* l : w->findChildren<QListWidget*>())
                if (usable(l) && l->count() > 0) lists.push_back(l);
        if (lists.empty()) return idle();
        QListWidget* l = lists[static_cast<std::size_t>(pick(static_cast<int>(lists.size())))];
        int row = pick(l->count());
        QRect rect = l->visualItemRect(l->item(row));
        if (!rect.isValid()) return idle();
        count("list");
        note("click row " + std::to_string(row) + " of " + name(l) + " in " + name(l->window()));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void clickBoard() {
        BoardView* board = controller_.mainWindow().board();
        if (!board->isVisible()) return idle();
        int cell = 1 + pick(NumCells);
        QPoint at = board->mapFromScene(QPointF(CellLeft(cell) + CellSize / 2.0, CellTop(cell) + CellSize / 2.0));
        if (!board->viewport()->rect().contains(at)) return idle();
        bool twice = chance(10);
        count(twice ? "board double click" : "board click");
        note(std::string(twice ? "double click" : "click") + " on cell " + std::to_string(cell));
        if (twice)
            QTest::mouseDClick(board->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(board->viewport(), Qt::LeftButton, {}, at);
    }

    void trigger(QAction* a, const std::string& what) {
        if (!a->isEnabled()) return idle();
        count(what);
        note(what);
        a->trigger();
    }

    void menuCommand() {
        Game& g = game();
        MainWindow& main = controller_.mainWindow();
        int r = pick(100);
        if (r < 45) {
            QAction* a = r < 35 ? main.mnuGameSave : main.mnuGameSaveAs;
            long confirmed = hooks_.titles["Game saved"];
            trigger(a, r < 35 ? "Game > Save" : "Game > Save As");
            // Only a save that was confirmed wrote the file.
            if (hooks_.titles["Game saved"] > confirmed) checkSavedFile();
            return;
        }
        if (r < 55) {
            hooks_.lastOpened.clear();
            trigger(main.mnuGameLoad, "Game > Load");
            checkLoadedFile();
            return;
        }
        if (r < 60) return trigger(main.mnuGameNew, "Game > New");
        if (r < 64) return trigger(main.mnuGameClose, "Game > Close");
        if (r < 78) return trigger(main.mnuHelpHelp, "Help > Help");
        if (r < 85) return trigger(main.mnuHelpAbout, "Help > About");
        if (r < 92 && g.S.GameInProgress) {
            // Exit, thought better of: Cancel at "Want to save?" keeps the
            // program running (an Exit that went through would end the test).
            hooks_.forced.push_back(MsgAnswer::Cancel);
            trigger(main.mnuGameExit, "Game > Exit, Cancel");
            hooks_.forced.clear();
            if (!g.S.GameInProgress) fail("Cancel at the Exit prompt closed the game");
            return;
        }
        if (r < 96) {
            // The title bar's close box: the same as Exit, so Cancel again.
            if (!g.S.GameInProgress) return idle();
            hooks_.forced.push_back(MsgAnswer::Cancel);
            count("close main window, Cancel");
            note("close main window, Cancel");
            main.close();
            hooks_.forced.clear();
            if (!g.S.GameInProgress) fail("Cancel after closing the main window closed the game");
            return;
        }
        idle();
    }

    // Time passes faster while a piece walks or money is counted: the
    // ticks the clocks would give a moment later, given now.
    bool hurryClocks() {
        Game& g = game();
        int n = 1 + pick(25);
        bool any = false;
        for (int i = 0; i < n; ++i) {
            if (g.TimerEnabled(TimerId::MovePieces) && controller_.timer(TimerId::MovePieces)->isActive()) {
                g.tmrMovePieces_Timer();
                any = true;
            } else if (g.TimerEnabled(TimerId::ChangeMoney) && controller_.timer(TimerId::ChangeMoney)->isActive()) {
                g.tmrChangeMoney_Timer();
                any = true;
            } else {
                break;
            }
            controller_.renderAll();
            // A tick may have opened a dialog or ended the game: the next
            // event deals with it.
            if (QApplication::activeModalWidget() || !g.S.GameInProgress) break;
        }
        if (!any) return false;
        count("clock ticks");
        note("clock ticks");
        return true;
    }

    bool fireSlowTimer() {
        Game& g = game();
        std::vector<TimerId> slow;
        for (TimerId t : {TimerId::DestroyDelay, TimerId::LimitReactionTime, TimerId::MusicDelay, TimerId::GameTime,
                          TimerId::AutoSave})
            if (g.TimerEnabled(t) && controller_.timer(t)->isActive()) slow.push_back(t);
        if (slow.empty()) return false;
        TimerId t = slow[static_cast<std::size_t>(pick(static_cast<int>(slow.size())))];
        // The minute clocks stay rare, as they are in a real game.
        if ((t == TimerId::GameTime || t == TimerId::AutoSave) && !chance(15)) return false;
        switch (t) {
            case TimerId::DestroyDelay: note("disaster delay runs out"); g.tmrDestroyDelay_Timer(); break;
            case TimerId::LimitReactionTime: note("a second of reaction time"); g.tmrLimitReactionTime_Timer(); break;
            case TimerId::MusicDelay: note("music pause ends"); g.tmrMusicDelay_Timer(); break;
            case TimerId::GameTime: note("a game minute"); g.tmrGameTime_Timer(); break;
            case TimerId::AutoSave: note("an auto-save minute"); g.tmrAutoSave_Timer(); break;
            default: break;
        }
        count("slow clock");
        controller_.renderAll();
        return true;
    }

    // ---- checks ----

    // What was just written is the game on the board.
    void checkSavedFile() {
        Game& g = game();
        if (g.SaveFailed || !g.S.GameInProgress || !g.S.HasFileName) return fail("a confirmed save left no file behind");
        auto bytes = ReadWholeFile(g.S.FileName);
        if (!bytes) return fail("the saved game cannot be read back");
        ++saves_;
        if (*bytes != WriteSavedGame(SavedGameFrom(g.S, g.Draft.Slot())))
            fail("the saved file differs from the game on the board");
    }

    // A good file loads as it was saved; a bad one leaves no game behind.
    void checkLoadedFile() {
        Game& g = game();
        const std::string& path = hooks_.lastOpened;
        if (path.empty()) return;
        if (path == hooks_.junkPath || path == hooks_.missingPath || hooks_.lastLoadedBytes.empty()) {
            if (g.S.GameInProgress) fail("a bad file put a game on the board: " + path);
            return;
        }
        if (!g.S.GameInProgress) return fail("a good saved game did not load");
        ++loads_;
        if (WriteSavedGame(SavedGameFrom(g.S, g.Draft.Slot())) != hooks_.lastLoadedBytes)
            fail("the loaded game differs from the file");
    }

    std::int64_t totalMoney() {
        const GameState& s = game().S;
        std::int64_t t = 0;
        for (int p = 1; p <= s.NumOfPlayers && p <= MaxPlayers; ++p) t += std::int64_t{s.Cash[p]} + s.MoneyInBank[p];
        return t;
    }

    std::string checkInvariants() {
        Game& g = game();
        const GameState& s = g.S;
        if (s.NumOfPlayers < 1 || s.NumOfPlayers > MaxPlayers) return "player count out of range";

        // The windows show their models.
        MainWindow& main = controller_.mainWindow();
        if (main.windowTitle() != QString::fromStdString(g.Main.caption)) return "main window caption out of date";
        // (While a computer's roll is due, or it weighs a free move, the
        // button is not the people's.)
        if (main.rollDice()->isEnabled() != (g.Main.cmdRollDiceEnabled && controller_.peopleMayRoll()))
            return std::string("Roll Dice is ") + (main.rollDice()->isEnabled() ? "enabled" : "disabled") +
                   " but its model says otherwise";
        auto shown = [](QWidget* w) { return w && w->isVisible(); };
        if (shown(controller_.buyWindow()) != g.BuyForm.Loaded) return "buy window and its model disagree";
        if (shown(controller_.waitWindow()) != g.Wait.Loaded) return "waiting window and its model disagree";
        if (shown(controller_.sellWindow()) != g.SellForm.Loaded) return "sale window and its model disagree";
        // A computer types its loan unseen where its window would cover the board or a person's.
        const bool unseenLoan = controller_.loanWindow() && controller_.computerSeat(g.S.LoanLender[std::size_t(std::max(0, g.Draft.Slot()))]);
        if ((shown(controller_.loanWindow()) || unseenLoan) != g.LoanDialog.Loaded) return "loan window and its model disagree";
        if (shown(controller_.resultsWindow()) != g.Results.Loaded) return "results window and its model disagree";
        if (g.LoanDialog.Loaded != (g.Draft.Slot() != 0)) return "a loan draft without its dialog";

        if (g.Results.Loaded) {
            int filled = 0;
            for (int i = 1; i <= s.InitialNumOfPlayers; ++i) {
                if (s.Finisher[i].empty()) return "an empty place in the results";
                ++filled;
                for (int j = 1; j < i; ++j)
                    if (s.Finisher[i] == s.Finisher[j]) return "a player listed twice in the results";
            }
            if (filled != s.InitialNumOfPlayers) return "results table incomplete";
            for (int p = 1; p <= MaxPlayers; ++p)
                if (shown(controller_.playerWindow(p))) return "a personal window left open at the end";
            return {};
        }
        if (!s.GameInProgress) {
            for (int p = 1; p <= MaxPlayers; ++p)
                if (shown(controller_.playerWindow(p))) return "a personal window without a game";
            if (g.BuyForm.Loaded || g.Wait.Loaded) return "a game dialog without a game";
            if (main.board()->piece(1)->isVisible()) return "a piece on an empty board";
            return {};
        }

        for (int p = 1; p <= MaxPlayers; ++p) {
            bool player = p <= s.NumOfPlayers;
            PlayerWindow* w = controller_.playerWindow(p);
            if (player && !shown(w)) return "player " + std::to_string(p) + " has no personal window";
            if (!player && shown(w)) return "a personal window for the empty slot " + std::to_string(p);
            if (player && w->windowTitle() != QString::fromStdString(s.PlayerName[p]))
                return "personal window " + std::to_string(p) + " titled for somebody else";
            if (main.board()->piece(p)->isVisible() != player) return "piece " + std::to_string(p) + " shown wrongly";
        }
        // Once the counting is over, every window shows its owner's money.
        if (!s.MoneyChanging && !g.TimerEnabled(TimerId::ChangeMoney)) {
            for (int p = 1; p <= s.NumOfPlayers; ++p) {
                PlayerWindow* w = controller_.playerWindow(p);
                auto* cash = w->findChild<QLabel*>(QStringLiteral("lblCash"));
                auto* bank = w->findChild<QLabel*>(QStringLiteral("lblMoneyInBank"));
                if (cash && cash->text() != QString::fromStdString(FormatMoney(s.Cash[p])))
                    return "personal window " + std::to_string(p) + " shows cash " + cash->text().toStdString() +
                           " instead of " + FormatMoney(s.Cash[p]);
                if (bank && bank->text() != QString::fromStdString(FormatMoney(s.MoneyInBank[p])))
                    return "personal window " + std::to_string(p) + " shows a balance of " +
                           bank->text().toStdString() + " instead of " + FormatMoney(s.MoneyInBank[p]);
            }
        }
        return test::GameInvariants(g);
    }

    // ---- bookkeeping ----

    void trackGames() {
        const GameState& s = game().S;
        if (s.GameInProgress && !inGame_) {
            ++games_;
            ++gamesOf_[std::clamp(s.NumOfPlayers, 0, MaxPlayers)];
        }
        if (game().Results.Loaded && !inResults_) ++finished_;
        inGame_ = s.GameInProgress;
        inResults_ = game().Results.Loaded;
        if (s.Moves < lastMoves_) moves_ += lastMoves_;
        lastMoves_ = s.Moves;
    }

    void fail(const std::string& why) {
        if (!failure_.empty()) return;
        std::ostringstream out;
        out << why << " (event " << events_ << ")\n  last events:";
        for (const std::string& e : recent_) out << "\n    " << e;
        failure_ = out.str();
        // For a debugger: stop right where the fault showed.
        if (qEnvironmentVariableIsSet("ZENTRIX_MONKEY_ABORT")) {
            qWarning("%s", failure_.c_str());
            std::abort();
        }
    }

    void note(const std::string& what) {
        recent_.push_back(std::to_string(events_) + ": " + what);
        if (recent_.size() > 30) recent_.pop_front();
    }
    void count(const std::string& what) { ++actions_[what]; }

    // The windows a player can reach now: the modal dialog alone, or every
    // visible window of the program.
    std::vector<QWidget*> windows(QWidget* within) {
        if (within) return {within};
        std::vector<QWidget*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->inherits("QMenu") && w->objectName() != QLatin1String("MessageBox"))
                out.push_back(w);
        return out;
    }
    static bool usable(QWidget* w) { return w->isVisible() && w->isEnabled(); }
    static std::string name(QWidget* w) {
        if (!w) return "?";
        QString n = w->objectName();
        return n.isEmpty() ? std::string(w->metaObject()->className()) : n.toStdString();
    }

    int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    QTemporaryDir dir_;
    std::mt19937_64 rng_;
    StdRandom dice_;
    MonkeyHooks hooks_;
    Controller controller_{dice_};
    QTimer tick_;
    long budget_;
    long events_ = 0;
    long games_ = 0, finished_ = 0, moves_ = 0, lastMoves_ = 0, saves_ = 0, loads_ = 0, sales_ = 0, loans_ = 0,
         modalActions_ = 0;
    std::array<long, MaxPlayers + 1> gamesOf_{};
    bool inGame_ = false, inResults_ = false;
    bool done_ = false;
    int windDownTries_ = 0;
    std::vector<QWidget*> acting_;  // the modal dialog (or none) each running action started in
    std::deque<std::string> recent_;
    std::map<std::string, long> actions_;
    std::string failure_;
};

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { zx::test::quietOffscreenWarnings(); }
    void randomEventsKeepTheGameWhole();
};

void TestMonkey::randomEventsKeepTheGameWhole() {
    const auto seed = static_cast<unsigned>(EnvNumber("ZENTRIX_MONKEY_SEED", 20240611));
    const long events = EnvNumber("ZENTRIX_MONKEY_EVENTS", 2500);
    Monkey monkey(seed, events);
    monkey.run();
    // Generous: a few thousand events take well under a minute; the wait
    // only guards against a hang.
    const int limitMs = static_cast<int>(std::min<long>(280'000, 60'000 + events * 40));
    QTRY_VERIFY_WITH_TIMEOUT(monkey.done() || !monkey.failure().empty(), limitMs);
    QTRY_VERIFY_WITH_TIMEOUT(monkey.done(), 10'000);
    qInfo("seed %u\n%s", seed, monkey.summary().c_str());
    // The whole story goes to the log: QVERIFY2 cuts long messages short.
    if (!monkey.failure().empty()) qWarning("%s", monkey.failure().c_str());
    QVERIFY2(monkey.failure().empty(), monkey.failure().substr(0, monkey.failure().find('\n')).c_str());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
