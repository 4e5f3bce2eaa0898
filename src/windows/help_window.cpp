#include "windows/help_window.h"

#include "windows/controller.h"

namespace zx {

HelpWindow::HelpWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void HelpWindow::render() {}

}  // namespace zx
