#include "game/random.h"

#include <array>
#include <cstring>

namespace trelvist {

namespace {

using Lanes = uint64_t __attribute__((vector_size(64)));
using LaneBytes = uint8_t __attribute__((vector_size(8)));
constexpr int kLanes = 8;

// Some steps of the generator at once: the state s becomes s * multiplier + increment.
struct Jump {
    uint64_t multiplier = 1;
    uint64_t increment = 0;
};

constexpr Jump oneStepMore(Jump jump, uint64_t stepMultiplier) {
    return {jump.multiplier * stepMultiplier, jump.increment * stepMultiplier + 1u};
}

// Eight lanes of states, each a step ahead of the lane before, jumping eight steps at a time.
// Built for each kind of processor, so that the lanes' multiplies run side by side in one
// instruction where the processor has one. `jumps[k]` makes k steps.
__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
void laneChoices(uint64_t state, const Jump* jumps, uint8_t* choices, int count) {
    Lanes lanes;
    for (int lane = 0; lane < kLanes; ++lane)
        lanes[lane] = state * jumps[lane + 1].multiplier + jumps[lane + 1].increment;
    for (int done = 0; done < count; done += kLanes) {
        const Lanes drawn = (lanes >> 32) & 0x7FFFFFFFu;
        // The remainder by 52, with the compiler's own multiply for a division by 52.
        const Lanes quotient = (drawn * 0x4EC4EC4Fu) >> 36;
        const LaneBytes below52 = __builtin_convertvector(drawn - quotient * 52u, LaneBytes);
        std::memcpy(choices + done, &below52, sizeof below52);
        lanes = lanes * jumps[kLanes].multiplier + jumps[kLanes].increment;
    }
}

}  // namespace

uint64_t Random::deckChoices(uint64_t state, uint8_t* choices, int count) {
    static constexpr auto kJumps = [] {
        std::array<Jump, kBatchDraws + 1> jumps{};
        for (int steps = 1; steps <= kBatchDraws; ++steps) jumps[steps] = oneStepMore(jumps[steps - 1], kMultiplier);
        return jumps;
    }();
    static_assert(kBatchDraws % kLanes == 0);
    // A last, partial row of lanes writes past `count`, up to the batch's end at most.
    laneChoices(state, kJumps.data(), choices, count);
    const Jump all = kJumps[count];
    return state * all.multiplier + all.increment;
}

}  // namespace trelvist
