#include "windows/wait_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/game.h"
#include "windows/controller.h"
#include "windows/qt_text.h"

namespace zx {

WaitWindow::WaitWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Waiting..."));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 6);
    outer->setSpacing(8);

    lblWaiting_ = new QLabel(this);
    lblWaiting_->setObjectName(QStringLiteral("lblWaiting"));
    lblWaiting_->setWordWrap(true);
    lblWaiting_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblWaiting_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblWaiting_->setMinimumHeight(lblWaiting_->fontMetrics().lineSpacing() * 3);
    outer->addWidget(lblWaiting_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    cmdPay_ = new QPushButton(QStringLiteral("Pay"), this);
    cmdPay_->setObjectName(QStringLiteral("cmdPay"));
    cmdPay_->setToolTip(QStringLiteral("Pay the money and continue the game"));
    cmdILose_ = new QPushButton(QStringLiteral("I Lose!"), this);
    cmdILose_->setObjectName(QStringLiteral("cmdILose"));
    cmdILose_->setToolTip(QStringLiteral("Lose and exit the game"));
    buttons->addWidget(cmdPay_);
    buttons->addWidget(cmdILose_);
    // No default button: a stray Enter must neither pay nor give up. A
    // button with the focus still takes Enter.
    for (QPushButton* b : {cmdPay_, cmdILose_}) {
        b->setAutoDefault(false);
        b->installEventFilter(this);
    }
    buttons->addStretch(1);
    outer->addLayout(buttons);

    auto* f1 = new QLabel(QStringLiteral("Press F1 for online help!"), this);
    f1->setObjectName(QStringLiteral("lblPressF1forHelp"));
    f1->setToolTip(QStringLiteral("Press F1 for complete HTML Help on this window!"));
    outer->addWidget(f1);

    connect(cmdPay_, &QPushButton::clicked, this, [this] {
        Controller& c = controller;
        game().Wait.cmdPay_Click();
        c.renderAll();
    });
    connect(cmdILose_, &QPushButton::clicked, this, [this] {
        Controller& c = controller;
        game().Wait.cmdILose_Click();
        c.renderAll();
    });

    setFixedWidth(380);
    render();
}

void WaitWindow::render() {
    QString text = toQt(game().Wait.lblWaiting);
    if (lblWaiting_->text() != text) lblWaiting_->setText(text);
}

bool WaitWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            if (button->isEnabled()) button->click();
            return true;
        }
    }
    return FormWindow::eventFilter(watched, event);
}

void WaitWindow::reject() {
    if (!game().Wait.Loaded) FormWindow::reject();
}

void WaitWindow::closeEvent(QCloseEvent* event) {
    if (game().Wait.Loaded) event->ignore();
    else event->accept();
}

}  // namespace zx
