#pragma once
// The common shape of the game's secondary windows: a dialog drawn from
// its model in the game, which forwards its events to the rules.

#include <QDialog>

#include "rules/ui.h"

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
    void keyPressEvent(QKeyEvent* event) override;
    Game& game();
    Controller& controller;
};

}  // namespace zx
