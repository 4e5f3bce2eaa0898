#pragma once
// The game log: every event of a game in order, each with the move it
// happened at. It is written only from what the players were told already
// (the prompt lines, the Computer line, warnings in message boxes, the die
// and the bids once they are revealed), so reading it back never tells
// more than the screen did.

#include <cstdint>
#include <string>
#include <vector>

#include "rules/functions.h"

namespace zx {

class Game;
struct MainView;
struct Message;

struct LogLine {
    int move = 0;
    std::string text;
    Rgb color = Black;  // the colour the prompt line had, or of the player whose win or loss it is
    // The event changes the standing: a win or a loss, a disaster, a missed
    // turn, a sale or a loan with a person in it. Someone playing alone
    // against the computers needs a moment to read such a line.
    bool standing = false;
};

class GameLog {
public:
    GameLog();
    const std::vector<LogLine>& Lines() const { return lines_; }
    // Changes whenever a line already there is taken back (a void disaster
    // drawn again) or the lines start over, so a reader that copies only the
    // new lines knows when to copy them all again.
    std::uint64_t Generation() const { return generation_; }
    // Changes with every change of the lines (added, replaced, removed or
    // started over), so a reader can tell at a glance whether to look again.
    std::uint64_t Revision() const { return revision_; }

    // A new game: nothing of the last one stays.
    void Clear();
    // Starts over with one line (a loaded game says where it came from).
    void Begin(int move, const std::string& text);
    void Add(int move, const std::string& text, Rgb color = Black, bool standing = false);
    // The prompt and Computer lines as they are now on the main window:
    // whatever is new on them is logged. A line that grew keeps only its
    // new part; an emptied line makes the same words news again.
    void Shown(int move, const MainView& view);
    // The prompt line about to show `prompt`: its news is logged now, so
    // that an event told by sentences added to the line (a win, say) gets
    // a line of its own, and the later Shown does not log it again.
    void Prompted(int move, const std::string& prompt, Rgb color, bool standing = false);
    // The Computer's latest decision turned out to change the standing (a
    // disaster that strikes).
    void MarkComputerLineStanding();
    // A message box: warnings and debts are events; questions, notes and
    // help pointers are not.
    void MessageShown(int move, bool gameInProgress, const Message& m);

    // Where a reader of the log has read to.
    struct Cursor {
        std::uint64_t generation = 0;
        std::size_t seen = 0;
    };
    // Whether the lines come since the cursor hold one that changes the
    // standing; the cursor moves past them (back to the start when the
    // lines started over).
    bool StandingNewsSince(Cursor& cursor) const;

    // "Move 12: Ann rolled a 4 ...", one line each.
    static std::string Format(const LogLine& line);
    std::string PlainText() const;

private:
    std::vector<LogLine> lines_;
    std::uint64_t generation_ = 0;
    std::uint64_t revision_ = 0;
    std::string prompt_, computer_;  // what the two lines showed when last looked at
    static constexpr std::size_t NoLine = static_cast<std::size_t>(-1);
    std::size_t computerLine_ = NoLine;  // the log line of the Computer's last decision
};

// The hooks of the rules, one line where the event happens.
// The end of a walk: the die and the cell the piece stopped on.
void LogWalk(Game& g);
// The free move of the Computer's move-anywhere event.
void LogMoveAnywhere(Game& g, int cell);
// The bids of a sale, once Submit has revealed them.
void LogRevealedBids(Game& g);
// A save that wrote its file; `byPlayer` is false for the automatic save.
void LogSaved(Game& g, bool byPlayer);
// A game read from a file: its log starts here.
void LogLoaded(Game& g, const std::string& fileName);
// A player barred by the Computer is passed over at this roll.
void LogMissedTurn(Game& g, int p);
// The prompt text, about to be shown, tells an event that changes the
// standing: its news is logged now as a line of its own, in `color`.
void LogStandingNews(Game& g, Rgb color);

}  // namespace zx
