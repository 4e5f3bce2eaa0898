#pragma once
// Keys that reach every window of the game: Ctrl+1 to Ctrl+4 bring a
// player's personal window forward, Ctrl+0 goes back to the main window,
// Ctrl+G opens the game log. A window behind a modal dialog is not reached.
// Enter clicks the focused push button, whatever window it is in.

namespace zx {

class Controller;

void InstallWindowKeys(Controller& controller);

}  // namespace zx
