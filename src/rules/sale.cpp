// Selling a company by secret bids.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>

#include "rules/game.h"
#include "rules/text.h"
#include "rules/money.h"

namespace zx {

namespace {

constexpr int BidRows = 4;  // row 0 is the bank

// Whole dollars of a figure in money form ("$1,500,000"); the bids are
// shown that way once revealed and the price is read back from it.
std::int64_t MoneyTextValue(const std::string& text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) continue;
        if (value > (std::numeric_limits<std::int64_t>::max() - 9) / 10) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A typed bid in whole dollars, as it will be shown and paid.
double WholeDollars(double bid) { return RoundHalfEven(bid); }

}  // namespace

void SellCompaniesForm::Form_Load() {
    Loaded = true;
    DisableSell();
    ClearForm();
    UpdateBidsFrame();
    RefillTable();
    const std::string& seller = g.Name(g.S.SellingPlayer);
    g.S.HintText = Say(ZX_TEXT("Hint", "Selling is similar to an auction.  %1 should choose a company to sell from "
                                       "the left.  Then other players should enter their secret bids in their boxes "
                                       "at the right and click Submit."),
                       {seller});
    g.ShowPrompts();
}

void SellCompaniesForm::DisableSell() {
    fraCompaniesEnabled = true;
    txtBidReadOnly[0] = true;
    for (int row = 1; row < BidRows; ++row) txtBidReadOnly[static_cast<std::size_t>(row)] = false;
    for (int row = 0; row < BidRows; ++row) {
        optPlayerEnabled[static_cast<std::size_t>(row)] = false;
        optPlayerValue[static_cast<std::size_t>(row)] = false;
    }
    optPlayerValue[0] = true;
    cmdSubmitEnabled = true;
    DefaultButton = Default::Submit;
    cmdSellEnabled = false;
    cmdCancelEnabled = false;
}

void SellCompaniesForm::ClearForm() {
    for (std::size_t row = 0; row < optNameVisible.size(); ++row) {
        optNameVisible[row] = false;
        optNameValue[row] = false;
        optNameCaption[row].clear();
        lblValue[row].clear();
    }
    for (int row = 0; row < BidRows; ++row) {
        auto r = static_cast<std::size_t>(row);
        txtBid[r].clear();
        txtBidColor[r] = Black;
        txtBidMasked[r] = row != 0;
    }
}

void SellCompaniesForm::UpdateBidsFrame() {
    optPlayerVisible[0] = true;
    optPlayerCaption[0] = Say(ZX_TEXT("Sale", "Bank"));
    optPlayerId = {};
    for (int row = 1; row < BidRows; ++row) {
        optPlayerVisible[static_cast<std::size_t>(row)] = false;
        optPlayerCaption[static_cast<std::size_t>(row)].clear();
    }
    int row = 1;
    for (int p = 1; p <= g.S.NumOfPlayers && row < BidRows; ++p) {
        if (p == g.S.SellingPlayer) continue;
        optPlayerVisible[static_cast<std::size_t>(row)] = true;
        optPlayerCaption[static_cast<std::size_t>(row)] = g.Name(p);
        optPlayerId[static_cast<std::size_t>(row)] = g.S.PlayerId[static_cast<std::size_t>(p)];
        ++row;
    }
}

void SellCompaniesForm::RefillTable() {
    const int seller = g.S.SellingPlayer;
    if (seller < 1 || seller > g.S.NumOfPlayers) return;
    const auto& listed = g.PlayerWindow(seller).lstCompanies;
    const std::size_t rows = std::min(listed.size(), optNameVisible.size());
    for (std::size_t row = 0; row < rows; ++row) {
        optNameVisible[row] = true;
        optNameCaption[row] = listed[row];
        const int k = CompanyNumberNamed(g.S, listed[row]);
        lblValue[row] = FormatMoney(g.S.CompanyValue[static_cast<std::size_t>(k)]);
    }
    if (rows > 0) {
        optName_Click(0);
        g.ui.focus(FocusId::SaleCompany, 0);
    }
}

void SellCompaniesForm::optName_Click(int row) {
    if (row < 0 || row >= static_cast<int>(optNameVisible.size())) return;
    if (!fraCompaniesEnabled || !optNameVisible[static_cast<std::size_t>(row)]) return;
    for (std::size_t r = 0; r < optNameValue.size(); ++r) optNameValue[r] = static_cast<int>(r) == row;
    // The row shows one of the seller's companies as his list showed it
    // when the window was filled.
    g.S.SaleCompany = CompanyNumberNamed(g.S, optNameCaption[static_cast<std::size_t>(row)]);
    for (int r = 1; r < BidRows; ++r) txtBid[static_cast<std::size_t>(r)].clear();
    int k = g.S.SaleCompany;
    txtBid[0] = (k >= 1 && k <= NumCompanies) ? FormatMoney(g.S.CompanyValue[static_cast<std::size_t>(k)] / 2) : "";
    g.ui.refresh();
}

void SellCompaniesForm::optPlayer_Click(int row) {
    if (row < 0 || row >= BidRows) return;
    auto r = static_cast<std::size_t>(row);
    if (!optPlayerVisible[r] || !optPlayerEnabled[r]) return;
    for (std::size_t i = 0; i < optPlayerValue.size(); ++i) optPlayerValue[i] = i == r;
    g.ui.refresh();
}

void SellCompaniesForm::txtBid_Typed(int row, const std::string& text) {
    if (row < 1 || row >= BidRows) return;
    auto r = static_cast<std::size_t>(row);
    if (txtBidReadOnly[r] || !optPlayerVisible[r]) return;
    txtBid[r] = text;
}

void SellCompaniesForm::cmdSubmit_Click() {
    GameState& s = g.S;
    const int k = s.SaleCompany;
    if (!cmdSubmitEnabled || k < 1 || k > NumCompanies) return;
    const double value = s.CompanyValue[static_cast<std::size_t>(k)];

    auto refuse = [&](int row, const std::string& text) {
        g.MsgBoxFor(g.SlotOf(optPlayerId[static_cast<std::size_t>(row)]), text, "Bad number", MsgIcon::Exclamation);
        txtBid[static_cast<std::size_t>(row)].clear();
        g.ui.focus(FocusId::SaleBid, row);
        g.ui.refresh();
    };
    auto bid = [&](int row) { return LeadingNumber(txtBid[static_cast<std::size_t>(row)]); };
    auto inPlay = [&](int row) { return optPlayerVisible[static_cast<std::size_t>(row)]; };

    for (int row = 1; row < BidRows; ++row) {
        if (!inPlay(row)) continue;
        double b = bid(row);
        if (b < 0 || !std::isfinite(b) || std::fmod(WholeDollars(b), 10'000.0) != 0) {
            refuse(row, Say(ZX_TEXT("Message", "Please enter a positive integer!")));
            return;
        }
        if (b > 1.5 * value) {
            refuse(row, Say(ZX_TEXT("Message", "Bids can't be bigger than 1.5 times the company value!")));
            return;
        }
    }

    // The rows follow the players' order, so the first player short of his
    // bid is the one told.
    for (int row = 1; row < BidRows; ++row) {
        const int p = g.SlotOf(optPlayerId[static_cast<std::size_t>(row)]);
        if (!inPlay(row) || p == 0) continue;
        if (!HasEnoughMoney(s, p, static_cast<std::int64_t>(WholeDollars(bid(row))))) {
            refuse(row, IsFemale(s, p) ? Say(ZX_TEXT("Message", "%1's bid can't be greater than her money!"), {g.Name(p)})
                                       : Say(ZX_TEXT("Message", "%1's bid can't be greater than his money!"), {g.Name(p)}));
            return;
        }
    }

    g.PlayPositiveSound();
    // Bids are compared in the whole dollars they will be shown and paid in,
    // so two bids that would read the same are never both accepted.
    double best = WholeDollars(value / 2);
    s.BestBidder = 0;
    for (int row = 1; row < BidRows; ++row) {
        if (!inPlay(row)) continue;
        double b = WholeDollars(bid(row));
        if (b == best) {
            refuse(row, Say(ZX_TEXT("Message", "Bids can't be equal!")));
            return;
        }
        if (b > best) {
            best = b;
            s.BestBidder = row;
        }
    }

    RevealBids();
    ShowBiggestBid();
    EnableSell();
    g.ui.focus(FocusId::SaleBankOption, 0);

    const std::string& company = s.CompanyName[static_cast<std::size_t>(k)];
    s.HintText = IsFemale(s, s.SellingPlayer)
                     ? Say(ZX_TEXT("Hint", "Now %1 should choose who she will sell %2 to and click Sell, or click "
                                           "Cancel to keep it."),
                           {g.Name(s.SellingPlayer), company})
                     : Say(ZX_TEXT("Hint", "Now %1 should choose who he will sell %2 to and click Sell, or click "
                                           "Cancel to keep it."),
                           {g.Name(s.SellingPlayer), company});
    g.ShowPrompts();
}

void SellCompaniesForm::RevealBids() {
    for (int row = 1; row < BidRows; ++row) {
        auto r = static_cast<std::size_t>(row);
        txtBidMasked[r] = false;
        if (txtBid[r].empty()) continue;
        txtBid[r] = FormatMoney(static_cast<std::int64_t>(WholeDollars(LeadingNumber(txtBid[r]))));
    }
    LogRevealedBids(g);
}

void SellCompaniesForm::ShowBiggestBid() {
    int row = g.S.BestBidder;
    if (row >= 0 && row < BidRows) txtBidColor[static_cast<std::size_t>(row)] = Red;
}

void SellCompaniesForm::EnableSell() {
    fraCompaniesEnabled = false;
    for (int row = 1; row < BidRows; ++row) txtBidReadOnly[static_cast<std::size_t>(row)] = true;
    for (int row = 0; row < BidRows; ++row) {
        auto r = static_cast<std::size_t>(row);
        optPlayerEnabled[r] = optPlayerVisible[r] && !txtBid[r].empty();
    }
    cmdSubmitEnabled = false;
    cmdSellEnabled = true;
    DefaultButton = Default::Sell;
    cmdCancelEnabled = true;
    g.ui.refresh();
}

void SellCompaniesForm::FindBuyer() {
    GameState& s = g.S;
    s.ChosenRow = 0;
    for (int row = 0; row < BidRows; ++row) {
        if (optPlayerValue[static_cast<std::size_t>(row)]) {
            s.ChosenRow = row;
            break;
        }
    }
    if (const int p = g.SlotOf(optPlayerId[static_cast<std::size_t>(s.ChosenRow)]); p != 0) s.Buyer = p;
}

void SellCompaniesForm::cmdSell_Click() {
    GameState& s = g.S;
    if (!cmdSellEnabled) return;
    const int seller = s.SellingPlayer;
    const int k = s.SaleCompany;
    if (k < 1 || k > NumCompanies || seller < 1 || seller > s.NumOfPlayers) return;
    const auto uk = static_cast<std::size_t>(k);

    // The game's timers run on while this window is open: a disaster can
    // take the company away before the seller decides.
    if (s.CompanyOwner[uk] != seller) {
        g.MsgBoxFor(seller, Say(ZX_TEXT("Message", "%1 doesn't own %2 anymore!"), {g.Name(seller), s.CompanyName[uk]}),
                    "Sorry!", MsgIcon::Exclamation);
        Form_Load();
        return;
    }

    FindBuyer();
    const int row = s.ChosenRow;
    const std::string caption = optPlayerCaption[static_cast<std::size_t>(row)];
    const std::string shown = txtBid[static_cast<std::size_t>(row)];
    const std::int64_t price = MoneyTextValue(shown);
    int buyer = row > 0 ? g.SlotOf(optPlayerId[static_cast<std::size_t>(row)]) : 0;
    if (row > 0 && (buyer == 0 || buyer == seller)) return;

    // The bid was covered at Submit; the buyer may have paid out since.
    if (buyer != 0 && !HasEnoughMoney(s, buyer, price)) {
        g.MsgBoxFor(seller,
                    IsFemale(s, buyer) ? Say(ZX_TEXT("Message", "%1's bid can't be greater than her money!"), {g.Name(buyer)})
                                       : Say(ZX_TEXT("Message", "%1's bid can't be greater than his money!"), {g.Name(buyer)}),
                    "Bad number", MsgIcon::Exclamation);
        return;
    }

    g.SetPromptColor(seller);
    s.PromptText = Say(ZX_TEXT("Prompt", "%1 sold %2 to %3 at %4!"), {g.Name(seller), s.CompanyName[uk], caption, shown});
    s.HintText.clear();

    if (buyer != 0) AddMoney(s.Cash[static_cast<std::size_t>(buyer)], -price);
    AddMoney(s.Cash[static_cast<std::size_t>(seller)], price);

    s.CompanyInsured[uk] = false;
    s.CompanyOwner[uk] = buyer;

    g.BreakComplex(k, seller);
    g.CheckNewComplexes();
    if (g.IsPerson(seller) || g.IsPerson(buyer)) LogStandingNews(g, PlayerColor(s, seller));
    g.UpdateDisplay();

    const int playersBefore = s.NumOfPlayers;
    g.CheckWin(seller);
    // A seller who wins leaves at once and the players after him move down
    // one number, the buyer among them.
    if (s.NumOfPlayers < playersBefore && buyer > seller) --buyer;
    if (buyer != 0 && s.GameInProgress && s.NumOfPlayers > 1) g.CheckWin(buyer);

    Unload();
    g.ui.focus(FocusId::MainWindow, 0);
}

void SellCompaniesForm::cmdCancel_Click() {
    if (!cmdCancelEnabled) return;
    Form_Load();
}

void SellCompaniesForm::Form_QueryUnload() {
    if (!Loaded) return;
    const int seller = g.S.SellingPlayer;
    g.SetPromptColor(seller);
    g.S.PromptText = Say(ZX_TEXT("Prompt", "%1 refused to sell any companies!"), {g.Name(seller)});
    g.S.HintText.clear();
    g.ShowPrompts();
    Unload();
}

void SellCompaniesForm::Unload() {
    if (!Loaded) return;
    Loaded = false;
    g.ui.closeWindow(WindowId::SellCompanies, 0);
}

}  // namespace zx
