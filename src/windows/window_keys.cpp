#include "windows/window_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "windows/board_view.h"
#include "windows/controller.h"
#include "windows/main_window.h"
#include "windows/player_window.h"

namespace zx {

namespace {

// Where the keyboard lands in a personal window brought forward: the
// amount box, where a player most often types; otherwise its first control
// that takes the Tab key. Never simply where it was last: the focus then
// had no mark, and an amount typed there with Enter pressed Loan instead of
// Withdraw. The keyboard's reason makes the style mark the focus.
void focusWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    QWidget* target = nullptr;
    if (auto* amount = window->findChild<QLineEdit*>(QStringLiteral("txtBankNum"));
        amount && amount->isEnabled() && !amount->isReadOnly() && amount->isVisibleTo(window))
        target = amount;
    for (QWidget* w = window->nextInFocusChain(); !target && w && w != window; w = w->nextInFocusChain())
        if (w->isEnabled() && w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus)) target = w;
    if (!target) return;
    target->setFocus(Qt::ShortcutFocusReason);
    // The reason marks the focus only in the active window; the window
    // becomes active a moment later, so it is told outright.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    if (auto* amount = qobject_cast<QLineEdit*>(target)) amount->selectAll();
}

// Enter clicks the push button that has the focus, in every window: the
// main window's buttons take no keys of their own, and a dialog's buttons
// that are not its default would otherwise leave Enter to the default.
// Only the focused button: none takes Enter because it was pressed last.
class EnterClicksFocusedButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || button->window()->focusWidget() != button) return false;
        if (key->isAutoRepeat()) return true;  // one press, one click
        if (button->isEnabled() && button->isVisible()) button->click();
        return true;
    }
};

QShortcut* appShortcut(MainWindow& main, const QKeySequence& key, const char* name) {
    auto* s = new QShortcut(key, &main);
    s->setObjectName(QString::fromLatin1(name));
    s->setContext(Qt::ApplicationShortcut);
    return s;
}

}  // namespace

void InstallWindowKeys(Controller& c) {
    MainWindow& main = c.mainWindow();
    qApp->installEventFilter(new EnterClicksFocusedButton(&c));
    for (int p = 1; p <= MaxPlayers; ++p) {
        const QKeySequence key(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + p));
        QShortcut* s = appShortcut(main, key, "keyPlayerWindow");
        QObject::connect(s, &QShortcut::activated, &c, [&c, p] {
            if (PlayerWindow* w = c.playerWindow(p)) focusWindow(w);
        });
    }
    QShortcut* back = appShortcut(main, QKeySequence(Qt::CTRL | Qt::Key_0), "keyMainWindow");
    QObject::connect(back, &QShortcut::activated, &c, [&c, &main] {
        main.show();
        main.raise();
        main.activateWindow();
        // Roll Dice when it is the next thing to do; the board while the
        // Computer's free move waits for a cell, or when nothing can be rolled.
        const bool roll = main.rollDice()->isEnabled() && !c.game().S.MoveAnywhereMode;
        QWidget* target = roll ? static_cast<QWidget*>(main.rollDice()) : main.board();
        target->setFocus(Qt::ShortcutFocusReason);
    });
    QShortcut* log = appShortcut(main, QKeySequence(Qt::CTRL | Qt::Key_G), "keyGameLog");
    QObject::connect(log, &QShortcut::activated, &c, [&c] { c.showLog(); });
    QObject::connect(main.showLog(), &QPushButton::clicked, &c, [&c] { c.showLog(); });
}

}  // namespace zx
