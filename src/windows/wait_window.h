#pragma once

#include "windows/form_window.h"

namespace zx {

class WaitWindow : public FormWindow {
    Q_OBJECT
public:
    explicit WaitWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
