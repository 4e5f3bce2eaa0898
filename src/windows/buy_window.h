#pragma once

#include "windows/form_window.h"

namespace zx {

class BuyWindow : public FormWindow {
    Q_OBJECT
public:
    explicit BuyWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
