#pragma once
// Models of the game's dialogs that the rules drive: buying a company,
// waiting for a payment, selling by secret bids, lending money, setting up
// a new game, and the results. Each holds the state of its controls and
// the event handlers; the Qt dialogs draw them and forward events.

#include <array>
#include <string>

#include "rules/functions.h"
#include "state/game_state.h"

namespace zx {

class Game;

// Each window's model keeps the state of its controls in a plain struct of
// its own, apart from the handlers, so that a whole game (windows included)
// can be copied for looking ahead.

// frmBuyCompany: "Buy a company".
struct BuyCompanyControls {
    bool Loaded = false;
    std::string lblComplex;
    std::array<std::string, 4> optNameCaption{};  // 1..3
    std::array<bool, 4> optNameEnabled{};
    std::array<bool, 4> optNameValue{};           // the selected option
    std::array<int, 4> picLogo{};                 // logo picture number shown
    std::array<std::string, 4> lblValue{};
};

class BuyCompanyForm : public BuyCompanyControls {
public:
    explicit BuyCompanyForm(Game& game) : g(game) {}

    void Form_Activate();
    void optName_Click(int s);
    void cmdBuy_Click();
    void cmdCancel_Click();
    // The end of the offer, whether bought, refused, or its player left.
    void EndOffer();
    void Unload();

private:
    Game& g;
};

// frmWait: "Waiting...".
struct WaitControls {
    bool Loaded = false;
    std::string lblWaiting;
    int Debtor = 0;  // the player whose debt opened the window
};

class WaitForm : public WaitControls {
public:
    explicit WaitForm(Game& game) : g(game) {}

    // Shows the window for the current player's debt (Form_Load).
    void Show();
    void cmdPay_Click();
    void cmdILose_Click();
    void Unload();

private:
    Game& g;
};

// frmSellCompanies: "Sell a company".
struct SellCompaniesControls {
    bool Loaded = false;

    // Company rows 0..4.
    bool fraCompaniesEnabled = true;
    std::array<bool, 5> optNameVisible{};
    std::array<bool, 5> optNameValue{};
    std::array<std::string, 5> optNameCaption{};
    std::array<std::string, 5> lblValue{};
    // Bid rows 0..3; row 0 is the bank.
    std::array<bool, 4> optPlayerVisible{};
    std::array<bool, 4> optPlayerEnabled{};
    std::array<bool, 4> optPlayerValue{};
    std::array<std::string, 4> optPlayerCaption{};
    std::array<int, 4> optPlayerId{};  // the PlayerId of each bidder's row, 0 for the bank
    std::array<std::string, 4> txtBid{};
    std::array<bool, 4> txtBidReadOnly{};
    std::array<bool, 4> txtBidMasked{};
    std::array<Rgb, 4> txtBidColor{};
    bool cmdSubmitEnabled = true;
    bool cmdSellEnabled = false;
    bool cmdCancelEnabled = false;
    enum class Default { Submit, Sell } DefaultButton = Default::Submit;
};

class SellCompaniesForm : public SellCompaniesControls {
public:
    explicit SellCompaniesForm(Game& game) : g(game) {}

    // Opening (Form_Load), also re-run by Cancel.
    void Form_Load();
    void DisableSell();
    void ClearForm();
    void UpdateBidsFrame();
    void RefillTable();
    void optName_Click(int row);
    void optPlayer_Click(int row);
    void txtBid_Typed(int row, const std::string& text);
    void cmdSubmit_Click();
    void RevealBids();
    void ShowBiggestBid();
    void EnableSell();
    void FindBuyer();
    void cmdSell_Click();
    void cmdCancel_Click();
    // Closed by its window close command: the seller keeps the company.
    void Form_QueryUnload();
    void Unload();

private:
    Game& g;
};

// frmLoan: "Lend money".
struct LoanControls {
    bool Loaded = false;
    std::array<bool, 5> optPlayerVisible{};  // 1..4
    std::array<bool, 5> optPlayerEnabled{};
    std::array<bool, 5> optPlayerValue{};
    std::array<std::string, 5> optPlayerCaption{};
    std::array<int, 5> optPlayerId{};  // the PlayerId each option was laid out for
    std::string txtLoanNum;    // at most 4 characters
    int vscLoanNum = 0;        // -90 .. 9
    int VScroll = 10;          // 1 .. 10
    std::string lblInterest;
    std::string lblDuration;
    int refusedBy = 0;  // the PlayerId of the borrower who last said no to this offer
};

class LoanForm : public LoanControls {
public:
    explicit LoanForm(Game& game) : g(game) {}

    void Form_Load();
    void optPlayer_Click(int i);
    void txtLoanNum_Typed(const std::string& text);
    void vscLoanNum_Change(int value);
    void VScroll_Change(int setting);
    void cmdLoan_Click();
    void cmdCancel_Click();
    // The window's close command acts as Cancel, giving the slot back.
    void Form_QueryUnload();
    void Unload();

private:
    Game& g;
};

// frmNewGame: "Start a new game".
struct NewGameControls {
    bool Loaded = false;
    std::array<bool, 5> optNumOfPlayersValue{};       // 2..4; none selected at first
    std::array<std::string, 5> txtPlayerName{};       // 1..4, at most 12 characters
    std::array<bool, 5> rowEnabled{};                 // name box and sex list of row i
    std::array<int, 5> cmbPlayerSex{};                // 0 = "F", 1 = "M"
    std::array<int, 5> cmbPlayerType{};               // 0 = "Human", 1..3 = "Computer (easy/normal/hard)"
    std::array<int, 5> picPiece{};                    // piece pictures shown
    std::array<bool, 3> optCompanySetValue{};         // 1..2
    bool chkAutoSave = true;
    bool chkSounds = true;
    bool chkLimitReactionTime = false;
    bool chkBackgroundMusic = true;
};

class NewGameForm : public NewGameControls {
public:
    explicit NewGameForm(Game& game) : g(game) {}

    void Form_Load();
    void SetInitialOptions();
    void SetInitialSex();
    void optNumOfPlayers_Click(int index);
    void txtPlayerName_Typed(int i, const std::string& text);
    void cmbPlayerSex_Click(int i, int entry);
    void cmbPlayerType_Click(int i, int entry);
    void optCompanySet_Click(int index);
    void cmdNextSet_Click();
    void chkAutoSave_Click(bool checked);
    void chkSounds_Click(bool checked);
    void chkLimitReactionTime_Click(bool checked);
    void chkBackgroundMusic_Click(bool checked);
    void cmdStart_Click();
    // The names Start needs (one in each row, no two alike); says what is
    // wrong and returns false otherwise.
    bool CheckNames();
    void GetPlayerInfo();
    void SetPlayerNumbers();
    void cmdClose_Click();
    void Unload();

private:
    Game& g;
};

// frmResults: "Game over!".
struct ResultsControls {
    bool Loaded = false;
    std::array<bool, 5> rowVisible{};             // places 1..4
    std::array<std::string, 5> lblFinisher{};
};

class ResultsForm : public ResultsControls {
public:
    explicit ResultsForm(Game& game) : g(game) {}

    void Form_Load();
    void cmdOK_Click();

private:
    Game& g;
};

}  // namespace zx
