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
#include <memory>

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

// The views of one table's seats as its game moves on, for a server that
// sends a change after every event. EncodeView and ViewChange build and
// compare every part for every seat each time, which costs far more than
// the event; this does the work once per change instead. Every part the
// seats share is kept as a flat copy of its fields and encoded again only
// when that copy differs, and the game's record and the main window are
// kept field by field: their change carries only the fields that differ
// (ApplyView takes the fields present and keeps the rest). The log's
// change is its new lines, told apart from a log that changed earlier by
// a running hash of its lines.
class ViewEncoder {
public:
    ViewEncoder();
    ~ViewEncoder();
    ViewEncoder(const ViewEncoder&) = delete;
    ViewEncoder& operator=(const ViewEncoder&) = delete;

    // Brings the shared parts up to the game `view` looks at (any seat's
    // view will do). Once per round of changes, before Change.
    void Refresh(const SeatView& view);
    // The whole view (as EncodeView) for client `key` (1..4), which from
    // now on counts as sent. Refreshes first.
    QCborMap Whole(int key, const SeatView& view);
    // What client `key` has not been sent yet, now that it sees `view`:
    // empty when nothing, or when it was never sent a whole view.
    QCborMap Change(int key, const SeatView& view);
    bool Sent(int key) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace zx::net
