#include "windows/loan_window.h"

#include "windows/controller.h"

namespace zx {

LoanWindow::LoanWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {}

void LoanWindow::render() {}

}  // namespace zx
