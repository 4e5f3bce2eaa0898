#pragma once
// Wires the rules to Qt: implements the rules' Ui interface with real
// windows, message boxes, timers, sound and file dialogs, and forwards
// every window event and timer tick to the game.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <map>
#include <array>
#include <functional>
#include <vector>
#include <cstdint>
#include <memory>

#include "rules/game.h"
#include "rules/operations.h"
#include "rules/ui.h"

namespace zx {

class MainWindow;
class PlayerWindow;
class BuyWindow;
class WaitWindow;
class SellWindow;
class LoanWindow;
class NewGameWindow;
class GraphWindow;
class ResultsWindow;
class AboutWindow;
class HelpWindow;
class LogWindow;
class SoundSystem;
class JoinWindow;
class HostWindow;
class HostedServer;
namespace ai {
class Autopilot;
}
namespace client {
class RemoteTable;
struct Box;
}

// Lets tests (and the headless checks) answer what a person would answer.
class DialogHooks {
public:
    virtual ~DialogHooks() = default;
    // Return an answer to skip the real message box.
    virtual std::optional<MsgAnswer> message(const Message&) { return std::nullopt; }
    // Return a path (or an empty string for Cancel) to skip the file dialog.
    virtual std::optional<std::string> saveFile(const std::string&, const std::string&) { return std::nullopt; }
    virtual std::optional<std::string> openFile(const std::string&) { return std::nullopt; }
    // A box addressed to a computer player, answered by it and never shown.
    virtual void answeredByComputer(const Message&, MsgAnswer) {}
};

// How fast the computer players' hands move (View > Computer Speed).
enum class ComputerSpeed { Slow, Normal, Fast };

class Controller : public QObject, public Ui {
    Q_OBJECT
public:
    Controller(Random& random, QObject* parent = nullptr);
    ~Controller() override;

    Game& game() { return game_; }
    MainWindow& mainWindow() { return *main_; }
    void setHooks(DialogHooks* hooks) { hooks_ = hooks; }
    // Starts the program: the main window's load, then shows it.
    void start();
    // Opens a saved game named on the command line, as Game > Load would.
    void openAtStart(const QString& file);

    // Open windows, or null.
    PlayerWindow* playerWindow(int p) const;
    BuyWindow* buyWindow() const;
    WaitWindow* waitWindow() const;
    SellWindow* sellWindow() const;
    LoanWindow* loanWindow() const;
    NewGameWindow* newGameWindow() const;
    GraphWindow* graphWindow() const;
    ResultsWindow* resultsWindow() const;
    AboutWindow* aboutWindow() const;
    HelpWindow* helpWindow() const;
    LogWindow* logWindow() const;
    // Opens the game log, or brings it forward.
    void showLog();
    QTimer* timer(TimerId t) const { return timers_[static_cast<std::size_t>(t)]; }
    SoundSystem& sound() { return *sound_; }

    // ---- computer players ----
    // Their hands: one movement every `ms` milliseconds (0.8 s, a pace
    // people can follow; tests play faster).
    // After an event that changes the standing the next movement waits
    // three paces, so that a person has time to read it.
    void setComputerPace(int ms);
    // The pace the user chose, kept for the next start; its pause is a
    // little over three paces at Normal.
    void setComputerSpeed(ComputerSpeed speed);
    ComputerSpeed computerSpeed() const { return speed_; }
    // How long the computers wait after an event that changes the standing.
    int computerPause() const { return pause_; }
    QTimer* computerTimer() const { return computerTimer_; }
    ai::Autopilot& autopilot() { return *pilot_; }
    // Whether slot p of the game on the board is a computer player's.
    bool computerSeat(int p) const;
    // Whether the people may press Roll Dice: not when a computer's roll is due.
    bool peopleMayRoll() const;
    // Starts the computer players over with their own chance drawn from
    // `seed`, so that a game can be played again (tests); only between games.
    void seedComputers(std::uint64_t seed);

    // Places the personal windows over the seats of the main window.
    void placePlayerWindows();
    // Sizes the main window for the screen it is on.
    void fitToScreen();
    // Draws every open window from the game.
    void renderAll();
    // The one door for the people's input at this screen: works the control
    // for the first people's seat it belongs to (op.seatId is chosen here),
    // then redraws. Input for a computer's seat or row does nothing, and the
    // redraw takes back whatever the widget showed of it. True when applied.
    bool act(Op op);

    // ---- a network game ----
    // In a network game the game is the mirror of this seat's view at the
    // server's table: the windows draw it as they draw a game at one screen,
    // and act() sends this seat's operations to the server instead of
    // applying them. Every other seat is worked elsewhere, as a computer's
    // is at one screen.
    bool networked() const { return remote_ != nullptr; }
    client::RemoteTable* remote() const { return remote_.get(); }
    // Takes a seat at a table (or back with a token). A game at this
    // screen is closed first, as Game > Close would; false when it stays.
    bool joinNetworkGame(const QUrl& server, const QString& table, const QString& name);
    bool resumeNetworkGame(const QUrl& server, const QString& token);
    // Takes up the network game joined last on this machine, whose token is
    // kept for that (after a crash, a reboot, or leaving it); false: none.
    bool resumeLastNetworkGame();
    // At the program's start, with a network game kept: asks whether to
    // take it up again (a game hosted here gets its server back).
    void offerResumeAtStart();
    // Leaves the network game on this screen (the seat's token is kept).
    void leaveNetworkGame();
    // A link named on the command line: an invitation joins its table under
    // the name last used; a server's address opens the join window on it.
    void openLinkAtStart(const QString& link);
    // Game > Join Network Game..., with a link to put in it.
    void showJoinWindow(const QString& link = {});
    JoinWindow* joinWindow() const;
    // Game > Host Network Game...: the new-game window, where a row may be
    // a "Network player".
    void showHostNewGame();
    // Its Start: the server runs inside this program, the table is opened
    // with the form's seats and options, and this screen takes the host's
    // seat (the first Person row; further Person rows are left open for
    // the network too). With no seat for the network it is a game at this
    // screen, as Start in Game > New.
    void startHosting();
    HostWindow* hostWindow() const;
    // The port the server of a hosted game listens on; 0: none runs.
    quint16 hostedPort() const;
    // A message box about the network (not the game's own): through the
    // tests' hooks, or a real box.
    void networkMessage(const QString& text);
    // What the line at the bottom of the main window says now.
    QString networkStatusText() const;

    // ---- Ui ----
    MsgAnswer message(const Message& m) override;
    void playSound(const std::string& file) override;
    void stopSounds() override;
    void playMusic(const std::string& file) override;
    void stopMusic() override;
    void setTimer(TimerId timer, bool enabled) override;
    void showWindow(WindowId w, int index, bool modal) override;
    void closeWindow(WindowId w, int index) override;
    void raiseWindow(WindowId w, int index) override;
    void focus(FocusId f, int index) override;
    void refresh() override;
    std::optional<std::string> saveFileDialog(const std::string& title, const std::string& initialPath) override;
    std::optional<std::string> openFileDialog(const std::string& title) override;
    // A file the host saved in a network game: offered to be hosted again.
    bool takeSavedGame(const std::string& path) override;
    void showHelp(const std::string& topic) override;
    void quit() override;
    Date today() override;

signals:
    // A seat was taken at a network table, or the try failed (said already).
    void networkGameJoined();
    void networkGameFailed();

private:
    // The view changed: the windows open and close as the mirror's models
    // say, the sounds of what began play here, and everything is redrawn.
    void networkViewChanged();
    void showServerBox(const client::Box& box);
    void updateNetworkStatus();
    // Runs the hosted server on `port` (0: any free one); says why not.
    bool runHostedServer(quint16 port);
    void showHostWindow();
    // Whether this screen's network game is at the server it hosts.
    bool hostsThisGame() const;
    // Game > Save and Save As... there.
    void saveHostedGame(bool saveAs);
    // Kept beside the file (which stays a plain saved game): its seats.
    void rememberHostedSave();
    // The host's seat at his own server, for taking it up again later.
    void rememberHostedSeat();
    // The log window's line for the table's chat.
    void enableChat();
    // A new port chosen in the host window: the server listens there now.
    void moveHostedServer(int port);
    // The kept network games, newest first: "SERVER TABLE TOKEN".
    static QStringList keptNetworkGames();
    void forgetNetworkGame(const QString& token);
    QWidget* windowOf(WindowId w, int index) const;
    void onTimer(TimerId t);
    // One movement of a computer player's hand, when one may move now.
    void computerStep();
    // The hooks the computer players call into the windows: whether a person
    // is busy, and a breath while a hard player thinks.
    void wireComputers();
    // While a hard player thinks, the windows paint, but the game's clocks
    // and sound ends wait until his hand has moved: they would change the
    // game he is thinking about. Runs `f` now or keeps it for then.
    void whenNotThinking(std::function<void()> f);
    int breathing_ = 0;
    unsigned heldTicks_ = 0;  // the clocks with a tick held back
    std::vector<std::function<void()>> heldBack_;
    // Runs the computers' timer while a game with a computer seat is on.
    void syncComputers();
    // Whether a computer player's hand is moving at this moment (not a
    // person answering inside a window the computer opened).
    bool computerActing() const { return stepDepth_ >= 0 && stepDepth_ == modalDepth_; }
    // Whether the control a rule wants the keyboard on belongs to a
    // computer player, whose hand works it without the keyboard.
    bool computersControl(FocusId f, int index) const;
    // Holds the computers back after new events that change the standing
    // while a person plays.
    void noticeNewEvents();
    // Puts a modal window a computer works where it covers neither the
    // board nor a person's window; false when there is no such place.
    bool placeComputersWindow(QWidget* window);
    // The first people's seat that may work the control now, or else the
    // first whose it is though it cannot be worked now; 0: none of theirs.
    int peopleSeat(const Op& op) const;
    // The player whose hand works window w (0: nobody's in particular).
    int ownerOf(WindowId w, int index) const;
    bool computersWindow(WindowId w, int index) const;
    // Counts a modal window or box while its own event loop runs.
    class ModalLoop;

    Game game_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<SoundSystem> sound_;
    std::array<QTimer*, TimerCount> timers_{};
    std::array<QPointer<PlayerWindow>, MaxPlayers + 1> players_{};
    QPointer<BuyWindow> buy_;
    QPointer<WaitWindow> wait_;
    QPointer<SellWindow> sell_;
    QPointer<LoanWindow> loan_;
    QPointer<NewGameWindow> newGame_;
    QPointer<GraphWindow> graph_;
    QPointer<ResultsWindow> results_;
    QPointer<AboutWindow> about_;
    QPointer<HelpWindow> help_;
    QPointer<LogWindow> log_;
    QPointer<JoinWindow> join_;
    QPointer<HostWindow> host_;
    std::unique_ptr<HostedServer> hosted_;
    std::string hostedFile_;  // where Save writes the hosted game
    std::unique_ptr<client::RemoteTable> remote_;
    QTimer* networkStatusTimer_ = nullptr;
    // When each other seat's connection was seen lost (by name).
    std::map<QString, qint64> seatLostAt_;
    // What the last view had begun, so that only a new start is heard.
    std::string heardSound_;
    int heardMusic_ = 0;
    bool heardMoney_ = false;
    DialogHooks* hooks_ = nullptr;
    std::unique_ptr<ai::Autopilot> pilot_;
    QTimer* computerTimer_ = nullptr;
    bool stepPosted_ = false;
    ComputerSpeed speed_ = ComputerSpeed::Normal;
    int pace_ = 0;
    int pause_ = 0;
    // The log lines already looked at for events worth a pause.
    GameLog::Cursor logRead_;
    std::uint64_t logRevision_ = 0;
    // Modal windows and boxes open, and those of them that are for people
    // alone (message boxes, file dialogs, About): while one of those is open
    // the computer players wait, as a person could not click elsewhere.
    int modalDepth_ = 0;
    int peopleBoxes_ = 0;
    // The modal depth at which the running computer step began; -1: none.
    int stepDepth_ = -1;
    bool rendering_ = false;
    QString lastSound_;
};

}  // namespace zx
