#pragma once
// A window or box that appears while the person is typing elsewhere must
// not take the keys meant for what was there before: an Esc that closes
// the log must not answer a loan offer that showed up at that instant.

#include <QElapsedTimer>
#include <QObject>
#include <QSet>

class QWidget;

namespace zx {

class KeyGuard : public QObject {
    Q_OBJECT
public:
    // How long after appearing a window takes no key presses: longer than
    // the queue of a fast typist's keystrokes, shorter than anyone can read
    // the window and answer it on purpose.
    static constexpr int GuardMs = 350;

    // Guards `window` from this moment (call it just before showing the
    // window): for GuardMs it ignores key presses, and it never takes the
    // release or the repeats of a key whose press it did not take.
    static void arm(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyGuard(QWidget* window);
    bool drops(QEvent* event);

    QWidget* window_;
    QElapsedTimer shown_;
    // Keys whose press this window has taken since it appeared. They stay
    // here after their release, which a control that ignores it hands on
    // to its parents.
    QSet<int> taken_;
};

}  // namespace zx
