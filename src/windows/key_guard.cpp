#include "windows/key_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zx {

KeyGuard::KeyGuard(QWidget* window) : QObject(window), window_(window) {
    // Keys go to the focused control, not to the window: only the
    // application sees them all before they act, shortcuts included.
    qApp->installEventFilter(this);
}

void KeyGuard::arm(QWidget* window) {
    auto* guard = window->findChild<KeyGuard*>(QString(), Qt::FindDirectChildrenOnly);
    if (!guard) guard = new KeyGuard(window);
    guard->taken_.clear();
    guard->shown_.start();
}

bool KeyGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != window_ && !window_->isAncestorOf(widget))) return false;
    if (!drops(event)) return false;
    // Claiming the override keeps the key from any shortcut too; the press
    // that follows it is then dropped here.
    event->accept();
    return true;
}

bool KeyGuard::drops(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool seen = taken_.contains(key->key());
    switch (event->type()) {
        case QEvent::ShortcutOverride: return !seen && shown_.elapsed() < GuardMs;
        case QEvent::KeyPress:
            if (key->isAutoRepeat()) return !seen;
            if (shown_.elapsed() < GuardMs) return true;
            taken_.insert(key->key());
            return false;
        case QEvent::KeyRelease: return !seen;
        default: return false;
    }
}

}  // namespace zx
