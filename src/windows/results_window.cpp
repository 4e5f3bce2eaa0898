#include "windows/results_window.h"

#include "windows/controller.h"

namespace zx {

ResultsWindow::ResultsWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void ResultsWindow::render() {}

}  // namespace zx
