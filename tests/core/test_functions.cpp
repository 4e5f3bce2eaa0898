// Money format, pronouns, colours, rounding and the parse of typed amounts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rules/functions.h"
#include "rules/money.h"

namespace zx {
namespace {

TEST(FormatMoney, DollarSignAndThousands) {
    EXPECT_EQ(FormatMoney(0), "$0");
    EXPECT_EQ(FormatMoney(5'000'000), "$5,000,000");
    EXPECT_EQ(FormatMoney(1'234'567), "$1,234,567");
    EXPECT_EQ(FormatMoney(999), "$999");
    EXPECT_EQ(FormatMoney(1000), "$1,000");
    EXPECT_EQ(FormatMoney(-5000), "-$5,000");
    EXPECT_EQ(FormatMoney(std::numeric_limits<std::int32_t>::min()), "-$2,147,483,648");
    EXPECT_EQ(FormatMoney(std::numeric_limits<std::int64_t>::min()), "-$9,223,372,036,854,775,808");
}

TEST(Players, ColoursPronounsAndMoney) {
    GameState s;
    s.PlayerPiece[1] = "1";
    s.PlayerPiece[2] = "3";
    s.PlayerPiece[3] = "9";
    s.PlayerSex[1] = "Male";
    s.PlayerSex[2] = "Female";
    EXPECT_EQ(PlayerColor(s, 1), (Rgb{255, 0, 0}));
    EXPECT_EQ(PlayerColor(s, 2), (Rgb{0, 128, 0}));
    EXPECT_EQ(OutlineColor(s, 2), (Rgb{0, 255, 0}));
    EXPECT_EQ(PlayerColor(s, 3), Black);
    EXPECT_EQ(PlayerColor(s, 0), Black);
    EXPECT_EQ(GraphColor("3"), (Rgb{0, 255, 0}));
    EXPECT_EQ(HeOrShe(s, 1), "he");
    EXPECT_EQ(HisOrHer(s, 2), "her");
    EXPECT_EQ(HisOrHer(s, 3), "");
    s.Cash[1] = 100;
    EXPECT_TRUE(HasEnoughMoney(s, 1, 100));
    EXPECT_FALSE(HasEnoughMoney(s, 1, 101));
    EXPECT_FALSE(HasEnoughMoney(s, 1, std::numeric_limits<std::int64_t>::max()));
}

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_DOUBLE_EQ(RoundHalfEven(5.25, 1), 5.2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(5.75, 1), 5.8);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.25, 1), 0.2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(1.04, 1), 1.0);
}

TEST(LeadingNumber, TakesTheLongestLeadingDecimal) {
    EXPECT_DOUBLE_EQ(LeadingNumber("  2.5abc"), 2.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-1"), -1);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.04"), 1.04);
    EXPECT_DOUBLE_EQ(LeadingNumber("3."), 3);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e3x"), 1000);
    EXPECT_DOUBLE_EQ(LeadingNumber("2e"), 2);
    EXPECT_DOUBLE_EQ(LeadingNumber("1,500"), 1);
    EXPECT_DOUBLE_EQ(LeadingNumber("1500000.4"), 1500000.4);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
}

TEST(Millions, DollarsFitOrAreRefused) {
    EXPECT_EQ(MillionsToDollars(0.5, 1), 500000);
    EXPECT_EQ(MillionsToDollars(0.25, 1), 200000);
    EXPECT_EQ(MillionsToDollars(0.125, 2), 120000);
    EXPECT_EQ(MillionsToDollars(0.04, 1), 0);
    EXPECT_EQ(MillionsToDollars(2147, 1), 2'147'000'000);
    EXPECT_FALSE(MillionsToDollars(3000, 1).has_value());
    EXPECT_FALSE(MillionsToDollars(-3000, 2).has_value());
    EXPECT_FALSE(MillionsToDollars(std::numeric_limits<double>::infinity(), 1).has_value());
}

// Gains the game pays stop at the 32-bit limit; whether a typed amount fits
// is asked before anything moves, and the window refuses it.
TEST(MoneyPolicy, GainsStopAtTheLimitAndTypedAmountsAreChecked) {
    Money cash = MaxMoney - 100;
    AddMoney(cash, 400'000);
    EXPECT_EQ(cash, MaxMoney);
    AddMoney(cash, -std::int64_t{MaxMoney});
    EXPECT_EQ(cash, 0);
    EXPECT_TRUE(FitsMoney(MaxMoney));
    EXPECT_FALSE(FitsMoney(std::int64_t{MaxMoney} + 1));
    EXPECT_EQ(MillionsToWholeDollars(3000, 2), 3'000'000'000.0);
}

TEST(TextBoxes, ScrollBarsAndLengthLimits) {
    EXPECT_EQ(ScrollBarMillions(-90), "10");
    EXPECT_EQ(ScrollBarMillions(-3), "1.3");
    EXPECT_EQ(ScrollBarMillions(0), "1");
    EXPECT_EQ(ScrollBarMillions(9), "0.1");
    EXPECT_EQ(FirstCharacters("Zo\u00eb \u20ac\u20ac", 5), "Zo\u00eb \u20ac");
    EXPECT_EQ(FirstCharacters("ab", 4), "ab");
}

TEST(ShortestDecimal, WritesNumbersLikeTheScrollBar) {
    EXPECT_EQ(ShortestDecimal(10), "10");
    EXPECT_EQ(ShortestDecimal(1), "1");
    EXPECT_EQ(ShortestDecimal(0.1), "0.1");
    EXPECT_EQ(ShortestDecimal(4380), "4380");
    EXPECT_EQ(ShortestDecimal(4380.5), "4380.5");
    EXPECT_EQ(ShortestDecimal(0), "0");
}

}  // namespace
}  // namespace zx
