#pragma once
// The one interface through which the rules reach the outside world:
// message boxes and their answers, sounds and music, timers, windows,
// keyboard focus, file dialogs and the display refresh. The Qt layer
// implements it for real; tests implement it with a scripted fake.

#include <optional>
#include <string>

namespace zx {

enum class MsgIcon { None, Exclamation, Critical, Question, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// The titles of the questions a computer player answers for its seat: the
// boxes are told apart by title, so the rules and the computers share these.
constexpr char LoseConfirmationTitle[] = "Lose confirmation";
constexpr char LoanConfirmationTitle[] = "Loan confirmation";

struct Message {
    std::string text;   // may hold "\r" where a new line starts
    std::string title;  // in the player's language
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultAnswer = MsgAnswer::Ok;  // the button Enter presses
    // The player the box speaks to and whose answer it wants (his slot when
    // it opens); 0 when it is for everybody at the screen.
    int player = 0;
    // The English title the box was raised with: what code compares, since
    // the title shown may be translated.
    std::string id;
};

// The main window's timers. The Qt layer owns the real timers with the
// intervals below and calls the matching tick function of the game.
enum class TimerId { MovePieces, ChangeMoney, GameTime, AutoSave, LimitReactionTime, MusicDelay, DestroyDelay };
constexpr int TimerCount = 7;
constexpr int TimerInterval(TimerId t) {
    switch (t) {
        case TimerId::MovePieces: return 40;
        case TimerId::ChangeMoney: return 30;
        case TimerId::GameTime: return 60'000;
        case TimerId::AutoSave: return 60'000;
        case TimerId::LimitReactionTime: return 1'000;
        case TimerId::MusicDelay: return 5'000;
        case TimerId::DestroyDelay: return 6'000;
    }
    return 1000;
}

// Windows of the game. The personal windows carry the player slot 1..4 as
// index; every other window has index 0.
enum class WindowId { Main, Player, BuyCompany, Wait, SellCompanies, Loan, NewGame, Graph, Results, About };

// Places the rules move the keyboard focus to.
enum class FocusId {
    MainWindow,
    DeskAmount,          // txtBankNum of personal window `index`
    DeskFirstInsurance,  // first enabled chkInsurance of personal window `index`
    BuyFirstOption,      // optName(1) of the buy window
    SaleCompany,         // optName(index) of the sale window
    SaleBid,             // txtBid(index) of the sale window
    SaleBankOption,      // optPlayer(0) of the sale window
    LoanAmount,          // txtLoanNum of the loan window
    NewGameName,         // txtPlayerName(index) of the new-game window
    RollDice,
};

struct Date {
    int day = 1, month = 1, year = 2000;
};

class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box; returns the button pressed.
    virtual MsgAnswer message(const Message& m) = 0;

    // Plays a wave sound from the sounds folder ("Dice.wav", "4.wav"),
    // cutting off the sound that plays. The end of every sound started here
    // must be reported back through Game::mmcSounds_Done, also when it could
    // not be played or was cut off.
    virtual void playSound(const std::string& file) = 0;
    virtual void stopSounds() = 0;
    // Plays a MIDI file: "Music/Music3.mid" or "Sounds/Finish.mid". The end of
    // a piece is reported through Game::mmcBackgroundMusic_Done.
    virtual void playMusic(const std::string& file) = 0;
    virtual void stopMusic() = 0;

    virtual void setTimer(TimerId timer, bool enabled) = 0;

    // Windows. The models of the windows live in the game; these calls put
    // them on screen, bring them forward or take them away.
    virtual void showWindow(WindowId w, int index, bool modal) = 0;
    virtual void closeWindow(WindowId w, int index) = 0;
    virtual void raiseWindow(WindowId w, int index) = 0;
    virtual void focus(FocusId f, int index) = 0;

    // The game state or a window model changed: show it.
    virtual void refresh() = 0;

    // File dialogs for saved games (*.znx). Empty when cancelled.
    virtual std::optional<std::string> saveFileDialog(const std::string& title, const std::string& initialPath) = 0;
    virtual std::optional<std::string> openFileDialog(const std::string& title) = 0;
    // A saved game about to be loaded may be taken up elsewhere instead (a
    // game hosted over the network, hosted again); true when it was.
    virtual bool takeSavedGame(const std::string& /*path*/) { return false; }

    // The help window at a topic ("" for the default topic).
    virtual void showHelp(const std::string& topic) = 0;
    // Ends the program.
    virtual void quit() = 0;
    virtual Date today() = 0;
};

// The outside world of a game nobody sees (a look-ahead, the arena, a table
// on the server): no window, sound, timer or file dialog; a box gets its
// default answer. Such games override what they need.
class SilentUi : public Ui {
public:
    MsgAnswer message(const Message& m) override { return m.defaultAnswer; }
    void playSound(const std::string&) override {}
    void stopSounds() override {}
    void playMusic(const std::string&) override {}
    void stopMusic() override {}
    void setTimer(TimerId, bool) override {}
    void showWindow(WindowId, int, bool) override {}
    void closeWindow(WindowId, int) override {}
    void raiseWindow(WindowId, int) override {}
    void focus(FocusId, int) override {}
    void refresh() override {}
    std::optional<std::string> saveFileDialog(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFileDialog(const std::string&) override { return std::nullopt; }
    void showHelp(const std::string&) override {}
    void quit() override {}
    Date today() override { return {}; }
};

// The source of chance: uniform numbers in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

}  // namespace zx
