#include "windows/controller.h"

#include <QApplication>
#include <QCborArray>
#include <QCborMap>
#include <QDate>
#include <QDateTime>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QFileInfo>
#include <QCryptographicHash>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <random>
#include <vector>

#include "ai/autopilot.h"
#include "lifecycle/savefile.h"
#include "rules/text.h"
#include "client/remote_table.h"
#include "media/sound_system.h"
#include "windows/about_window.h"
#include "windows/board_view.h"
#include "windows/buy_window.h"
#include "windows/file_dialogs.h"
#include "windows/graph_window.h"
#include "windows/help_window.h"
#include "windows/host_window.h"
#include "windows/hosted_server.h"
#include "windows/join_window.h"
#include "windows/key_guard.h"
#include "windows/loan_window.h"
#include "windows/log_window.h"
#include "windows/main_window.h"
#include "windows/new_game_window.h"
#include "windows/player_window.h"
#include "windows/qt_text.h"
#include "windows/results_window.h"
#include "windows/sell_window.h"
#include "windows/wait_window.h"
#include "windows/window_keys.h"

namespace zx {

namespace {

// The pause between two movements of a computer player's hand: people can
// follow what it does, and it keeps well inside the reaction-time limit.
// After a win, a loss, a disaster, a missed turn or a deal with a person the
// next movement waits long enough to read the line that told it.
struct Pacing {
    ComputerSpeed speed;
    const char* name;
    int pace, pause;
};
constexpr std::array<Pacing, 3> Pacings{{
    {ComputerSpeed::Slow, "slow", 1400, 3500},
    {ComputerSpeed::Normal, "normal", 800, 2500},
    {ComputerSpeed::Fast, "fast", 350, 1200},
}};
const QString kSpeedKey = QStringLiteral("computers/speed");

// The ticks of a walk from one cell to the next, as the rules walk.
constexpr int WalkTicksPerCell = 10;
// How long a seat's person may be away before the server's computer plays
// for him, unless the table says otherwise.
constexpr int AwaySeconds = 60;
const QString kNetworkGamesKey = QStringLiteral("network/games");
// The port asked for in the host window, kept for the next game hosted.
const QString kHostPortKey = QStringLiteral("network/hostPort");
// The games hosted here, newest first: "TOKEN PORT" of the host's seat.
const QString kHostedKey = QStringLiteral("network/hosted");
// The kept game last offered at the start.
const QString kOfferedKey = QStringLiteral("network/offered");

// Kept with the program's own data: a hosted game outlives a crash, and its
// seats come back with their tokens when it is hosted again.
QString hostedDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/hosted");
}

std::uint64_t deviceSeed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

// A game's message box as a QMessageBox.
void prepareBox(QMessageBox& box, const Message& m) {
    box.setWindowTitle(toQt(m.title));
    box.setText(toQt(m.text));
    switch (m.icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    QMessageBox::StandardButtons buttons;
    switch (m.buttons) {
        case MsgButtons::Ok: buttons = QMessageBox::Ok; break;
        case MsgButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
        case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
        case MsgButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(buttons);
    auto toStandard = [](MsgAnswer a) {
        switch (a) {
            case MsgAnswer::Ok: return QMessageBox::Ok;
            case MsgAnswer::Cancel: return QMessageBox::Cancel;
            case MsgAnswer::Yes: return QMessageBox::Yes;
            case MsgAnswer::No: return QMessageBox::No;
        }
        return QMessageBox::Ok;
    };
    if (buttons.testFlag(toStandard(m.defaultAnswer))) box.setDefaultButton(toStandard(m.defaultAnswer));
}

// The button pressed, or the escape answer when the box was closed without one.
MsgAnswer boxAnswer(QMessageBox& box, const Message& m) {
    auto* clicked = box.clickedButton();
    QMessageBox::StandardButton pressed = clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
    switch (pressed) {
        case QMessageBox::Ok: return MsgAnswer::Ok;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        default: break;
    }
    // Closed without a button (Esc or the close box): the escape answer.
    switch (m.buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::YesNo: return MsgAnswer::No;
        default: return MsgAnswer::Cancel;
    }
}

}  // namespace

class Controller::ModalLoop {
public:
    ModalLoop(Controller& c, bool forPeople) : c_(c), forPeople_(forPeople) {
        ++c_.modalDepth_;
        if (forPeople_) ++c_.peopleBoxes_;
    }
    ~ModalLoop() {
        --c_.modalDepth_;
        if (forPeople_) --c_.peopleBoxes_;
    }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

private:
    Controller& c_;
    bool forPeople_;
};

Controller::Controller(Random& random, QObject* parent)
    : QObject(parent), game_(*this, random), main_(std::make_unique<MainWindow>()),
      sound_(std::make_unique<SoundSystem>()), pilot_(std::make_unique<ai::Autopilot>(game_, deviceSeed())) {
    computerTimer_ = new QTimer(this);
    computerTimer_->setObjectName(QStringLiteral("tmrComputerPlayers"));
    connect(computerTimer_, &QTimer::timeout, this, [this] {
        // A pause for reading is over: the hands go on at their pace.
        if (computerTimer_->interval() != pace_) computerTimer_->setInterval(pace_);
        // Qt never fires a timer again inside its own timeout, yet a step
        // that opens a modal window (the computer's own sale or loan offer)
        // needs further steps inside it: so the step runs as a posted call.
        if (stepPosted_) return;
        stepPosted_ = true;
        QMetaObject::invokeMethod(this, [this] {
            stepPosted_ = false;
            computerStep();
        }, Qt::QueuedConnection);
    });
    for (int i = 0; i < TimerCount; ++i) {
        auto id = static_cast<TimerId>(i);
        auto* t = new QTimer(this);
        t->setInterval(TimerInterval(id));
        // The walk and the money counting pace what the players watch.
        if (id == TimerId::MovePieces || id == TimerId::ChangeMoney) t->setTimerType(Qt::PreciseTimer);
        connect(t, &QTimer::timeout, this, [this, id] { onTimer(id); });
        timers_[static_cast<std::size_t>(i)] = t;
    }
    connect(sound_.get(), &SoundSystem::soundDone, this, [this](const QString& file) {
        // A sound cut off by a newer one reports its end late, when the newer
        // one may be the dice: only the newest sound's end counts, and the
        // dice sound's end always does, so a cut-off roll still goes on.
        if (file != lastSound_ && file != QLatin1String("Dice.wav")) return;
        // In a network game the roll goes on at the server.
        if (networked()) return;
        whenNotThinking([this] {
            game_.mmcSounds_Done();
            renderAll();
        });
    });
    connect(sound_.get(), &SoundSystem::musicDone, this, [this] {
        whenNotThinking([this] {
            game_.mmcBackgroundMusic_Done();
            renderAll();
        });
    });

    MainWindow* w = main_.get();
    auto forward = [this](auto fn) {
        return [this, fn] {
            fn();
            renderAll();
        };
    };
    connect(w->rollDice(), &QPushButton::clicked, this, [this] { act({.kind = OpKind::RollDice}); });
    connect(w->showGraph(), &QPushButton::clicked, this, forward([this] { game_.cmdShowGraph_Click(); }));
    // A new or loaded game takes the place of a network game on this screen.
    connect(w->mnuGameNew, &QAction::triggered, this, forward([this] {
        if (networked()) leaveNetworkGame();
        game_.mnuGameNew_Click();
        if (newGame_) newGame_->setHosting(false);
    }));
    connect(w->mnuGameHost, &QAction::triggered, this, forward([this] { showHostNewGame(); }));
    connect(w->mnuGameLoad, &QAction::triggered, this, forward([this] {
        if (networked()) leaveNetworkGame();
        game_.mnuGameLoad_Click();
    }));
    connect(w->mnuGameJoin, &QAction::triggered, this, [this] { showJoinWindow(); });
    connect(w->mnuGameResume, &QAction::triggered, this, [this] { resumeLastNetworkGame(); });
    w->mnuGameResume->setVisible(!keptNetworkGames().isEmpty());
    connect(w->mnuGameClose, &QAction::triggered, this, forward([this] {
        if (networked()) leaveNetworkGame();
        else game_.mnuGameClose_Click();
    }));
    connect(w->mnuGameSave, &QAction::triggered, this, forward([this] {
        if (hostsThisGame()) saveHostedGame(false);
        else game_.mnuGameSave_Click();
    }));
    connect(w->mnuGameSaveAs, &QAction::triggered, this, forward([this] {
        if (hostsThisGame()) saveHostedGame(true);
        else game_.mnuGameSaveAs_Click();
    }));
    connect(w->mnuGameExit, &QAction::triggered, this, forward([this] {
        if (networked()) leaveNetworkGame();
        game_.mnuGameExit_Click();
    }));
    connect(w->mnuHelpHelp, &QAction::triggered, this, forward([this] { game_.mnuHelpHelp_Click(); }));
    connect(w->mnuHelpAbout, &QAction::triggered, this, forward([this] { game_.mnuHelpAbout_Click(); }));
    connect(w, &MainWindow::closeRequested, this, forward([this] {
        if (networked()) leaveNetworkGame();
        game_.mnuGameExit_Click();
    }));
    connect(w, &MainWindow::seatsMoved, this, [this] { placePlayerWindows(); });
    connect(w->board(), &BoardView::cellClicked, this, [this](int i) { act({.kind = OpKind::BoardClick, .index = i}); });
    connect(w->board(), &BoardView::cellDoubleClicked, this, [this](int i) {
        if (networked()) return;
        game_.Box_DblClick(i);
        renderAll();
    });
    InstallWindowKeys(*this);
    wireComputers();

    const QString chosen = QSettings().value(kSpeedKey, QStringLiteral("normal")).toString();
    speed_ = ComputerSpeed::Normal;
    for (const Pacing& p : Pacings)
        if (chosen == QLatin1String(p.name)) speed_ = p.speed;
    setComputerSpeed(speed_);
    connect(w->mnuViewSpeedSlow, &QAction::triggered, this, [this] { setComputerSpeed(ComputerSpeed::Slow); });
    connect(w->mnuViewSpeedNormal, &QAction::triggered, this, [this] { setComputerSpeed(ComputerSpeed::Normal); });
    connect(w->mnuViewSpeedFast, &QAction::triggered, this, [this] { setComputerSpeed(ComputerSpeed::Fast); });
}

Controller::~Controller() {
    remote_.reset();
    // The hosted tables are checkpointed before the program ends.
    hosted_.reset();
    for (auto* t : timers_) t->stop();
    computerTimer_->stop();
}

void Controller::setComputerPace(int ms) {
    pace_ = std::max(0, ms);
    pause_ = 3 * pace_;
    computerTimer_->setInterval(pace_);
}

void Controller::setComputerSpeed(ComputerSpeed speed) {
    for (const Pacing& p : Pacings) {
        if (p.speed != speed) continue;
        speed_ = speed;
        setComputerPace(p.pace);
        pause_ = p.pause;
        if (QSettings().value(kSpeedKey).toString() != QLatin1String(p.name))
            QSettings().setValue(kSpeedKey, QString::fromLatin1(p.name));
    }
    MainWindow* w = main_.get();
    QAction* chosen = speed == ComputerSpeed::Slow ? w->mnuViewSpeedSlow
                      : speed == ComputerSpeed::Fast ? w->mnuViewSpeedFast
                                                     : w->mnuViewSpeedNormal;
    chosen->setChecked(true);
}

void Controller::noticeNewEvents() {
    const GameLog& log = game_.Log;
    if (log.Revision() == logRevision_) return;
    logRevision_ = log.Revision();
    const bool worthAPause = log.StandingNewsSince(logRead_);
    if (!worthAPause || !computerTimer_->isActive() || !pilot_->AnyHuman()) return;
    // Restarting the timer puts the next movement a whole pause away.
    computerTimer_->start(std::max(pause_, pace_));
}

void Controller::seedComputers(std::uint64_t seed) {
    if (stepDepth_ >= 0) return;
    pilot_ = std::make_unique<ai::Autopilot>(game_, seed);
    wireComputers();
}

void Controller::wireComputers() {
    // A person reading the log or the graph, working a window or answering
    // a box is busy: the computers make him no offer then.
    pilot_->SetPersonBusy([this](int) {
        if (peopleBoxes_ > 0 || QApplication::activeModalWidget()) return true;
        QWidget* active = QApplication::activeWindow();
        return active && active != main_.get() && !qobject_cast<PlayerWindow*>(active);
    });
    // A hard player thinks for up to a quarter of a second: the windows
    // paint meanwhile; the people's clicks and keys wait for his hand.
    pilot_->SetBreathe([this] {
        ++breathing_;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        --breathing_;
    });
}

void Controller::whenNotThinking(std::function<void()> f) {
    if (breathing_ > 0) {
        heldBack_.push_back(std::move(f));
        return;
    }
    f();
}

void Controller::computerStep() {
    // A box on the screen waits for the people; nobody moves meanwhile.
    if (peopleBoxes_ > 0) return;
    // One hand at a time, except inside a modal window a step has opened:
    // there the next movements are made.
    if (stepDepth_ >= 0 && modalDepth_ <= stepDepth_) return;
    const int outer = stepDepth_;
    stepDepth_ = modalDepth_;
    const bool moved = pilot_->Step();
    stepDepth_ = outer;
    // What the game's clocks and sounds said while a hard player thought.
    for (auto held = std::exchange(heldBack_, {}); auto& f : held) f();
    if (moved) renderAll();
}

void Controller::syncComputers() {
    const GameState& s = game_.S;
    const bool playing = s.GameInProgress && !game_.Results.Loaded && pilot_->AnyComputer() && !networked();
    if (playing && !computerTimer_->isActive()) computerTimer_->start();
    if (!playing && computerTimer_->isActive()) computerTimer_->stop();
    // What the players had in mind belongs to the game that has ended; a
    // step still under way holds on to it until it returns.
    if (!s.GameInProgress && stepDepth_ < 0) pilot_->Forget();
}

bool Controller::peopleMayRoll() const {
    if (networked()) return Check(game_, {.kind = OpKind::RollDice, .seatId = remote_->seatId()}) == OpRefusal::None;
    if (!game_.S.GameInProgress) return true;
    if (pilot_->WeighingFreeMove(game_.S.CurrentPlayer)) return false;
    // A computer's roll is its own hand's; the button's other conditions
    // are the game's, drawn from its model.
    const Op roll{.kind = OpKind::RollDice};
    const OpRefusal r = Check(game_, {.kind = OpKind::RollDice, .seatId = peopleSeat(roll)});
    return r == OpRefusal::None || r == OpRefusal::Disabled;
}

int Controller::peopleSeat(const Op& op) const {
    const GameState& s = game_.S;
    int refused = 0;
    for (int p = 1; p <= s.NumOfPlayers && p <= MaxPlayers; ++p) {
        if (computerSeat(p)) continue;
        Op mine = op;
        mine.seatId = game_.IdOf(p);
        const OpRefusal r = Check(game_, mine);
        if (r == OpRefusal::None) return mine.seatId;
        // A control that is the seat's but cannot be worked now is still his.
        if (r == OpRefusal::Disabled && refused == 0) refused = mine.seatId;
    }
    return refused;
}

bool Controller::act(Op op) {
    if (networked()) {
        op.seatId = remote_->seatId();
        const OpRefusal r = Check(game_, op);
        // Another seat's control: worked on another screen.
        const bool mine = r != OpRefusal::NotSeated && r != OpRefusal::NotYourSeat;
        if (mine) {
            remote_->send(op);
            // What is typed shows at once; the server's view follows.
            if (r == OpRefusal::None && (op.kind == OpKind::SaleBid || op.kind == OpKind::DeskType || op.kind == OpKind::LoanType))
                Apply(game_, op);
        }
        renderAll();
        return mine;
    }
    op.seatId = op.kind == OpKind::RollDice && !peopleMayRoll() ? 0 : peopleSeat(op);
    const bool applied = op.seatId != 0 && Apply(game_, op) == OpRefusal::None;
    renderAll();
    return applied;
}

int Controller::ownerOf(WindowId w, int index) const {
    const GameState& s = game_.S;
    switch (w) {
        case WindowId::Player: return index;
        case WindowId::BuyCompany: return s.CurrentPlayer;
        case WindowId::Wait: return game_.Wait.Debtor >= 1 ? game_.Wait.Debtor : s.CurrentPlayer;
        case WindowId::SellCompanies: return s.SellingPlayer;
        case WindowId::Loan: {
            const int slot = game_.Draft.Slot();
            return slot >= 1 ? s.LoanLender[static_cast<std::size_t>(slot)] : 0;
        }
        default: return 0;
    }
}

bool Controller::computerSeat(int p) const {
    // In a network game every seat but this screen's is worked elsewhere.
    if (networked()) return p != remote_->slot();
    return game_.S.GameInProgress && pilot_->IsComputer(p);
}

bool Controller::computersWindow(WindowId w, int index) const { return computerSeat(ownerOf(w, index)); }

void Controller::start() {
    game_.Form_Load();
    fitToScreen();
    renderAll();
}

void Controller::openAtStart(const QString& file) {
    game_.LoadGame(fromQt(file));
    renderAll();
}

PlayerWindow* Controller::playerWindow(int p) const {
    if (p < 1 || p > MaxPlayers) return nullptr;
    return players_[static_cast<std::size_t>(p)];
}

BuyWindow* Controller::buyWindow() const { return buy_; }
WaitWindow* Controller::waitWindow() const { return wait_; }
SellWindow* Controller::sellWindow() const { return sell_; }
LoanWindow* Controller::loanWindow() const { return loan_; }
NewGameWindow* Controller::newGameWindow() const { return newGame_; }
GraphWindow* Controller::graphWindow() const { return graph_; }
ResultsWindow* Controller::resultsWindow() const { return results_; }
AboutWindow* Controller::aboutWindow() const { return about_; }
HelpWindow* Controller::helpWindow() const { return help_; }
LogWindow* Controller::logWindow() const { return log_; }

void Controller::showLog() {
    if (!log_) {
        log_ = new LogWindow(*this, main_.get());
        if (networked()) enableChat();
    }
    log_->render();
    log_->show();
    log_->raise();
    log_->activateWindow();
    log_->list()->setFocus(Qt::OtherFocusReason);
}

void Controller::onTimer(TimerId t) {
    if (breathing_ > 0) {
        // One tick of each clock waits for the thinker's hand (the clocks
        // run on afterwards as before).
        const unsigned bit = 1u << static_cast<unsigned>(t);
        if (!(heldTicks_ & bit)) {
            heldTicks_ |= bit;
            heldBack_.push_back([this, t, bit] {
                heldTicks_ &= ~bit;
                onTimer(t);
            });
        }
        return;
    }
    if (networked()) {
        // The rules run at the server: here a walk and a money count are
        // played out between its changes, short of the last step, whose
        // consequences the server sends; the music's pauses are this
        // screen's own; every other clock is the server's.
        const GameState& s = game_.S;
        const int cp = s.CurrentPlayer;
        const bool walker = s.GameInProgress && cp >= 1 && cp <= s.NumOfPlayers &&
                            (game_.MovingPlayerId == 0 || game_.MovingPlayerId == game_.IdOf(cp));
        if (t == TimerId::MovePieces && walker && !(s.MoveTick >= WalkTicksPerCell && s.CellsMoved >= s.Dice)) game_.tmrMovePieces_Timer();
        else if (t == TimerId::ChangeMoney && s.GameInProgress && s.MoneyChanging) game_.tmrChangeMoney_Timer();
        else if (t == TimerId::MusicDelay) game_.tmrMusicDelay_Timer();
        else timers_[static_cast<std::size_t>(t)]->stop();
        renderAll();
        return;
    }
    switch (t) {
        case TimerId::MovePieces: game_.tmrMovePieces_Timer(); break;
        case TimerId::ChangeMoney: game_.tmrChangeMoney_Timer(); break;
        case TimerId::GameTime: game_.tmrGameTime_Timer(); break;
        case TimerId::AutoSave: game_.tmrAutoSave_Timer(); break;
        case TimerId::LimitReactionTime: game_.tmrLimitReactionTime_Timer(); break;
        case TimerId::MusicDelay: game_.tmrMusicDelay_Timer(); break;
        case TimerId::DestroyDelay: game_.tmrDestroyDelay_Timer(); break;
    }
    renderAll();
}

void Controller::renderAll() {
    if (rendering_) return;
    rendering_ = true;
    main_->setComputersPlaying(game_.S.GameInProgress && pilot_->AnyComputer());
    main_->render(game_, peopleMayRoll());
    if (networked()) {
        // The game is kept at the server: only its host, whose server it
        // is, saves it here.
        const bool save = hostsThisGame() && game_.S.GameInProgress;
        main_->mnuGameSave->setEnabled(save);
        main_->mnuGameSaveAs->setEnabled(save);
        main_->mnuGameClose->setEnabled(true);
    }
    for (auto& w : players_)
        if (w) w->render();
    placePlayerWindows();
    for (FormWindow* w : std::initializer_list<FormWindow*>{buy_, wait_, sell_, loan_, newGame_, graph_, results_, log_})
        if (w) w->render();
    rendering_ = false;
    syncComputers();
    noticeNewEvents();
}

void Controller::placePlayerWindows() {
    // A personal window's place is kept in twips as the game laid it out for
    // a 1024 by 768 screen: left or right of the board, upper or lower. Each
    // such place is one of the main window's four seats, whatever the screen.
    QSize least;
    for (auto& w : players_)
        if (w) {
            // With the frame a window manager adds (none until it is shown).
            const QSize frame = w->frameGeometry().size() - w->geometry().size();
            least = least.expandedTo(w->minimumSizeHint().expandedTo(w->minimumSize()) + frame);
        }
    // Seats smaller than the windows would let a window spill over its
    // neighbour or the board.
    if (least.isValid()) main_->setSeatMinimum(least);
    const QScreen* screen = main_->screen();
    const QRect avail = screen ? screen->availableGeometry() : QRect();
    for (int p = 1; p <= MaxPlayers; ++p) {
        PlayerWindow* w = players_[static_cast<std::size_t>(p)];
        PlayerForm* model = game_.PlayerWindowIfLoaded(p);
        if (!w || !model) continue;
        bool right = model->Left >= 6000;
        bool lower = model->Top >= 3500;
        int seat = (right ? 3 : 1) + (lower ? 1 : 0);
        QRect r = main_->seatRect(seat);
        // Keep the window's frame inside the seat when a window manager adds one.
        QMargins frame(w->geometry().left() - w->frameGeometry().left(), w->geometry().top() - w->frameGeometry().top(),
                       w->frameGeometry().right() - w->geometry().right(),
                       w->frameGeometry().bottom() - w->geometry().bottom());
        if (w->isVisible()) r = r.marginsRemoved(frame);
        // A main window pushed partly off the screen leaves its personal
        // windows on it, buttons and all.
        if (avail.isValid()) {
            const QRect outer = r.marginsAdded(frame);
            r.translate(std::min(0, avail.right() - outer.right()), std::min(0, avail.bottom() - outer.bottom()));
            r.translate(std::max(0, avail.left() - outer.left()), std::max(0, avail.top() - outer.top()));
        }
        if (w->geometry() != r) w->setGeometry(r);
    }
}

bool Controller::placeComputersWindow(QWidget* window) {
    const QScreen* screen = main_->screen();
    if (!screen) return false;
    const QRect avail = screen->availableGeometry();
    const QSize size = window->sizeHint().expandedTo(window->minimumSizeHint());
    std::vector<QRect> covered{main_->boardArea(), QRect(main_->rollDice()->mapToGlobal(QPoint(0, 0)), main_->rollDice()->size())};
    for (int p = 1; p <= MaxPlayers; ++p)
        if (PlayerWindow* w = playerWindow(p); w && w->isVisible() && !computerSeat(p)) covered.push_back(w->frameGeometry());
    // The computers' own seats first (their windows may be covered), then
    // the screen beside the main window. Never over the prompt lines or the
    // recent events: they are what the person reads meanwhile.
    std::vector<QRect> areas;
    for (int seat = 1; seat <= MaxPlayers; ++seat) areas.push_back(main_->seatRect(seat));
    const QRect outer = main_->frameGeometry();
    areas.emplace_back(QPoint(avail.left(), avail.top()), QPoint(outer.left() - 1, avail.bottom()));
    areas.emplace_back(QPoint(outer.right() + 1, avail.top()), QPoint(avail.right(), avail.bottom()));
    const QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                         window->geometry().top() - window->frameGeometry().top(),
                         window->frameGeometry().right() - window->geometry().right(),
                         window->frameGeometry().bottom() - window->geometry().bottom());
    for (const QRect& area : areas) {
        // Each corner of the area in turn; the window must lie inside it.
        for (int corner : {2, 3, 0, 1}) {
            QRect r(QPoint(0, 0), size);
            r = r.marginsAdded(frame);
            if (corner & 1) r.moveRight(area.right()); else r.moveLeft(area.left());
            if (corner & 2) r.moveBottom(area.bottom()); else r.moveTop(area.top());
            if (!area.contains(r) || !avail.contains(r)) continue;
            if (std::any_of(covered.begin(), covered.end(), [&r](const QRect& c) { return c.intersects(r); })) continue;
            window->setGeometry(r.marginsRemoved(frame));
            return true;
        }
    }
    return false;
}

void Controller::fitToScreen() {
    // The game cannot switch the display mode, so its windows fit the screen
    // instead: on a small screen the main window takes all of it (the seats
    // for the personal windows are inside it); on a large one it grows to a
    // comfortable size in the middle.
    QScreen* screen = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect avail = screen->availableGeometry();
    if (avail.width() <= 1400 || avail.height() <= 950) {
        main_->setGeometry(avail);
        main_->showMaximized();
        main_->setGeometry(avail);
        return;
    }
    int height = std::min(avail.height() * 9 / 10, 1300);
    int width = std::min(avail.width() * 9 / 10, height * 4 / 3 + 120);
    QRect r(0, 0, width, height);
    r.moveCenter(avail.center());
    main_->setGeometry(r);
    main_->show();
}

// ---- Ui ----

MsgAnswer Controller::message(const Message& m) {
    renderAll();
    // A box that speaks to a computer player is answered by it and never
    // shown. It comes before the tests' hooks, which stand for the people at
    // the screen: they never see such a box either.
    if (auto a = pilot_->Answer(m)) {
        if (hooks_) hooks_->answeredByComputer(m, *a);
        return *a;
    }
    if (hooks_) {
        if (auto a = hooks_->message(m)) return *a;
    }
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : main_.get();
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    prepareBox(box, m);
    // Nobody types an answer to a box before it is there.
    KeyGuard::arm(&box);
    {
        ModalLoop loop(*this, true);
        box.exec();
    }
    return boxAnswer(box, m);
}

void Controller::playSound(const std::string& file) {
    lastSound_ = QString::fromStdString(file);
    sound_->play(lastSound_);
}
void Controller::stopSounds() { sound_->stop(); }
void Controller::playMusic(const std::string& file) { sound_->playMusic(QString::fromStdString(file)); }
void Controller::stopMusic() { sound_->stopMusic(); }

void Controller::setTimer(TimerId timer, bool enabled) {
    QTimer* t = timers_[static_cast<std::size_t>(timer)];
    if (enabled && !t->isActive()) t->start();
    if (!enabled) t->stop();
}

QWidget* Controller::windowOf(WindowId w, int index) const {
    switch (w) {
        case WindowId::Main: return main_.get();
        case WindowId::Player: return playerWindow(index);
        case WindowId::BuyCompany: return buy_;
        case WindowId::Wait: return wait_;
        case WindowId::SellCompanies: return sell_;
        case WindowId::Loan: return loan_;
        case WindowId::NewGame: return newGame_;
        case WindowId::Graph: return graph_;
        case WindowId::Results: return results_;
        case WindowId::About: return about_;
    }
    return nullptr;
}

void Controller::showWindow(WindowId w, int index, bool modal) {
    FormWindow* window = nullptr;
    QWidget* parent = main_.get();
    switch (w) {
        case WindowId::Main: main_->show(); return;
        case WindowId::Player: {
            auto& slot = players_.at(static_cast<std::size_t>(index));
            if (!slot) slot = new PlayerWindow(*this, index, parent);
            window = slot;
            break;
        }
        case WindowId::BuyCompany:
            if (!buy_) buy_ = new BuyWindow(*this, parent);
            window = buy_;
            break;
        case WindowId::Wait:
            if (!wait_) wait_ = new WaitWindow(*this, parent);
            window = wait_;
            break;
        case WindowId::SellCompanies:
            if (!sell_) sell_ = new SellWindow(*this, parent);
            window = sell_;
            break;
        case WindowId::Loan:
            if (!loan_) loan_ = new LoanWindow(*this, parent);
            window = loan_;
            break;
        case WindowId::NewGame:
            if (!newGame_) newGame_ = new NewGameWindow(*this, parent);
            window = newGame_;
            break;
        case WindowId::Graph:
            if (graph_) {
                graph_->raise();
                graph_->activateWindow();
                return;
            }
            graph_ = new GraphWindow(*this, parent);
            window = graph_;
            break;
        case WindowId::Results:
            if (!results_) results_ = new ResultsWindow(*this, parent);
            window = results_;
            break;
        case WindowId::About:
            if (!about_) about_ = new AboutWindow(*this, parent);
            window = about_;
            break;
    }
    if (!window) return;
    window->render();
    if (w == WindowId::Player) placePlayerWindows();
    // A window a computer's hand opens comes while the people may be typing
    // in another one; a window they open themselves takes their type-ahead.
    if (computerActing()) KeyGuard::arm(window);
    if (modal) {
        QPointer<FormWindow> guard(window);
        window->setWindowModality(Qt::ApplicationModal);
        // The rule that opens a modal dialog has usually just changed the
        // game (the last player's place, a loan slot taken): the windows
        // behind it must show that while it is open, not after.
        renderAll();
        // A computer's own offer is typed where the people can watch it
        // without losing sight of the board or their windows; with no such
        // place it is typed unseen (the borrower's question still shows).
        const bool unseen = w == WindowId::Loan && computersWindow(w, index) && !placeComputersWindow(window);
        {
            // The About box is for the people alone; in the game's own
            // dialogs the computer players go on acting.
            ModalLoop loop(*this, w == WindowId::About);
            if (unseen) {
                QEventLoop typing;
                connect(window, &QDialog::finished, &typing, &QEventLoop::quit);
                connect(window, &QObject::destroyed, &typing, &QEventLoop::quit);
                // As with a modal window on the screen, the people's clicks
                // wait until the computer has done.
                typing.exec(QEventLoop::ExcludeUserInputEvents);
            } else {
                window->exec();
            }
        }
        if (guard && guard->isVisible()) guard->hide();
        renderAll();
    } else {
        // A window a computer player works shows what its hand does
        // without taking the keyboard from the people.
        window->setAttribute(Qt::WA_ShowWithoutActivating, computerActing() || computersWindow(w, index));
        window->show();
        window->raise();
    }
}

void Controller::closeWindow(WindowId w, int index) {
    QWidget* window = windowOf(w, index);
    if (!window || w == WindowId::Main) return;
    // (A modal window a computer works unseen ends the same way.)
    if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isModal())
        dialog->done(QDialog::Accepted);
    window->hide();
    // The window may be closing from inside one of its own handlers.
    window->deleteLater();
    switch (w) {
        case WindowId::Player: players_.at(static_cast<std::size_t>(index)) = nullptr; break;
        case WindowId::BuyCompany: buy_ = nullptr; break;
        case WindowId::Wait: wait_ = nullptr; break;
        case WindowId::SellCompanies: sell_ = nullptr; break;
        case WindowId::Loan: loan_ = nullptr; break;
        case WindowId::NewGame: newGame_ = nullptr; break;
        case WindowId::Graph: graph_ = nullptr; break;
        case WindowId::Results: results_ = nullptr; break;
        case WindowId::About: about_ = nullptr; break;
        case WindowId::Main: break;
    }
}

void Controller::raiseWindow(WindowId w, int index) {
    if (QWidget* window = windowOf(w, index)) {
        window->show();
        window->raise();
        if (!computerActing() && !computersWindow(w, index)) window->activateWindow();
    }
}

bool Controller::computersControl(FocusId f, int index) const {
    switch (f) {
        case FocusId::DeskAmount:
        case FocusId::DeskFirstInsurance: return computersWindow(WindowId::Player, index);
        case FocusId::BuyFirstOption: return computersWindow(WindowId::BuyCompany, 0);
        case FocusId::SaleCompany:
        case FocusId::SaleBankOption: return computersWindow(WindowId::SellCompanies, 0);
        case FocusId::SaleBid: {
            const auto& ids = game_.SellForm.optPlayerId;
            if (index < 0 || index >= static_cast<int>(ids.size())) return false;
            return computersWindow(WindowId::Player, game_.SlotOf(ids[static_cast<std::size_t>(index)]));
        }
        case FocusId::LoanAmount: return computersWindow(WindowId::Loan, 0);
        case FocusId::MainWindow:
        case FocusId::RollDice:
        case FocusId::NewGameName: return false;
    }
    return false;
}

void Controller::focus(FocusId f, int index) {
    renderAll();
    // The keyboard stays with the people: a computer player's hand works
    // its controls without it.
    if (computerActing() || computersControl(f, index)) return;
    switch (f) {
        case FocusId::MainWindow:
            main_->activateWindow();
            main_->setFocus();
            return;
        case FocusId::RollDice:
            main_->activateWindow();
            main_->rollDice()->setFocus();
            return;
        case FocusId::DeskAmount:
        case FocusId::DeskFirstInsurance:
            if (auto* w = playerWindow(index)) w->focusControl(f, index);
            return;
        case FocusId::BuyFirstOption:
            if (buy_) buy_->focusControl(f, index);
            return;
        case FocusId::SaleCompany:
        case FocusId::SaleBid:
        case FocusId::SaleBankOption:
            if (sell_) sell_->focusControl(f, index);
            return;
        case FocusId::LoanAmount:
            if (loan_) loan_->focusControl(f, index);
            return;
        case FocusId::NewGameName:
            if (newGame_) newGame_->focusControl(f, index);
            return;
    }
}

void Controller::refresh() { renderAll(); }

std::optional<std::string> Controller::saveFileDialog(const std::string& title, const std::string& initialPath) {
    if (hooks_) {
        if (auto r = hooks_->saveFile(title, initialPath)) {
            if (r->empty()) return std::nullopt;
            return r;
        }
    }
    QFileDialog dialog(QApplication::activeWindow() ? QApplication::activeWindow() : main_.get(), toQt(title));
    prepareSaveDialog(dialog, toQt(initialPath));
    ModalLoop loop(*this, true);
    if (auto file = runFileDialog(dialog)) return fromQt(*file);
    return std::nullopt;
}

std::optional<std::string> Controller::openFileDialog(const std::string& title) {
    if (hooks_) {
        if (auto r = hooks_->openFile(title)) {
            if (r->empty()) return std::nullopt;
            return r;
        }
    }
    QFileDialog dialog(QApplication::activeWindow() ? QApplication::activeWindow() : main_.get(), toQt(title));
    prepareOpenDialog(dialog);
    ModalLoop loop(*this, true);
    if (auto file = runFileDialog(dialog)) return fromQt(*file);
    return std::nullopt;
}

void Controller::showHelp(const std::string& topic) {
    if (!help_) help_ = new HelpWindow(*this, main_.get());
    help_->showTopic(toQt(topic));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void Controller::quit() {
    for (auto* t : timers_) t->stop();
    computerTimer_->stop();
    QApplication::exit(0);
}

Date Controller::today() {
    QDate d = QDate::currentDate();
    return Date{d.day(), d.month(), d.year()};
}

// ---- a network game ----

bool Controller::joinNetworkGame(const QUrl& server, const QString& table, const QString& name) {
    if (networked()) leaveNetworkGame();
    if (game_.S.GameInProgress) game_.mnuGameClose_Click();
    if (game_.S.GameInProgress) return false;
    remote_ = std::make_unique<client::RemoteTable>(game_);
    client::RemoteTable* r = remote_.get();
    connect(r, &client::RemoteTable::seatTaken, this, [this](const QString& code, int, const QString& token) {
        // Kept so that the game can be taken up again after a crash.
        QSettings settings;
        QStringList games = settings.value(kNetworkGamesKey).toStringList();
        const QString entry = remote_->server().toString() + QLatin1Char(' ') + code + QLatin1Char(' ') + token;
        games.removeAll(entry);
        games.prepend(entry);
        settings.setValue(kNetworkGamesKey, games.mid(0, 8));
        main_->mnuGameResume->setVisible(true);
        updateNetworkStatus();
        emit networkGameJoined();
    });
    connect(r, &client::RemoteTable::viewChanged, this, [this] { networkViewChanged(); });
    connect(r, &client::RemoteTable::boxArrived, this, [this](const client::Box& b) { showServerBox(b); });
    connect(r, &client::RemoteTable::statusChanged, this, [this] {
        if (host_ && remote_) host_->setStatus(remote_->status());
        updateNetworkStatus();
    });
    connect(r, &client::RemoteTable::chatReceived, this, [this](int, const QString& who, const QString& text) {
        // Kept in the log even while it is closed; nothing pops up, so a
        // line never stands in anybody's way.
        if (!log_) {
            log_ = new LogWindow(*this, main_.get());
            enableChat();
        }
        log_->addChatLine(who, text);
    });
    connect(r, &client::RemoteTable::connectionChanged, this, [this] { updateNetworkStatus(); });
    connect(r, &client::RemoteTable::failed, this, [this, server, table](client::Failure why, const QString& text) {
        const bool hadSeat = remote_ && !remote_->table().isEmpty() && why == client::Failure::BadToken;
        if (why == client::Failure::BadToken && remote_) forgetNetworkGame(remote_->token());
        const QString message = JoinWindow::failureText(why, text, server, table);
        // Left on the next turn of the event loop: this is its own signal.
        QMetaObject::invokeMethod(this, [this, hadSeat] {
            if (hadSeat) leaveNetworkGame();
            else {
                remote_.reset();
                updateNetworkStatus();
            }
        }, Qt::QueuedConnection);
        networkMessage(message);
        emit networkGameFailed();
    });
    if (!networkStatusTimer_) {
        networkStatusTimer_ = new QTimer(this);
        networkStatusTimer_->setInterval(1000);
        connect(networkStatusTimer_, &QTimer::timeout, this, [this] { updateNetworkStatus(); });
    }
    networkStatusTimer_->start();
    if (log_) enableChat();
    seatLostAt_.clear();
    heardSound_.clear();
    heardMusic_ = game_.S.MusicNumber;
    heardMoney_ = false;
    if (!name.isEmpty() || !table.isEmpty()) r->join(server, table, name);
    updateNetworkStatus();
    return true;
}

bool Controller::resumeNetworkGame(const QUrl& server, const QString& token) {
    if (!joinNetworkGame(server, {}, {})) return false;
    remote_->resume(server, token);
    updateNetworkStatus();
    return true;
}

void Controller::leaveNetworkGame() {
    if (!remote_) return;
    remote_->leave();
    // Deleted later: this may run inside one of its signals.
    remote_.release()->deleteLater();
    // The mirror's windows and board are closed as a game at one screen closes.
    game_.BuyForm.Unload();
    game_.SellForm.Unload();
    game_.LoanDialog.Unload();
    game_.Wait.Unload();
    if (game_.Results.Loaded) {
        game_.Results.Loaded = false;
        closeWindow(WindowId::Results, 0);
    }
    game_.CloseGame();
    stopSounds();
    // The chat was this table's: a game at this screen has a log without it.
    if (log_) {
        log_->close();
        log_->deleteLater();
        log_ = nullptr;
    }
    if (networkStatusTimer_) networkStatusTimer_->stop();
    updateNetworkStatus();
    renderAll();
}

QStringList Controller::keptNetworkGames() { return QSettings().value(kNetworkGamesKey).toStringList(); }

void Controller::forgetNetworkGame(const QString& token) {
    QStringList games = keptNetworkGames();
    const auto kept = std::remove_if(games.begin(), games.end(), [&token](const QString& g) { return g.endsWith(QLatin1Char(' ') + token); });
    if (token.isEmpty() || kept == games.end()) return;
    games.erase(kept, games.end());
    QSettings().setValue(kNetworkGamesKey, games);
    main_->mnuGameResume->setVisible(!games.isEmpty());
}

bool Controller::resumeLastNetworkGame() {
    const QStringList games = keptNetworkGames();
    if (games.isEmpty()) return false;
    const QStringList parts = games.first().split(QLatin1Char(' '));
    if (parts.size() != 3) {
        forgetNetworkGame(games.first().section(QLatin1Char(' '), -1));
        return false;
    }
    // A game this screen hosted needs its server back first, on its port.
    for (const QString& h : QSettings().value(kHostedKey).toStringList()) {
        if (h.section(QLatin1Char(' '), 0, 0) != parts[2]) continue;
        const QString code = parts[1];
        if (!runHostedServer(static_cast<quint16>(h.section(QLatin1Char(' '), 1, 1).toUInt()))) return false;
        if (!resumeNetworkGame(hosted_->localUrl(), parts[2])) return false;
        showHostWindow();
        host_->setListening(hosted_->port(), code);
        return true;
    }
    return resumeNetworkGame(QUrl(parts[0]), parts[2]);
}

void Controller::offerResumeAtStart() {
    // Asked once for each game: a "No" leaves it to Game > Resume Network Game.
    const QStringList games = keptNetworkGames();
    if (games.isEmpty() || QSettings().value(kOfferedKey).toString() == games.first()) return;
    QSettings().setValue(kOfferedKey, games.first());
    Message m;
    m.title = fromQt(JoinWindow::tr("Network game"));
    m.text = fromQt(tr("A network game you played in may not be finished. Resume network game?"));
    m.icon = MsgIcon::Question;
    m.buttons = MsgButtons::YesNo;
    m.defaultAnswer = MsgAnswer::Yes;
    const MsgAnswer answer = message(m);
    if (answer == MsgAnswer::Yes) resumeLastNetworkGame();
}

JoinWindow* Controller::joinWindow() const { return join_; }

void Controller::enableChat() {
    log_->enableChat([this](const QString& text) {
        if (remote_) remote_->chat(text);
    });
}
HostWindow* Controller::hostWindow() const { return host_; }
quint16 Controller::hostedPort() const { return hosted_ ? hosted_->port() : 0; }

void Controller::showHostNewGame() {
    if (networked()) leaveNetworkGame();
    game_.mnuGameNew_Click();
    if (newGame_) newGame_->setHosting(true);
}

bool Controller::runHostedServer(quint16 port) {
    if (hosted_ && hosted_->running() && (port == 0 || port == hosted_->port())) return true;
    if (!hosted_) hosted_ = std::make_unique<HostedServer>();
    QString error;
    if (hosted_->start(port, hostedDataDir(), &error)) return true;
    networkMessage(HostWindow::tr("The network game could not be hosted: %1").arg(error));
    return false;
}

void Controller::startHosting() {
    NewGameForm& f = game_.NewGame;
    if (!newGame_ || !f.CheckNames()) return renderAll();
    const int n = game_.S.NumOfPlayers;
    std::vector<net::SeatChoice> seats;
    int hostSeat = 0;
    bool forTheNetwork = false;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        net::SeatChoice c;
        c.name = toQt(f.txtPlayerName[k]);
        c.male = f.cmbPlayerSex[k] == 1;
        switch (f.cmbPlayerType[k]) {
            case Easy: c.type = net::SeatType::Easy; break;
            case Normal: c.type = net::SeatType::Normal; break;
            case Hard: c.type = net::SeatType::Hard; break;
            default:
                c.type = net::SeatType::Remote;
                // One person plays at the host's screen; a second Person
                // row is a seat for somebody at another one.
                if (!newGame_->isNetworkSeat(i) && hostSeat == 0) hostSeat = i;
                else forTheNetwork = true;
        }
        seats.push_back(c);
    }
    // Nobody to wait for: a game at this screen, exactly as Game > New.
    if (!forTheNetwork) {
        f.cmdStart_Click();
        return renderAll();
    }
    // With no Person row the host plays the first network seat.
    if (hostSeat == 0)
        for (int i = 1; i <= n && hostSeat == 0; ++i)
            if (seats[static_cast<std::size_t>(i - 1)].type == net::SeatType::Remote) hostSeat = i;
    net::TableOptions options;
    options.autoSave = f.chkAutoSave;
    options.sounds = f.chkSounds;
    options.limitReactionTime = f.chkLimitReactionTime;
    options.backgroundMusic = f.chkBackgroundMusic;
    options.companySet = f.optCompanySetValue[2] ? 2 : 1;
    const QString hostName = seats[static_cast<std::size_t>(hostSeat - 1)].name;
    const quint16 port = static_cast<quint16>(QSettings().value(kHostPortKey, 0).toInt());
    if (!runHostedServer(port)) return renderAll();
    f.Unload();
    const QUrl url = hosted_->localUrl();
    if (!joinNetworkGame(url, {}, {})) return renderAll();
    connect(remote_.get(), &client::RemoteTable::tableCreated, this, [this](const QString& code) {
        showHostWindow();
        host_->setListening(hosted_->port(), code);
    });
    rememberHostedSeat();
    remote_->createAndJoin(url, seats, options, hostName);
    QSettings().setValue(QStringLiteral("network/name"), hostName);
    renderAll();
}

void Controller::rememberHostedSeat() {
    // The host's seat is taken up again with its server on the same port.
    connect(remote_.get(), &client::RemoteTable::seatTaken, this, [this](const QString&, int, const QString& token) {
        QSettings settings;
        QStringList hosted = settings.value(kHostedKey).toStringList().mid(0, 7);
        hosted.prepend(token + QLatin1Char(' ') + QString::number(hosted_ ? hosted_->port() : 0));
        hosted.removeDuplicates();
        settings.setValue(kHostedKey, hosted);
    });
}

namespace {

const QString kHostedSavesKey = QStringLiteral("network/hostedSaves");

// A saved file is matched by its bytes: one changed since is not offered.
QString fileStamp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
}

}  // namespace

void Controller::rememberHostedSave() {
    std::vector<net::SeatChoice> seats;
    net::TableOptions options;
    if (!hosted_->seats(remote_->table(), &seats, &options)) return;
    const QString path = QFileInfo(toQt(hostedFile_)).absoluteFilePath();
    QVariantList rows;
    const QString hostName = toQt(game_.Name(remote_->slot()));
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const bool host = seats[i].type == net::SeatType::Remote && seats[i].name == hostName;
        rows.append(QVariantMap{{QStringLiteral("name"), seats[i].name},
                                {QStringLiteral("male"), seats[i].male},
                                {QStringLiteral("type"), host ? QStringLiteral("person") : net::SeatTypeName(seats[i].type)}});
    }
    QVariantMap record{{QStringLiteral("stamp"), fileStamp(path)},
                       {QStringLiteral("seats"), rows},
                       {QStringLiteral("autoSave"), options.autoSave},
                       {QStringLiteral("sounds"), options.sounds},
                       {QStringLiteral("limitReactionTime"), options.limitReactionTime},
                       {QStringLiteral("backgroundMusic"), options.backgroundMusic},
                       {QStringLiteral("companySet"), options.companySet},
                       {QStringLiteral("awaySeconds"), options.awaySeconds}};
    QSettings settings;
    QVariantMap saves = settings.value(kHostedSavesKey).toMap();
    saves.insert(path, record);
    settings.setValue(kHostedSavesKey, saves);
}

bool Controller::takeSavedGame(const std::string& file) {
    const QString path = QFileInfo(toQt(file)).absoluteFilePath();
    const QVariantMap record = QSettings().value(kHostedSavesKey).toMap().value(path).toMap();
    if (record.isEmpty() || record.value(QStringLiteral("stamp")).toString() != fileStamp(path)) return false;
    std::vector<net::SeatChoice> seats;
    QString hostName;
    for (const QVariant& v : record.value(QStringLiteral("seats")).toList()) {
        const QVariantMap row = v.toMap();
        net::SeatChoice c;
        c.name = row.value(QStringLiteral("name")).toString();
        c.male = row.value(QStringLiteral("male")).toBool();
        const QString type = row.value(QStringLiteral("type")).toString();
        if (type == QLatin1String("person")) hostName = c.name;
        else if (auto t = net::SeatTypeFromName(type)) c.type = *t;
        seats.push_back(c);
    }
    if (hostName.isEmpty()) return false;
    Message m;
    m.title = fromQt(JoinWindow::tr("Network game"));
    m.id = "Host again";
    m.text = fromQt(tr("This game was played over a network. Host it again for the same players?"));
    m.icon = MsgIcon::Question;
    m.buttons = MsgButtons::YesNo;
    m.defaultAnswer = MsgAnswer::Yes;
    const MsgAnswer answer = message(m);
    if (answer != MsgAnswer::Yes) return false;
    const std::optional<std::string> lines = ReadWholeFile(file);
    if (!lines) return false;
    net::TableOptions options;
    options.autoSave = record.value(QStringLiteral("autoSave"), options.autoSave).toBool();
    options.sounds = record.value(QStringLiteral("sounds"), options.sounds).toBool();
    options.limitReactionTime = record.value(QStringLiteral("limitReactionTime"), options.limitReactionTime).toBool();
    options.backgroundMusic = record.value(QStringLiteral("backgroundMusic"), options.backgroundMusic).toBool();
    options.companySet = record.value(QStringLiteral("companySet"), options.companySet).toInt();
    options.awaySeconds = record.value(QStringLiteral("awaySeconds"), options.awaySeconds).toInt();
    const quint16 port = static_cast<quint16>(QSettings().value(kHostPortKey, 0).toInt());
    // Refused here, it is still the file a game at one screen loads.
    if (!runHostedServer(port)) return false;
    const QString code = hosted_->openTable(*lines, seats, options);
    if (code.isEmpty()) return false;
    if (!joinNetworkGame(hosted_->localUrl(), code, hostName)) return true;
    rememberHostedSeat();
    hostedFile_ = file;
    QSettings().setValue(QStringLiteral("network/name"), hostName);
    showHostWindow();
    host_->setListening(hosted_->port(), code);
    return true;
}

bool Controller::hostsThisGame() const {
    return networked() && hosted_ && hosted_->running() && remote_->server() == hosted_->localUrl();
}

void Controller::saveHostedGame(bool saveAs) {
    // The same file a game at one screen saves, from the server's own game.
    const std::string lines = hosted_->savedGame(remote_->table());
    if (lines.empty()) return;
    if (hostedFile_.empty() || saveAs) {
        auto chosen = saveFileDialog(Say(ZX_TEXT("Title", "Save Game")), hostedFile_);
        if (!chosen || chosen->empty()) return;
        std::string path = *chosen;
        if (QFileInfo(toQt(path)).suffix().isEmpty()) path += ".znx";
        hostedFile_ = path;
    }
    if (!WriteFileAtomically(hostedFile_, lines)) {
        game_.MsgBox(Say(ZX_TEXT("Message", "The game could not be saved to %1!"), {hostedFile_}), "Save failed", MsgIcon::Critical);
        hostedFile_.clear();
        return;
    }
    rememberHostedSave();
    game_.MsgBox(Say(ZX_TEXT("Message", "The game was saved.")), "Game saved", MsgIcon::Information);
}

void Controller::showHostWindow() {
    if (!host_) {
        host_ = new HostWindow(*this, main_.get());
        connect(host_, &HostWindow::portChosen, this, [this](int port) { moveHostedServer(port); });
    }
    host_->setChosenPort(QSettings().value(kHostPortKey, 0).toInt());
    host_->show();
    host_->raise();
    host_->activateWindow();
}

void Controller::moveHostedServer(int port) {
    QSettings().setValue(kHostPortKey, port);
    if (!hosted_ || !hosted_->running() || !remote_ || port == hosted_->port()) return;
    if (port == 0) return;  // any port will do: the one listened on is one
    const QString token = remote_->token(), code = remote_->table();
    if (token.isEmpty()) return;
    const quint16 old = hosted_->port();
    QString error;
    if (!hosted_->start(static_cast<quint16>(port), hostedDataDir(), &error)) {
        networkMessage(HostWindow::tr("The network game could not be hosted: %1").arg(error));
        if (!hosted_->start(old, hostedDataDir(), &error)) return leaveNetworkGame();
    }
    if (host_) {
        host_->setChosenPort(hosted_->port());
        host_->setListening(hosted_->port(), code);
    }
    // The seat is taken back at the new address; the old one is no more.
    forgetNetworkGame(token);
    resumeNetworkGame(hosted_->localUrl(), token);
}

void Controller::openLinkAtStart(const QString& link) {
    const auto parsed = client::ParseLink(link);
    if (!parsed) return networkMessage(JoinWindow::badLinkText(link));
    if (parsed->table.isEmpty()) return showJoinWindow(link);
    joinNetworkGame(parsed->server, parsed->table, QSettings().value(QStringLiteral("network/name")).toString());
}

void Controller::showJoinWindow(const QString& link) {
    if (!join_) join_ = new JoinWindow(*this, main_.get());
    if (!link.isEmpty()) join_->setLink(link);
    join_->show();
    join_->raise();
    join_->activateWindow();
}

void Controller::networkMessage(const QString& text) {
    Message m;
    m.text = fromQt(text);
    m.title = fromQt(JoinWindow::tr("Network game"));
    m.icon = MsgIcon::Exclamation;
    if (hooks_ && hooks_->message(m)) return;
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : main_.get();
    QMessageBox box(QMessageBox::Warning, toQt(m.title), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    ModalLoop loop(*this, true);
    box.exec();
}

void Controller::networkViewChanged() {
    if (!remote_) return;
    // The windows the mirror's models have open, and only those.
    for (int p = 1; p <= MaxPlayers; ++p) {
        const bool open = game_.PlayerWindowIfLoaded(p) != nullptr;
        if (open && !players_[static_cast<std::size_t>(p)]) showWindow(WindowId::Player, p, false);
        if (!open && players_[static_cast<std::size_t>(p)]) closeWindow(WindowId::Player, p);
    }
    const std::array<std::pair<WindowId, bool>, 5> dialogs{{
        {WindowId::BuyCompany, game_.BuyForm.Loaded},
        {WindowId::Wait, game_.Wait.Loaded},
        {WindowId::SellCompanies, game_.SellForm.Loaded},
        {WindowId::Loan, game_.LoanDialog.Loaded},
        {WindowId::Results, game_.Results.Loaded},
    }};
    for (const auto& [id, open] : dialogs) {
        QWidget* w = windowOf(id, 0);
        if (open && !w) showWindow(id, 0, false);
        if (!open && w) closeWindow(id, 0);
    }
    // The sounds of what began since the last view, heard here.
    const GameState& s = game_.S;
    if (s.Sounds) {
        if (s.CurrentSound == "Dice" && heardSound_ != "Dice") playSound("Dice.wav");
        if (s.MoneyChanging && !heardMoney_) playSound("Money.wav");
    }
    heardSound_ = s.CurrentSound;
    heardMoney_ = s.MoneyChanging;
    if (s.BackgroundMusic && s.MusicNumber != heardMusic_ && s.MusicNumber >= 1)
        playMusic("Music/Music" + std::to_string(s.MusicNumber) + ".mid");
    if (!s.BackgroundMusic && heardMusic_ != 0) stopMusic();
    heardMusic_ = s.BackgroundMusic ? s.MusicNumber : 0;
    renderAll();
    updateNetworkStatus();
}

void Controller::showServerBox(const client::Box& b) {
    if (!remote_) return;
    renderAll();
    auto answer = [this, id = b.id, mine = b.mine](MsgAnswer a) {
        if (mine && remote_) remote_->answer(id, a);
    };
    if (hooks_) {
        if (auto a = hooks_->message(b.message)) return answer(*a);
    }
    // Not waited for here: the views and the other boxes go on arriving.
    auto* box = new QMessageBox(main_.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("MessageBox"));
    prepareBox(*box, b.message);
    connect(box, &QMessageBox::finished, this, [box, answer, m = b.message] { answer(boxAnswer(*box, m)); });
    KeyGuard::arm(box);
    box->open();
}

QString Controller::networkStatusText() const {
    if (!remote_) return {};
    const QString host = remote_->server().host();
    if (remote_->reconnecting())
        return tr("Connection to %1 lost: trying again in %2 s").arg(host).arg(remote_->secondsToNextTry());
    if (!remote_->connected()) return tr("Connecting to %1").arg(host);
    QStringList parts{tr("Connected to %1").arg(host)};
    const QCborArray seats = remote_->status().value(QLatin1String("seats")).toArray();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (const QCborValue& v : seats) {
        const QCborMap seat = v.toMap();
        const QString name = seat.value(QLatin1String("name")).toString();
        if (seat.value(QLatin1String("type")).toString() != QLatin1String("remote")) continue;
        if (seat.value(QLatin1String("free")).toBool()) {
            parts << tr("%1: not here yet").arg(name);
            continue;
        }
        if (seat.value(QLatin1String("connected")).toBool()) continue;
        auto it = seatLostAt_.find(name);
        const qint64 away = it == seatLostAt_.end() ? 0 : (now - it->second) / 1000;
        if (away < AwaySeconds) {
            parts << tr("%1: reconnecting, %2 s").arg(name).arg(AwaySeconds - away);
            continue;
        }
        bool male = false;
        for (int p = 1; p <= game_.S.NumOfPlayers && p <= MaxPlayers; ++p)
            if (toQt(game_.Name(p)) == name) male = game_.S.PlayerSex[static_cast<std::size_t>(p)] == "Male";
        parts << (male ? tr("%1: played by the computer until he returns").arg(name)
                       : tr("%1: played by the computer until she returns").arg(name));
    }
    return parts.join(QStringLiteral(" \u2014 "));
}

void Controller::updateNetworkStatus() {
    // A finished game is not taken up again.
    if (remote_ && remote_->status().value(QLatin1String("finished")).toBool()) forgetNetworkGame(remote_->token());
    if (remote_) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (const QCborValue& v : remote_->status().value(QLatin1String("seats")).toArray()) {
            const QCborMap seat = v.toMap();
            const QString name = seat.value(QLatin1String("name")).toString();
            const bool gone = seat.value(QLatin1String("type")).toString() == QLatin1String("remote") &&
                              !seat.value(QLatin1String("free")).toBool() && !seat.value(QLatin1String("connected")).toBool();
            if (!gone) seatLostAt_.erase(name);
            else seatLostAt_.try_emplace(name, now);
        }
    }
    main_->setNetworkStatus(networkStatusText());
}

}  // namespace zx
