// The generator against values worked out from its formula: seeding advances the clock once
// by x * 22695477 + 1 (mod 2^32); each draw is state * 1486058704437 + 1 (mod 2^64), top bit
// of the upper half cleared.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/random.h"

namespace trelvist {
namespace {

TEST(Random, SeedsFromTheClockAndDrawsTheUpperHalf) {
    struct Expected {
        uint32_t clock;
        uint64_t seeded;
        uint32_t draws[3];
        uint64_t after;
    };
    const Expected cases[] = {
        // From 0 the state is 1; 1 * 1486058704437 + 1 = 346 * 2^32 + 20022.
        {0, 1, {346, 13854878, 1621890440}, 16189338436978246844ull},
        {1700000000, 1204741377, {228694345, 396287962, 1659082375}, 16349076581468710332ull},
        // The clock's product wraps in 32 bits.
        {4294967295u, 4272271820u, {737319811, 1903449241, 1408188579}, 6048123896375559819ull},
    };
    for (const Expected& e : cases) {
        Random rng;
        rng.seed(e.clock);
        EXPECT_EQ(rng.state(), e.seeded) << e.clock;
        for (uint32_t draw : e.draws) EXPECT_EQ(rng.next(), draw) << e.clock;
        EXPECT_EQ(rng.state(), e.after) << e.clock;
    }
}

TEST(Random, CountsEveryDrawOverReseeding) {
    Random rng;
    rng.seed(1700000000);
    for (int i = 0; i < 50004; ++i) rng.next();
    // The state after a start-up's two shuffles from this clock.
    EXPECT_EQ(rng.state(), 18017067603829182429ull);
    rng.seed(5);
    Random probe = rng;
    const uint32_t draw = probe.next();
    EXPECT_EQ(rng.below(52), static_cast<int>(draw % 52));
    EXPECT_EQ(rng.draws(), 50005u);
}

TEST(Random, ScriptedDrawsComeFirstCountAndLeaveTheSequenceWhereItWas) {
    Random rng;
    rng.seed(0);
    rng.script(std::vector<uint32_t>{7, 99});
    rng.script(std::vector<uint32_t>{51});
    EXPECT_EQ(rng.next(), 7u);
    EXPECT_EQ(rng.below(100), 99);
    EXPECT_EQ(rng.below(52), 51);
    EXPECT_EQ(rng.state(), 1u);
    EXPECT_EQ(rng.draws(), 3u);
    EXPECT_EQ(rng.next(), 346u) << "the seeded sequence goes on from its first draw";
    EXPECT_EQ(rng.draws(), 4u);
}

// Drawing in pairs is only a faster way to make the same draws: the same choices in the same
// order, the same state after them and the same count, scripted draws included.
TEST(Random, PairsBelowDrawsAsCallsOfBelow) {
    for (const uint32_t clock : {0u, 1700000000u, 4294967295u}) {
        // A stir's 101 pairs, and more than a batch of deck draws.
        for (const auto& [n, count] : {std::pair{52, 101}, {52, 300}, {52, 1}, {100, 50}, {1, 50}, {7, 50},
                                       {2147483647, 50}}) {
            Random paired, single;
            paired.seed(clock);
            single.seed(clock);
            std::vector<int> pairs;
            paired.pairsBelow(n, count, [&](int a, int b) { pairs.insert(pairs.end(), {a, b}); });
            ASSERT_EQ(pairs.size(), 2u * count);
            for (const int draw : pairs) EXPECT_EQ(draw, single.below(n)) << clock << " below " << n;
            EXPECT_EQ(paired.state(), single.state()) << clock << " below " << n;
            EXPECT_EQ(paired.draws(), single.draws()) << clock << " below " << n;
        }
    }
    Random rng;
    rng.seed(0);
    rng.script(std::vector<uint32_t>{7, 8, 9});
    std::vector<int> pairs;
    rng.pairsBelow(52, 2, [&](int a, int b) { pairs.insert(pairs.end(), {a, b}); });
    EXPECT_EQ(pairs, (std::vector<int>{7, 8, 9, 346 % 52})) << "the seeded sequence takes over";
    EXPECT_EQ(rng.draws(), 4u);
}

}  // namespace
}  // namespace trelvist
