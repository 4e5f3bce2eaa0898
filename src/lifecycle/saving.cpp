// The Save, Save As and Load commands.

#include <filesystem>

#include "lifecycle/savefile.h"
#include "rules/game.h"
#include "rules/text.h"

namespace zx {

namespace {

// The file's name without its folder, as the caption shows it.
std::string FileNameOnly(const std::string& path) {
    std::filesystem::path p(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
    std::u8string name = p.filename().u8string();
    return std::string(reinterpret_cast<const char*>(name.data()), name.size());
}

// Every dialog may hand back a bare name; the game's files are .znx files.
std::string WithExtension(const std::string& path) {
    std::filesystem::path p(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
    if (p.has_filename() && !p.has_extension()) return path + ".znx";
    return path;
}

std::string CaptionFor(const std::string& path) {
    return std::string(MainView::BaseCaption) + " - " + FileNameOnly(path);
}

}  // namespace

void Game::mnuGameSave_Click() {
    SaveFailed = false;
    if (S.WaitingMode) {
        MsgBox(Say(ZX_TEXT("Message", "Can't save game in waiting mode!")), "Illegal Save", MsgIcon::Exclamation);
        S.SaveAsRequested = false;
        return;
    }
    S.ShowSavedMessage = true;
    SaveGame();
    // A cancelled or failed save must not leave a confirmation for the next
    // (automatic) save to show.
    S.ShowSavedMessage = false;
}

void Game::mnuGameSaveAs_Click() {
    S.SaveAsRequested = true;
    mnuGameSave_Click();
}

bool Game::SaveGame() {
    const bool confirm = S.ShowSavedMessage;
    S.ShowSavedMessage = false;
    SaveFailed = false;

    const std::string previousFile = S.FileName;
    const std::string previousCaption = Main.caption;
    if (!S.HasFileName || S.SaveAsRequested) {
        S.SaveAsRequested = false;
        auto chosen = ui.saveFileDialog(Say(ZX_TEXT("Title", "Save Game")), S.FileName);
        if (!chosen || chosen->empty()) return false;
        S.FileName = WithExtension(*chosen);
    }
    Main.caption = CaptionFor(S.FileName);

    if (!SaveGameData()) {
        // The game still lives where it lived before; a later Save must not
        // write silently to a place that has just refused it.
        const std::string failedPath = S.FileName;
        S.FileName = previousFile;
        Main.caption = previousCaption;
        SaveFailed = true;
        MsgBox(Say(ZX_TEXT("Message", "The game could not be saved to %1!"), {failedPath}), "Save failed", MsgIcon::Critical);
        return false;
    }
    S.HasFileName = true;
    LogSaved(*this, confirm);
    ui.refresh();
    if (confirm) MsgBox(Say(ZX_TEXT("Message", "The game was saved.")), "Game saved", MsgIcon::Information);
    return true;
}

bool Game::SaveGameData() {
    return WriteFileAtomically(S.FileName, WriteSavedGame(SavedGameFrom(S, Draft.Slot())));
}

void Game::mnuGameLoad_Click() { LoadGame(std::nullopt); }

void Game::LoadGame(const std::optional<std::string>& path) {
    if (S.GameInProgress) {
        MsgAnswer a = MsgBox(Say(ZX_TEXT("Message", "Do you want to save before loading another game?")), "Want to save?", MsgIcon::Question,
                             MsgButtons::YesNoCancel, MsgAnswer::Yes);
        if (a == MsgAnswer::Cancel) return;
        if (a == MsgAnswer::Yes) {
            mnuGameSave_Click();
            if (SaveFailed) return;
        }
    }
    CloseGame();
    std::optional<std::string> chosen = path;
    if (!chosen) {
        chosen = ui.openFileDialog(Say(ZX_TEXT("Title", "Load Game")));
        if (!chosen || chosen->empty()) return;
    }
    if (ui.takeSavedGame(*chosen)) return;
    LoadGameData(*chosen);
}

bool Game::LoadGameData(const std::string& path) {
    // The file is read and checked whole before the game sees any of it, so
    // a bad file leaves nothing half-loaded behind.
    std::optional<SavedGame> read;
    if (auto bytes = ReadWholeFile(path)) read = ReadSavedGame(*bytes);
    if (!read) {
        MsgBox(Say(ZX_TEXT("Message", "Couldn't load file!")), "Invalid file format", MsgIcon::Critical);
        return false;
    }
    ApplySavedGame(*read, S);
    S.FileName = path;
    Main.caption = CaptionFor(path);
    StartGame();
    HasRolled.fill(true);
    LogLoaded(*this, path);
    S.HasFileName = true;
    if (S.CurrentPlayer >= 1 && S.CurrentPlayer <= S.NumOfPlayers) ShowCurrentPlayer();
    ui.refresh();
    return true;
}

}  // namespace zx
