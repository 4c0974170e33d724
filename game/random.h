#pragma once
// The game's one random generator: a 64-bit linear congruential generator.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace trelvist {

class Random {
public:
    // The state's low half becomes the clock advanced once by x * 22695477 + 1; the high half 0.
    void seed(uint32_t secondsSinceEpoch) {
        state_ = static_cast<uint32_t>(secondsSinceEpoch * 22695477u + 1u);
    }

    // A number from 0 to 2^31 - 1: the upper half of the new state without its top bit, or the
    // next scripted value while a test has scripted some.
    uint32_t next() {
        ++draws_;
        if (scriptedLeft_ != 0) [[unlikely]]
            return scripted_[scripted_.size() - scriptedLeft_--];
        state_ = state_ * kMultiplier + 1u;
        return output(state_);
    }

    // A choice among n outcomes.
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }

    // Makes `pairs` pairs of choices among n outcomes, the same as 2 * pairs calls of below(n),
    // and hands each pair to `use` as it comes. The decks are stirred with millions of draws a
    // second, and the chain of states is what holds them up: each state waits for the multiply
    // of the one before. So the draws below 52 are worked out a batch at a time, each state
    // jumped to from the batch's first, side by side; other ranges take two states a step.
    template <class Use>
    void pairsBelow(int n, int pairs, Use&& use) {
        if (scriptedLeft_ != 0) [[unlikely]] {
            for (int i = 0; i < pairs; ++i) {
                const int first = below(n);
                use(first, below(n));
            }
            return;
        }
        if (n == kDeckChoices) {
            alignas(64) uint8_t choices[kBatchDraws];
            for (int done = 0; done < pairs;) {
                const int now = pairs - done < kBatchDraws / 2 ? pairs - done : kBatchDraws / 2;
                state_ = deckChoices(state_, choices, 2 * now);
                for (int i = 0; i < now; ++i) use(int{choices[2 * i]}, int{choices[2 * i + 1]});
                done += now;
            }
            draws_ += 2 * static_cast<uint64_t>(pairs);
            return;
        }
        const auto choice = [n](uint64_t state) {
            return static_cast<int>(output(state) % static_cast<uint32_t>(n));
        };
        uint64_t state = state_;
        for (int i = 0; i < pairs; ++i) {
            const uint64_t first = state * kMultiplier + 1u;
            state = state * kTwoStepMultiplier + kTwoStepIncrement;
            use(choice(first), choice(state));
        }
        state_ = state;
        draws_ += 2 * static_cast<uint64_t>(pairs);
    }

    // For tests: the next draws give these values (each below 2^31) in order, after any scripted
    // before. They count as draws and leave the state alone, so that a test writes down the rolls
    // it needs instead of searching for a seed that gives them. The game never scripts a draw.
    void script(std::span<const uint32_t> values) {
        scripted_.erase(scripted_.begin(), scripted_.end() - static_cast<std::ptrdiff_t>(scriptedLeft_));
        scripted_.insert(scripted_.end(), values.begin(), values.end());
        scriptedLeft_ = scripted_.size();
    }

    uint64_t state() const { return state_; }
    uint64_t draws() const { return draws_; }

private:
    static constexpr uint64_t kMultiplier = 0x0000015A00004E35ull;  // 1486058704437
    // Two steps at once: (s * m + 1) * m + 1 = s * m^2 + (m + 1), all modulo 2^64.
    static constexpr uint64_t kTwoStepMultiplier = kMultiplier * kMultiplier;
    static constexpr uint64_t kTwoStepIncrement = kMultiplier + 1u;

    static uint32_t output(uint64_t state) { return static_cast<uint32_t>(state >> 32) & 0x7FFFFFFFu; }

    static constexpr int kDeckChoices = 52;
    static constexpr int kBatchDraws = 256;  // a multiple of the eight lanes the batch is drawn in
    // Writes `count` choices below 52 that follow `state` into `choices`, which holds
    // kBatchDraws (count at most that), and returns the state after them.
    static uint64_t deckChoices(uint64_t state, uint8_t* choices, int count);

    uint64_t state_ = 0;
    uint64_t draws_ = 0;  // over every seeding, for the table script tool
    std::vector<uint32_t> scripted_;  // the last scriptedLeft_ of them are still to come
    std::size_t scriptedLeft_ = 0;
};

}  // namespace trelvist
