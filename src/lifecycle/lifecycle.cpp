// Starting, closing and quitting games, with their save prompts.

#include <string>

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

namespace {

constexpr SourceText StartHint =
    ZX_TEXT("Hint", "The small windows you see around the game board are player windows.  You perform tasks using "
                    "your own personal window.  Click the Roll Dice button to begin!");

// The piece number of a player as a number; "1" for anything else, so a
// picture is always found.
int PieceOf(const GameState& s, int p) {
    const std::string& piece = s.PlayerPiece[static_cast<std::size_t>(p)];
    if (piece.size() == 1 && piece[0] >= '1' && piece[0] <= '4') return piece[0] - '0';
    return 1;
}

// Characters that cannot stand in a file name on one system or another; a
// player's name goes into the default file name and must not turn it into
// a path into some other folder.
std::string FileNameSafe(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        bool bad = u < 0x20 || u == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
                   c == '<' || c == '>' || c == '|';
        out += bad ? '_' : c;
    }
    return out;
}

// Asks "Want to save?" and saves when told to. False when the command that
// asked must stop: the user cancelled, or asked for a save that could not be
// written.
bool OfferToSave(Game& g, const std::string& question, MsgIcon icon) {
    const MsgAnswer answer = g.MsgBox(question, "Want to save?", icon, MsgButtons::YesNoCancel, MsgAnswer::Yes);
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes) {
        g.mnuGameSave_Click();
        if (g.SaveFailed) return false;
    }
    return true;
}

// No offer, animation or waiting of one game may carry over into the next.
void ClearModes(GameState& s) {
    s.MoneyChanging = false;
    s.DestroyMode = false;
    s.BuyMode = false;
    s.InsuranceMode = false;
    s.WaitingMode = false;
    s.DepositMode = false;
    s.MoveAnywhereMode = false;
}

}  // namespace

void Game::mnuGameNew_Click() {
    if (S.GameInProgress &&
        !OfferToSave(*this, Say(ZX_TEXT("Message", "Do you want to save before starting a new game?")), MsgIcon::Question))
        return;
    CloseGame();
    NewGame.Form_Load();
    ui.showWindow(WindowId::NewGame, 0, false);
}

void Game::mnuGameClose_Click() {
    if (!Main.mnuGameCloseEnabled) return;
    if (!OfferToSave(*this, Say(ZX_TEXT("Message", "Do you want to save this game before closing it?")), MsgIcon::Exclamation))
        return;
    CloseGame();
}

void Game::mnuGameExit_Click() {
    if (S.GameInProgress && !OfferToSave(*this, Say(ZX_TEXT("Message", "Do you want to save before quitting?")), MsgIcon::Question))
        return;
    StopSounds();
    StopMusic();
    ui.quit();
}

void Game::StartGame() {
    Log.Clear();
    // Into play: menus, clock and the first words on the prompt lines.
    S.GameInProgress = true;
    Main.mnuGameCloseEnabled = true;
    Main.mnuGameSaveEnabled = true;
    Main.mnuGameSaveAsEnabled = true;
    SetTimer(TimerId::AutoSave, S.AutoSave);

    SetPromptColor(0);
    S.PromptText = Say(ZX_TEXT("Prompt", "Game started!"));
    S.HintText = Say(StartHint);

    ClearModes(S);
    NumberPlayers();
    HasRolled = {};
    S.AutoSaveMinutes = 0;
    S.AutoSavePending = false;
    S.HasFileName = false;

    // Pieces: the players' own shown, the rest hidden where they stand.
    for (int i = 1; i <= MaxPlayers; ++i) {
        PieceView& piece = Main.picPiece[static_cast<std::size_t>(i)];
        piece.visible = i <= S.NumOfPlayers;
        if (i <= S.NumOfPlayers) piece.picture = PiecePictureNumber(PieceOf(S, i), S.PieceSet);
        piece.toolTip = Say(ZX_TEXT("Main", "%1's piece"), {Name(i)});
    }

    // The board of the chosen catalogue.
    const int set = (S.CompanySet == 2) ? 2 : 1;
    for (int k = 1; k <= NumCompanies; ++k) {
        const CatalogueEntry& entry = Catalogue(k);
        const auto cell = static_cast<std::size_t>(CompanyBox(k));
        S.CompanyName[static_cast<std::size_t>(k)] = entry.shortName[set - 1];
        Main.cellLogo[cell] = LogoNumber(set, k);
        Main.cellToolTip[cell] = entry.longName[set - 1];
    }
    for (int c = 1; c <= NumComplexes; ++c)
        S.ComplexName[static_cast<std::size_t>(c)] = Say(ZX_TEXT("Board", "%1 Complex"), {Say(ComplexWordText(set, c))});
    S.ComputerMessage[1] = Say(ZX_TEXT("Computer", "Go back one place!"));
    S.ComputerMessage[2] = Say(ZX_TEXT("Computer", "Go back two places!"));
    S.ComputerMessage[3] = Say(ZX_TEXT("Computer", "Click anywhere on the board you want to move to!"));
    S.ComputerMessage[4] = Say(ZX_TEXT("Computer", "Fire at %1!"), {S.ComplexName[1]});
    S.ComputerMessage[5] = Say(ZX_TEXT("Computer", "Earthquake at %1!"), {S.ComplexName[2]});
    S.ComputerMessage[6] = Say(ZX_TEXT("Computer", "Flood at %1!"), {S.ComplexName[3]});
    S.ComputerMessage[7] = Say(ZX_TEXT("Computer", "Storm at %1!"), {S.ComplexName[4]});
    S.ComputerMessage[8] = Say(ZX_TEXT("Computer", "You get $100,000 from each player!"));
    S.ComputerMessage[9] = Say(ZX_TEXT("Computer", "You get $400,000 from the bank!"));
    S.ComputerMessage[10] = Say(ZX_TEXT("Computer", "All players get $200,000 from the bank!"));
    S.ComputerMessage[11] = Say(ZX_TEXT("Computer", "Pay only half of your tax next time!"));
    S.ComputerMessage[12] = Say(ZX_TEXT("Computer", "Insure your companies for free!"));
    S.ComputerMessage[13] = Say(ZX_TEXT("Computer", "Don't play for one turn!"));

    // The personal windows: left column first, then the right one.
    RefreshPlayerWindows();
    struct Seat { int left, top; };
    const Seat twoPlayers[] = {{0, 0}, {0, 1500}, {12000, 1500}};
    const Seat morePlayers[] = {{0, 0}, {0, 1500}, {0, 5500}, {12000, 1500}, {12000, 5500}};
    for (int p = 1; p <= S.NumOfPlayers; ++p) {
        PlayerForm& w = PlayerWindow(p);
        const Seat& seat = S.NumOfPlayers == 2 ? twoPlayers[p] : morePlayers[p];
        w.Left = seat.left;
        w.Top = seat.top;
        w.Icon = PiecePictureNumber(PieceOf(S, p), S.PieceSet);
        w.cmdDepositEnabled = false;
        w.fraInsuranceEnabled = false;
    }

    EnableRollDiceIfIdle();
    SetTimer(TimerId::GameTime, true);
    Main.lblGameTime = Say(ZX_TEXT("Main", "%1 Minutes"), {std::to_string(S.GameTime)});
    Main.lblMoves = std::to_string(S.Moves);
    UpdateDisplay();
    RecordEstateHistory();
    if (S.BackgroundMusic) PlayNextMusic();
    ui.refresh();
}

void Game::CloseGame() {
    StopMusic();
    S.BackgroundMusic = false;
    SetTimer(TimerId::MusicDelay, false);

    for (int p = 1; p <= MaxPlayers; ++p) UnloadPlayerWindow(p);
    BuyForm.Unload();
    Wait.Unload();
    if (GraphLoaded) {
        GraphLoaded = false;
        ui.closeWindow(WindowId::Graph, 0);
    }
    // A set-up left open while another game was loaded must not start on
    // top of that game.
    NewGame.Unload();

    Main.caption = MainView::BaseCaption;
    for (int k = 1; k <= NumCompanies; ++k) Main.cellToolTip[static_cast<std::size_t>(CompanyBox(k))] = Say(ZX_TEXT("Cell", "Company cell"));
    ClearPrompts();
    Main.lblCurrentPlayer = {};
    Main.lblNextPlayer = {};
    Main.lblGameTime.clear();
    Main.lblMoves.clear();
    Main.picDice = 0;
    for (int k = 1; k <= NumCompanies; ++k) Main.cellLogo[static_cast<std::size_t>(CompanyBox(k))] = 0;
    for (int i = 1; i <= MaxPlayers; ++i) Main.picPiece[static_cast<std::size_t>(i)].visible = false;
    Main.mnuGameCloseEnabled = false;
    Main.mnuGameSaveEnabled = false;
    Main.mnuGameSaveAsEnabled = false;

    SetTimer(TimerId::MovePieces, false);
    SetTimer(TimerId::ChangeMoney, false);
    SetTimer(TimerId::DestroyDelay, false);
    SetTimer(TimerId::GameTime, false);
    SetTimer(TimerId::AutoSave, false);
    // Nothing of the closed game may go on counting down or covering the board.
    StopReactionTimer();
    SetTimer(TimerId::LimitReactionTime, false);
    Main.lblReactionTime.clear();
    for (auto& mask : Main.shpDestroyMask) mask = false;
    DisableRollDice();

    S.GameInProgress = false;
    S.TaxDebtPending = false;
    S.LoanRepayPending = false;
    ClearModes(S);
    ResetGameData();
    for (auto& slot : S.EstateHistory)
        for (auto& sample : slot) sample.reset();

    // The windows of the closed game stay closed: only the board is redrawn.
    UpdateBoardFrames();
    ShowPrompts();
    EnableRollDiceIfIdle();
    ui.refresh();
}

void Game::ResetGameData() {
    for (std::size_t i = 1; i <= MaxPlayers; ++i) {
        S.Cash[i] = StartCash;
        S.DisplayedCash[i] = S.Cash[i];
        S.MoneyInBank[i] = 0;
        S.Estate[i] = 0;
        S.Finisher[i].clear();
        S.PieceLeft[i] = StartBoxLeft(static_cast<int>(i)) + PieceInset;
        S.PieceTop[i] = StartBoxTop(static_cast<int>(i)) + PieceInset;
        S.ComplexOwner[i] = 0;
        // Bonuses and bars won at Computer cells belong to the game that
        // gave them; neither a new nor a loaded game inherits them.
        S.MissNextTurn[i] = false;
        S.HalfTaxBonus[i] = false;
        S.FreeInsuranceBonus[i] = false;
        S.MoneyChange[i].clear();
        S.PlayerCell[i] = 0;
    }
    for (std::size_t k = 1; k <= NumCompanies; ++k) {
        S.CompanyOwner[k] = 0;
        S.CompanyInsured[k] = false;
        S.CompanyComplexed[k] = false;
    }
    S.GameTime = 0;
    S.Moves = 0;
    S.LoanCount = 0;
    S.WinnerCount = 0;

    // What the last turn of the closed game left behind: a six rolled there
    // must not give the first player of the next game's turn away.
    S.ExtraTurn = false;
    S.Dice = 0;
    S.NextPlayer = 0;
    S.ChangingPlayer = 0;
    S.ReactionSeconds = 0;
    S.MoveTick = 0;
    S.CellsMoved = 0;
    S.OnStart = {};
    S.AutoSaveMinutes = 0;
    S.AutoSavePending = false;
    S.LoanRepaidNotice = false;
    S.LoanRepaidText.clear();
    S.WaitingMessage.clear();
    S.DestroyedComplex = 0;
    S.DestroyCompanyNumber = 0;
    S.ComputerChoice = 0;
    Draft.Forget();
    // A roll still waiting for the end of its dice sound belongs to the
    // closed game: the late end report must not throw a die in the next one.
    if (S.CurrentSound == "Dice") S.CurrentSound.clear();
    MovingPlayerId = 0;
}

void Game::SetDefaultFileName() {
    std::string name;
    for (int i = 1; i <= S.NumOfPlayers; ++i) name += FileNameSafe(Name(i)) + ", ";
    Date d = ui.today();
    name += std::to_string(d.day) + "," + std::to_string(d.month) + "," + std::to_string(d.year) + ".znx";
    S.FileName = name;
    Main.caption = std::string(MainView::BaseCaption) + " - " + name;
    ui.refresh();
}

}  // namespace zx
