#pragma once
// One table's game, run by the server on the Qt-free rules.
//
// Each table lives in a thread of its own with its own event loop: the
// game's timers, the computer players' hands and the input of its seats
// are events there. A message box for a remote seat is asked as the desktop
// asks a modal box: a nested event loop runs until that seat's answer comes,
// and inside it the table's timers and its other seats' input go on (the
// computer players' hands rest, as they do while a box is on the screen).
// The rules stay as they are (a box is a function call that returns the
// answer) and a table waiting costs no CPU: its thread sleeps in the loop.
// One table's wait never holds up another's, since each has its own loop;
// continuations would have meant turning every box of the rules inside out.
//
// The runner reports to the server through callbacks that run in the
// server's thread; the server reaches the runner only through queued calls.

#include <QCborMap>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QElapsedTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/protocol.h"
#include "net/view_codec.h"
#include "rules/game.h"
#include "rules/operations.h"
#include "rules/ui.h"

class QEventLoop;

namespace zx::ai {
class Autopilot;
class FastRandom;
}  // namespace zx::ai

namespace zx::server {

struct TableSetup {
    QString code;
    std::vector<net::SeatChoice> seats;  // names filled in
    net::TableOptions options;
    std::uint64_t seed = 0;
    bool instant = false;
    // The saved-game lines of the last checkpoint; empty for a new game.
    std::string savedGame;
    // Where the runner may put the file it loads a checkpoint from.
    QString scratchDir;
};

// What a table tells the server; each runs in the server's thread.
struct TableCallbacks {
    // A completed action left the game idle: the saved-game lines and the move count.
    std::function<void(const std::string& savedGame, int moves)> checkpoint;
    // A box for one seat (1..4, waits for its answer) or for everybody (0).
    std::function<void(int seat, qint64 id, const QCborMap& box)> box;
    // A seat's view (kind "view", whole) or its change (kind "change"),
    // encoded in the table's thread: the server's thread only sends it.
    std::function<void(int seat, const QByteArray& frame)> view;
    // A seat's operation was refused, and why; `id` is the client's number
    // for it (-1 for none).
    std::function<void(int seat, const QString& why, qint64 id)> refused;
    // A seat's operation numbered `id` is carried out: what it changed at
    // once has been posted before this.
    std::function<void(int seat, qint64 id)> done;
    // The results window opened: the names by finishing place.
    std::function<void(const QStringList& results)> finished;
};

class TableRunner : public QObject, public SilentUi {
    Q_OBJECT
public:
    TableRunner(TableSetup setup, QObject* home, TableCallbacks callbacks);
    ~TableRunner() override;

    // These run in the table's thread (the server queues them there).
    void start();
    void answer(int seat, qint64 box, MsgAnswer a);
    // One of a person's operations from the client of `seat` (1..4).
    void operation(int seat, Op op, qint64 id = -1);
    // The seat's whole view, now (a client joined, came back, or found a gap).
    void sendWholeView(int seat);
    // The client of `seat` left or came back.
    void setAway(int seat, bool away);
    // The game's latest idle state, written now when the game is idle.
    std::string checkpointNow();
    // Stops the timers and lets every box still waiting return.
    void stop();

    // Ui (nobody hears the server: a piece of music never ends, which
    // costs nothing)
    MsgAnswer message(const Message& m) override;
    void playSound(const std::string& file) override;
    void setTimer(TimerId timer, bool enabled) override;
    Date today() override;

    // The seat (1..4, as the table was created) of the player in slot p, 0
    // when nobody: slots renumber as players leave, names never do.
    int SeatOfSlot(int p) const;

private:
    // The operation whose "done" is still to go: right after what it
    // changed at once, or after the box it opened (whose answer may be long).
    int doneSeat_ = 0;
    qint64 doneId_ = -1;
    void postDone();
    struct Wait {
        int seat = 0;
        QEventLoop* loop = nullptr;
        std::optional<MsgAnswer> answer;
        Message message;
    };
    // What the table knows of each remote seat's client.
    struct Remote {
        bool remote = false;
        qint64 version = 0;
        bool animating = false;  // that view had a walk or a count under way
        qint64 awaySince = -1;   // ms on the table's clock; -1 while present
        bool standIn = false;    // a computer plays the seat meanwhile
    };

    int SlotOfSeat(int seat) const;
    void publishViews();
    void checkAway();
    // Whether the player in slot p has something to answer or do now.
    bool Due(int p) const;

    void startNewGame();
    bool resumeGame();
    // After every event the table handles: plays on what instant play
    // finishes at once, reports the end or a checkpoint, and wakes the
    // computer players' hands.
    void afterEvent();
    void computerStep();
    bool Idle() const;
    // Whether the log has news since the last look that people should have
    // time to read before the next movement.
    bool NewsWorthAPause();
    void post(std::function<void()> f);
    // The walk's 40 ms and the money count's 30 ms ticks: only a tick that
    // may do more than move a figure wakes the table; the ones before it run
    // when it comes, or before any other event needs the game as it is by now.
    static bool Sparse(TimerId t) { return t == TimerId::MovePieces || t == TimerId::ChangeMoney; }
    void tick(TimerId t);
    void catchUp();
    void scheduleTicks();
    void trace(const QString& what) const;
    void traceState() const;

    TableSetup setup_;
    QObject* home_;
    TableCallbacks callbacks_;
    std::unique_ptr<ai::FastRandom> chance_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<ai::Autopilot> pilot_;
    std::array<QTimer*, TimerCount> timers_{};
    // A sparse timer's start (ms on clock_) and the ticks run since.
    struct Ticks {
        bool on = false;
        qint64 start = 0;
        qint64 run = 0;
    };
    std::array<Ticks, TimerCount> ticks_{};
    QTimer* hands_ = nullptr;
    std::map<qint64, Wait> waits_;
    qint64 nextBox_ = 0;
    std::string lastSound_;
    std::string lastCheckpoint_;
    bool finished_ = false;
    bool stopped_ = false;
    GameLog::Cursor logRead_;
    std::array<Remote, net::MaxSeats + 1> remotes_{};
    // What each remote seat was last sent.
    net::ViewEncoder views_;
    QTimer* awayCheck_ = nullptr;
    QElapsedTimer clock_;
    qint64 lastTrace_ = 0;
};

}  // namespace zx::server
