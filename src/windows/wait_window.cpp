#include "windows/wait_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/game.h"
#include "windows/controller.h"
#include "windows/qt_text.h"

namespace zx {

WaitWindow::WaitWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(tr("Waiting..."));

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
    cmdPay_ = new QPushButton(tr("Pay"), this);
    cmdPay_->setObjectName(QStringLiteral("cmdPay"));
    cmdPay_->setToolTip(tr("Pay the money and continue the game"));
    cmdILose_ = new QPushButton(tr("I Lose!"), this);
    cmdILose_->setObjectName(QStringLiteral("cmdILose"));
    cmdILose_->setToolTip(tr("Lose and exit the game"));
    buttons->addWidget(cmdPay_);
    buttons->addWidget(cmdILose_);
    // No default button: a stray Enter must neither pay nor give up.
    clickOnEnterWhenFocused({cmdPay_, cmdILose_});
    buttons->addStretch(1);
    outer->addLayout(buttons);

    auto* f1 = helpLabel();
    outer->addWidget(f1);

    connect(cmdPay_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::WaitPay}); });
    connect(cmdILose_, &QPushButton::clicked, this, [this] { controller.act({.kind = OpKind::WaitLose}); });

    setFixedWidth(380);
    render();
}

void WaitWindow::render() {
    QString text = toQt(game().Wait.lblWaiting);
    if (lblWaiting_->text() != text) lblWaiting_->setText(text);
}

void WaitWindow::reject() {
    if (!game().Wait.Loaded) FormWindow::reject();
}

void WaitWindow::closeEvent(QCloseEvent* event) {
    if (game().Wait.Loaded) event->ignore();
    else event->accept();
}

}  // namespace zx
