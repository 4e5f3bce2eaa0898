#include "windows/graph_window.h"

#include "windows/controller.h"

namespace zx {

GraphWindow::GraphWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void GraphWindow::render() {}

}  // namespace zx
