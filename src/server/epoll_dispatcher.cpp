#include "server/epoll_dispatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>

namespace zx::server {

namespace {

qint64 NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

EpollDispatcher::EpollDispatcher() {
    epoll_ = epoll_create1(EPOLL_CLOEXEC);
    wake_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event e{};
    e.events = EPOLLIN;
    e.data.fd = wake_;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, wake_, &e);
}

EpollDispatcher::~EpollDispatcher() {
    if (wake_ >= 0) ::close(wake_);
    if (epoll_ >= 0) ::close(epoll_);
}

void EpollDispatcher::rewatch(int fd) {
    auto it = watches_.find(fd);
    epoll_event e{};
    e.data.fd = fd;
    if (it != watches_.end()) {
        const Watch& w = it->second;
        if (w.notifier[QSocketNotifier::Read]) e.events |= EPOLLIN;
        if (w.notifier[QSocketNotifier::Write]) e.events |= EPOLLOUT;
        if (w.notifier[QSocketNotifier::Exception]) e.events |= EPOLLPRI;
    }
    if (!e.events) {
        if (it != watches_.end()) watches_.erase(it);
        // A closed descriptor has left the set by itself.
        epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, &e);
        return;
    }
    // A descriptor closed and opened again under the same number is new to epoll.
    if (epoll_ctl(epoll_, EPOLL_CTL_MOD, fd, &e) != 0) epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &e);
}

void EpollDispatcher::registerSocketNotifier(QSocketNotifier* notifier) {
    const int fd = static_cast<int>(notifier->socket());
    watches_[fd].notifier[notifier->type()] = notifier;
    rewatch(fd);
}

void EpollDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier) {
    ready_.erase(notifier);
    const int fd = static_cast<int>(notifier->socket());
    auto it = watches_.find(fd);
    if (it == watches_.end() || it->second.notifier[notifier->type()] != notifier) return;
    it->second.notifier[notifier->type()] = nullptr;
    rewatch(fd);
}

void EpollDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) {
    const qint64 due = NowMs() + interval;
    timers_[timerId] = Timer{interval, timerType, object, due};
    queue_.emplace(due, timerId);
}

bool EpollDispatcher::unregisterTimer(int timerId) {
    auto it = timers_.find(timerId);
    if (it == timers_.end()) return false;
    queue_.erase({it->second.due, timerId});
    timers_.erase(it);
    return true;
}

bool EpollDispatcher::unregisterTimers(QObject* object) {
    bool any = false;
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->second.object == object) {
            queue_.erase({it->second.due, it->first});
            it = timers_.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

QList<QAbstractEventDispatcher::TimerInfo> EpollDispatcher::registeredTimers(QObject* object) const {
    QList<TimerInfo> list;
    for (const auto& [id, t] : timers_)
        if (t.object == object) list.append(TimerInfo(id, static_cast<int>(t.interval), t.type));
    return list;
}

int EpollDispatcher::remainingTime(int timerId) {
    auto it = timers_.find(timerId);
    if (it == timers_.end()) return -1;
    return static_cast<int>(std::max<qint64>(0, it->second.due - NowMs()));
}

void EpollDispatcher::wakeUp() {
    // One write until the loop has woken: the tables post to it thousands of times a second.
    if (woken_.exchange(true)) return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_, &one, sizeof one);
}

void EpollDispatcher::interrupt() {
    interrupted_ = true;
    wakeUp();
}

qint64 EpollDispatcher::msToNextTimer() const {
    if (queue_.empty()) return -1;
    return std::max<qint64>(0, queue_.begin()->first - NowMs());
}

bool EpollDispatcher::activateTimers() {
    const qint64 now = NowMs();
    // Each timer due now fires once in this pass, a zero timer included.
    std::vector<int> due;
    for (auto it = queue_.begin(); it != queue_.end() && it->first <= now; ++it) due.push_back(it->second);
    bool any = false;
    for (int id : due) {
        auto it = timers_.find(id);
        if (it == timers_.end()) continue;
        Timer& t = it->second;
        queue_.erase({t.due, id});
        t.due += t.interval;
        if (t.due <= now) t.due = now + t.interval;
        queue_.emplace(t.due, id);
        if (t.firing) continue;  // still in its own handler (a nested loop)
        t.firing = true;
        QTimerEvent e(id);
        QObject* object = t.object;
        QCoreApplication::sendEvent(object, &e);
        any = true;
        auto again = timers_.find(id);
        if (again != timers_.end()) again->second.firing = false;
    }
    return any;
}

bool EpollDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags) {
    interrupted_ = false;
    emit awake();
    QCoreApplication::sendPostedEvents();
    if (interrupted_) return false;

    const bool wait = flags.testFlag(QEventLoop::WaitForMoreEvents);
    int timeout = 0;
    if (wait && !woken_) {
        const qint64 next = flags.testFlag(QEventLoop::X11ExcludeTimers) ? -1 : msToNextTimer();
        timeout = next < 0 ? -1 : static_cast<int>(std::min<qint64>(next, INT_MAX));
    }
    if (timeout != 0) emit aboutToBlock();

    epoll_event events[256];
    const int n = epoll_wait(epoll_, events, 256, timeout);
    if (timeout != 0) emit awake();
    bool any = false;
    const bool sockets = !flags.testFlag(QEventLoop::ExcludeSocketNotifiers);
    for (int i = 0; i < n; ++i) {
        const int fd = events[i].data.fd;
        if (fd == wake_) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t r = ::read(wake_, &count, sizeof count);
            woken_ = false;
            continue;
        }
        if (!sockets) continue;
        auto it = watches_.find(fd);
        if (it == watches_.end()) continue;
        const std::uint32_t ev = events[i].events;
        const Watch& w = it->second;
        if ((ev & (EPOLLIN | EPOLLHUP | EPOLLERR)) && w.notifier[QSocketNotifier::Read]) ready_.insert(w.notifier[QSocketNotifier::Read]);
        if ((ev & (EPOLLOUT | EPOLLHUP | EPOLLERR)) && w.notifier[QSocketNotifier::Write]) ready_.insert(w.notifier[QSocketNotifier::Write]);
        if ((ev & EPOLLPRI) && w.notifier[QSocketNotifier::Exception]) ready_.insert(w.notifier[QSocketNotifier::Exception]);
    }
    while (!ready_.empty()) {
        QSocketNotifier* notifier = *ready_.begin();
        ready_.erase(ready_.begin());
        QEvent e(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &e);
        any = true;
        if (interrupted_) return any;
    }
    if (!flags.testFlag(QEventLoop::X11ExcludeTimers)) any = activateTimers() || any;
    return any;
}

}  // namespace zx::server
