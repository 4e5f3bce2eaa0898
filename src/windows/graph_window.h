#pragma once

#include "windows/form_window.h"

namespace zx {

class GraphWindow : public FormWindow {
    Q_OBJECT
public:
    explicit GraphWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;

private:

};

}  // namespace zx
