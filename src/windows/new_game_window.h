#pragma once

#include "windows/form_window.h"

namespace zx {

class NewGameWindow : public FormWindow {
    Q_OBJECT
public:
    explicit NewGameWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
