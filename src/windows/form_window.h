#pragma once
// The common shape of the game's secondary windows: a dialog drawn from
// its model in the game, which forwards its events to the rules.

#include <QDialog>
#include <initializer_list>

#include "rules/ui.h"

class QLabel;
class QPushButton;

namespace zx {

class Controller;
class Game;

class FormWindow : public QDialog {
    Q_OBJECT
public:
    FormWindow(Controller& controller, QWidget* parent);
    // Draws the window from the game's model of it.
    virtual void render() = 0;
    // Moves the keyboard focus to one of the window's controls.
    virtual void focusControl(FocusId, int) {}
    // F1 opens the help at this window's topic.
    virtual QString helpTopic() const { return {}; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    Game& game();

    // Runs one of the rules' handlers, then redraws every window: a handler
    // may change what any of them shows.
    template <typename Fn> void forward(Fn&& handler) {
        // The handler may close (and delete) this window; the controller
        // outlives it.
        Controller& c = controller;
        handler();
        renderAll(c);
    }
    // The same for a handler of one model; nothing happens once the model
    // is gone (a personal window whose player has left).
    template <typename Form, typename Fn> void forward(Form* form, Fn&& handler) {
        if (form) forward([&] { handler(*form); });
    }

    // The "Press F1" hint every window carries.
    QLabel* helpLabel();
    // Enter clicks these buttons only when they have the focus (as it does
    // every focused button, see InstallWindowKeys): no button takes Enter
    // just because it was pressed last, so a stray Enter can neither pay,
    // buy nor give up.
    void clickOnEnterWhenFocused(std::initializer_list<QPushButton*> buttons);
    // The dialog shape of two frames side by side above the help hint and
    // the buttons, at the size its contents need.
    void layOutFramesAndButtons(QWidget* left, QWidget* right, std::initializer_list<QPushButton*> buttons);

    Controller& controller;

private:
    static void renderAll(Controller& c);
};

}  // namespace zx
