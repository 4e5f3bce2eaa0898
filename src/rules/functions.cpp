#include "rules/functions.h"

#include "rules/money.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace zx {

std::string FormatMoney(std::int64_t amount) {
    if (amount == 0) return "$0";
    bool negative = amount < 0;
    std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-(amount + 1)) + 1
                                       : static_cast<std::uint64_t>(amount);
    std::string digits = std::to_string(magnitude);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped.push_back(',');
        grouped.push_back(digits[i]);
    }
    return (negative ? "-$" : "$") + grouped;
}

namespace {
int PieceNumber(const GameState& s, int p) {
    if (p < 1 || p > MaxPlayers) return 0;
    const std::string& piece = s.PlayerPiece[p];
    if (piece.size() == 1 && piece[0] >= '1' && piece[0] <= '4') return piece[0] - '0';
    return 0;
}
}  // namespace

Rgb PlayerColor(const GameState& s, int p) {
    switch (PieceNumber(s, p)) {
        case 1: return {255, 0, 0};
        case 2: return {0, 0, 255};
        case 3: return {0, 128, 0};
        case 4: return {255, 0, 255};
        default: return Black;
    }
}

Rgb OutlineColor(const GameState& s, int p) {
    if (PieceNumber(s, p) == 3) return {0, 255, 0};
    return PlayerColor(s, p);
}

Rgb GraphColor(const std::string& piece) {
    if (piece == "1") return {255, 0, 0};
    if (piece == "2") return {0, 0, 255};
    if (piece == "3") return {0, 255, 0};
    if (piece == "4") return {255, 0, 255};
    return Black;
}

std::string HeOrShe(const GameState& s, int p) {
    if (p < 0 || p > MaxPlayers) return "";
    if (s.PlayerSex[p] == "Male") return "he";
    if (s.PlayerSex[p] == "Female") return "she";
    return "";
}

std::string HisOrHer(const GameState& s, int p) {
    if (p < 0 || p > MaxPlayers) return "";
    if (s.PlayerSex[p] == "Male") return "his";
    if (s.PlayerSex[p] == "Female") return "her";
    return "";
}

bool IsFemale(const GameState& s, int p) { return p >= 0 && p <= MaxPlayers && s.PlayerSex[p] == "Female"; }

bool HasEnoughMoney(const GameState& s, int p, std::int64_t amount) {
    if (p < 0 || p > MaxPlayers) return false;
    return static_cast<std::int64_t>(s.Cash[p]) >= amount;
}

double RoundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    double floor = std::floor(x);
    double diff = x - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

double RoundHalfEven(double x, int decimals) {
    static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double scale = decimals >= 0 && decimals <= 6 ? kPowers[decimals] : std::pow(10.0, decimals);
    double scaled = x * scale;
    // Products such as 0.25 * 10 are exact; 1.15 * 10 is 11.499999..., which
    // a decimal reader would call a tie. Snap values within a hair of a tie.
    double nearestHalf = std::floor(scaled) + 0.5;
    if (std::fabs(scaled - nearestHalf) < 1e-9 * std::max(1.0, std::fabs(scaled))) scaled = nearestHalf;
    return RoundHalfEven(scaled) / scale;
}

double LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digitsStart = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t intDigits = i - digitsStart;
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
        fracDigits = j - i - 1;
        if (intDigits > 0 || fracDigits > 0) i = j;
    }
    if (intDigits == 0 && fracDigits == 0) return 0.0;
    // An exponent is part of the number only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expDigits = j;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
        if (j > expDigits) i = j;
    }
    std::string number = text.substr(start, i - start);
    if (!number.empty() && number[0] == '+') number.erase(0, 1);
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return number[0] == '-' ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
    }
    if (result.ec != std::errc()) return 0.0;
    return value;
}

double MillionsToWholeDollars(double millions, int decimals) {
    return RoundHalfEven(RoundHalfEven(millions, decimals) * 1'000'000.0);
}

std::optional<Money> MillionsToDollars(double millions, int decimals) {
    if (!std::isfinite(millions)) return std::nullopt;
    double dollars = MillionsToWholeDollars(millions, decimals);
    if (dollars > MaxMoney || dollars < MinMoney) return std::nullopt;
    return static_cast<Money>(dollars);
}

int CompanyNumberNamed(const GameState& s, const std::string& name) {
    int found = 0;
    for (int k = 1; k <= NumCompanies; ++k)
        if (s.CompanyName[static_cast<std::size_t>(k)] == name) found = k;
    return found;
}

std::string ScrollBarMillions(int value) {
    return ShortestDecimal(static_cast<double>(10 - std::clamp(value, -90, 9)) / 10.0);
}

std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t i = 0, seen = 0;
    while (i < text.size() && seen < count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
        ++seen;
    }
    return text.substr(0, i);
}

std::string ShortestDecimal(double x) {
    if (x == 0) return "0";
    // The fewest digits that read back as the same number, never in
    // exponent form.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
    if (result.ec != std::errc()) return "0";
    return std::string(buffer, result.ptr);
}

}  // namespace zx
