#include "windows/form_window.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "windows/controller.h"

namespace zx {

FormWindow::FormWindow(Controller& c, QWidget* parent) : QDialog(parent), controller(c) {}

Game& FormWindow::game() { return controller.game(); }

void FormWindow::renderAll(Controller& c) { c.renderAll(); }

QLabel* FormWindow::helpLabel() {
    auto* f1 = new QLabel(tr("Press F1 for online help!"), this);
    f1->setObjectName(QStringLiteral("lblPressF1forHelp"));
    f1->setToolTip(tr("Press F1 for complete HTML Help on this window!"));
    return f1;
}

void FormWindow::layOutFramesAndButtons(QWidget* left, QWidget* right, std::initializer_list<QPushButton*> buttons) {
    auto* frames = new QHBoxLayout;
    frames->addWidget(left, 1);
    frames->addWidget(right, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(helpLabel());
    row->addStretch(1);
    for (QPushButton* b : buttons) row->addWidget(b);
    auto* root = new QVBoxLayout(this);
    root->addLayout(frames);
    root->addLayout(row);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void FormWindow::clickOnEnterWhenFocused(std::initializer_list<QPushButton*> buttons) {
    for (QPushButton* b : buttons) b->setAutoDefault(false);
}

bool FormWindow::event(QEvent* event) {
    // The main window's Help > Help shortcut is F1 too, and Qt hands the
    // shortcuts of a window to the small tool windows it owns (the personal
    // windows): claimed here, F1 reaches keyPressEvent and opens this
    // window's own topic.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        controller.showHelp(helpTopic().toStdString());
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zx
