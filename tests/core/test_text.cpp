// Sentences with numbered places: what players read in any language.
#include <gtest/gtest.h>

#include "rules/text.h"

namespace zx {
namespace {

TEST(Text, TranslatorMayReorderPlacesAndNamesAreNeverExpanded) {
    const SourceText paid = ZX_TEXT("Test", "%1 paid %2 to %3!");
    // No translator: the English source with its arguments, a "%" kept.
    EXPECT_EQ(Say(paid, {"Ann", "$5", "Bob"}), "Ann paid $5 to Bob!");
    EXPECT_EQ(Say(ZX_TEXT("Test", "10% of %1")), "10% of ");
    // A name that looks like a place stays as typed.
    EXPECT_EQ(Say(paid, {"%2", "$5", "%1"}), "%2 paid $5 to %1!");

    SetTranslator([](const char* context, const char* source) -> std::string {
        if (std::string(context) == "Test" && std::string(source) == "%1 paid %2 to %3!") return "%3 bekam %2 von %1!";
        return {};
    });
    EXPECT_EQ(Say(paid, {"Ann", "$5", "Bob"}), "Bob bekam $5 von Ann!");
    // A text the translator lacks falls back to English.
    EXPECT_EQ(Say(ZX_TEXT("Test", "%1 rolled"), {"Ann"}), "Ann rolled");
    SetTranslator({});
    EXPECT_EQ(Say(paid, {"Ann", "$5", "Bob"}), "Ann paid $5 to Bob!");
}

}  // namespace
}  // namespace zx
