#pragma once

#include "windows/form_window.h"

namespace zx {

class SellWindow : public FormWindow {
    Q_OBJECT
public:
    explicit SellWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
