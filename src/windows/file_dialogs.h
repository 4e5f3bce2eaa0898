#pragma once
// The Save and Load dialogs for saved games. Both open in the folder a
// saved game was last saved to or loaded from (kept in the settings), the
// user's documents folder the first time.

#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace zx {

// The folder the next Save or Load dialog opens in.
QString savedGamesFolder();
// Remembers the folder of a saved game chosen in a dialog.
void rememberSavedGamesFolder(const QString& file);

// A dialog set up as the game's Save (initialPath: a bare default name or
// the game's file) or Load dialog, not yet shown.
void prepareSaveDialog(QFileDialog& dialog, const QString& initialPath);
void prepareOpenDialog(QFileDialog& dialog);

// Shows a prepared dialog; the file chosen, or empty when cancelled.
std::optional<QString> runFileDialog(QFileDialog& dialog);

}  // namespace zx
