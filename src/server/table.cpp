#include "server/table.h"

#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "ai/autopilot.h"
#include "ai/instant_game.h"
#include "lifecycle/savefile.h"
#include "net/view_codec.h"
#include "rules/seat_view.h"

namespace zx::server {
namespace {

// One movement of a computer player's hand every 0.8 s: the desktop's
// normal pace, which people watching their seat's view can follow.
constexpr int HandPaceMs = 800;
// After a win, a loss, a disaster, a missed turn or a deal with a person the
// next movement waits long enough for the people at the table to read the
// line that told it, as on the desktop.
constexpr int ReadingPauseMs = 2500;

int PlayerTypeOf(net::SeatType t) {
    switch (t) {
        case net::SeatType::Remote: return Human;
        case net::SeatType::Easy: return Easy;
        case net::SeatType::Normal: return Normal;
        case net::SeatType::Hard: return Hard;
    }
    return Human;
}

QString AnswerWord(MsgAnswer a) { return net::BoxAnswerName(net::ToBoxAnswer(a)); }

// A box closed without a button, as Esc closes it on the desktop.
MsgAnswer EscapeAnswer(MsgButtons b) {
    switch (b) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::YesNo: return MsgAnswer::No;
        default: return MsgAnswer::Cancel;
    }
}

// ZENTRIX_TRACE=1: the table's boxes, operations and, each second, where
// its game stands, on stderr.
bool Tracing() {
    static const bool on = qEnvironmentVariableIntValue("ZENTRIX_TRACE") != 0;
    return on;
}

}  // namespace

TableRunner::TableRunner(TableSetup setup, QObject* home, TableCallbacks callbacks)
    : setup_(std::move(setup)), home_(home), callbacks_(std::move(callbacks)) {}

TableRunner::~TableRunner() = default;

void TableRunner::trace(const QString& what) const {
    if (!Tracing()) return;
    std::fprintf(stderr, "%8lld table %s: %s\n", static_cast<long long>(clock_.elapsed()), qPrintable(setup_.code),
                 qPrintable(what));
}

void TableRunner::traceState() const {
    if (!Tracing() || !game_) return;
    const Game& g = *game_;
    QString waits;
    for (const auto& [id, w] : waits_) waits += QStringLiteral(" box%1:seat%2%3").arg(id).arg(w.seat).arg(w.answer ? QStringLiteral("(answered)") : QString());
    QString due;
    for (int seat = 1; seat <= net::MaxSeats; ++seat) {
        const Remote& r = remotes_[static_cast<std::size_t>(seat)];
        if (!r.remote) continue;
        due += QStringLiteral(" seat%1[slot%2 v%3%4%5%6]").arg(seat).arg(SlotOfSeat(seat)).arg(r.version)
                   .arg(Due(SlotOfSeat(seat)) ? QStringLiteral(" due") : QString())
                   .arg(r.awaySince >= 0 ? QStringLiteral(" away") : QString())
                   .arg(r.standIn ? QStringLiteral(" standin") : QString());
    }
    trace(QStringLiteral("moves %1 current %2 roller %3 rollEnabled %4 modes buy%5 dep%6 ins%7 any%8 wait%9 forms sell%10 loan%11 "
                         "buyform%12 waitform%13 hands %14 idle %15 waits%16%17")
              .arg(g.S.Moves).arg(g.S.CurrentPlayer).arg(g.NextRoller()).arg(g.Main.cmdRollDiceEnabled)
              .arg(g.S.BuyMode).arg(g.S.DepositMode).arg(g.S.InsuranceMode).arg(g.S.MoveAnywhereMode).arg(g.S.WaitingMode)
              .arg(g.SellForm.Loaded).arg(g.LoanDialog.Loaded).arg(g.BuyForm.Loaded).arg(g.Wait.Loaded)
              .arg(hands_ && hands_->isActive()).arg(Idle()).arg(waits, due));
}

void TableRunner::post(std::function<void()> f) { QMetaObject::invokeMethod(home_, std::move(f), Qt::QueuedConnection); }

void TableRunner::start() {
    // A resumed table's dice and hands go on from a seed of their own (the
    // table's seed and the checkpoint), not from the first throws of the game
    // again; what the hands had in mind died with the process.
    const std::uint64_t seed =
        setup_.savedGame.empty() ? setup_.seed : setup_.seed ^ std::hash<std::string>{}(setup_.savedGame);
    chance_ = std::make_unique<ai::FastRandom>(seed);
    game_ = std::make_unique<Game>(*this, *chance_);
    pilot_ = std::make_unique<ai::Autopilot>(*game_, seed ^ 0x5DEECE66Dull);
    // Every person of a table is at a screen of his own.
    pilot_->PlayAtSeveralScreens();
    game_->Instant = setup_.instant;
    for (int i = 0; i < TimerCount; ++i) {
        const auto id = static_cast<TimerId>(i);
        auto* t = new QTimer(this);
        t->setInterval(TimerInterval(id));
        if (Sparse(id)) {
            t->setTimerType(Qt::PreciseTimer);
            t->setSingleShot(true);
            connect(t, &QTimer::timeout, this, [this] {
                catchUp();
                afterEvent();
            });
        } else {
            connect(t, &QTimer::timeout, this, [this, id] {
                catchUp();
                tick(id);
                afterEvent();
            });
        }
        timers_[static_cast<std::size_t>(i)] = t;
    }
    hands_ = new QTimer(this);
    hands_->setInterval(setup_.instant ? 0 : HandPaceMs);
    connect(hands_, &QTimer::timeout, this, [this] { computerStep(); });

    clock_.start();
    for (std::size_t i = 0; i < setup_.seats.size() && i < net::MaxSeats; ++i)
        remotes_[i + 1].remote = setup_.seats[i].type == net::SeatType::Remote;
    // Until a seat's client is heard of, its person counts as away.
    for (Remote& r : remotes_)
        if (r.remote) r.awaySince = 0;
    awayCheck_ = new QTimer(this);
    awayCheck_->setInterval(std::clamp(setup_.options.awaySeconds * 250, 100, 1000));
    connect(awayCheck_, &QTimer::timeout, this, [this] {
        checkAway();
        if (Tracing() && clock_.elapsed() - lastTrace_ >= 1000) {
            lastTrace_ = clock_.elapsed();
            traceState();
        }
    });
    awayCheck_->start();

    game_->Form_Load();
    if (setup_.savedGame.empty() || !resumeGame()) startNewGame();
    afterEvent();
}

void TableRunner::tick(TimerId t) {
    switch (t) {
        case TimerId::MovePieces: game_->tmrMovePieces_Timer(); break;
        case TimerId::ChangeMoney: game_->tmrChangeMoney_Timer(); break;
        case TimerId::GameTime: game_->tmrGameTime_Timer(); break;
        case TimerId::AutoSave: game_->tmrAutoSave_Timer(); break;
        case TimerId::LimitReactionTime: game_->tmrLimitReactionTime_Timer(); break;
        case TimerId::MusicDelay: game_->tmrMusicDelay_Timer(); break;
        case TimerId::DestroyDelay: game_->tmrDestroyDelay_Timer(); break;
    }
}

void TableRunner::catchUp() {
    if (!game_ || finished_) return;
    // The overdue ticks in the order their timers would have fired them.
    for (int guard = 0; guard < 100'000 && !stopped_; ++guard) {
        const qint64 now = clock_.elapsed();
        int next = -1;
        qint64 nextDue = 0;
        for (int i = 0; i < TimerCount; ++i) {
            const Ticks& k = ticks_[static_cast<std::size_t>(i)];
            if (!k.on) continue;
            const qint64 due = k.start + (k.run + 1) * TimerInterval(static_cast<TimerId>(i));
            if (due <= now && (next < 0 || due < nextDue)) {
                next = i;
                nextDue = due;
            }
        }
        if (next < 0) return;
        ++ticks_[static_cast<std::size_t>(next)].run;
        tick(static_cast<TimerId>(next));
    }
}

void TableRunner::scheduleTicks() {
    if (!game_ || stopped_) return;
    for (int i = 0; i < TimerCount; ++i) {
        const auto id = static_cast<TimerId>(i);
        const Ticks& k = ticks_[static_cast<std::size_t>(i)];
        if (!Sparse(id) || !k.on) continue;
        const qint64 stop = k.start + (k.run + game_->TicksToNextStop(id)) * TimerInterval(id);
        timers_[static_cast<std::size_t>(i)]->start(static_cast<int>(std::max<qint64>(0, stop - clock_.elapsed())));
    }
}

void TableRunner::startNewGame() {
    // As Game > New does: the money, the pieces and the board start from the
    // beginning before the new-game form is filled in.
    game_->CloseGame();
    NewGameForm& f = game_->NewGame;
    f.Form_Load();
    const int n = static_cast<int>(setup_.seats.size());
    f.optNumOfPlayers_Click(n);
    for (int i = 1; i <= n; ++i) {
        const net::SeatChoice& s = setup_.seats[static_cast<std::size_t>(i - 1)];
        f.txtPlayerName_Typed(i, s.name.toStdString());
        f.cmbPlayerSex_Click(i, s.male ? 1 : 0);
        f.cmbPlayerType_Click(i, PlayerTypeOf(s.type));
    }
    const net::TableOptions& o = setup_.options;
    f.optCompanySet_Click(o.companySet);
    f.chkAutoSave_Click(o.autoSave);
    f.chkSounds_Click(o.sounds);
    f.chkLimitReactionTime_Click(o.limitReactionTime);
    f.chkBackgroundMusic_Click(o.backgroundMusic);
    f.cmdStart_Click();
}

bool TableRunner::resumeGame() {
    // The game loads a checkpoint as it loads a saved game from the Load
    // menu, through the same checks and the same start of play.
    const QString path = QDir(setup_.scratchDir).filePath(QStringLiteral("resume-%1.znx").arg(setup_.code));
    if (!WriteFileAtomically(path.toStdString(), setup_.savedGame)) return false;
    game_->LoadGame(path.toStdString());
    QFile::remove(path);
    // Nothing of the table is saved to a file of its own: its checkpoints
    // go to the server's database.
    game_->S.HasFileName = false;
    game_->S.FileName.clear();
    lastCheckpoint_ = setup_.savedGame;
    return game_->S.GameInProgress;
}

Date TableRunner::today() {
    const QDate d = QDate::currentDate();
    return {d.day(), d.month(), d.year()};
}

int TableRunner::SeatOfSlot(int p) const {
    if (!game_ || game_->IdOf(p) == 0) return 0;
    const std::string& name = game_->S.PlayerName[static_cast<std::size_t>(p)];
    for (std::size_t i = 0; i < setup_.seats.size(); ++i)
        if (setup_.seats[i].name.toStdString() == name) return static_cast<int>(i) + 1;
    return 0;
}

MsgAnswer TableRunner::message(const Message& m) {
    if (stopped_) return EscapeAnswer(m.buttons);
    if (auto a = pilot_->Answer(m)) return *a;
    const qint64 id = ++nextBox_;
    QCborMap box = net::Message(net::Kind::Box);
    box.insert(QLatin1String("box"), id);
    box.insert(QLatin1String("text"), QString::fromStdString(m.text));
    box.insert(QLatin1String("title"), QString::fromStdString(m.title));
    box.insert(QLatin1String("icon"), net::IconName(m.icon));
    box.insert(QLatin1String("buttons"), net::ButtonsName(m.buttons));
    box.insert(QLatin1String("default"), AnswerWord(m.defaultAnswer));
    box.insert(QLatin1String("about"), QString::fromStdString(m.id));
    const int seat = m.player ? SeatOfSlot(m.player) : 0;
    // The screen the box is about goes first: a client answers from what it
    // shows (a loan's amount and terms).
    publishViews();
    post([cb = callbacks_.box, seat, id, box] { cb(seat, id, box); });
    postDone();
    // A box for everybody is shown to all and keeps nobody waiting.
    if (seat == 0) return m.defaultAnswer;
    trace(QStringLiteral("box %1 for seat %2 (%3): %4").arg(id).arg(seat).arg(net::ButtonsName(m.buttons), QString::fromStdString(m.text).left(80)));
    QEventLoop loop;
    waits_[id] = Wait{seat, &loop, std::nullopt, m};
    hands_->stop();
    loop.exec();
    const std::optional<MsgAnswer> answer = waits_[id].answer;
    waits_.erase(id);
    trace(QStringLiteral("box %1 closed with %2").arg(id).arg(AnswerWord(answer.value_or(EscapeAnswer(m.buttons)))));
    return answer.value_or(EscapeAnswer(m.buttons));
}

void TableRunner::answer(int seat, qint64 box, MsgAnswer a) {
    auto it = waits_.find(box);
    trace(QStringLiteral("seat %1 answers box %2: %3").arg(seat).arg(box).arg(AnswerWord(a)));
    if (it == waits_.end() || it->second.seat != seat || it->second.answer) return;
    catchUp();
    it->second.answer = a;
    it->second.loop->quit();
}

void TableRunner::playSound(const std::string& file) {
    // Nobody hears the server: a sound ends as soon as it has started. Only
    // the newest sound's end counts, and the dice's always does, as on the
    // desktop.
    lastSound_ = file;
    QMetaObject::invokeMethod(this, [this, file] {
        if (stopped_ || (file != lastSound_ && file != "Dice.wav")) return;
        catchUp();
        game_->mmcSounds_Done();
        afterEvent();
    }, Qt::QueuedConnection);
}

void TableRunner::setTimer(TimerId timer, bool enabled) {
    QTimer* t = timers_[static_cast<std::size_t>(timer)];
    if (!t) return;
    if (Sparse(timer)) {
        Ticks& k = ticks_[static_cast<std::size_t>(timer)];
        if (enabled && !stopped_ && !k.on) {
            k = Ticks{true, clock_.elapsed(), 0};
            scheduleTicks();
        }
        if (!enabled) {
            k.on = false;
            t->stop();
        }
        return;
    }
    if (enabled && !stopped_ && !t->isActive()) t->start();
    if (!enabled) t->stop();
}

bool TableRunner::Idle() const {
    const Game& g = *game_;
    const GameState& s = g.S;
    return waits_.empty() && s.GameInProgress && g.Main.cmdRollDiceEnabled && !s.MoneyChanging &&
           s.CurrentSound != "Dice" && !g.TimerEnabled(TimerId::MovePieces) && !g.TimerEnabled(TimerId::ChangeMoney) &&
           !g.TimerEnabled(TimerId::DestroyDelay) && !g.BuyForm.Loaded && !g.SellForm.Loaded &&
           !g.LoanDialog.Loaded && !g.Wait.Loaded;
}

void TableRunner::afterEvent() {
    if (stopped_ || finished_) return;
    Game& g = *game_;
    // Instant play: what the desktop's timers and sound device would deliver
    // comes at once (inside a box's wait the table only waits).
    if (setup_.instant && waits_.empty()) {
        for (int guard = 0; guard < 100'000; ++guard) {
            if (g.S.CurrentSound == "Dice") g.mmcSounds_Done();
            else if (g.TimerEnabled(TimerId::MovePieces)) g.tmrMovePieces_Timer();
            else if (g.TimerEnabled(TimerId::ChangeMoney)) g.tmrChangeMoney_Timer();
            else if (g.TimerEnabled(TimerId::DestroyDelay)) g.tmrDestroyDelay_Timer();
            else break;
            if (stopped_) return;
        }
    }
    if (g.Results.Loaded) {
        finished_ = true;
        for (QTimer* t : timers_) t->stop();
        hands_->stop();
        QStringList results;
        for (int place = 1; place <= MaxPlayers; ++place) {
            const std::string& name = g.S.Finisher[static_cast<std::size_t>(place)];
            if (!name.empty()) results << QString::fromStdString(name);
        }
        publishViews();
        post([cb = callbacks_.finished, results] { cb(results); });
        return;
    }
    if (Idle()) {
        std::string text = WriteSavedGame(SavedGameFrom(g.S, g.Draft.Slot()));
        if (text != lastCheckpoint_) {
            lastCheckpoint_ = std::move(text);
            post([cb = callbacks_.checkpoint, text = lastCheckpoint_, moves = g.S.Moves] { cb(text, moves); });
        }
    }
    // Restarting the timer puts the next movement a whole pause away.
    if (NewsWorthAPause() && !setup_.instant && hands_->isActive() && pilot_->AnyHuman()) hands_->start(ReadingPauseMs);
    if (waits_.empty() && g.S.GameInProgress && pilot_->AnyComputer() && !hands_->isActive()) hands_->start();
    scheduleTicks();
    publishViews();
}

int TableRunner::SlotOfSeat(int seat) const {
    if (!game_) return 0;
    for (int p = 1; p <= game_->S.NumOfPlayers && p <= MaxPlayers; ++p)
        if (SeatOfSlot(p) == seat) return p;
    return 0;
}

void TableRunner::publishViews() {
    const SeatView any(*game_, 0);
    // A walk or a money count is told once, at its start: the clients
    // play it out themselves, not one message per 40 ms tick.
    const bool animating = any.Walking() || any.CountingMoney();
    bool refreshed = false;
    // One post for the round, not one per seat: the server's thread wakes once.
    std::vector<std::pair<int, QByteArray>> frames;
    for (int seat = 1; seat <= net::MaxSeats; ++seat) {
        Remote& r = remotes_[static_cast<std::size_t>(seat)];
        if (!r.remote || !views_.Sent(seat)) continue;
        if (animating && r.animating) continue;
        if (!refreshed) {
            views_.Refresh(any);
            refreshed = true;
        }
        QCborMap change = views_.Change(seat, SeatView(*game_, SlotOfSeat(seat)));
        r.animating = animating;
        if (change.isEmpty()) continue;
        QCborMap m = net::Message(net::Kind::Change);
        m.insert(QLatin1String("version"), ++r.version);
        m.insert(QLatin1String("change"), change);
        frames.emplace_back(seat, net::Encode(m));
    }
    if (!frames.empty())
        post([cb = callbacks_.view, frames = std::move(frames)] {
            for (const auto& [seat, frame] : frames) cb(seat, frame);
        });
}

void TableRunner::sendWholeView(int seat) {
    if (!game_ || seat < 1 || seat > net::MaxSeats) return;
    Remote& r = remotes_[static_cast<std::size_t>(seat)];
    catchUp();
    const SeatView view(*game_, SlotOfSeat(seat));
    r.animating = view.Walking() || view.CountingMoney();
    QCborMap m = net::Message(net::Kind::View);
    m.insert(QLatin1String("version"), ++r.version);
    trace(QStringLiteral("whole view v%1 to seat %2").arg(r.version).arg(seat));
    m.insert(QLatin1String("view"), views_.Whole(seat, view));
    post([cb = callbacks_.view, seat, frame = net::Encode(m)] { cb(seat, frame); });
}

void TableRunner::postDone() {
    if (doneId_ < 0) return;
    post([cb = callbacks_.done, seat = doneSeat_, id = doneId_] { cb(seat, id); });
    doneId_ = -1;
}

void TableRunner::operation(int seat, Op op, qint64 id) {
    if (stopped_ || finished_ || !game_) return;
    catchUp();
    auto refuse = [&](const QString& why) {
        trace(QStringLiteral("seat %1 %2 refused: %3").arg(seat).arg(net::OpKindName(op.kind), why));
        post([cb = callbacks_.refused, seat, why, id] { cb(seat, why, id); });
    };
    // A box on the screen holds every window, as on the desktop.
    if (!waits_.empty()) return refuse(QStringLiteral("A message box is waiting for an answer."));
    // So do the sale and the "Lend money" windows: at one screen nobody can
    // click elsewhere while one is open. Here another seat's Sell or Lend
    // button would load the window again over the bids or the loan being
    // typed, and a roll would move the game on under them.
    const bool saleOp = op.kind >= OpKind::SaleChooseCompany && op.kind <= OpKind::SaleClose;
    const bool loanOp = op.kind >= OpKind::LoanChooseBorrower && op.kind <= OpKind::LoanClose;
    if (game_->SellForm.Loaded && !saleOp) return refuse(QStringLiteral("The sale window is open."));
    if (game_->LoanDialog.Loaded && !loanOp) return refuse(QStringLiteral("The Lend money window is open."));
    const int slot = SlotOfSeat(seat);
    if (remotes_[static_cast<std::size_t>(seat)].standIn)
        return refuse(QStringLiteral("The computer plays this seat until its person is back."));
    // Who acts is the connection's seat, whatever the message said.
    op.seatId = game_->IdOf(slot);
    doneSeat_ = seat;
    doneId_ = id;
    const OpRefusal why = Apply(*game_, op);
    if (why != OpRefusal::None) {
        doneId_ = -1;
        return refuse(QString::fromUtf8(RefusalText(why)));
    }
    trace(QStringLiteral("seat %1 %2 index %3 value %4 done").arg(seat).arg(net::OpKindName(op.kind)).arg(op.index).arg(op.value));
    afterEvent();
    postDone();
}

bool TableRunner::Due(int p) const {
    const Game& g = *game_;
    const GameState& s = g.S;
    if (p < 1) return false;
    for (const auto& [id, w] : waits_)
        if (w.seat == SeatOfSlot(p)) return true;
    if (g.SellForm.Loaded || g.LoanDialog.Loaded) return true;
    if (s.CurrentPlayer == p && (s.BuyMode || s.DepositMode || s.InsuranceMode || s.MoveAnywhereMode || s.WaitingMode))
        return true;
    return g.Main.cmdRollDiceEnabled && g.NextRoller() == p;
}

void TableRunner::setAway(int seat, bool away) {
    if (seat < 1 || seat > net::MaxSeats || !game_) return;
    Remote& r = remotes_[static_cast<std::size_t>(seat)];
    if (!r.remote) return;
    r.awaySince = away ? clock_.elapsed() : -1;
    trace(QStringLiteral("seat %1 %2").arg(seat).arg(away ? QStringLiteral("away") : QStringLiteral("present")));
    // The check wakes the table only while somebody is away.
    if (away && awayCheck_ && !stopped_ && !awayCheck_->isActive()) awayCheck_->start();
    if (away || !r.standIn) return;
    catchUp();
    r.standIn = false;
    const int slot = SlotOfSeat(seat);
    if (slot == 0) return;
    pilot_->PlaySeat(game_->IdOf(slot), Human);
    game_->Log.Add(game_->S.Moves, game_->Name(slot) + " is back.");
    afterEvent();
}

void TableRunner::checkAway() {
    if (stopped_ || finished_ || !game_ || !game_->S.GameInProgress) return;
    if (std::none_of(remotes_.begin(), remotes_.end(), [](const Remote& r) { return r.remote && r.awaySince >= 0; })) {
        awayCheck_->stop();
        return;
    }
    catchUp();
    const qint64 limit = qint64{setup_.options.awaySeconds} * 1000;
    for (int seat = 1; seat <= net::MaxSeats; ++seat) {
        Remote& r = remotes_[static_cast<std::size_t>(seat)];
        const int slot = SlotOfSeat(seat);
        if (!r.remote || r.standIn || r.awaySince < 0 || clock_.elapsed() - r.awaySince < limit || !Due(slot)) continue;
        r.standIn = true;
        trace(QStringLiteral("the computer stands in for seat %1").arg(seat));
        pilot_->PlaySeat(game_->IdOf(slot), Normal);
        const bool male = game_->S.PlayerSex[At(slot)] == "Male";
        game_->Log.Add(game_->S.Moves, game_->Name(slot) + " is away: the computer plays for " + (male ? "him." : "her."));
        // A box waiting for him is answered as the computer would.
        for (auto& [id, w] : waits_) {
            if (w.seat != seat || w.answer) continue;
            if (auto a = pilot_->Answer(w.message)) {
                w.answer = a;
                w.loop->quit();
            }
        }
        afterEvent();
    }
}

void TableRunner::computerStep() {
    if (stopped_ || finished_ || !waits_.empty()) {
        hands_->stop();
        return;
    }
    catchUp();
    // Nothing for a computer to do (a person's turn, an animation under
    // way): the hands rest until the next event wakes them.
    // A pause for reading is over: the hands go on at their pace.
    if (!setup_.instant && hands_->interval() != HandPaceMs) hands_->setInterval(HandPaceMs);
    if (!pilot_->Step()) hands_->stop();
    afterEvent();
}

bool TableRunner::NewsWorthAPause() {
    return game_->Log.StandingNewsSince(logRead_);
}

std::string TableRunner::checkpointNow() {
    if (!stopped_) catchUp();
    if (game_ && !finished_ && Idle()) lastCheckpoint_ = WriteSavedGame(SavedGameFrom(game_->S, game_->Draft.Slot()));
    return lastCheckpoint_;
}

void TableRunner::stop() {
    stopped_ = true;
    for (QTimer* t : timers_)
        if (t) t->stop();
    if (hands_) hands_->stop();
    if (awayCheck_) awayCheck_->stop();
    for (auto& [id, w] : waits_) w.loop->quit();
}

}  // namespace zx::server
