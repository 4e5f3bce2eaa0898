#include "windows/new_game_window.h"

#include "windows/controller.h"

namespace zx {

NewGameWindow::NewGameWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void NewGameWindow::render() {}

}  // namespace zx
