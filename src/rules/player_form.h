#pragma once
// The model of a player's personal window (PlayerForm): his money, his
// companies, banking, insurance, and the doors to selling, lending and
// quitting. One instance per player slot, created on first use.

#include <array>
#include <string>
#include <vector>

#include "rules/functions.h"
#include "state/game_state.h"

namespace zx {

class Game;

enum class CheckState { Unchecked, Checked, Grayed };
enum class DeskButton { None, Deposit, Withdraw, OK };

// The controls of the window, kept apart so that unloading can put them
// back to their first state in one assignment.
struct PlayerFormControls {
    bool Visible = false;
    std::string Caption;       // the owner's name, shown in the title bar
    int OwnerId = 0;           // the owner's PlayerId: the window knows its owner by it
    int Icon = 0;              // piece picture number used as the window icon
    int Left = 0, Top = 0;     // screen position in twips (the Qt layer fits it to the screen)

    std::string lblCash = "$0";
    Rgb lblCashColor = Black;
    std::string lblEstate = "$0";
    std::string lblMoneyInBank = "$0";
    std::vector<std::string> lstCompanies;          // at most 5 rows
    std::array<CheckState, 6> chkInsurance{};        // 1..5
    std::array<bool, 6> chkInsuranceEnabled{};       // 1..5
    bool fraInsuranceEnabled = false;
    std::string txtBankNum;                          // at most 4 characters
    int vscBankNum = 0;                              // -90 (top) .. 9 (bottom)
    bool cmdDepositEnabled = false;
    bool cmdWithdrawEnabled = true;
    DeskButton DefaultButton = DeskButton::None;
    DeskButton CancelButton = DeskButton::None;
};

class PlayerForm : public PlayerFormControls {
public:
    PlayerForm(Game& game, int slot) : g(game), Slot(slot) {}

    bool Loaded = false;
    // Back to the state of a freshly loaded window.
    void Reset() { static_cast<PlayerFormControls&>(*this) = PlayerFormControls{}; }

    // ---- events ----
    // The user moved the scroll bar to `value`.
    void vscBankNum_Change(int value);
    // The user typed: the box now holds `text` (cut to 4 characters).
    void txtBankNum_Typed(const std::string& text);
    // Sets the box's text from the program; runs the change rule like typing.
    void SetBankNum(const std::string& text);
    void txtBankNum_Change();
    void cmdDeposit_Click();
    void cmdWithdraw_Click();
    void cmdOK_Click();
    // The endings of deposit and insurance mode, shared by the buttons that
    // answer them and by a player leaving in the middle of one.
    void EndDeposit();
    void EndInsurance();
    // The user clicked insurance box i (1..5): an enabled box toggles between
    // empty and ticked.
    void chkInsurance_Click(int i);
    void cmdSellCompanies_Click();
    void cmdLoan_Click();
    void cmdQuitGame_Click();
    // A close asked for by the user is refused (returns true = cancel).
    bool Form_QueryUnload(bool byUser);
    void lstCompanies_Click(int row);

    // The owner's player number now (0 once he has left the game).
    int Owner() const;
    int SlotNumber() const { return Slot; }

private:
    Game& g;
    int Slot;
};

}  // namespace zx
