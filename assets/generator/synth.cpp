#include "synth.h"

#include <algorithm>
#include <cmath>

namespace trelvist::assets::generator {

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::lowpass(double frequency, double q) {
    const double w = 2 * M_PI * frequency / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::bandpass(double frequency, double q) {
    const double w = 2 * M_PI * frequency / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

double Biquad::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

void Signal::addStrike(double time, double amplitude, const std::vector<Mode>& modes, Random& random) {
    constexpr double kAttack = 0.0004;
    constexpr double kBurst = 0.002;
    constexpr double kRing = 0.25;  // every mode has died away by then
    const size_t start = static_cast<size_t>(time * kSampleRate);
    const size_t end = std::min(samples_.size(), start + static_cast<size_t>(kRing * kSampleRate));
    Biquad burst;
    burst.lowpass(4500, 0.7);
    std::vector<double> phases;
    for (size_t m = 0; m < modes.size(); ++m) phases.push_back(random.uniform(0, 2 * M_PI));
    for (size_t i = start; i < end; ++i) {
        const double t = static_cast<double>(i - start) / kSampleRate;
        double v = 0;
        for (size_t m = 0; m < modes.size(); ++m)
            v += modes[m].level * std::exp(-t / modes[m].decay) * std::sin(2 * M_PI * modes[m].frequency * t + phases[m]);
        const double noise = t < kBurst ? burst.process(random.uniform(-1, 1)) * (1 - t / kBurst) : burst.process(0);
        const double ramp = std::min(1.0, t / kAttack);
        samples_[i] += amplitude * ramp * (v + 0.8 * noise);
    }
}

void Signal::addSwish(double start, double end, double fromHz, double toHz, double amplitude, Random& random) {
    Biquad band;
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t last = std::min(samples_.size(), static_cast<size_t>(end * kSampleRate));
    for (size_t i = first; i < last; ++i) {
        const double u = static_cast<double>(i - first) / static_cast<double>(last - first);
        band.bandpass(fromHz * std::pow(toHz / fromHz, u), 1.2);
        // Quick rise, long smooth fall.
        const double envelope = std::min(1.0, u / 0.18) * std::pow(1 - u, 1.6);
        samples_[i] += amplitude * envelope * band.process(random.uniform(-1, 1));
    }
}

void Signal::addTap(double time, double amplitude, Random& random) {
    addStrike(time, amplitude, {{190, 0.012, 1.0}, {420, 0.007, 0.45}, {1500, 0.003, 0.25}}, random);
}

std::vector<int16_t> Signal::finish(double peak, double cutoffHz) {
    Biquad soft;
    soft.lowpass(cutoffHz, 0.707);
    for (double& s : samples_) s = soft.process(s);
    double loudest = 0;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0 ? peak / loudest : 0;
    const size_t fade = kSampleRate / 200;
    std::vector<int16_t> out(samples_.size());
    for (size_t i = 0; i < samples_.size(); ++i) {
        const size_t left = samples_.size() - i;
        const double tail = left < fade ? static_cast<double>(left) / fade : 1.0;
        out[i] = static_cast<int16_t>(std::lround(samples_[i] * gain * tail * 32767));
    }
    return out;
}

}  // namespace trelvist::assets::generator
