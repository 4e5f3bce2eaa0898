#pragma once
// frmMain: the board in the middle, the players' seats in the side columns
// (their personal windows are placed over them), the die, Roll Dice, the
// prompt lines, the statistics and the menus.

#include <QMainWindow>
#include <array>
#include <cstdint>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zx {

class BoardView;
class Game;
class PictureBox;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Draws the game's main view and the pieces. Roll Dice stays disabled
    // for the people while `peopleMayRoll` is false (a computer's roll is due).
    void render(const Game& game, bool peopleMayRoll = true);

    BoardView* board() const { return board_; }
    QPushButton* rollDice() const { return cmdRollDice_; }
    QPushButton* showGraph() const { return cmdShowGraph_; }
    QPushButton* showLog() const { return cmdShowLog_; }
    // The place of a player's seat on the screen (global coordinates).
    QRect seatRect(int seat) const;
    // The least size of a personal window (with its frame): every seat is
    // kept at least that large, which sets the main window's least size.
    void setSeatMinimum(const QSize& size);
    // Where the board is drawn on the screen (global coordinates): no window
    // of the game may cover it while a game goes on.
    QRect boardArea() const;
    QListWidget* recentEvents() const { return lstRecentEvents_; }
    // The line at the bottom that tells a network game's connection and the
    // others' state; it is made on the first such text, so a game at one
    // screen has no such line. Null until then.
    void setNetworkStatus(const QString& text);
    QLabel* networkStatus() const { return lblNetworkStatus_; }

    // The "Recent events" panel: shown when the user asked for it, or, while
    // he has not said, when a computer plays (`computersPlaying`).
    void setComputersPlaying(bool computersPlaying);
    bool recentEventsShown() const;

    QAction* mnuGameNew = nullptr;
    QAction* mnuGameLoad = nullptr;
    QAction* mnuGameHost = nullptr;
    QAction* mnuGameJoin = nullptr;
    // Shown while a network game joined here may still be going on.
    QAction* mnuGameResume = nullptr;
    QAction* mnuGameClose = nullptr;
    QAction* mnuGameSave = nullptr;
    QAction* mnuGameSaveAs = nullptr;
    QAction* mnuGameExit = nullptr;
    QAction* mnuViewRecentEvents = nullptr;
    QAction* mnuViewSpeedSlow = nullptr;
    QAction* mnuViewSpeedNormal = nullptr;
    QAction* mnuViewSpeedFast = nullptr;
    QAction* mnuHelpHelp = nullptr;
    // Keeps the language for the next start.
    void chooseLanguage(const QString& code);
    QAction* mnuHelpAbout = nullptr;

signals:
    // The user asked to close the window; the program ends only through Exit.
    void closeRequested();
    // The window moved or changed size, so the seats moved.
    void seatsMoved();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRecentEvents(const Game& game);
    void updateRecentEventsPanel();

    BoardView* board_ = nullptr;
    PictureBox* picDice_ = nullptr;
    QPushButton* cmdRollDice_ = nullptr;
    QPushButton* cmdShowGraph_ = nullptr;
    QPushButton* cmdShowLog_ = nullptr;
    QLabel* lblCurrentPlayer_ = nullptr;
    QLabel* lblNextPlayer_ = nullptr;
    QLabel* lblPrompt_ = nullptr;
    QLabel* lblComputerPrompt_ = nullptr;
    QLabel* lblHint_ = nullptr;
    QLabel* lblGameTime_ = nullptr;
    QLabel* lblMoves_ = nullptr;
    QLabel* lblReactionTime_ = nullptr;
    QLabel* lblNetworkStatus_ = nullptr;
    std::array<QFrame*, 5> seats_{};
    QWidget* leftColumn_ = nullptr;
    QWidget* rightColumn_ = nullptr;
    QWidget* recentPanel_ = nullptr;
    QListWidget* lstRecentEvents_ = nullptr;
    QWidget* turnPanel_ = nullptr;
    QSize seatMinimum_;
    std::uint64_t recentRevision_ = 0;
    bool computersPlaying_ = false;
    static constexpr int kColumnWidth = 236;
};

}  // namespace zx
