// The "Start a new game" window.

#include <string>

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

namespace {

constexpr std::size_t MaxNameLength = 12;

// The kinds of seat as PlayerTypeName gives them, for the translators; the
// window translates the name it lists.
[[maybe_unused]] const SourceText PlayerTypeNames[] = {
    ZX_TEXT("PlayerType", "Human"),
    ZX_TEXT("PlayerType", "Computer (easy)"),
    ZX_TEXT("PlayerType", "Computer (normal)"),
    ZX_TEXT("PlayerType", "Computer (hard)"),
};

}  // namespace

void NewGameForm::Form_Load() {
    Loaded = true;
    optNumOfPlayersValue = {};
    for (std::size_t i = 1; i <= MaxPlayers; ++i) {
        txtPlayerName[i] = Say(ZX_TEXT("NewGame", "Player %1"), {std::to_string(i)});
        rowEnabled[i] = true;
    }
    SetInitialOptions();
    SetInitialSex();
    g.S.CompanySet = 1;
    optCompanySetValue = {false, true, false};
    g.S.PieceSet = 0;
    cmdNextSet_Click();
    g.ui.refresh();
}

void NewGameForm::SetInitialOptions() {
    chkLimitReactionTime = false;
    chkAutoSave = true;
    chkBackgroundMusic = true;
    chkSounds = true;
    g.S.LimitReactionTime = false;
    g.S.AutoSave = true;
    g.S.BackgroundMusic = true;
    g.S.Sounds = true;
}

void NewGameForm::SetInitialSex() {
    for (std::size_t i = 1; i <= MaxPlayers; ++i) {
        cmbPlayerSex[i] = 0;
        cmbPlayerType[i] = 0;  // every seat starts as a person's
    }
}

void NewGameForm::optNumOfPlayers_Click(int index) {
    if (index < 2 || index > MaxPlayers) return;
    rowEnabled[3] = true;
    rowEnabled[4] = true;
    if (index == 2) {
        rowEnabled[3] = false;
        rowEnabled[4] = false;
    } else if (index == 3) {
        rowEnabled[4] = false;
    }
    for (int i = 2; i <= MaxPlayers; ++i) optNumOfPlayersValue[static_cast<std::size_t>(i)] = i == index;
    g.S.NumOfPlayers = index;
    g.S.InitialNumOfPlayers = index;
    g.ui.refresh();
}

void NewGameForm::txtPlayerName_Typed(int i, const std::string& text) {
    if (i < 1 || i > MaxPlayers) return;
    txtPlayerName[static_cast<std::size_t>(i)] = FirstCharacters(text, MaxNameLength);
}

void NewGameForm::cmbPlayerSex_Click(int i, int entry) {
    if (i < 1 || i > MaxPlayers || entry < 0 || entry > 1) return;
    cmbPlayerSex[static_cast<std::size_t>(i)] = entry;
}

void NewGameForm::cmbPlayerType_Click(int i, int entry) {
    if (i < 1 || i > MaxPlayers || entry < Human || entry > Hard) return;
    cmbPlayerType[static_cast<std::size_t>(i)] = entry;
}

void NewGameForm::optCompanySet_Click(int index) {
    if (index < 1 || index > 2) return;
    optCompanySetValue = {false, index == 1, index == 2};
    g.S.CompanySet = index;
}

void NewGameForm::cmdNextSet_Click() {
    if (g.S.PieceSet < 3)
        g.S.PieceSet += 1;
    else
        g.S.PieceSet = 1;
    if (g.S.PieceSet < 1) g.S.PieceSet = 1;
    for (int p = 1; p <= MaxPlayers; ++p) picPiece[static_cast<std::size_t>(p)] = (g.S.PieceSet - 1) * 4 + p;
    g.ui.refresh();
}

void NewGameForm::chkAutoSave_Click(bool checked) {
    chkAutoSave = checked;
    g.S.AutoSave = checked;
}

void NewGameForm::chkSounds_Click(bool checked) {
    chkSounds = checked;
    g.S.Sounds = checked;
}

void NewGameForm::chkLimitReactionTime_Click(bool checked) {
    chkLimitReactionTime = checked;
    g.S.LimitReactionTime = checked;
}

void NewGameForm::chkBackgroundMusic_Click(bool checked) {
    chkBackgroundMusic = checked;
    g.S.BackgroundMusic = checked;
}

bool NewGameForm::CheckNames() {
    GameState& s = g.S;
    // After a finished game the count held is the one survivor; without a
    // choice in the dialog a game is for two.
    if (s.NumOfPlayers < 2 || s.NumOfPlayers > MaxPlayers) s.NumOfPlayers = 2;
    const int n = s.NumOfPlayers;

    for (int i = 1; i <= n; ++i) {
        if (txtPlayerName[static_cast<std::size_t>(i)].empty()) {
            g.MsgBox(Say(ZX_TEXT("Message", "Please enter a name.")), "No name", MsgIcon::Exclamation);
            g.ui.focus(FocusId::NewGameName, i);
            return false;
        }
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (i != j && txtPlayerName[static_cast<std::size_t>(i)] == txtPlayerName[static_cast<std::size_t>(j)]) {
                g.MsgBox(Say(ZX_TEXT("Message", "Please don't use identical names.")), "Bad names", MsgIcon::Exclamation);
                return false;
            }
    return true;
}

void NewGameForm::cmdStart_Click() {
    GameState& s = g.S;
    if (!CheckNames()) return;
    const int n = s.NumOfPlayers;

    g.PlayPositiveSound();
    GetPlayerInfo();
    SetPlayerNumbers();
    // Whatever count the last game ended with, this one starts with all of
    // its players.
    s.InitialNumOfPlayers = n;
    s.CurrentPlayer = n;
    Unload();
    g.StartGame();
    g.SetDefaultFileName();
}

void NewGameForm::GetPlayerInfo() {
    for (int i = 1; i <= MaxPlayers; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // Seats not in this game are nobody's, so no computer sits there.
        g.S.PlayerType[k] = i <= g.S.NumOfPlayers && rowEnabled[k] ? static_cast<PlayerType>(cmbPlayerType[k]) : Human;
        if (i > g.S.NumOfPlayers || !rowEnabled[k]) continue;
        g.S.PlayerName[k] = txtPlayerName[k];
        g.S.PlayerSex[k] = cmbPlayerSex[k] == 0 ? "Female" : "Male";
    }
}

void NewGameForm::SetPlayerNumbers() {
    for (int i = 1; i <= g.S.NumOfPlayers; ++i) g.S.PlayerPiece[static_cast<std::size_t>(i)] = std::to_string(i);
}

void NewGameForm::cmdClose_Click() {
    g.PlayNegativeSound();
    Unload();
}

void NewGameForm::Unload() {
    if (!Loaded) return;
    Loaded = false;
    g.ui.closeWindow(WindowId::NewGame, 0);
}

}  // namespace zx
