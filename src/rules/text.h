#pragma once
// Texts shown to players. The rules write each text as one whole English
// sentence with numbered places (%1..%9) for names and amounts, so that a
// translator can reorder them; the windows install the translator once.
// Without one (the tests, the arena, a server) the English sentence is shown.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a source text for the translation tools (lupdate reads it as
// QT_TRANSLATE_NOOP): Say(ZX_TEXT("Bank", "%1 deposited %2!"), {name, amount}).
#define ZX_TEXT(context, source) (::zx::SourceText{context, source})

namespace zx {

// An English text and the context that tells a translator where it appears.
struct SourceText {
    const char* context;
    const char* source;
};

// Turns (context, English source) into the text to show, or returns an empty
// string when it has none (then the source is shown).
using Translator = std::function<std::string(const char* context, const char* source)>;

// Installs the translator for every later Say(); an empty one restores English.
void SetTranslator(Translator translator);

// The translated sentence with %1..%9 replaced by the arguments in order
// (a translation may use them in any order). An argument is never searched for places itself, so a
// player called "%1" stays "%1".
std::string Say(SourceText text, std::initializer_list<std::string_view> args = {});

// Fills %1..%9 of an already translated pattern.
std::string FillPlaces(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace zx
