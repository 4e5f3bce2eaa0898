#pragma once
// frmWait: "Waiting...". Tells everybody whose debt the game waits for;
// the debtor raises the money in his personal window, then pays or loses.

#include "windows/form_window.h"

class QLabel;
class QPushButton;

namespace zx {

class WaitWindow : public FormWindow {
    Q_OBJECT
public:
    explicit WaitWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override;
    QString helpTopic() const override { return QStringLiteral("waiting"); }

public slots:
    // The debt cannot be closed away: only Pay or "I Lose!" end the wait.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* lblWaiting_ = nullptr;
    QPushButton* cmdPay_ = nullptr;
    QPushButton* cmdILose_ = nullptr;
};

}  // namespace zx
