#pragma once

#include "windows/form_window.h"

namespace zx {

class HelpWindow : public FormWindow {
    Q_OBJECT
public:
    explicit HelpWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    void showTopic(const QString& topic) { (void)topic; }

private:

};

}  // namespace zx
