#include "net/view_codec.h"

#include <QCborArray>
#include <QString>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "rules/game.h"
#include "rules/seat_view.h"

namespace zx::net {
namespace {

// ---- one value to CBOR and back ----
// The decoder takes whatever the server sent; a value of the wrong shape
// leaves the field as it was rather than guessing.

template <typename T> QCborValue ToCbor(const T& x);
template <typename T> void FromCbor(const QCborValue& v, T& x);

// Field lists, one per struct, shared by the encoder and the decoder.
template <typename V, typename T> void VisitTextLine(V& v, T& s) {
    v("t", s.text);
    v("c", s.color);
}
template <typename V, typename T> void VisitPiece(V& v, T& s) {
    v("v", s.visible);
    v("p", s.picture);
    v("t", s.toolTip);
}
template <typename V, typename T> void VisitOutline(V& v, T& s) {
    v("v", s.visible);
    v("c", s.color);
}

#define F(x) v(#x, s.x)
template <typename V, typename T> void VisitState(V& v, T& s) {
    F(NumOfPlayers); F(InitialNumOfPlayers); F(CurrentPlayer); F(NextPlayer); F(Dice); F(ExtraTurn); F(Moves);
    F(GameTime); F(CompanySet); F(PieceSet); F(GameInProgress); F(WinnerCount); F(Finisher);
    F(PlayerId); F(PlayerName); F(PlayerSex); F(PlayerPiece); F(PlayerType); F(Cash); F(DisplayedCash);
    F(MoneyInBank); F(Estate); F(MissNextTurn); F(HalfTaxBonus); F(FreeInsuranceBonus); F(MoneyChange);
    F(PieceLeft); F(PieceTop); F(PlayerCell); F(OnStart);
    F(CompanyName); F(CompanyValue); F(CompanyOwner); F(CompanyInsured); F(CompanyComplexed); F(CompanyTax);
    F(OwnEnteringIncome); F(InsurancePrice); F(OwnComplexEnteringIncome); F(EnteringFee); F(ComplexEnteringFee);
    F(ComplexName); F(ComplexOwner);
    F(MoneyChanging); F(DestroyMode); F(BuyMode); F(InsuranceMode); F(DepositMode); F(WaitingMode);
    F(MoveAnywhereMode); F(TaxDebtPending); F(ChangingPlayer); F(ReactionSeconds);
    F(MoveTick); F(CellsMoved);
    F(PromptText); F(HintText); F(WaitingMessage); F(MsgMustWithdraw); F(MsgCanBorrow); F(ComputerMessage);
    F(ComputerChoice); F(EstateHistory);
    F(AutoSave); F(LimitReactionTime); F(BackgroundMusic); F(Sounds);
    F(AutoSaveMinutes); F(AutoSavePending); F(HasFileName); F(ShowSavedMessage); F(SaveAsRequested);
    F(LoanLender); F(LoanBorrower); F(LoanRepayment); F(LoanDueMove); F(LoanCount); F(LoanAmount);
    F(LoanInterest); F(LoanDuration); F(LoanRepayPending); F(LoanRepaidNotice); F(LoanRepaidText);
    F(SellingPlayer); F(SaleCompany); F(BestBidder); F(ChosenRow); F(Buyer);
    F(DestroyedComplex); F(DestroyCompanyNumber);
    F(BuyZoneNumber); F(TotalTax); F(BankInterest); F(InsuranceCost); F(DepositAmount); F(WithdrawAmount);
    F(WithdrawPlayer); F(ListClickGuard);
    F(CurrentSound); F(MusicNumber);
}
template <typename V, typename T> void VisitMain(V& v, T& s) {
    F(caption); F(lblPrompt); F(lblComputerPrompt); F(lblHint); F(lblCurrentPlayer); F(lblNextPlayer);
    F(lblGameTime); F(lblMoves); F(lblReactionTime); F(cmdRollDiceEnabled); F(picDice); F(cellLogo);
    F(cellToolTip); F(picPiece); F(Frame); F(ComplexFrame); F(shpDestroyMask); F(mnuGameCloseEnabled);
    F(mnuGameSaveEnabled); F(mnuGameSaveAsEnabled);
}
template <typename V, typename T> void VisitBuy(V& v, T& s) {
    F(Loaded); F(lblComplex); F(optNameCaption); F(optNameEnabled); F(optNameValue); F(picLogo); F(lblValue);
}
template <typename V, typename T> void VisitWait(V& v, T& s) { F(Loaded); F(lblWaiting); F(Debtor); }
template <typename V, typename T> void VisitSale(V& v, T& s) {
    F(Loaded); F(fraCompaniesEnabled); F(optNameVisible); F(optNameValue); F(optNameCaption); F(lblValue);
    F(optPlayerVisible); F(optPlayerEnabled); F(optPlayerValue); F(optPlayerCaption); F(optPlayerId); F(txtBid);
    F(txtBidReadOnly); F(txtBidMasked); F(txtBidColor); F(cmdSubmitEnabled); F(cmdSellEnabled);
    F(cmdCancelEnabled); F(DefaultButton);
}
template <typename V, typename T> void VisitLoan(V& v, T& s) {
    F(Loaded); F(optPlayerVisible); F(optPlayerEnabled); F(optPlayerValue); F(optPlayerCaption); F(optPlayerId);
    F(txtLoanNum); F(vscLoanNum); F(VScroll); F(lblInterest); F(lblDuration); F(refusedBy);
}
template <typename V, typename T> void VisitResults(V& v, T& s) { F(Loaded); F(rowVisible); F(lblFinisher); }
template <typename V, typename T> void VisitDesk(V& v, T& s) {
    F(Visible); F(Caption); F(OwnerId); F(Icon); F(Left); F(Top); F(lblCash); F(lblCashColor); F(lblEstate);
    F(lblMoneyInBank); F(lstCompanies); F(chkInsurance); F(chkInsuranceEnabled); F(fraInsuranceEnabled);
    F(txtBankNum); F(vscBankNum); F(cmdDepositEnabled); F(cmdWithdrawEnabled); F(DefaultButton); F(CancelButton);
}
#undef F

struct Out {
    QCborMap m;
    template <typename T> void operator()(const char* key, const T& x) { m.insert(QLatin1String(key), ToCbor(x)); }
};
struct In {
    const QCborMap& m;
    template <typename T> void operator()(const char* key, T& x) {
        const QCborValue v = m.value(QLatin1String(key));
        if (!v.isUndefined()) FromCbor(v, x);
    }
};

template <typename T> struct IsStdArray : std::false_type {};
template <typename T, std::size_t N> struct IsStdArray<std::array<T, N>> : std::true_type {};

template <typename T> QCborValue ToCbor(const T& x) {
    if constexpr (std::is_same_v<T, bool>) {
        return QCborValue(x);
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
        return QCborValue(static_cast<qint64>(x));
    } else if constexpr (std::is_same_v<T, std::string>) {
        return QCborValue(QString::fromStdString(x));
    } else if constexpr (std::is_same_v<T, Rgb>) {
        return QCborArray{x.r, x.g, x.b};
    } else if constexpr (std::is_same_v<T, std::optional<double>>) {
        return x ? QCborValue(*x) : QCborValue(QCborValue::Null);
    } else if constexpr (std::is_same_v<T, TextLine>) {
        Out o;
        VisitTextLine(o, x);
        return o.m;
    } else if constexpr (std::is_same_v<T, PieceView>) {
        Out o;
        VisitPiece(o, x);
        return o.m;
    } else if constexpr (std::is_same_v<T, OutlineView>) {
        Out o;
        VisitOutline(o, x);
        return o.m;
    } else {
        static_assert(IsStdArray<T>::value || std::is_same_v<T, std::vector<std::string>>);
        QCborArray a;
        for (const auto& e : x) a.append(ToCbor(e));
        return a;
    }
}

template <typename T> void FromCbor(const QCborValue& v, T& x) {
    if constexpr (std::is_same_v<T, bool>) {
        if (v.isBool()) x = v.toBool();
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
        if (v.isInteger()) x = static_cast<T>(v.toInteger());
    } else if constexpr (std::is_same_v<T, std::string>) {
        if (v.isString()) x = v.toString().toStdString();
    } else if constexpr (std::is_same_v<T, Rgb>) {
        const QCborArray a = v.toArray();
        if (a.size() == 3) x = Rgb{int(a[0].toInteger()), int(a[1].toInteger()), int(a[2].toInteger())};
    } else if constexpr (std::is_same_v<T, std::optional<double>>) {
        if (v.isDouble() || v.isInteger()) x = v.toDouble();
        else x.reset();
    } else if constexpr (std::is_same_v<T, TextLine>) {
        if (!v.isMap()) return;
        const QCborMap m = v.toMap();
        In in{m};
        VisitTextLine(in, x);
    } else if constexpr (std::is_same_v<T, PieceView>) {
        if (!v.isMap()) return;
        const QCborMap m = v.toMap();
        In in{m};
        VisitPiece(in, x);
    } else if constexpr (std::is_same_v<T, OutlineView>) {
        if (!v.isMap()) return;
        const QCborMap m = v.toMap();
        In in{m};
        VisitOutline(in, x);
    } else if constexpr (IsStdArray<T>::value) {
        const QCborArray a = v.toArray();
        for (qsizetype i = 0; i < a.size() && i < static_cast<qsizetype>(x.size()); ++i)
            FromCbor(a[i], x[static_cast<std::size_t>(i)]);
    } else {
        const QCborArray a = v.toArray();
        x.assign(static_cast<std::size_t>(a.size()), {});
        for (qsizetype i = 0; i < a.size(); ++i) FromCbor(a[i], x[static_cast<std::size_t>(i)]);
    }
}

template <typename T, typename Visit> QCborMap Struct(Visit visit, const T& s) {
    Out o;
    visit(o, s);
    return o.m;
}
template <typename T, typename Visit> void Unstruct(Visit visit, const QCborValue& v, T& s) {
    if (!v.isMap()) return;
    const QCborMap m = v.toMap();
    In in{m};
    visit(in, s);
}

QString WindowKey(int p) { return QStringLiteral("win%1").arg(p); }

QCborArray LogLines(const std::vector<LogLine>& lines, std::size_t from) {
    QCborArray a;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const LogLine& l = lines[i];
        a.append(QCborArray{l.move, QString::fromStdString(l.text), ToCbor(l.color), l.standing});
    }
    return a;
}


// Sale() has every bid the seat may not read emptied; whether one is
// typed is all that goes with it.
QCborMap SaleOf(const SeatView& view, const SellCompaniesControls& seen) {
    QCborMap sale = Struct([](Out& o, const SellCompaniesControls& s) { VisitSale(o, s); }, seen);
    QCborArray typed;
    for (int row = 0; row <= 3; ++row) typed.append(view.BidTyped(row));
    sale.insert(QLatin1String("typed"), typed);
    return sale;
}

QCborArray TimersOf(const SeatView& view) {
    QCborArray timers;
    for (int t = 0; t < TimerCount; ++t) timers.append(view.TimerOn(static_cast<TimerId>(t)));
    return timers;
}

QCborMap MiscOf(const SeatView& view) {
    QCborMap misc;
    misc.insert(QLatin1String("moving"), view.MovingPlayerId());
    misc.insert(QLatin1String("rolled"), ToCbor(view.HasRolled()));
    return misc;
}

QCborValue WindowOf(const std::optional<PlayerFormControls>& w) {
    if (!w) return QCborValue(QCborValue::Null);
    return Struct([](Out& o, const PlayerFormControls& s) { VisitDesk(o, s); }, *w);
}

// ---- a flat copy of a value's fields, to tell at a glance whether it changed ----
// It holds everything the encoder would put on the wire (strings with their
// lengths, so that no two values print the same), in a buffer that keeps its
// capacity from one look to the next.

template <typename T> void Print(std::string& o, const T& x);
struct Printer {
    std::string& o;
    template <typename T> void operator()(const char*, const T& x) { Print(o, x); }
};
template <typename T> void PrintRaw(std::string& o, const T& x) { o.append(reinterpret_cast<const char*>(&x), sizeof x); }

template <typename T> void Print(std::string& o, const T& x) {
    if constexpr (std::is_same_v<T, bool>) {
        o.push_back(x ? '\1' : '\0');
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
        PrintRaw(o, static_cast<qint64>(x));
    } else if constexpr (std::is_same_v<T, std::string>) {
        PrintRaw(o, x.size());
        o.append(x);
    } else if constexpr (std::is_same_v<T, Rgb>) {
        PrintRaw(o, x.r);
        PrintRaw(o, x.g);
        PrintRaw(o, x.b);
    } else if constexpr (std::is_same_v<T, std::optional<double>>) {
        Print(o, x.has_value());
        if (x) PrintRaw(o, *x);
    } else if constexpr (std::is_same_v<T, TextLine>) {
        Printer p{o};
        VisitTextLine(p, x);
    } else if constexpr (std::is_same_v<T, PieceView>) {
        Printer p{o};
        VisitPiece(p, x);
    } else if constexpr (std::is_same_v<T, OutlineView>) {
        Printer p{o};
        VisitOutline(p, x);
    } else {
        static_assert(IsStdArray<T>::value || std::is_same_v<T, std::vector<std::string>>);
        PrintRaw(o, x.size());
        for (const auto& e : x) Print(o, e);
    }
}

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t HashOf(const LogLine& l) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : l.text) h = (h ^ c) * 1099511628211ull;
    h = Mix(h ^ static_cast<std::uint64_t>(l.move));
    h = Mix(h ^ (static_cast<std::uint64_t>(l.color.r) << 16 | static_cast<std::uint64_t>(l.color.g) << 8 |
                 static_cast<std::uint64_t>(l.color.b)));
    return Mix(h ^ (l.standing ? 1u : 0u));
}

}  // namespace

QCborMap EncodeView(const SeatView& view) {
    QCborMap m;
    m.insert(QLatin1String("seat"), view.Seat());
    m.insert(QLatin1String("S"), Struct([](Out& o, const GameState& s) { VisitState(o, s); }, view.S()));
    m.insert(QLatin1String("main"), Struct([](Out& o, const MainView& s) { VisitMain(o, s); }, view.Main()));
    m.insert(QLatin1String("buy"), Struct([](Out& o, const BuyCompanyControls& s) { VisitBuy(o, s); }, view.Buy()));
    m.insert(QLatin1String("wait"), Struct([](Out& o, const WaitControls& s) { VisitWait(o, s); }, view.Wait()));
    m.insert(QLatin1String("loan"), Struct([](Out& o, const LoanControls& s) { VisitLoan(o, s); }, view.Loan()));
    m.insert(QLatin1String("results"),
             Struct([](Out& o, const ResultsControls& s) { VisitResults(o, s); }, view.Results()));
    m.insert(QLatin1String("sale"), SaleOf(view, view.Sale()));
    m.insert(QLatin1String("draft"), view.DraftSlot());
    m.insert(QLatin1String("timers"), TimersOf(view));
    m.insert(QLatin1String("misc"), MiscOf(view));
    for (int p = 1; p <= MaxPlayers; ++p) m.insert(WindowKey(p), WindowOf(view.WindowSeen(p)));
    QCborMap log;
    log.insert(QLatin1String("from"), 0);
    log.insert(QLatin1String("lines"), LogLines(view.Log().Lines(), 0));
    m.insert(QLatin1String("log"), log);
    return m;
}

QCborMap ViewChange(const QCborMap& before, const QCborMap& now) {
    QCborMap change;
    for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
        const QCborValue old = before.value(it.key());
        if (old == it.value()) continue;
        if (it.key().toString() == QLatin1String("log") && old.isMap()) {
            const QCborArray was = old.toMap().value(QLatin1String("lines")).toArray();
            const QCborArray is = it.value().toMap().value(QLatin1String("lines")).toArray();
            bool prefix = was.size() <= is.size();
            for (qsizetype i = 0; prefix && i < was.size(); ++i) prefix = was[i] == is[i];
            if (prefix) {
                QCborMap log;
                log.insert(QLatin1String("from"), was.size());
                QCborArray added;
                for (qsizetype i = was.size(); i < is.size(); ++i) added.append(is[i]);
                log.insert(QLatin1String("lines"), added);
                change.insert(it.key(), log);
                continue;
            }
        }
        change.insert(it.key(), it.value());
    }
    return change;
}

bool ApplyView(Game& g, const QCborMap& view) {
    auto part = [&view](const char* key) { return view.value(QLatin1String(key)); };
    Unstruct([](In& i, GameState& s) { VisitState(i, s); }, part("S"), g.S);
    Unstruct([](In& i, MainView& s) { VisitMain(i, s); }, part("main"), g.Main);
    Unstruct([](In& i, BuyCompanyControls& s) { VisitBuy(i, s); }, part("buy"), static_cast<BuyCompanyControls&>(g.BuyForm));
    Unstruct([](In& i, WaitControls& s) { VisitWait(i, s); }, part("wait"), static_cast<WaitControls&>(g.Wait));
    Unstruct([](In& i, LoanControls& s) { VisitLoan(i, s); }, part("loan"), static_cast<LoanControls&>(g.LoanDialog));
    Unstruct([](In& i, ResultsControls& s) { VisitResults(i, s); }, part("results"),
             static_cast<ResultsControls&>(g.Results));
    if (part("sale").isMap()) {
        SellCompaniesControls& sale = g.SellForm;
        Unstruct([](In& i, SellCompaniesControls& s) { VisitSale(i, s); }, part("sale"), sale);
        // A bid typed but not the mirror's to read: a mark that something
        // is there, which every SeatView of the mirror's seat hides again.
        const QCborArray typed = part("sale").toMap().value(QLatin1String("typed")).toArray();
        for (qsizetype row = 1; row < typed.size() && row < 4; ++row)
            if (typed[row].toBool()) sale.txtBid[static_cast<std::size_t>(row)] = "?";
    }
    if (part("draft").isInteger()) {
        // The draft's slot is the loan window's; it is taken the one way
        // the game takes it.
        const int slot = static_cast<int>(part("draft").toInteger());
        if (slot != g.Draft.Slot()) {
            g.Draft.Forget();
            if (slot >= 1 && slot <= MaxLoans + 1) {
                GameState scratch = g.S;
                scratch.LoanCount = slot - 1;
                g.Draft.Take(scratch, scratch.LoanLender[At(slot)]);
            }
        }
    }
    if (part("timers").isArray()) {
        const QCborArray timers = part("timers").toArray();
        for (qsizetype t = 0; t < timers.size() && t < TimerCount; ++t) {
            const auto id = static_cast<TimerId>(t);
            if (g.TimerEnabled(id) != timers[t].toBool()) g.SetTimer(id, timers[t].toBool());
        }
    }
    if (part("misc").isMap()) {
        const QCborMap misc = part("misc").toMap();
        FromCbor(misc.value(QLatin1String("moving")), g.MovingPlayerId);
        FromCbor(misc.value(QLatin1String("rolled")), g.HasRolled);
    }
    for (int p = 1; p <= MaxPlayers; ++p) {
        const QCborValue w = view.value(WindowKey(p));
        if (w.isUndefined()) continue;
        if (!w.isMap()) {
            if (g.PlayerWindowIfLoaded(p)) g.UnloadPlayerWindow(p);
            continue;
        }
        PlayerForm& f = g.PlayerWindow(p);
        f.Reset();
        Unstruct([](In& i, PlayerFormControls& s) { VisitDesk(i, s); }, w, static_cast<PlayerFormControls&>(f));
    }
    bool inStep = true;
    if (part("log").isMap()) {
        const QCborMap log = part("log").toMap();
        const qint64 from = log.value(QLatin1String("from")).toInteger();
        if (from == 0) g.Log.Clear();
        if (from != 0 && from != static_cast<qint64>(g.Log.Lines().size())) {
            inStep = false;
        } else {
            for (const QCborValue& v : log.value(QLatin1String("lines")).toArray()) {
                const QCborArray l = v.toArray();
                Rgb color;
                FromCbor(l.at(2), color);
                g.Log.Add(static_cast<int>(l.at(0).toInteger()), l.at(1).toString().toStdString(), color, l.at(3).toBool());
            }
        }
    }
    return inStep;
}

// ---- ViewEncoder ----

namespace {

// One value as the seats were last told of it: its flat copy, its encoding
// and when it last changed (a stamp from the encoder's clock, never 0).
struct Item {
    std::string print;
    QCborValue value;
    std::uint64_t stamp = 0;
};

// Brings a list of items, one per field of a struct, up to the struct.
struct FieldRefresh {
    std::vector<Item>& items;
    std::vector<const char*>& keys;
    std::string& scratch;
    std::uint64_t& clock;
    std::size_t i = 0;
    template <typename T> void operator()(const char* key, const T& x) {
        if (items.size() <= i) {
            items.emplace_back();
            keys.push_back(key);
        }
        Item& it = items[i++];
        scratch.clear();
        Print(scratch, x);
        if (it.stamp != 0 && scratch == it.print) return;
        it.print.swap(scratch);
        it.value = ToCbor(x);
        it.stamp = ++clock;
    }
};

enum Part { BuyPart, WaitPart, LoanPart, ResultsPart, DraftPart, TimersPart, MiscPart, PartCount };
constexpr std::array<const char*, PartCount> PartKeys{"buy", "wait", "loan", "results", "draft", "timers", "misc"};

}  // namespace

struct ViewEncoder::Impl {
    std::uint64_t clock = 0;
    std::string scratch;
    std::vector<Item> state, main;
    std::vector<const char*> stateKeys, mainKeys;
    std::array<Item, PartCount> parts;
    // logPrefix[n]: the hash of the log's first n lines.
    std::uint64_t logRevision = 0;
    bool logKnown = false;
    std::vector<std::uint64_t> logPrefix{0};

    struct Seat {
        bool sent = false;
        int seat = 0;
        std::vector<std::uint64_t> state, main;
        std::array<std::uint64_t, PartCount> parts{};
        std::string sale;
        std::array<std::string, MaxPlayers + 1> windows;
        std::size_t logLines = 0;
        std::uint64_t logHash = 0;
    };
    std::array<Seat, MaxPlayers + 1> seats;

    // Whether `print` is new for `seen` (which then holds it).
    bool Differs(std::string& seen) {
        if (seen == scratch) return false;
        seen = scratch;
        return true;
    }
    template <typename Visit, typename T> void RefreshPart(Part part, Visit visit, const T& x) {
        scratch.clear();
        Printer pr{scratch};
        visit(pr, x);
        Item& it = parts[part];
        if (it.stamp != 0 && scratch == it.print) return;
        it.print.swap(scratch);
        Out o;
        visit(o, x);
        it.value = o.m;
        it.stamp = ++clock;
    }
    void PrintSale(const SeatView& view, const SellCompaniesControls& seen) {
        scratch.clear();
        Printer pr{scratch};
        VisitSale(pr, seen);
        for (int row = 0; row <= 3; ++row) Print(scratch, view.BidTyped(row));
    }
    void PrintWindow(const std::optional<PlayerFormControls>& w) {
        scratch.clear();
        Print(scratch, w.has_value());
        Printer pr{scratch};
        if (w) VisitDesk(pr, *w);
    }
};

ViewEncoder::ViewEncoder() : d_(std::make_unique<Impl>()) {}
ViewEncoder::~ViewEncoder() = default;

bool ViewEncoder::Sent(int key) const { return key >= 1 && key <= MaxPlayers && d_->seats[key].sent; }

void ViewEncoder::Refresh(const SeatView& view) {
    Impl& d = *d_;
    FieldRefresh state{d.state, d.stateKeys, d.scratch, d.clock};
    VisitState(state, view.S());
    FieldRefresh main{d.main, d.mainKeys, d.scratch, d.clock};
    VisitMain(main, view.Main());
    d.RefreshPart(BuyPart, [](auto& v, const BuyCompanyControls& s) { VisitBuy(v, s); }, view.Buy());
    d.RefreshPart(WaitPart, [](auto& v, const WaitControls& s) { VisitWait(v, s); }, view.Wait());
    d.RefreshPart(LoanPart, [](auto& v, const LoanControls& s) { VisitLoan(v, s); }, view.Loan());
    d.RefreshPart(ResultsPart, [](auto& v, const ResultsControls& s) { VisitResults(v, s); }, view.Results());
    auto refreshValue = [&d](Part part, auto&& print, auto&& encode) {
        d.scratch.clear();
        print(d.scratch);
        Item& it = d.parts[part];
        if (it.stamp != 0 && d.scratch == it.print) return;
        it.print.swap(d.scratch);
        it.value = encode();
        it.stamp = ++d.clock;
    };
    refreshValue(DraftPart, [&](std::string& o) { Print(o, view.DraftSlot()); },
                 [&] { return QCborValue(view.DraftSlot()); });
    refreshValue(TimersPart, [&](std::string& o) {
        for (int t = 0; t < TimerCount; ++t) Print(o, view.TimerOn(static_cast<TimerId>(t)));
    }, [&] { return QCborValue(TimersOf(view)); });
    refreshValue(MiscPart, [&](std::string& o) {
        Print(o, view.MovingPlayerId());
        Print(o, view.HasRolled());
    }, [&] { return QCborValue(MiscOf(view)); });
    const GameLog& log = view.Log();
    if (!d.logKnown || log.Revision() != d.logRevision) {
        d.logKnown = true;
        d.logRevision = log.Revision();
        const std::vector<LogLine>& lines = log.Lines();
        d.logPrefix.resize(lines.size() + 1);
        for (std::size_t i = 0; i < lines.size(); ++i) d.logPrefix[i + 1] = Mix(d.logPrefix[i] ^ HashOf(lines[i]));
    }
}

QCborMap ViewEncoder::Whole(int key, const SeatView& view) {
    if (key < 1 || key > MaxPlayers) return {};
    Refresh(view);
    Impl& d = *d_;
    Impl::Seat& seat = d.seats[key];
    seat.sent = true;
    QCborMap m;
    m.insert(QLatin1String("seat"), view.Seat());
    seat.seat = view.Seat();
    auto fields = [](const std::vector<Item>& items, const std::vector<const char*>& keys, std::vector<std::uint64_t>& seen) {
        QCborMap part;
        seen.resize(items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            part.insert(QLatin1String(keys[i]), items[i].value);
            seen[i] = items[i].stamp;
        }
        return part;
    };
    m.insert(QLatin1String("S"), fields(d.state, d.stateKeys, seat.state));
    m.insert(QLatin1String("main"), fields(d.main, d.mainKeys, seat.main));
    auto part = [&](Part p) {
        m.insert(QLatin1String(PartKeys[p]), d.parts[p].value);
        seat.parts[p] = d.parts[p].stamp;
    };
    for (Part p : {BuyPart, WaitPart, LoanPart, ResultsPart}) part(p);
    const SellCompaniesControls sale = view.Sale();
    d.PrintSale(view, sale);
    seat.sale = d.scratch;
    m.insert(QLatin1String("sale"), SaleOf(view, sale));
    for (Part p : {DraftPart, TimersPart, MiscPart}) part(p);
    for (int p = 1; p <= MaxPlayers; ++p) {
        const std::optional<PlayerFormControls> w = view.WindowSeen(p);
        d.PrintWindow(w);
        seat.windows[p] = d.scratch;
        m.insert(WindowKey(p), WindowOf(w));
    }
    const std::vector<LogLine>& lines = view.Log().Lines();
    QCborMap log;
    log.insert(QLatin1String("from"), 0);
    log.insert(QLatin1String("lines"), LogLines(lines, 0));
    m.insert(QLatin1String("log"), log);
    seat.logLines = lines.size();
    seat.logHash = d.logPrefix[lines.size()];
    return m;
}

QCborMap ViewEncoder::Change(int key, const SeatView& view) {
    if (!Sent(key)) return {};
    Impl& d = *d_;
    if (view.Log().Lines().size() + 1 != d.logPrefix.size()) Refresh(view);
    Impl::Seat& seat = d.seats[key];
    QCborMap m;
    if (view.Seat() != seat.seat) {
        seat.seat = view.Seat();
        m.insert(QLatin1String("seat"), seat.seat);
    }
    auto fields = [&m](const char* name, const std::vector<Item>& items, const std::vector<const char*>& keys,
                       std::vector<std::uint64_t>& seen) {
        QCborMap part;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (seen[i] == items[i].stamp) continue;
            part.insert(QLatin1String(keys[i]), items[i].value);
            seen[i] = items[i].stamp;
        }
        if (!part.isEmpty()) m.insert(QLatin1String(name), part);
    };
    fields("S", d.state, d.stateKeys, seat.state);
    fields("main", d.main, d.mainKeys, seat.main);
    auto part = [&](Part p) {
        if (seat.parts[p] == d.parts[p].stamp) return;
        m.insert(QLatin1String(PartKeys[p]), d.parts[p].value);
        seat.parts[p] = d.parts[p].stamp;
    };
    for (Part p : {BuyPart, WaitPart, LoanPart, ResultsPart}) part(p);
    const SellCompaniesControls sale = view.Sale();
    d.PrintSale(view, sale);
    if (d.Differs(seat.sale)) m.insert(QLatin1String("sale"), SaleOf(view, sale));
    for (Part p : {DraftPart, TimersPart, MiscPart}) part(p);
    for (int p = 1; p <= MaxPlayers; ++p) {
        const std::optional<PlayerFormControls> w = view.WindowSeen(p);
        d.PrintWindow(w);
        if (d.Differs(seat.windows[p])) m.insert(WindowKey(p), WindowOf(w));
    }
    const std::vector<LogLine>& lines = view.Log().Lines();
    const std::uint64_t now = d.logPrefix[lines.size()];
    if (seat.logLines != lines.size() || seat.logHash != now) {
        // The new lines only, when the lines the client has are still the
        // log's first ones; otherwise all of it again.
        const bool follows = seat.logLines <= lines.size() && d.logPrefix[seat.logLines] == seat.logHash;
        const std::size_t from = follows ? seat.logLines : 0;
        QCborMap log;
        log.insert(QLatin1String("from"), static_cast<qint64>(from));
        log.insert(QLatin1String("lines"), LogLines(lines, from));
        m.insert(QLatin1String("log"), log);
        seat.logLines = lines.size();
        seat.logHash = now;
    }
    return m;
}

}  // namespace zx::net
