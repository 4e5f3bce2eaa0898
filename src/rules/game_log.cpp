// The game log and the hooks that feed it.

#include "rules/game_log.h"

#include <filesystem>

#include "rules/cell_text.h"
#include "rules/game.h"
#include "rules/text.h"

namespace zx {

namespace {

// Message boxes and prompts start new lines with "\r"; a log line is one line.
std::string OneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            if (!out.empty() && out.back() != ' ') out += "  ";
            continue;
        }
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    std::size_t first = out.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first);
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.size() > start.size() && text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

// The lines' first words invite the players; they are not events.
GameLog::GameLog() {
    const MainView fresh;
    prompt_ = fresh.lblPrompt.text;
    computer_ = fresh.lblComputerPrompt.text;
}

void GameLog::Clear() {
    lines_.clear();
    computerLine_ = NoLine;
    ++generation_;
    ++revision_;
}

void GameLog::Begin(int move, const std::string& text) {
    Clear();
    Add(move, text);
}

void GameLog::Add(int move, const std::string& text, Rgb color, bool standing) {
    std::string line = OneLine(text);
    if (line.empty()) return;
    lines_.push_back(LogLine{move, std::move(line), color, standing});
    ++revision_;
}

void GameLog::Shown(int move, const MainView& view) {
    const std::string& computer = view.lblComputerPrompt.text;
    if (computer != computer_) {
        // A void disaster is drawn again at once: the new decision replaces
        // the old one, which nobody had time to read.
        const bool redrawn = !computer.empty() && computerLine_ != NoLine && computerLine_ + 1 == lines_.size();
        if (redrawn) {
            lines_.pop_back();
            ++generation_;
            ++revision_;
        }
        computer_ = computer;
        Add(move, computer);
        computerLine_ = computer.empty() ? NoLine : lines_.size() - 1;
    }
    Prompted(move, view.lblPrompt.text, view.lblPrompt.color);
}

void GameLog::Prompted(int move, const std::string& prompt, Rgb color, bool standing) {
    if (prompt == prompt_) return;
    // A prompt is often told in steps: sentences added after it ("So ...")
    // or put in front of it (a loan repaid at the landing).
    std::string news = prompt;
    if (!prompt_.empty() && StartsWith(prompt, prompt_)) news = prompt.substr(prompt_.size());
    else if (!prompt_.empty() && EndsWith(prompt, prompt_)) news = prompt.substr(0, prompt.size() - prompt_.size());
    prompt_ = prompt;
    Add(move, news, color, standing);
}

void GameLog::MarkComputerLineStanding() {
    if (computerLine_ >= lines_.size() || lines_[computerLine_].standing) return;
    lines_[computerLine_].standing = true;
    ++revision_;
}

void GameLog::MessageShown(int move, bool gameInProgress, const Message& m) {
    if (!gameInProgress || m.buttons != MsgButtons::Ok) return;
    if (m.icon != MsgIcon::Exclamation && m.icon != MsgIcon::Critical) return;
    Add(move, m.title + "  " + m.text);
}

std::string GameLog::Format(const LogLine& line) {
    return Say(ZX_TEXT("Log", "Move %1: %2"), {std::to_string(line.move), line.text});
}

bool GameLog::StandingNewsSince(Cursor& cursor) const {
    if (cursor.generation != generation_ || lines_.size() < cursor.seen) cursor = Cursor{generation_, 0};
    bool news = false;
    for (; cursor.seen < lines_.size(); ++cursor.seen) news = news || lines_[cursor.seen].standing;
    return news;
}

std::string GameLog::PlainText() const {
    std::string out;
    for (const LogLine& line : lines_) out += Format(line) + "\n";
    return out;
}

// ---- hooks ----

void LogWalk(Game& g) {
    if (!g.Narrating()) return;  // nobody reads the log of an instant game
    const int p = g.S.CurrentPlayer;
    const int cell = CellOfPiece(g, p);
    if (cell == 0) return;
    g.Log.Add(g.S.Moves,
              Say(ZX_TEXT("Log", "%1 rolled a %2 and walked to cell %3, %4."),
                  {g.Name(p), std::to_string(g.S.Dice), std::to_string(cell), CellTitle(g, cell)}),
              PlayerColor(g.S, p));
}

void LogMoveAnywhere(Game& g, int cell) {
    if (!g.Narrating()) return;  // nobody reads the log of an instant game
    const int p = g.S.CurrentPlayer;
    g.Log.Add(g.S.Moves,
              Say(ZX_TEXT("Log", "%1 moved to cell %2, %3."), {g.Name(p), std::to_string(cell), CellTitle(g, cell)}),
              PlayerColor(g.S, p));
}

void LogRevealedBids(Game& g) {
    if (!g.Narrating()) return;  // nobody reads the log of an instant game
    const SellCompaniesForm& f = g.SellForm;
    const int k = g.S.SaleCompany;
    if (k < 1 || k > NumCompanies) return;
    std::string bids = Say(ZX_TEXT("Log", "Bank %1"), {f.txtBid[0]});
    for (std::size_t r = 1; r < f.txtBid.size(); ++r) {
        if (!f.optPlayerVisible[r]) continue;
        const std::string bid = f.txtBid[r].empty() ? Say(ZX_TEXT("Log", "no bid")) : f.txtBid[r];
        bids = Say(ZX_TEXT("Log", "%1, %2 %3"), {bids, f.optPlayerCaption[r], bid});
    }
    g.Log.Add(g.S.Moves, Say(ZX_TEXT("Log", "Bids for %1: %2."), {g.S.CompanyName[static_cast<std::size_t>(k)], bids}));
}

void LogSaved(Game& g, bool byPlayer) {
    if (!g.Narrating()) return;  // nobody reads the log of an instant game
    const std::filesystem::path path(g.S.FileName);
    const std::string file = path.filename().string();
    g.Log.Add(g.S.Moves, byPlayer ? Say(ZX_TEXT("Log", "The game was saved to %1."), {file})
                                  : Say(ZX_TEXT("Log", "The game was saved automatically to %1."), {file}));
}

void LogMissedTurn(Game& g, int p) {
    if (!g.Narrating()) return;  // nobody reads the log of an instant game
    // Told with the roll it is passed over at, which counts the next move.
    g.Log.Add(g.S.Moves + 1, Say(ZX_TEXT("Log", "%1 misses this turn."), {g.Name(p)}), PlayerColor(g.S, p), true);
}

void LogStandingNews(Game& g, Rgb color) {
    if (!g.Narrating()) return;  // nobody reads the log of an instant game
    g.Log.Prompted(g.S.Moves, g.S.PromptText, color, true);
}

void LogLoaded(Game& g, const std::string& fileName) {
    if (!g.Narrating()) return;  // nobody reads the log of an instant game
    const std::filesystem::path path(fileName);
    g.Log.Begin(g.S.Moves, Say(ZX_TEXT("Log", "The game was loaded from %1."), {path.filename().string()}));
}

}  // namespace zx
