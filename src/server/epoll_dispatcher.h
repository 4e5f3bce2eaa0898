#pragma once
// The server's main thread watches thousands of sockets. Qt's own loop
// hands all of them to poll() on every wake-up, so its cost grows with the
// connections times the wake-ups; with epoll the kernel keeps the set and
// each wake-up costs only the sockets that are ready.

#include <QAbstractEventDispatcher>
#include <QList>
#include <atomic>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

class QSocketNotifier;

namespace zx::server {

class EpollDispatcher : public QAbstractEventDispatcher {
public:
    EpollDispatcher();
    ~EpollDispatcher() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override;
    void interrupt() override;

private:
    struct Watch {
        QSocketNotifier* notifier[3] = {};  // by QSocketNotifier::Type
    };
    struct Timer {
        qint64 interval;
        Qt::TimerType type;
        QObject* object;
        qint64 due;  // ms on the monotonic clock
        bool firing = false;
    };
    void rewatch(int fd);
    bool activateTimers();
    qint64 msToNextTimer() const;

    int epoll_ = -1;
    int wake_ = -1;  // eventfd
    std::atomic<bool> woken_{false};
    std::atomic<bool> interrupted_{false};
    std::map<int, Watch> watches_;
    // Notifiers made ready by the last wait and not yet activated: one
    // activated before may delete another.
    std::set<QSocketNotifier*> ready_;
    std::map<int, Timer> timers_;
    std::set<std::pair<qint64, int>> queue_;  // (due, timer id)
};

}  // namespace zx::server
