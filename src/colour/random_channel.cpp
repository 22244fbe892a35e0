#include "colour/random_channel.h"

#include <chrono>
#include <cmath>
#include <random>

namespace quilvane {

namespace {

// A float holds 24 significant bits, so 24 random bits scaled by 2^-24 give every value
// k / 2^24 in [0, 1) exactly: unlike std::uniform_real_distribution<float>, whose rounding
// can return 1.0f, this never reaches 1.
float DrawUnit(std::mt19937& generator) {
    constexpr float kScale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(generator() >> 8) * kScale;
}

} // namespace

int ChannelFromUnit(float x) {
    if (!(x > 0.0f)) {
        return 0;
    }
    if (x >= 1.0f) {
        return 255;
    }
    // Scaling by a power of two is exact, so x < 1 gives at most 256 - 2^-16 and floor 255.
    return static_cast<int>(std::floor(x * 256.0f));
}

Rgb RandomColour(std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 generator(sequence);
    const int red = ChannelFromUnit(DrawUnit(generator));
    const int green = ChannelFromUnit(DrawUnit(generator));
    const int blue = ChannelFromUnit(DrawUnit(generator));
    return Rgb{red, green, blue};
}

Rgb RandomColour() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return RandomColour(static_cast<std::uint64_t>(ticks));
}

} // namespace quilvane
