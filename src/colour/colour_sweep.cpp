#include "colour/colour_sweep.h"

#include <algorithm>

namespace quilvane {

namespace {

struct Ramp {
    int Rgb::*channel;
    int from;
    int to;
};

constexpr Ramp kRamps[] = {
    {&Rgb::red, 0, 128},    {&Rgb::green, 0, 128},   {&Rgb::blue, 0, 128},
    {&Rgb::blue, 129, 255}, {&Rgb::green, 129, 255}, {&Rgb::red, 129, 255},
};

} // namespace

std::vector<Rgb> ColourSweep() {
    std::vector<Rgb> steps;
    Rgb colour;
    for (const Ramp& ramp : kRamps) {
        for (int value = ramp.from; value <= ramp.to; ++value) {
            colour.*ramp.channel = value;
            steps.push_back(colour);
        }
        // A finished ramp leaves its channel one above its last value, at most 255.
        colour.*ramp.channel = std::min(ramp.to + 1, 255);
    }
    return steps;
}

} // namespace quilvane
