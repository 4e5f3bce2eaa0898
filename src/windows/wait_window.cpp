#include "windows/wait_window.h"

#include "windows/controller.h"

namespace zx {

WaitWindow::WaitWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void WaitWindow::render() {}

}  // namespace zx
