#include "sounds.h"

#include "synth.h"

#include <cmath>

namespace trelvist::assets::generator {
namespace {

// Clay chips ring briefly in a few kHz; lower modes make a heavier, duller chip.
std::vector<Mode> chipModes(double pitch) {
    return {{1900 * pitch, 0.020, 0.35}, {3150 * pitch, 0.013, 1.0}, {5200 * pitch, 0.008, 0.45}};
}

struct Hit {
    double time;
    double amplitude;
    double pitch;
};

std::vector<int16_t> chips(const std::vector<Hit>& hits, double seconds, uint64_t seed) {
    Random random(seed);
    Signal s(seconds);
    for (const Hit& h : hits) s.addStrike(h.time, h.amplitude, chipModes(h.pitch), random);
    return s.finish(0.5, 7000);
}

// Two chips clacking together.
std::vector<int16_t> chipClack() { return chips({{0.0, 1.0, 1.0}, {0.058, 0.65, 1.05}, {0.096, 0.3, 1.02}}, 0.26, 1); }

// A short stack set down, chip on chip.
std::vector<int16_t> chipStack() {
    return chips({{0.0, 0.8, 0.76}, {0.028, 1.0, 0.74}, {0.052, 0.6, 0.78}, {0.09, 0.45, 0.75}, {0.15, 0.25, 0.77}}, 0.32, 2);
}

// One chip dropped on the others, bouncing to rest.
std::vector<int16_t> chipBounce() {
    return chips({{0.0, 1.0, 1.2}, {0.07, 0.5, 1.2}, {0.115, 0.3, 1.19}, {0.145, 0.18, 1.21}, {0.165, 0.1, 1.2}}, 0.3, 3);
}

// A pot pushed across the table: many chips tumbling, thick at first, then thinning out.
std::vector<int16_t> potCascade() {
    constexpr double kLength = 0.58;
    Random random(4);
    Signal s(kLength);
    s.addSwish(0.0, 0.5, 700, 1100, 0.25, random);
    for (int i = 0; i < 36; ++i) {
        const double u = random.uniform();
        const double time = 0.01 + 0.46 * u * u;
        const double envelope = std::min(1.0, time / 0.06) * std::exp(-time / 0.22);
        s.addStrike(time, random.uniform(0.35, 1.0) * envelope, chipModes(random.uniform(0.72, 1.25)), random);
    }
    return s.finish(0.5, 7000);
}

// A card flicked over: a rising swish that ends in a light slap on the cloth.
std::vector<int16_t> cardFlip() {
    Random random(5);
    Signal s(0.2);
    s.addSwish(0.0, 0.09, 1200, 3600, 3.0, random);
    s.addTap(0.085, 0.45, random);
    return s.finish(0.45, 6000);
}

// A card slid across the felt: a longer, duller swish and a soft stop.
std::vector<int16_t> cardSlide() {
    Random random(6);
    Signal s(0.3);
    s.addSwish(0.0, 0.22, 2400, 1500, 3.0, random);
    s.addTap(0.2, 0.25, random);
    return s.finish(0.42, 4500);
}

}  // namespace

std::vector<SoundEffect> soundEffects() {
    return {{"chip1.wav", chipClack()}, {"chip2.wav", chipStack()}, {"chip3.wav", chipBounce()},
            {"chip4.wav", potCascade()}, {"card1.wav", cardFlip()},  {"card2.wav", cardSlide()}};
}

}  // namespace trelvist::assets::generator
