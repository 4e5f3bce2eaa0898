// Feeds arbitrary bytes to the network protocol's decoder, as a hostile
// client would send them. Nothing may crash it, and a frame it takes must
// encode and decode again to the same message.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "net/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    zx::net::DecodeError error;
    (void)zx::net::DecodeRequest(bytes, &error);
    const auto frame = zx::net::DecodeFrame(bytes);
    if (!frame) return 0;
    const QByteArray again = zx::net::Encode(*frame);
    const auto reread = zx::net::DecodeFrame(again);
    if (!reread || zx::net::Encode(*reread) != again) std::abort();
    return 0;
}
