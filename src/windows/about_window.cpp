#include "windows/about_window.h"

#include "windows/controller.h"

namespace zx {

AboutWindow::AboutWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void AboutWindow::render() {}

}  // namespace zx
