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
    // Sale() has every bid the seat may not read emptied; whether one is
    // typed is all that goes with it.
    QCborMap sale = Struct([](Out& o, const SellCompaniesControls& s) { VisitSale(o, s); }, view.Sale());
    QCborArray typed;
    for (int row = 0; row <= 3; ++row) typed.append(view.BidTyped(row));
    sale.insert(QLatin1String("typed"), typed);
    m.insert(QLatin1String("sale"), sale);
    m.insert(QLatin1String("draft"), view.DraftSlot());
    QCborArray timers;
    for (int t = 0; t < TimerCount; ++t) timers.append(view.TimerOn(static_cast<TimerId>(t)));
    m.insert(QLatin1String("timers"), timers);
    QCborMap misc;
    misc.insert(QLatin1String("moving"), view.MovingPlayerId());
    misc.insert(QLatin1String("rolled"), ToCbor(view.HasRolled()));
    m.insert(QLatin1String("misc"), misc);
    for (int p = 1; p <= MaxPlayers; ++p) {
        const std::optional<PlayerFormControls> w = view.WindowSeen(p);
        if (!w) {
            m.insert(WindowKey(p), QCborValue(QCborValue::Null));
            continue;
        }
        m.insert(WindowKey(p), Struct([](Out& o, const PlayerFormControls& s) { VisitDesk(o, s); }, *w));
    }
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

}  // namespace zx::net
