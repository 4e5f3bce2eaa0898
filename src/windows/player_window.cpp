#include "windows/player_window.h"

#include "windows/controller.h"

namespace zx {

PlayerWindow::PlayerWindow(Controller& c, int slot, QWidget* parent) : FormWindow(c, parent), slot_(slot) {}

void PlayerWindow::render() {}

}  // namespace zx
