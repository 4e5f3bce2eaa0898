#pragma once

#include "windows/form_window.h"

namespace zx {

class PlayerWindow : public FormWindow {
    Q_OBJECT
public:
    PlayerWindow(Controller& controller, int slot, QWidget* parent = nullptr);
    void render() override;

private:
    int slot_;
};

}  // namespace zx
