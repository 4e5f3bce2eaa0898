#pragma once

#include "windows/form_window.h"

namespace zx {

class AboutWindow : public FormWindow {
    Q_OBJECT
public:
    explicit AboutWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
