#include "windows/buy_window.h"

#include "windows/controller.h"

namespace zx {

BuyWindow::BuyWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void BuyWindow::render() {}

}  // namespace zx
