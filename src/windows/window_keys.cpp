#include "windows/window_keys.h"

#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "windows/board_view.h"
#include "windows/controller.h"
#include "windows/main_window.h"
#include "windows/player_window.h"

namespace zx {

namespace {

// Where the keyboard lands in a window brought forward: where it was last,
// or else the first control that takes the Tab key.
void focusWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    if (window->focusWidget() && window->focusWidget()->isEnabled()) {
        window->focusWidget()->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->isEnabled() && w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

QShortcut* appShortcut(MainWindow& main, const QKeySequence& key, const char* name) {
    auto* s = new QShortcut(key, &main);
    s->setObjectName(QString::fromLatin1(name));
    s->setContext(Qt::ApplicationShortcut);
    return s;
}

}  // namespace

void InstallWindowKeys(Controller& c) {
    MainWindow& main = c.mainWindow();
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
