#pragma once
// Shared helpers for the rules' tests: a scripted fake of the Ui, a scripted
// source of chance, and a quick way to put a game with n players on the
// board without going through the new-game window.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/game.h"
#include "rules/ui.h"
#include "state/board.h"

namespace zx::test {

struct WindowEvent {
    std::string what;  // "show", "close", "raise"
    WindowId window;
    int index;
    bool modal;
};

class FakeUi : public Ui {
public:
    // ---- scripted answers ----
    std::deque<MsgAnswer> answers;               // next answers to message boxes
    std::deque<std::optional<std::string>> saveAnswers;  // next answers to the Save dialog
    std::deque<std::optional<std::string>> openAnswers;  // next answers to the Open dialog
    Date date{8, 12, 2026};

    // ---- what happened ----
    std::vector<Message> messages;
    std::vector<std::string> sounds;
    std::vector<std::string> music;
    int soundsStopped = 0;
    int musicStopped = 0;
    std::map<TimerId, bool> timers;
    std::vector<WindowEvent> windows;
    std::vector<std::pair<FocusId, int>> focuses;
    std::vector<std::string> saveDialogs;  // titles + "|" + initial path
    std::vector<std::string> openDialogs;
    std::vector<std::string> helpTopics;
    int refreshes = 0;
    bool quitCalled = false;

    MsgAnswer message(const Message& m) override {
        record(messages, m);
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return m.defaultAnswer;
    }
    void playSound(const std::string& file) override { record(sounds, file); }
    void stopSounds() override { ++soundsStopped; }
    void playMusic(const std::string& file) override { record(music, file); }
    void stopMusic() override { ++musicStopped; }
    void setTimer(TimerId t, bool enabled) override { timers[t] = enabled; }
    void showWindow(WindowId w, int index, bool modal) override { record(windows, {"show", w, index, modal}); }
    void closeWindow(WindowId w, int index) override { record(windows, {"close", w, index, false}); }
    void raiseWindow(WindowId w, int index) override { record(windows, {"raise", w, index, false}); }
    void focus(FocusId f, int index) override { record(focuses, {f, index}); }
    void refresh() override { ++refreshes; }
    std::optional<std::string> saveFileDialog(const std::string& title, const std::string& initialPath) override {
        record(saveDialogs, title + "|" + initialPath);
        if (saveAnswers.empty()) return std::nullopt;
        auto a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    std::optional<std::string> openFileDialog(const std::string& title) override {
        record(openDialogs, title);
        if (openAnswers.empty()) return std::nullopt;
        auto a = openAnswers.front();
        openAnswers.pop_front();
        return a;
    }
    void showHelp(const std::string& topic) override { record(helpTopics, topic); }
    void quit() override { quitCalled = true; }
    Date today() override { return date; }

    // Each record keeps its latest entries only, far more than a test looks
    // back on, so that thousands of games played headless keep a flat memory.
    static constexpr std::size_t kKeptRecords = 1000;
    template <typename T>
    static void record(std::vector<T>& log, T entry) {
        if (log.size() >= 2 * kKeptRecords) log.erase(log.begin(), log.end() - kKeptRecords);
        log.push_back(std::move(entry));
    }

    // ---- questions tests ask ----
    bool timerOn(TimerId t) const {
        auto it = timers.find(t);
        return it != timers.end() && it->second;
    }
    const Message* lastMessage() const { return messages.empty() ? nullptr : &messages.back(); }
    bool shown(WindowId w, int index = 0) const {
        for (const auto& e : windows)
            if (e.what == "show" && e.window == w && e.index == index) return true;
        return false;
    }
    int count(const std::string& what, WindowId w) const {
        int n = 0;
        for (const auto& e : windows)
            if (e.what == what && e.window == w) ++n;
        return n;
    }
    bool played(const std::string& file) const {
        for (const auto& s : sounds)
            if (s == file) return true;
        return false;
    }
    void clear() {
        messages.clear();
        sounds.clear();
        music.clear();
        windows.clear();
        focuses.clear();
    }
};

// Chance on a script: each call takes the next number; 0.0 when none is left.
class ScriptedRandom : public Random {
public:
    std::deque<double> values;
    double next() override {
        if (values.empty()) return 0.0;
        double v = values.front();
        values.pop_front();
        return v;
    }
    // A draw that makes Int(r * n) + 1 equal to `k` (1-based).
    void push(int k, int n) { values.push_back((k - 1 + 0.5) / n); }
    // The die showing `face`.
    void pushDie(int face) { push(face, 6); }
};

// Puts a fresh game with n players on the board directly: names "Ann",
// "Bob", "Cid", "Dee" (Female, Male, Male, Female), pieces "1".."4",
// $5,000,000 each, pieces on their start boxes, catalogue 1, options off
// (no sounds, no music, no auto-save, no reaction limit), player n to move
// (so the next roll is player 1's), and the windows' models refreshed.
inline void SetUpGame(Game& g, int n, int companySet = 1) {
    static const char* names[] = {"", "Ann", "Bob", "Cid", "Dee"};
    static const char* sexes[] = {"", "Female", "Male", "Male", "Female"};
    GameState& s = g.S;
    Definitions(s);
    s.NumOfPlayers = n;
    s.InitialNumOfPlayers = n;
    s.CompanySet = companySet;
    s.PieceSet = 1;
    for (int p = 1; p <= MaxPlayers; ++p) {
        s.PlayerName[p] = p <= n ? names[p] : "";
        s.PlayerSex[p] = p <= n ? sexes[p] : "";
        s.PlayerPiece[p] = p <= n ? std::to_string(p) : "";
        s.Cash[p] = StartCash;
        s.DisplayedCash[p] = StartCash;
        s.MoneyInBank[p] = 0;
        s.PieceLeft[p] = StartBoxLeft(p) + PieceInset;
        s.PieceTop[p] = StartBoxTop(p) + PieceInset;
    }
    for (int k = 1; k <= NumCompanies; ++k) s.CompanyName[k] = Catalogue(k).shortName[companySet - 1];
    for (int c = 1; c <= NumComplexes; ++c) s.ComplexName[c] = std::string(ComplexWord(companySet, c)) + " Complex";
    const char* fixed[] = {"",
                           "Go back one place!",
                           "Go back two places!",
                           "Click anywhere on the board you want to move to!",
                           "", "", "", "",
                           "You get $100,000 from each player!",
                           "You get $400,000 from the bank!",
                           "All players get $200,000 from the bank!",
                           "Pay only half of your tax next time!",
                           "Insure your companies for free!",
                           "Don't play for one turn!"};
    for (int i = 1; i <= 13; ++i) s.ComputerMessage[i] = fixed[i];
    s.ComputerMessage[4] = "Fire at " + s.ComplexName[1] + "!";
    s.ComputerMessage[5] = "Earthquake at " + s.ComplexName[2] + "!";
    s.ComputerMessage[6] = "Flood at " + s.ComplexName[3] + "!";
    s.ComputerMessage[7] = "Storm at " + s.ComplexName[4] + "!";
    s.Sounds = false;
    s.BackgroundMusic = false;
    s.AutoSave = false;
    s.LimitReactionTime = false;
    s.CurrentPlayer = n;
    s.GameInProgress = true;
    g.NumberPlayers();
    for (int p = 1; p <= n; ++p) {
        g.Main.picPiece[p].visible = true;
        g.Main.picPiece[p].picture = p;
        g.PlayerWindow(p).Caption = s.PlayerName[p];
        g.PlayerWindow(p).OwnerId = g.IdOf(p);
    }
    g.UpdatePlayerWindows();
}

// Stands player p's piece on cell i (at the cell's standard spot) and makes
// the game know it, as a walk ending there would.
inline void PlaceOn(Game& g, int p, int cell) {
    g.S.PieceLeft[p] = CellLeft(cell) + PieceInset;
    g.S.PieceTop[p] = CellTop(cell) + PieceInset;
    g.S.PlayerCell[p] = cell;
}

}  // namespace zx::test
