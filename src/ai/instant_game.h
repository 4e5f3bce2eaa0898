#pragma once
// A game nobody watches, played by computer players only: no windows, no
// sound, no files; message boxes are answered by the players they speak to.
// The arena plays whole games so, and the hard player plays out the
// continuations of the real game so while it thinks.

#include <cstdint>
#include <optional>
#include <vector>

#include "ai/autopilot.h"
#include "rules/game.h"

namespace zx::ai {

// The game's source of chance in a game nobody watches: small and fast.
class FastRandom : public Random {
public:
    explicit FastRandom(std::uint64_t seed = 1) : bits_(seed) {}
    void Seed(std::uint64_t seed) { bits_.seed(seed); }
    std::uint64_t NextBits() { return bits_(); }
    double next() override { return static_cast<double>(bits_() >> 11) * 0x1.0p-53; }

private:
    PlayerRandom bits_;
};

class QuietUi : public SilentUi {
public:
    Autopilot* pilot = nullptr;

    MsgAnswer message(const Message& m) override;
};

class InstantGame {
public:
    // `instant` false plays the same games with every walk and count tick
    // by tick, as the windows would (to check that both agree).
    explicit InstantGame(std::uint64_t seed, bool instant = true);

    Game& game() { return game_; }
    Autopilot& pilot() { return pilot_; }
    QuietUi& ui() { return ui_; }
    FastRandom& chance() { return chance_; }

    // A new game through the new-game window: one seat per type given, the
    // options that only concern people (sound, music, saving, the reaction
    // limit) off.
    void StartNew(const std::vector<int>& types, int companySet = 1);

    // The position a seat sees, to play on from: what the view hides is
    // guessed (a bid typed but masked becomes a plausible bid, between half
    // the company's value and its value). `seed` starts this game's chance
    // and the guesses before anything is copied, so that continuations
    // with the same seed share their dice from the first one on.
    void CopyFrom(const SeatView& view, std::uint64_t seed);

    enum class End { Results, MoveCap, Stuck };
    // Plays on until the results window opens, `moveCap` moves have been
    // made, or nobody can act.
    End PlayOut(int moveCap);

    // The finishing place (1 = first) of the player named `name`, 0 when he
    // has no place yet.
    int PlaceOf(const std::string& name) const;

private:
    QuietUi ui_;
    FastRandom chance_;
    Game game_;
    Autopilot pilot_;
};

}  // namespace zx::ai
