#pragma once
// The game's everyday source of chance: a Mersenne twister seeded from the
// system's entropy. Tests use their own scripted sources instead.

#include <random>

#include "rules/ui.h"

namespace zx {

class StdRandom : public Random {
public:
    StdRandom() : engine_(std::random_device{}()) {}
    explicit StdRandom(unsigned seed) : engine_(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_;
};

}  // namespace zx
