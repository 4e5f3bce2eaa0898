#pragma once

#include "windows/form_window.h"

namespace zx {

class LoanWindow : public FormWindow {
    Q_OBJECT
public:
    explicit LoanWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
