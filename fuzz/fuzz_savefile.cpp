// Feeds arbitrary bytes to the saved-game reader. Whatever it accepts must
// write back and read again to the very same game.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lifecycle/savefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto game = zx::ReadSavedGame(bytes);
    if (!game) return 0;
    std::string text = zx::WriteSavedGame(*game);
    auto again = zx::ReadSavedGame(text);
    if (!again) std::abort();
    if (zx::WriteSavedGame(*again) != text) std::abort();
    return 0;
}
