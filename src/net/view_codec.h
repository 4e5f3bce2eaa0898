#pragma once
// A seat's view on the wire.
//
// The server encodes what one seat sees (a SeatView) as a CBOR map whose
// top-level keys are the parts of the screen: the game's record ("S"), the
// main window ("main"), each dialog, each personal window ("win1".."win4"),
// the timers, the game log. Whatever the seat may not see never goes into
// the map: another player's masked bid is only a "typed" flag, and what
// another player types into his own window is left out. A client decodes
// the map into a mirror Game; a SeatView of the same seat over the mirror
// answers as the server's does.
//
// Changes: the server keeps the map it last sent each seat and sends only
// the top-level keys that differ, with a version number per seat. The log
// is sent from the first line the client has not got yet. A client that
// finds a gap in the versions asks for the whole view again.

#include <QCborMap>
#include <cstdint>

namespace zx {
class Game;
class SeatView;
}  // namespace zx

namespace zx::net {

// The whole view of one seat.
QCborMap EncodeView(const SeatView& view);
// The keys of `now` that differ from `before`; the log as its new lines
// only ("log" with "from" > 0) when the earlier lines are the same.
QCborMap ViewChange(const QCborMap& before, const QCborMap& now);
// Puts the keys present in `view` (a whole view or a change) into the
// mirror. False when a change of the log does not follow on from the
// mirror's lines: the client then asks for the whole view.
bool ApplyView(Game& mirror, const QCborMap& view);

}  // namespace zx::net
