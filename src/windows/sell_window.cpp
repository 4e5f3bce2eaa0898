#include "windows/sell_window.h"

#include "windows/controller.h"

namespace zx {

SellWindow::SellWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void SellWindow::render() {}

}  // namespace zx
