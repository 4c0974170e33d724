#pragma once
// The few building blocks the sound effects are made of.
#include "noise.h"

#include <cstdint>
#include <vector>

namespace trelvist::assets::generator {

constexpr int kSampleRate = 44100;

// A second-order filter (the usual audio-cookbook biquad); coefficients can change per sample.
class Biquad {
public:
    void lowpass(double frequency, double q);
    void bandpass(double frequency, double q);
    double process(double x);

private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A ringing partial of a struck object: frequency in Hz, decay time constant in seconds.
struct Mode {
    double frequency;
    double decay;
    double level;
};

class Signal {
public:
    explicit Signal(double seconds) : samples_(static_cast<size_t>(seconds * kSampleRate), 0.0) {}

    // A strike at `time` seconds: the modes ring out and a brief filtered noise burst marks the
    // contact. A short attack ramp keeps the strike from sounding like a digital click.
    void addStrike(double time, double amplitude, const std::vector<Mode>& modes, Random& random);
    // Filtered noise between `start` and `end`, shaped by a rise and a fall, through a band
    // whose centre moves from `fromHz` to `toHz`.
    void addSwish(double start, double end, double fromHz, double toHz, double amplitude, Random& random);
    // A soft low knock, as of a card landing on cloth.
    void addTap(double time, double amplitude, Random& random);

    // Softens the top end, scales the loudest sample to `peak` (of full scale) and fades the
    // last milliseconds to silence; returns 16-bit samples.
    std::vector<int16_t> finish(double peak, double cutoffHz);

private:
    std::vector<double> samples_;
};

}  // namespace trelvist::assets::generator
