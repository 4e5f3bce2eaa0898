#pragma once
// PlayerForm: a player's personal window, his wallet and desk. It sits over
// one of the seats of the main window and stays usable during every turn.

#include <array>

#include "rules/operations.h"
#include "windows/form_window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace zx {

class PlayerForm;

class PlayerWindow : public FormWindow {
    Q_OBJECT
public:
    PlayerWindow(Controller& controller, int slot, QWidget* parent = nullptr);
    void render() override;
    void focusControl(FocusId focus, int index) override;
    QString helpTopic() const override { return QStringLiteral("playerwindow"); }
    int slot() const { return slot_; }

    // The seat a personal window must fit at 1024 x 768.
    static constexpr int SeatWidth = 236;
    static constexpr int SeatHeight = 270;

public slots:
    // The window can only be put away by the program; a user's close goes
    // to the rules, which normally refuse it.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The model of this window, or null once the game has unloaded it.
    PlayerForm* model();
    // Works one of the window's controls as its owner's seat.
    void desk(OpKind kind, int index = 0, int value = 0, std::string text = {});
    // Runs a handler of the model, then redraws every window. The handler may
    // close this very window, so nothing here touches the window afterwards.
    QPushButton* buttonFor(int deskButton) const;
    void userClose();
    void alignInsuranceBoxes();

    int slot_;
    QGroupBox* fraMoney_ = nullptr;
    QLabel* lblCash_ = nullptr;
    QLabel* lblEstate_ = nullptr;
    QPushButton* cmdLoan_ = nullptr;
    QPushButton* cmdQuitGame_ = nullptr;
    QGroupBox* frmFactories_ = nullptr;
    QListWidget* lstCompanies_ = nullptr;
    QPushButton* cmdSellCompanies_ = nullptr;
    QGroupBox* fraInsurance_ = nullptr;
    std::array<QCheckBox*, 6> chkInsurance_{};  // 1..5
    QPushButton* cmdOK_ = nullptr;
    QGroupBox* fraBankAccount_ = nullptr;
    QLabel* lblMoneyInBank_ = nullptr;
    QLineEdit* txtBankNum_ = nullptr;
    QScrollBar* vscBankNum_ = nullptr;
    QPushButton* cmdDeposit_ = nullptr;
    QPushButton* cmdWithdraw_ = nullptr;
    int iconShown_ = -1;
};

}  // namespace zx
