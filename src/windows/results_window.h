#pragma once

#include "windows/form_window.h"

namespace zx {

class ResultsWindow : public FormWindow {
    Q_OBJECT
public:
    explicit ResultsWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
