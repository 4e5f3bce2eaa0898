// The main window's start-up, the display refresh every rule calls, the
// prompt lines and the personal windows' bookkeeping.

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

Game::Game(Ui& u, Random& r) : ui(u), rnd(r) {}
Game::~Game() = default;

void Game::Form_Load() {
    S.InitialNumOfPlayers = 2;
    S.NumOfPlayers = 2;
    Definitions(S);
    // LoadPictures: the special cells show their kind, company cells are
    // empty until a game puts its logos there.
    for (int i = 1; i <= NumCells; ++i) {
        Main.cellLogo[static_cast<std::size_t>(i)] = 0;
        Main.cellToolTip[static_cast<std::size_t>(i)] = Say(SourceText{"Cell", CellHoverText(Cell(i).kind)});
    }
    ui.refresh();
}

void Game::CopyFrom(const Game& o) {
    S = o.S;
    Main = o.Main;
    static_cast<BuyCompanyControls&>(BuyForm) = o.BuyForm;
    static_cast<WaitControls&>(Wait) = o.Wait;
    static_cast<SellCompaniesControls&>(SellForm) = o.SellForm;
    static_cast<LoanControls&>(LoanDialog) = o.LoanDialog;
    static_cast<NewGameControls&>(NewGame) = o.NewGame;
    static_cast<ResultsControls&>(Results) = o.Results;
    GraphLoaded = o.GraphLoaded;
    MovingPlayerId = o.MovingPlayerId;
    HasRolled = o.HasRolled;
    Draft = o.Draft;
    SaveFailed = o.SaveFailed;
    timers_ = o.timers_;
    for (std::size_t p = 1; p <= MaxPlayers; ++p) {
        const PlayerForm* from = o.playerForms_[p].get();
        auto& to = playerForms_[p];
        if (!from && !to) continue;
        if (!to) to = std::make_unique<PlayerForm>(*this, static_cast<int>(p));
        if (from) {
            static_cast<PlayerFormControls&>(*to) = *from;
            to->Loaded = from->Loaded;
        } else {
            to->Reset();
            to->Loaded = false;
        }
    }
}

const std::string& Game::Name(int p) const {
    static const std::string empty;
    if (p < 0 || p > MaxPlayers) return empty;
    return S.PlayerName[static_cast<std::size_t>(p)];
}

int Game::SlotOf(int id) const {
    if (id == 0) return 0;
    for (int p = 1; p <= S.NumOfPlayers && p <= MaxPlayers; ++p)
        if (S.PlayerId[static_cast<std::size_t>(p)] == id) return p;
    return 0;
}

void Game::NumberPlayers() {
    for (int p = 1; p <= MaxPlayers; ++p) S.PlayerId[static_cast<std::size_t>(p)] = p <= S.NumOfPlayers ? p : 0;
}

namespace {

// Every title a box is raised with, for the translators; MsgBox translates
// the title it is given.
[[maybe_unused]] const SourceText MessageTitles[] = {
    ZX_TEXT("Title", "Bad names"),          ZX_TEXT("Title", "Bad number"),
    ZX_TEXT("Title", "Game saved"),         ZX_TEXT("Title", "Illegal Loan"),
    ZX_TEXT("Title", "Illegal Save"),       ZX_TEXT("Title", "Invalid file format"),
    ZX_TEXT("Title", "Loan confirmation"),  ZX_TEXT("Title", "Loan refused"),
    ZX_TEXT("Title", "Lose confirmation"),  ZX_TEXT("Title", "No companies"),
    ZX_TEXT("Title", "No name"),            ZX_TEXT("Title", "Save failed"),
    ZX_TEXT("Title", "Sorry!"),             ZX_TEXT("Title", "Want to save?"),
    ZX_TEXT("Title", "You must pay now!"),  ZX_TEXT("Title", "Zentrix"),
};

Message MakeMessage(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons,
                    MsgAnswer defaultAnswer, int player) {
    return Message{text, Say(SourceText{"Title", title.c_str()}), icon, buttons, defaultAnswer, player, title};
}

}  // namespace

MsgAnswer Game::MsgBox(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons,
                       MsgAnswer defaultAnswer) {
    ui.refresh();
    const Message m = MakeMessage(text, title, icon, buttons, defaultAnswer, 0);
    if (Narrating()) Log.MessageShown(S.Moves, S.GameInProgress, m);
    return ui.message(m);
}

MsgAnswer Game::MsgBoxFor(int player, const std::string& text, const std::string& title, MsgIcon icon,
                          MsgButtons buttons, MsgAnswer defaultAnswer) {
    ui.refresh();
    const Message m = MakeMessage(text, title, icon, buttons, defaultAnswer, IdOf(player) != 0 ? player : 0);
    if (Narrating()) Log.MessageShown(S.Moves, S.GameInProgress, m);
    return ui.message(m);
}

// ---- prompts ----

void Game::ClearPrompts() {
    S.PromptText.clear();
    S.HintText.clear();
    Main.lblPrompt.text.clear();
    Main.lblHint.text.clear();
    Main.lblComputerPrompt.text.clear();
    Main.lblPrompt.color = Black;
    if (Narrating()) Log.Shown(S.Moves, Main);
}

void Game::SetPromptColor(int p) { Main.lblPrompt.color = PlayerColor(S, p); }

void Game::ShowPrompts() {
    if (Narrating()) {
        Main.lblPrompt.text = S.PromptText;
        Main.lblHint.text = S.HintText;
        Log.Shown(S.Moves, Main);
    }
    ui.refresh();
}

void Game::DisableRollDice() { Main.cmdRollDiceEnabled = false; }

void Game::EnableRollDiceIfIdle() {
    if (S.MoneyChanging || S.DestroyMode || S.BuyMode || S.InsuranceMode || S.WaitingMode || S.DepositMode) return;
    if (!S.GameInProgress) return;
    // A refresh from another player's window (a withdrawal, say) must not
    // hand out the next roll while this one is still rolling or walking.
    if (TimerEnabled(TimerId::MovePieces) || S.CurrentSound == "Dice") return;
    Main.cmdRollDiceEnabled = true;
}

void Game::ShowCurrentPlayer() {
    int p = S.CurrentPlayer;
    Main.lblCurrentPlayer = {Name(p), PlayerColor(S, p)};
}

// ---- the display refresh ----

void Game::UpdateDisplay() {
    UpdatePlayerWindows();
    UpdateBoardFrames();
    ShowPrompts();
    StartMoneyAnimation();
    EnableRollDiceIfIdle();
    ui.refresh();
}

void Game::UpdatePlayerWindows() {
    for (int p = 1; p <= S.NumOfPlayers; ++p) {
        PlayerForm& w = PlayerWindow(p);
        w.lstCompanies.clear();
        for (int i = 1; i <= 5; ++i) {
            w.chkInsurance[static_cast<std::size_t>(i)] = CheckState::Unchecked;
            w.chkInsuranceEnabled[static_cast<std::size_t>(i)] = false;
        }
    }
    for (int k = 1; k <= NumCompanies; ++k) {
        int owner = S.CompanyOwner[static_cast<std::size_t>(k)];
        if (owner < 1 || owner > S.NumOfPlayers) continue;
        PlayerForm& w = PlayerWindow(owner);
        if (w.lstCompanies.size() >= 5) continue;  // nobody keeps more than five
        w.lstCompanies.push_back(S.CompanyName[static_cast<std::size_t>(k)]);
        auto row = w.lstCompanies.size();
        if (S.CompanyInsured[static_cast<std::size_t>(k)]) {
            w.chkInsurance[row] = CheckState::Grayed;
            w.chkInsuranceEnabled[row] = false;
        } else {
            w.chkInsurance[row] = CheckState::Unchecked;
            w.chkInsuranceEnabled[row] = true;
        }
    }
    for (int p = 1; p <= S.NumOfPlayers; ++p) {
        CalculateEstate(p);
        if (!Narrating()) continue;
        PlayerForm& w = PlayerWindow(p);
        w.lblMoneyInBank = FormatMoney(S.MoneyInBank[static_cast<std::size_t>(p)]);
        w.lblEstate = FormatMoney(S.Estate[static_cast<std::size_t>(p)]);
    }
}

void Game::UpdateBoardFrames() {
    for (int k = 1; k <= NumCompanies; ++k) {
        int owner = S.CompanyOwner[static_cast<std::size_t>(k)];
        auto& f = Main.Frame[static_cast<std::size_t>(k)];
        f.visible = owner != 0;
        if (owner != 0) f.color = OutlineColor(S, owner);
    }
    for (int c = 1; c <= NumComplexes; ++c) {
        int owner = S.ComplexOwner[static_cast<std::size_t>(c)];
        auto& f = Main.ComplexFrame[static_cast<std::size_t>(c)];
        f.visible = owner != 0;
        if (owner != 0) {
            f.color = OutlineColor(S, owner);
            for (int k = 3 * c - 2; k <= 3 * c; ++k) Main.Frame[static_cast<std::size_t>(k)].visible = false;
        }
    }
}

void Game::RefreshPlayerWindows() {
    for (int p = 1; p <= S.NumOfPlayers; ++p) {
        PlayerForm& w = PlayerWindow(p);
        w.Caption = Name(p);
        w.OwnerId = IdOf(p);
        if (Narrating()) {
            w.lblCash = FormatMoney(S.DisplayedCash[static_cast<std::size_t>(p)]);
            w.lblMoneyInBank = FormatMoney(S.MoneyInBank[static_cast<std::size_t>(p)]);
            w.lblEstate = FormatMoney(S.Estate[static_cast<std::size_t>(p)]);
        }
        if (!w.Visible) {
            w.Visible = true;
            ui.showWindow(WindowId::Player, p, false);
        }
    }
    ui.refresh();
}

// ---- personal windows ----

// The window objects live as long as the game; unloading only marks them
// unloaded and puts their controls back, so a window can be unloaded from
// inside one of its own handlers.
PlayerForm& Game::PlayerWindow(int p) {
    auto& slot = playerForms_.at(static_cast<std::size_t>(p));
    if (!slot) slot = std::make_unique<PlayerForm>(*this, p);
    if (!slot->Loaded) {
        slot->Reset();
        slot->Loaded = true;
    }
    return *slot;
}

bool Game::PlayerWindowLoaded(int p) const {
    if (p < 1 || p > MaxPlayers) return false;
    const auto& slot = playerForms_[static_cast<std::size_t>(p)];
    return slot && slot->Loaded;
}

PlayerForm* Game::PlayerWindowIfLoaded(int p) {
    if (!PlayerWindowLoaded(p)) return nullptr;
    return playerForms_[static_cast<std::size_t>(p)].get();
}

const PlayerForm* Game::PlayerWindowIfLoaded(int p) const {
    if (!PlayerWindowLoaded(p)) return nullptr;
    return playerForms_[static_cast<std::size_t>(p)].get();
}

void Game::UnloadPlayerWindow(int p) {
    if (!PlayerWindowLoaded(p)) return;
    auto& w = *playerForms_[static_cast<std::size_t>(p)];
    w.Loaded = false;
    w.Reset();
    ui.closeWindow(WindowId::Player, p);
}

// ---- timers ----

void Game::SetTimer(TimerId t, bool enabled) {
    timers_[static_cast<std::size_t>(t)] = enabled;
    ui.setTimer(t, enabled);
}

bool Game::TimerEnabled(TimerId t) const { return timers_[static_cast<std::size_t>(t)]; }

}  // namespace zx
