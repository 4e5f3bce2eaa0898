#include "lifecycle/savefile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <type_traits>
#include <limits>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "rules/functions.h"
#include "state/board.h"

namespace zx {
namespace {

namespace fs = std::filesystem;

// A saved game is a couple of kilobytes; anything far beyond that is not
// one, and reading it whole would only waste memory.
constexpr std::size_t MaxFileSize = 1 << 20;

// ---------------------------------------------------------------- writing

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        // A quote is doubled so that a name holding one reads back whole.
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

const char* Flag(bool b) { return b ? "#TRUE#" : "#FALSE#"; }

// Writes values the way the reader below takes them back, one line of
// comma-separated values at a time.
class ValueWriter {
public:
    void Int(int value, const char*) { Put(std::to_string(value)); }
    void Long(Money value, const char*) { Put(std::to_string(value)); }
    void Single(double value, const char*) { Put(ShortestDecimal(value)); }
    void Bool(bool value, const char*) { Put(Flag(value)); }
    void String(const std::string& value, const char*) { Put(Quoted(value)); }
    void EndLine() {
        text_ += line_;
        text_ += "\r\n";
        line_.clear();
        first_ = true;
    }
    std::string take() { return std::move(text_); }

private:
    void Put(const std::string& value) {
        if (!first_) line_ += ',';
        first_ = false;
        line_ += value;
    }

    std::string text_;
    std::string line_;
    bool first_ = true;
};

// ---------------------------------------------------------------- reading

class ValueReader {
public:
    explicit ValueReader(std::string_view text) : t_(text) {}

    const std::string& error() const { return error_; }
    bool failed() const { return !error_.empty(); }

    bool Int(int& out, const char* what) { return Whole(out, what); }
    bool Long(Money& out, const char* what) { return Whole(out, what); }

    bool Single(double& out, const char* what) {
        std::string token;
        bool quoted = false;
        if (!Next(token, quoted, what)) return false;
        if (quoted || token.empty()) return Fail(std::string(what) + " is not a number");
        for (char c : token)
            if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' ||
                  c == 'E'))
                return Fail(std::string(what) + " is not a number");
        const char* begin = token.data();
        const char* end = token.data() + token.size();
        if (*begin == '+') ++begin;
        double v = 0;
        auto r = std::from_chars(begin, end, v);
        if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v))
            return Fail(std::string(what) + " is not a number");
        out = v;
        return true;
    }

    bool Bool(bool& out, const char* what) {
        std::string token;
        bool quoted = false;
        if (!Next(token, quoted, what)) return false;
        if (!quoted && token == "#TRUE#") {
            out = true;
            return true;
        }
        if (!quoted && token == "#FALSE#") {
            out = false;
            return true;
        }
        return Fail(std::string(what) + " is not #TRUE# or #FALSE#");
    }

    bool String(std::string& out, const char* what) {
        bool quoted = false;
        return Next(out, quoted, what);
    }

    // Commas and line ends both end a value: where a line ends is the
    // writer's business only.
    void EndLine() {}

    // Whether anything but blanks and line ends follows.
    bool MoreValues() const {
        for (std::size_t i = pos_; i < t_.size(); ++i) {
            char c = t_[i];
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return true;
        }
        return false;
    }

    // Only blanks and line ends may follow the last value.
    bool AtEnd() {
        if (lastWasComma_) return Fail("a value is missing after the last comma");
        for (std::size_t i = pos_; i < t_.size(); ++i) {
            char c = t_[i];
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return Fail("text follows the last value");
        }
        return true;
    }

private:
    bool Fail(std::string why) {
        if (error_.empty()) error_ = std::move(why);
        return false;
    }

    static bool Blank(char c) { return c == ' ' || c == '\t'; }

    // The next value: a quoted string taken whole, or the text up to the
    // next comma or line end, blanks around it dropped. Commas and line ends
    // both end a value.
    bool Next(std::string& out, bool& quoted, const char* what) {
        if (failed()) return false;
        out.clear();
        quoted = false;
        if (pos_ >= t_.size()) return Fail(std::string("the file ends before ") + what);
        while (pos_ < t_.size() && Blank(t_[pos_])) ++pos_;
        if (pos_ < t_.size() && t_[pos_] == '"') {
            quoted = true;
            ++pos_;
            for (;;) {
                if (pos_ >= t_.size()) return Fail(std::string("the text of ") + what + " has no closing quote");
                char c = t_[pos_];
                if (c == '"') {
                    if (pos_ + 1 < t_.size() && t_[pos_ + 1] == '"') {
                        out += '"';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                out += c;
                ++pos_;
            }
            while (pos_ < t_.size() && Blank(t_[pos_])) ++pos_;
        } else {
            std::size_t start = pos_;
            while (pos_ < t_.size() && t_[pos_] != ',' && t_[pos_] != '\r' && t_[pos_] != '\n') ++pos_;
            std::size_t end = pos_;
            while (end > start && Blank(t_[end - 1])) --end;
            out.assign(t_.substr(start, end - start));
        }
        lastWasComma_ = false;
        if (pos_ >= t_.size()) return true;
        char c = t_[pos_];
        if (c == ',') {
            ++pos_;
            lastWasComma_ = true;
        } else if (c == '\r') {
            ++pos_;
            if (pos_ < t_.size() && t_[pos_] == '\n') ++pos_;
        } else if (c == '\n') {
            ++pos_;
        } else {
            return Fail(std::string("text follows ") + what);
        }
        return true;
    }

    template <typename T> bool Whole(T& out, const char* what) {
        long long v = 0;
        if (!Whole(v, what)) return false;
        if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
            return Fail(std::string(what) + " is out of range");
        out = static_cast<T>(v);
        return true;
    }

    bool Whole(long long& v, const char* what) {
        std::string token;
        bool quoted = false;
        if (!Next(token, quoted, what)) return false;
        if (quoted || token.empty()) return Fail(std::string(what) + " is not a whole number");
        const char* begin = token.data();
        const char* end = token.data() + token.size();
        auto r = std::from_chars(begin, end, v);
        if (r.ec == std::errc::result_out_of_range) return Fail(std::string(what) + " is out of range");
        if (r.ec != std::errc() || r.ptr != end) return Fail(std::string(what) + " is not a whole number");
        return true;
    }

    std::string_view t_;
    std::size_t pos_ = 0;
    bool lastWasComma_ = false;
    std::string error_;
};

bool Reject(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

bool IsPieceText(const std::string& s) { return s.size() == 1 && s[0] >= '1' && s[0] <= '4'; }

bool IsSex(const std::string& s) { return s == "Male" || s == "Female"; }

fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

}  // namespace

// ---------------------------------------------------------------- the game's side

namespace {

// The values the game and its saved file hold alike, copied either way.
// Piece positions and loans are not among them: the file keeps positions
// unrounded and leaves out a loan still being drafted.
template <typename From, typename To> void CopyCommonValues(const From& from, To& to) {
    to.NumOfPlayers = from.NumOfPlayers;
    to.InitialNumOfPlayers = from.InitialNumOfPlayers;
    for (std::size_t p = 1; p <= MaxPlayers; ++p) {
        to.PlayerName[p] = from.PlayerName[p];
        to.PlayerSex[p] = from.PlayerSex[p];
        to.PlayerPiece[p] = from.PlayerPiece[p];
        to.PlayerType[p] = static_cast<std::remove_cvref_t<decltype(to.PlayerType[p])>>(from.PlayerType[p]);
        to.Cash[p] = from.Cash[p];
        to.MoneyInBank[p] = from.MoneyInBank[p];
        to.Finisher[p] = from.Finisher[p];
    }
    to.CompanySet = from.CompanySet;
    to.PieceSet = from.PieceSet;
    to.AutoSave = from.AutoSave;
    to.LimitReactionTime = from.LimitReactionTime;
    to.BackgroundMusic = from.BackgroundMusic;
    to.Sounds = from.Sounds;
    to.CurrentPlayer = from.CurrentPlayer;
    for (std::size_t k = 1; k <= NumCompanies; ++k) {
        to.CompanyOwner[k] = from.CompanyOwner[k];
        to.CompanyInsured[k] = from.CompanyInsured[k];
        to.CompanyComplexed[k] = from.CompanyComplexed[k];
    }
    for (std::size_t c = 1; c <= NumComplexes; ++c) to.ComplexOwner[c] = from.ComplexOwner[c];
    to.GameTime = from.GameTime;
    to.Moves = from.Moves;
    to.WinnerCount = from.WinnerCount;
}

}  // namespace

SavedGame SavedGameFrom(const GameState& s, int draftLoanSlot) {
    SavedGame f;
    CopyCommonValues(s, f);
    for (std::size_t p = 1; p <= MaxPlayers; ++p) {
        f.PieceLeft[p] = s.PieceLeft[p];
        f.PieceTop[p] = s.PieceTop[p];
    }

    // The slot of a loan still being drafted in the loan dialog is nobody's
    // debt yet: it is left out and the slots after it move up.
    int count = std::clamp(s.LoanCount, 0, MaxLoans);
    bool dropDraft = draftLoanSlot >= 1 && draftLoanSlot <= count;
    std::size_t out = 1;
    for (std::size_t slot = 1; slot <= MaxLoans; ++slot) {
        if (dropDraft && static_cast<int>(slot) == draftLoanSlot) continue;
        f.LoanLender[out] = s.LoanLender[slot];
        f.LoanBorrower[out] = s.LoanBorrower[slot];
        f.LoanRepayment[out] = s.LoanRepayment[slot];
        f.LoanDueMove[out] = s.LoanDueMove[slot];
        ++out;
    }
    for (; out <= MaxLoans; ++out) {
        f.LoanLender[out] = 0;
        f.LoanBorrower[out] = 0;
        f.LoanRepayment[out] = 0;
        f.LoanDueMove[out] = 0;
    }
    f.LoanCount = dropDraft ? count - 1 : count;
    return f;
}

void ApplySavedGame(const SavedGame& f, GameState& s) {
    CopyCommonValues(f, s);
    for (std::size_t p = 1; p <= MaxPlayers; ++p) {
        s.PieceLeft[p] = static_cast<std::int32_t>(RoundHalfEven(f.PieceLeft[p]));
        s.PieceTop[p] = static_cast<std::int32_t>(RoundHalfEven(f.PieceTop[p]));
        s.DisplayedCash[p] = f.Cash[p];  // no counting animation at the start
    }
    for (std::size_t slot = 1; slot <= MaxLoans; ++slot) {
        s.LoanLender[slot] = f.LoanLender[slot];
        s.LoanBorrower[slot] = f.LoanBorrower[slot];
        s.LoanRepayment[slot] = f.LoanRepayment[slot];
        s.LoanDueMove[slot] = f.LoanDueMove[slot];
    }
    s.LoanCount = f.LoanCount;
}

// ---------------------------------------------------------------- the text

namespace {

// The file's layout, written down once for the writer and the reader so the
// two can never drift apart: every value in file order, and where each line
// ends. Saved is SavedGame for reading and const SavedGame for writing.
template <typename Io, typename Saved> void Transfer(Io& io, Saved& f) {
    io.Int(f.NumOfPlayers, "the number of players");
    io.Int(f.InitialNumOfPlayers, "the number of players at the start");
    io.EndLine();
    for (std::size_t p = 1; p <= MaxPlayers; ++p) {
        io.String(f.PlayerName[p], "a player's name");
        io.String(f.PlayerSex[p], "a player's sex");
        io.String(f.PlayerPiece[p], "a player's piece");
        io.EndLine();
    }
    io.Int(f.CompanySet, "the company set");
    io.Int(f.PieceSet, "the piece set");
    io.EndLine();
    io.Bool(f.AutoSave, "the auto-save option");
    io.Bool(f.LimitReactionTime, "the reaction time option");
    io.Bool(f.BackgroundMusic, "the music option");
    io.Bool(f.Sounds, "the sounds option");
    io.EndLine();
    for (std::size_t p = 1; p <= MaxPlayers; ++p) {
        io.Single(f.PieceLeft[p], "a piece's left");
        io.Single(f.PieceTop[p], "a piece's top");
        io.EndLine();
    }
    io.Int(f.CurrentPlayer, "the current player");
    io.EndLine();
    for (std::size_t p = 1; p <= MaxPlayers; ++p) {
        io.Long(f.Cash[p], "a player's cash");
        io.Long(f.MoneyInBank[p], "a player's bank balance");
        io.EndLine();
    }
    for (std::size_t slot = 1; slot <= MaxLoans; ++slot) {
        io.Int(f.LoanLender[slot], "a lender");
        io.Int(f.LoanBorrower[slot], "a borrower");
        io.Long(f.LoanRepayment[slot], "a repayment");
        io.Int(f.LoanDueMove[slot], "a loan's due move");
        io.EndLine();
    }
    io.Int(f.LoanCount, "the number of loans");
    io.EndLine();
    for (std::size_t k = 1; k <= NumCompanies; ++k) {
        io.Int(f.CompanyOwner[k], "a company's owner");
        io.Bool(f.CompanyInsured[k], "a company's insurance");
        io.Bool(f.CompanyComplexed[k], "a company's complex flag");
        io.EndLine();
    }
    for (std::size_t c = 1; c <= NumComplexes; ++c) {
        io.Int(f.ComplexOwner[c], "a complex's owner");
        io.EndLine();
    }
    io.Int(f.GameTime, "the game time");
    io.Int(f.Moves, "the number of moves");
    io.EndLine();
    io.Int(f.WinnerCount, "the number of winners");
    io.EndLine();
    for (std::size_t place = 1; place <= MaxPlayers; ++place) {
        io.String(f.Finisher[place], "a finisher");
        io.EndLine();
    }
}

bool HasComputerSeat(const SavedGame& f) {
    for (std::size_t p = 1; p <= MaxPlayers; ++p)
        if (f.PlayerType[p] != Human) return true;
    return false;
}

// The line after the 44 that only games with a computer seat have.
template <typename Io, typename Saved> void TransferSeats(Io& io, Saved& f) {
    for (std::size_t p = 1; p <= MaxPlayers; ++p) io.Int(f.PlayerType[p], "a player's type");
    io.EndLine();
}

}  // namespace

std::string WriteSavedGame(const SavedGame& f) {
    ValueWriter w;
    Transfer(w, f);
    if (HasComputerSeat(f)) TransferSeats(w, f);
    return w.take();
}

std::optional<SavedGame> ReadSavedGame(std::string_view bytes, std::string* error) {
    if (bytes.size() > MaxFileSize) {
        Reject(error, "the file is far too large");
        return std::nullopt;
    }
    std::string text;
    if (IsValidUtf8(bytes)) {
        text.assign(bytes);
        if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a byte-order mark left by an editor
    } else {
        text = Windows1252ToUtf8(bytes);
    }

    SavedGame f;
    ValueReader r(text);
    Transfer(r, f);
    if (!r.failed() && r.MoreValues()) {
        TransferSeats(r, f);
        if (!r.failed() && !HasComputerSeat(f)) {
            Reject(error, "a line of player types without a computer player");
            return std::nullopt;
        }
    }
    if (!r.failed()) r.AtEnd();
    if (r.failed()) {
        Reject(error, r.error());
        return std::nullopt;
    }
    if (!ValidSavedGame(f, error)) return std::nullopt;
    return f;
}

bool ValidSavedGame(const SavedGame& f, std::string* error) {
    const int n = f.NumOfPlayers;
    if (f.InitialNumOfPlayers < 2 || f.InitialNumOfPlayers > MaxPlayers)
        return Reject(error, "the number of players at the start is not 2 to 4");
    if (n < 1 || n > f.InitialNumOfPlayers) return Reject(error, "the number of players is out of range");
    if (f.WinnerCount < 0 || f.WinnerCount > MaxPlayers - 1) return Reject(error, "the number of winners is out of range");
    if (n + f.WinnerCount > f.InitialNumOfPlayers)
        return Reject(error, "more players and winners than players at the start");
    if (f.CurrentPlayer < 0 || f.CurrentPlayer > n) return Reject(error, "the current player is out of range");

    for (int p = 1; p <= MaxPlayers; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (p <= n) {
            if (f.PlayerName[i].empty()) return Reject(error, "a player has no name");
            if (!IsSex(f.PlayerSex[i])) return Reject(error, "a player's sex is neither Male nor Female");
            if (!IsPieceText(f.PlayerPiece[i])) return Reject(error, "a player's piece is not 1 to 4");
            if (f.PlayerType[i] < Human || f.PlayerType[i] > Hard) return Reject(error, "a player's type is not 0 to 3");
            for (int q = 1; q < p; ++q) {
                const auto j = static_cast<std::size_t>(q);
                if (f.PlayerName[i] == f.PlayerName[j]) return Reject(error, "two players have the same name");
                if (f.PlayerPiece[i] == f.PlayerPiece[j]) return Reject(error, "two players have the same piece");
            }
        } else {
            // Slots of players who left or never played keep what they held.
            if (!f.PlayerSex[i].empty() && !IsSex(f.PlayerSex[i]))
                return Reject(error, "an empty slot's sex is neither Male nor Female");
            if (!f.PlayerPiece[i].empty() && !IsPieceText(f.PlayerPiece[i]))
                return Reject(error, "an empty slot's piece is not 1 to 4");
            if (f.PlayerType[i] != Human) return Reject(error, "an empty slot has a player type");
        }
        for (double v : {f.PieceLeft[i], f.PieceTop[i]})
            if (!std::isfinite(v) || v < 0 || v > BoardExtent) return Reject(error, "a piece lies off the board");
        if (f.Cash[i] < 0 || f.MoneyInBank[i] < 0) return Reject(error, "a player's money is negative");
    }

    if (f.CompanySet < 1 || f.CompanySet > 2) return Reject(error, "the company set is not 1 or 2");
    if (f.PieceSet < 1 || f.PieceSet > 3) return Reject(error, "the piece set is not 1 to 3");

    if (f.LoanCount < 0 || f.LoanCount > MaxLoans) return Reject(error, "the number of loans is not 0 to 5");
    for (int slot = 1; slot <= f.LoanCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        int lender = f.LoanLender[i], borrower = f.LoanBorrower[i];
        if (lender < 1 || lender > n || borrower < 1 || borrower > n || lender == borrower)
            return Reject(error, "a loan's lender or borrower is out of range");
        if (f.LoanRepayment[i] <= 0) return Reject(error, "a loan's repayment is not positive");
        if (f.LoanDueMove[i] < 0) return Reject(error, "a loan's due move is negative");
    }

    std::array<int, MaxPlayers + 1> companiesOf{};
    for (int k = 1; k <= NumCompanies; ++k) {
        int owner = f.CompanyOwner[static_cast<std::size_t>(k)];
        if (owner < 0 || owner > n) return Reject(error, "a company's owner is out of range");
        if (owner != 0 && ++companiesOf[static_cast<std::size_t>(owner)] > 5)
            return Reject(error, "a player owns more than five companies");
    }
    for (int c = 1; c <= NumComplexes; ++c) {
        int owner = f.ComplexOwner[static_cast<std::size_t>(c)];
        if (owner < 0 || owner > n) return Reject(error, "a complex's owner is out of range");
        for (int k = 3 * c - 2; k <= 3 * c; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (owner != 0 && (f.CompanyOwner[i] != owner || !f.CompanyComplexed[i]))
                return Reject(error, "a complex's owner does not own all of it");
            if (owner == 0 && f.CompanyComplexed[i]) return Reject(error, "a company is complexed in a complex of nobody");
        }
    }
    if (f.GameTime < 0 || f.Moves < 0) return Reject(error, "the game time or the moves are negative");
    return true;
}

// ---------------------------------------------------------------- encodings

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        std::uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= bytes.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            auto cc = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000)) return false;  // overlong
        if (cp >= 0xD800 && cp <= 0xDFFF) return false;                                 // surrogate
        if (cp > 0x10FFFF) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    // The code points of 0x80..0x9F; the five unassigned bytes keep their
    // C1 control code point.
    static constexpr std::uint16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        std::uint32_t cp = c;
        if (c >= 0x80 && c <= 0x9F) cp = kHigh[c - 0x80];
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

// ---------------------------------------------------------------- files

namespace {

// Writes all of `data` to `fd`, going on after interrupted or short writes.
bool WriteAll(int fd, const std::string& data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Opens a new file beside the target under a name no other save can be
// using: this process's id and a counter, created exclusively. It gets the
// permissions a new file gets (the umask applies), or those of the file it
// is going to replace.
int CreateTemporary(const fs::path& target, fs::path& temp) {
    static std::atomic<unsigned> counter{0};
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".%ld-%u.zxtmp", static_cast<long>(::getpid()), counter++);
        temp = target;
        temp += suffix;
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST || errno == EINTR) continue;
            return -1;
        }
        if (replacing) (void)::fchmod(fd, old.st_mode & 07777);
        return fd;
    }
    return -1;
}

// Makes a rename in `folder` survive a power cut.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

// The save must never leave a torn file behind, whatever happens halfway:
// a crash, a full disk, the machine losing power. So the new text goes to a
// file of its own beside the old one and reaches the disk before it is
// renamed over the old file in one step; the folder is flushed after the
// rename so the new name is on the disk too. Until the rename the old save
// stands untouched, after it the new one stands complete.
bool WriteFileAtomically(const std::string& path, const std::string& data) {
    if (path.empty()) return false;
    const fs::path target = PathOf(path);
    fs::path temp;
    int fd = CreateTemporary(target, temp);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    fs::path file = PathOf(path);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec) || ec) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    char buffer[8192];
    while (in) {
        in.read(buffer, sizeof buffer);
        data.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (data.size() > MaxFileSize) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return data;
}

}  // namespace zx
