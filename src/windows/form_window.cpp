#include "windows/form_window.h"

#include <QKeyEvent>

#include "windows/controller.h"

namespace zx {

FormWindow::FormWindow(Controller& c, QWidget* parent) : QDialog(parent), controller(c) {}

Game& FormWindow::game() { return controller.game(); }

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        controller.showHelp(helpTopic().toStdString());
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zx
