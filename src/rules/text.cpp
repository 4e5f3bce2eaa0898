#include "rules/text.h"

#include <utility>
#include <vector>

namespace zx {

namespace {
Translator& Installed() {
    static Translator translator;
    return translator;
}
}  // namespace

void SetTranslator(Translator translator) { Installed() = std::move(translator); }

std::string FillPlaces(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char next = pattern[i + 1];
            if (next >= '1' && next <= '9') {
                const auto n = static_cast<std::size_t>(next - '1');
                if (n < values.size()) out += values[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string Say(SourceText text, std::initializer_list<std::string_view> args) {
    std::string translated;
    if (const Translator& t = Installed()) translated = t(text.context, text.source);
    return FillPlaces(translated.empty() ? std::string_view(text.source) : std::string_view(translated), args);
}

}  // namespace zx
