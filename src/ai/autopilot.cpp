#include "ai/autopilot.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "rules/money.h"

namespace zx::ai {

namespace {

// A hand that tries the same thing this often in one move gives it up: a
// refusal it did not foresee must not keep it clicking for ever.
constexpr int MaxTries = 3;

// What a player decides or tries during one move, for his memory of it.
enum Thought : std::int64_t {
    BuyThought = 1, DepositThought, InsureThought, MoveThought, CashThought, LendThought, LoanAskedThought,
    LoanThought, SaleRowThought, SubmitThought, SellThought, PayThought, DebtWithdrawThought, DebtSellThought,
    BidThought, BuyerThought, QuitThought, BorrowThought,
};
// A thought about one company (a bid, a buyer), from one seller.
constexpr std::int64_t About(Thought t, int company, int sellerId = 0) {
    return t + 100 * std::int64_t{company} + 10'000 * std::int64_t{sellerId};
}

}  // namespace

std::string MillionsText(Money dollars, bool roundUp) {
    if (dollars <= 0) return "0";
    // Hundredths of a million while they fit four characters ("0.37",
    // "4.25"), tenths above ten ("12.5"), whole millions above a hundred.
    for (int decimals = 2; decimals >= 0; --decimals) {
        const std::int64_t step = decimals == 2 ? 10'000 : decimals == 1 ? 100'000 : 1'000'000;
        std::int64_t units = dollars / step;
        if (roundUp && dollars % step != 0) ++units;
        const std::int64_t whole = units * step / 1'000'000;
        const std::int64_t part = units * step % 1'000'000 / step;
        std::string text = std::to_string(whole);
        if (decimals > 0 && part != 0) {
            std::string digits = std::to_string(part);
            while (static_cast<int>(digits.size()) < decimals) digits.insert(digits.begin(), '0');
            while (!digits.empty() && digits.back() == '0') digits.pop_back();
            text += "." + digits;
        }
        if (text.size() <= 4) return text;
    }
    return "9999";
}

// ---- the seats ----

struct Autopilot::Seat {
    PlayerType type = Human;
    PlayerRandom rng;
    // The pilot's flag that the current movement has looked ahead.
    bool* thought = nullptr;
    std::unique_ptr<Strategy> strategy;
    // What the player has decided and tried during the current move: a few
    // entries at the most, kept in flat lists that keep their room.
    struct Memory {
        std::vector<std::pair<std::int64_t, std::int64_t>> entries;
        std::int64_t* Find(std::int64_t key) {
            for (auto& e : entries)
                if (e.first == key) return &e.second;
            return nullptr;
        }
        std::int64_t& operator[](std::int64_t key) {
            if (std::int64_t* v = Find(key)) return *v;
            return entries.emplace_back(key, 0).second;
        }
        bool count(std::int64_t key) { return Find(key) != nullptr; }
        void clear() { entries.clear(); }
    };
    int move = -1;
    Memory decided;
    Memory tries;
    // Set when its hand presses Quit Game or "I Lose!": only then does it
    // confirm that it gives up.
    bool wantsToLose = false;
    // The loan its hand is typing into the "Lend money" window.
    std::optional<LoanOffer> loan;

    void Touch(int moves) {
        if (moves == move) return;
        move = moves;
        decided.clear();
        tries.clear();
    }
    template <typename Fn> std::int64_t Decide(std::int64_t key, Fn&& fn) {
        if (std::int64_t* v = decided.Find(key)) return *v;
        const std::int64_t v = fn();
        if (strategy->LooksAhead()) *thought = true;
        decided[key] = v;
        return v;
    }
    int Try(std::int64_t key) { return static_cast<int>(tries[key]++); }
};

Autopilot::Autopilot(Game& game, std::uint64_t seed) : g_(game), seed_(seed) {}
Autopilot::~Autopilot() = default;

void Autopilot::Forget() {
    for (auto& seat : seats_) seat.reset();
    personSaidNo_ = {};
    offeredPerson_ = {};
}

PlayerType Autopilot::TypeOf(int p) const {
    if (p < 1 || p > g_.S.NumOfPlayers || p > MaxPlayers) return Human;
    if (const PlayerType chosen = chosen_[At(g_.IdOf(p))]; chosen != Human) return chosen;
    if (onlyChosen_) return Human;
    if (everySeatAs_ != Human) return everySeatAs_;
    return static_cast<PlayerType>(std::clamp(int{g_.S.PlayerType[At(p)]}, int{Human}, int{Hard}));
}

bool Autopilot::IsComputer(int p) const { return TypeOf(p) != Human; }

bool Autopilot::AnyComputer() const {
    for (int p = 1; p <= g_.S.NumOfPlayers; ++p)
        if (IsComputer(p)) return true;
    return false;
}

bool Autopilot::AnyHuman() const {
    for (int p = 1; p <= g_.S.NumOfPlayers; ++p)
        if (!IsComputer(p)) return true;
    return false;
}

Autopilot::Seat& Autopilot::SeatOf(int p) {
    const int id = g_.IdOf(p);
    const PlayerType type = TypeOf(p);
    auto& slot = seats_.at(static_cast<std::size_t>(id));
    if (!slot || slot->type != type) {
        slot = std::make_unique<Seat>();
        slot->type = type;
        slot->thought = &thought_;
        slot->rng.seed(seed_ * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(id) * 7919u + 1);
        if (auto maker = makers_.find(type); maker != makers_.end()) {
            slot->strategy = maker->second(slot->rng);
        } else switch (type) {
            case Easy: slot->strategy = MakeEasy(slot->rng); break;
            case Hard: slot->strategy = MakeHard(slot->rng, lookAhead_); break;
            default: slot->strategy = MakeNormal(); break;
        }
    }
    slot->Touch(g_.S.Moves);
    return *slot;
}

bool Autopilot::Sent(OpKind kind, int p, int index, int value, std::string text, int window) {
    if (!sink_) return false;
    sink_(Op{kind, g_.IdOf(p), window, index, value, std::move(text)});
    return true;
}

// ---- the message boxes addressed to a computer player ----

std::optional<MsgAnswer> Autopilot::Answer(const Message& m) {
    if (!IsComputer(m.player)) return std::nullopt;
    Seat& seat = SeatOf(m.player);
    if (m.id == LoseConfirmationTitle) {
        const bool yes = seat.wantsToLose;
        seat.wantsToLose = false;
        return yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    if (m.id == LoanConfirmationTitle) {
        if (std::int64_t* presumed = seat.decided.Find(BorrowThought); presumed && *presumed >= 0) {
            const bool yes = *presumed != 0;
            *presumed = -1;  // one answer, to the loan asked now
            return yes ? MsgAnswer::Yes : MsgAnswer::No;
        }
        // What the "Lend money" window shows: who lends, how much, at what terms.
        const int slot = g_.Draft.Slot();
        const int lender = slot >= 1 ? g_.S.LoanLender[At(slot)] : 0;
        const Money amount = MillionsToDollars(LeadingNumber(g_.LoanDialog.txtLoanNum), 1).value_or(0);
        const bool yes = seat.strategy->Borrow(SeatView(g_, m.player), lender, amount, g_.S.LoanInterest, g_.S.LoanDuration);
        return yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    switch (m.buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::OkCancel: return MsgAnswer::Ok;
        case MsgButtons::YesNo: return MsgAnswer::No;
        case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    }
    return m.defaultAnswer;
}

// ---- one movement ----

bool Autopilot::Step() {
    thought_ = false;
    const GameState& s = g_.S;
    if (!s.GameInProgress || g_.Results.Loaded || g_.NewGame.Loaded) return false;
    if (g_.SellForm.Loaded) return SaleStep();
    if (g_.LoanDialog.Loaded) return LoanStep();
    if (s.WaitingMode || g_.Wait.Loaded) {
        const int debtor = g_.Wait.Debtor >= 1 ? g_.Wait.Debtor : s.CurrentPlayer;
        return IsComputer(debtor) ? DebtStep(debtor) : false;
    }
    const int cp = s.CurrentPlayer;
    if (s.BuyMode) return IsComputer(cp) && BuyStep(cp);
    if (s.DepositMode) return IsComputer(cp) && DepositStep(cp);
    if (s.InsuranceMode) return IsComputer(cp) && InsuranceStep(cp);
    if (s.MoveAnywhereMode && cp >= 1 && cp <= s.NumOfPlayers) return IsComputer(cp) && MoveAnywhereStep(cp);
    if (s.DestroyMode || s.MoneyChanging || g_.TimerEnabled(TimerId::MovePieces)) return false;
    if (!g_.Main.cmdRollDiceEnabled) return false;
    return BetweenTurnsStep();
}

bool Autopilot::WeighingFreeMove(int p) const {
    const GameState& s = g_.S;
    if (!s.MoveAnywhereMode || p != s.CurrentPlayer || !IsComputer(p)) return false;
    const int id = g_.IdOf(p);
    const Seat* seat = id >= 1 && id <= MaxPlayers ? seats_[At(id)].get() : nullptr;
    if (!seat || seat->move != s.Moves) return true;
    for (const auto& [key, value] : seat->decided.entries)
        if (key == MoveThought) return value >= 1 && value <= NumCells;
    return true;
}

bool Autopilot::BuyStep(int p) {
    Seat& seat = SeatOf(p);
    BuyCompanyForm& f = g_.BuyForm;
    if (!f.Loaded) return false;
    const int row = static_cast<int>(seat.Decide(BuyThought, [&] { return seat.strategy->Buy(SeatView(g_, p)); }));
    if (row < 1 || row > 3 || !f.optNameEnabled[At(row)] || seat.Try(BuyThought) >= MaxTries) {
        if (!Sent(OpKind::BuyCancel, p)) f.cmdCancel_Click();
        return true;
    }
    if (!f.optNameValue[At(row)]) {
        if (!Sent(OpKind::BuyChoose, p, row)) f.optName_Click(row);
        return true;
    }
    if (!Sent(OpKind::BuyBuy, p)) f.cmdBuy_Click();
    return true;
}

bool Autopilot::DepositStep(int p) {
    Seat& seat = SeatOf(p);
    PlayerForm& w = g_.PlayerWindow(p);
    std::string text;
    if (seat.tries[DepositThought] < MaxTries - 1) {
        const auto decided = seat.Decide(DepositThought, [&] {
            const double m = LeadingNumber(seat.strategy->Deposit(SeatView(g_, p)));
            return static_cast<std::int64_t>(std::lround(m * 10));
        });
        if (decided > 0) text = decided % 10 == 0 ? std::to_string(decided / 10)
                                                  : std::to_string(decided / 10) + "." + std::to_string(decided % 10);
    }
    if (w.txtBankNum != text) {
        if (!Sent(OpKind::DeskType, p, 0, 0, text, p)) w.txtBankNum_Typed(text);
        return true;
    }
    seat.Try(DepositThought);
    if (!Sent(OpKind::DeskDeposit, p, 0, 0, {}, p)) w.cmdDeposit_Click();
    return true;
}

bool Autopilot::InsuranceStep(int p) {
    Seat& seat = SeatOf(p);
    PlayerForm& w = g_.PlayerWindow(p);
    std::int64_t mask = 0;
    if (seat.tries[InsureThought] < MaxTries - 1) {
        mask = seat.Decide(InsureThought, [&] {
            const auto boxes = seat.strategy->Insure(SeatView(g_, p));
            std::int64_t m = 0;
            for (int i = 1; i <= 5; ++i)
                if (boxes[At(i)]) m |= std::int64_t{1} << i;
            return m;
        });
    }
    for (int i = 1; i <= 5; ++i) {
        if (!w.chkInsuranceEnabled[At(i)]) continue;
        const bool want = (mask >> i) & 1;
        const bool ticked = w.chkInsurance[At(i)] == CheckState::Checked;
        if (want != ticked) {
            if (!Sent(OpKind::DeskInsurance, p, i, 0, {}, p)) w.chkInsurance_Click(i);
            return true;
        }
    }
    seat.Try(InsureThought);
    if (!Sent(OpKind::DeskOK, p, 0, 0, {}, p)) w.cmdOK_Click();
    return true;
}

bool Autopilot::MoveAnywhereStep(int p) {
    Seat& seat = SeatOf(p);
    const int cell = static_cast<int>(seat.Decide(MoveThought, [&] { return seat.strategy->MoveAnywhere(SeatView(g_, p)); }));
    if (cell >= 1 && cell <= NumCells && seat.Try(MoveThought) < MaxTries) {
        if (!Sent(OpKind::BoardClick, p, cell)) g_.Box_Click(cell);
        return true;
    }
    // Giving the offer up is letting the next roll go ahead.
    if (!g_.Main.cmdRollDiceEnabled) return false;
    if (apart_ && !IsComputer(g_.NextRoller())) {
        if (!Sent(OpKind::RollDice, p)) g_.cmdRollDice_Click();
        return true;
    }
    return BetweenTurnsStep();
}

bool Autopilot::Withdraw(int p, Money amount) {
    PlayerForm& w = g_.PlayerWindow(p);
    if (!w.cmdWithdrawEnabled || amount <= 0) return false;
    const Money bank = g_.S.MoneyInBank[At(p)];
    // Never more than the balance: the box's steps round down then.
    const Money fits = std::min<Money>(amount, bank);
    std::string text = MillionsText(fits, fits < bank);
    if (MillionsToDollars(LeadingNumber(text), 2).value_or(0) > bank) text = MillionsText(fits, false);
    if (LeadingNumber(text) <= 0) return false;
    if (w.txtBankNum != text) {
        if (!Sent(OpKind::DeskType, p, 0, 0, text, p)) w.txtBankNum_Typed(text);
        return true;
    }
    if (!Sent(OpKind::DeskWithdraw, p, 0, 0, {}, p)) w.cmdWithdraw_Click();
    return true;
}

bool Autopilot::DebtStep(int debtor) {
    Seat& seat = SeatOf(debtor);
    const GameState& s = g_.S;
    const Money owed = g_.DebtDue();
    const Money cash = s.Cash[At(debtor)];
    if (cash >= owed) {
        if (seat.Try(PayThought) >= MaxTries * 2) return false;
        if (!Sent(OpKind::WaitPay, debtor)) g_.Wait.cmdPay_Click();
        return true;
    }
    if (s.MoneyInBank[At(debtor)] >= 10'000 && seat.Try(DebtWithdrawThought) < MaxTries * 2 &&
        Withdraw(debtor, owed - cash))
        return true;
    PlayerForm& w = g_.PlayerWindow(debtor);
    if (!w.lstCompanies.empty() && seat.Try(DebtSellThought) < MaxTries * 4) {
        const int row = seat.strategy->DebtSaleRow(SeatView(g_, debtor));
        if (row >= 0) {
            if (!Sent(OpKind::DeskSell, debtor, 0, 0, {}, debtor)) w.cmdSellCompanies_Click();
            return true;
        }
    }
    // Over the network the box that confirms it comes later: the wish
    // stays until it is answered.
    seat.wantsToLose = true;
    if (Sent(OpKind::WaitLose, debtor)) return true;
    g_.Wait.cmdILose_Click();
    seat.wantsToLose = false;
    return true;
}

namespace {
// The decision of a bid: one per company on sale, seller and move.
std::int64_t BidKey(const Game& g) { return About(BidThought, g.S.SaleCompany, g.IdOf(g.S.SellingPlayer)); }
}  // namespace

std::int64_t LoanCode(const std::optional<LoanOffer>& offer) {
    if (!offer) return 0;
    const Money dollars = MillionsToDollars(LeadingNumber(offer->amount), 2).value_or(0);
    return std::int64_t{dollars / 10'000} * 1000 + offer->terms * 10 + offer->borrower;
}

std::optional<LoanOffer> LoanFromCode(std::int64_t code) {
    if (code < 1000) return std::nullopt;
    return LoanOffer{static_cast<int>(code % 10), MillionsText(static_cast<Money>(code / 1000 * 10'000), false),
                     static_cast<int>(code / 10 % 100)};
}

void Autopilot::Presume(int p, Decision d, std::int64_t value) {
    Seat& seat = SeatOf(p);
    switch (d) {
        case Decision::Buy: seat.decided[BuyThought] = value; break;
        case Decision::Deposit: seat.decided[DepositThought] = value; break;
        case Decision::Insure: seat.decided[InsureThought] = value; break;
        case Decision::MoveAnywhere: seat.decided[MoveThought] = value; break;
        case Decision::CashWanted: seat.decided[CashThought] = value; break;
        case Decision::Bid: seat.decided[BidKey(g_)] = value; break;
        case Decision::SaleBuyer: seat.decided[About(BuyerThought, g_.S.SaleCompany)] = value; break;
        // A loan presumed is offered at the hand's next movement; none
        // presumed is none at all this move.
        case Decision::Lend: seat.decided[LendThought] = value == 0 ? 0 : std::max<std::int64_t>(value, 2); break;
        case Decision::Borrow: seat.decided[BorrowThought] = value != 0 ? 1 : 0; break;
    }
}

void Autopilot::OfferLoan(int p, const LoanOffer& offer) {
    Seat& seat = SeatOf(p);
    seat.decided[LendThought] = 1;
    seat.loan = offer;
    if (!Sent(OpKind::DeskLoan, p, 0, 0, {}, p)) g_.PlayerWindow(p).cmdLoan_Click();
}

// The sale: the seller's company first, then every computer bidder's
// secret bid, then Submit (by a computer seller whose bidders are all
// computers; people press it themselves), then the seller's choice.
bool Autopilot::SaleStep() {
    SellCompaniesForm& f = g_.SellForm;
    const GameState& s = g_.S;
    const int seller = s.SellingPlayer;
    const bool computerSeller = IsComputer(seller);

    if (f.cmdSubmitEnabled) {
        if (computerSeller) {
            Seat& seat = SeatOf(seller);
            const int row = static_cast<int>(seat.Decide(SaleRowThought, [&] { return seat.strategy->SaleRow(SeatView(g_, seller)); }));
            if (row < 0 || row > 4 || !f.optNameVisible[At(row)]) {
                if (!Sent(OpKind::SaleClose, seller)) f.Form_QueryUnload();
                return true;
            }
            if (!f.optNameValue[At(row)]) {
                if (!Sent(OpKind::SaleChooseCompany, seller, row)) f.optName_Click(row);
                return true;
            }
        }
        // Bids wait for the company: choosing it empties their boxes.
        const bool chosen = std::find(f.optNameValue.begin(), f.optNameValue.end(), true) != f.optNameValue.end();
        if (apart_ && !chosen) return false;
        bool allComputers = true;
        bool allIn = true;  // every bidder's box filled in
        int ourBidder = 0;
        for (int r = 1; r <= 3; ++r) {
            if (!f.optPlayerVisible[At(r)] || f.txtBidReadOnly[At(r)]) continue;
            const int bidder = g_.SlotOf(f.optPlayerId[At(r)]);
            if (!IsComputer(bidder)) {
                allComputers = false;
                allIn = allIn && !f.txtBid[At(r)].empty();
                continue;
            }
            if (!ourBidder) ourBidder = bidder;
            Seat& seat = SeatOf(bidder);
            const std::int64_t key = BidKey(g_);
            const std::int64_t bid = seat.Decide(key, [&] { return seat.strategy->Bid(SeatView(g_, bidder)); });
            if (!f.txtBid[At(r)].empty()) continue;
            // A bid refused at Submit (two equal bids) is raised a step.
            const int tries = bid > 0 ? seat.Try(key) : MaxTries;
            if (tries >= MaxTries && !apart_) continue;
            const std::string typed = tries >= MaxTries ? std::string("0") : std::to_string(bid + 10'000 * tries);
            if (!Sent(OpKind::SaleBid, bidder, r, 0, typed)) f.txtBid_Typed(r, typed);
            return true;
        }
        if (apart_) {
            const int presser = computerSeller ? seller : ourBidder;
            if (!allIn || presser == 0) return false;
            if (SeatOf(presser).Try(SubmitThought) >= MaxTries) {
                if (!computerSeller) return false;
                if (!Sent(OpKind::SaleClose, seller)) f.Form_QueryUnload();
                return true;
            }
            if (!Sent(OpKind::SaleSubmit, presser)) f.cmdSubmit_Click();
            return true;
        }
        if (!allComputers || !computerSeller) return false;
        if (SeatOf(seller).Try(SubmitThought) >= MaxTries) {
            if (!Sent(OpKind::SaleClose, seller)) f.Form_QueryUnload();
            return true;
        }
        if (!Sent(OpKind::SaleSubmit, seller)) f.cmdSubmit_Click();
        return true;
    }

    if (!computerSeller || !f.cmdSellEnabled) return false;
    Seat& seat = SeatOf(seller);
    const int row = static_cast<int>(seat.Decide(About(BuyerThought, s.SaleCompany),
                                                 [&] { return seat.strategy->SaleBuyer(SeatView(g_, seller)); }));
    if (row < 0 || row > 3 || !f.optPlayerEnabled[At(row)] || seat.Try(SellThought) >= MaxTries) {
        if (!Sent(OpKind::SaleClose, seller)) f.Form_QueryUnload();
        return true;
    }
    if (!f.optPlayerValue[At(row)]) {
        if (!Sent(OpKind::SaleChooseBuyer, seller, row)) f.optPlayer_Click(row);
        return true;
    }
    if (!Sent(OpKind::SaleSell, seller)) f.cmdSell_Click();
    return true;
}

bool Autopilot::LoanStep() {
    LoanForm& f = g_.LoanDialog;
    const int slot = g_.Draft.Slot();
    const int lender = slot >= 1 ? g_.S.LoanLender[At(slot)] : 0;
    if (!IsComputer(lender)) return false;
    Seat& seat = SeatOf(lender);
    const std::optional<LoanOffer> offer = seat.loan;
    if (!offer && seat.decided.count(LoanAskedThought) == 0 && f.txtLoanNum != "") {
        // A window it finds open with a loan typed (the look-ahead starting
        // from another's screen) is sent as it stands.
        for (int b = 1; b <= MaxPlayers; ++b)
            if (f.optPlayerValue[At(b)]) seat.loan = LoanOffer{b, f.txtLoanNum, f.VScroll};
        if (seat.loan) return LoanStep();
    }
    if (!offer || seat.Try(LoanThought) >= 8) {
        seat.loan.reset();
        if (!Sent(OpKind::LoanCancel, lender)) f.cmdCancel_Click();
        return true;
    }
    const auto b = At(offer->borrower);
    if (offer->borrower < 1 || offer->borrower > MaxPlayers || !f.optPlayerEnabled[b]) {
        seat.loan.reset();
        if (!Sent(OpKind::LoanCancel, lender)) f.cmdCancel_Click();
        return true;
    }
    if (!f.optPlayerValue[b]) {
        if (!Sent(OpKind::LoanChooseBorrower, lender, offer->borrower)) f.optPlayer_Click(offer->borrower);
        return true;
    }
    if (f.txtLoanNum != offer->amount) {
        if (!Sent(OpKind::LoanType, lender, 0, 0, offer->amount)) f.txtLoanNum_Typed(offer->amount);
        return true;
    }
    if (f.VScroll != offer->terms) {
        if (!Sent(OpKind::LoanTerms, lender, 0, offer->terms)) f.VScroll_Change(offer->terms);
        return true;
    }
    if (seat.decided.count(LoanAskedThought) != 0) {
        // Asked once and still open: the borrower said no.
        if (!IsComputer(offer->borrower)) personSaidNo_[At(g_.IdOf(offer->borrower))] = g_.S.Moves + 1;
        seat.loan.reset();
        if (!Sent(OpKind::LoanCancel, lender)) f.cmdCancel_Click();
        return true;
    }
    seat.decided[LoanAskedThought] = 1;
    if (Sent(OpKind::LoanLend, lender)) return true;
    f.cmdLoan_Click();
    if (!f.Loaded) seat.loan.reset();
    return true;
}

bool Autopilot::PersonSaidNoLately(int borrower) const {
    if (borrower < 1 || borrower > g_.S.NumOfPlayers || IsComputer(borrower)) return false;
    const int saidNo = personSaidNo_[At(g_.IdOf(borrower))];
    return saidNo != 0 && g_.S.Moves < saidNo - 1 + AskPersonAgainAfter;
}

bool Autopilot::MayOfferPerson(int lender, int borrower) const {
    const GameState& s = g_.S;
    if (borrower < 1 || borrower > s.NumOfPlayers || PersonSaidNoLately(borrower)) return false;
    if (!g_.HasRolled[At(g_.IdOf(borrower))]) return false;
    const int offered = offeredPerson_[At(g_.IdOf(lender))];
    if (offered != 0 && s.Moves < offered - 1 + OfferPersonEvery) return false;
    if (s.BuyMode || s.DepositMode || s.InsuranceMode || s.WaitingMode || s.DestroyMode || s.MoveAnywhereMode) return false;
    if (g_.BuyForm.Loaded || g_.SellForm.Loaded || g_.LoanDialog.Loaded || g_.Wait.Loaded) return false;
    return !personBusy_ || !personBusy_(borrower);
}

bool Autopilot::BetweenTurnsStep() {
    const GameState& s = g_.S;
    const int roller = g_.NextRoller();
    // Cash for the coming landing comes out of the bank before the roll.
    if (IsComputer(roller)) {
        Seat& seat = SeatOf(roller);
        const Money wanted = seat.Decide(CashThought, [&] { return seat.strategy->CashWanted(SeatView(g_, roller)); });
        const Money cash = s.Cash[At(roller)];
        if (cash < wanted && s.MoneyInBank[At(roller)] >= 10'000 && seat.Try(CashThought) < MaxTries * 2 &&
            Withdraw(roller, wanted - cash))
            return true;
    }
    // Loans are offered between turns, each player thinking once a move;
    // leaving the game is thought of then too.
    for (int p = 1; p <= s.NumOfPlayers; ++p) {
        if (!IsComputer(p)) continue;
        Seat& seat = SeatOf(p);
        if (seat.decided.count(QuitThought) == 0) {
            seat.decided[QuitThought] = 1;
            if (seat.strategy->Quit(SeatView(g_, p))) {
                seat.wantsToLose = true;
                if (Sent(OpKind::DeskQuit, p, 0, 0, {}, p)) return true;
                g_.PlayerWindow(p).cmdQuitGame_Click();
                seat.wantsToLose = false;
                return true;
            }
        }
        if (s.LoanCount >= MaxLoans) continue;
        if (const std::int64_t* lend = seat.decided.Find(LendThought)) {
            if (*lend < 2) continue;
            OfferLoan(p, *LoanFromCode(*lend));
            return true;
        }
        if (thought_) return true;  // one look-ahead per movement
        std::optional<LoanOffer> offer = seat.strategy->Lend(SeatView(g_, p));
        if (offer && !IsComputer(offer->borrower) && !MayOfferPerson(p, offer->borrower)) offer.reset();
        seat.decided[LendThought] = offer ? 1 : 0;
        if (!offer) continue;
        if (!IsComputer(offer->borrower)) offeredPerson_[At(g_.IdOf(p))] = s.Moves + 1;
        OfferLoan(p, *offer);
        return true;
    }
    if (!IsComputer(roller)) return false;
    if (thought_) return true;
    if (!Sent(OpKind::RollDice, roller)) g_.cmdRollDice_Click();
    return true;
}

}  // namespace zx::ai
