#include "game/evaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <functional>
#include <map>
#include <new>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "game/slot_evaluator.h"

// Counts allocations, so the evaluator can be shown to make none. The deletes stay out of
// line: inlined, the compiler would take their free() for a mismatch with new.
static int allocations = 0;
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace trelvist {
namespace {

using Slots = std::array<Card, 7>;

// "Ah 2d ... P5 P6": rank 2..A, suit c d h s; P5 and P6 are the odds routine's placeholders.
Slots parse(const std::string& text) {
    static const std::string kRankChars = "23456789TJQKA", kSuitChars = "cdhs";
    Slots slots;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::string token = text.substr(3 * i, 2);
        if (token == "P5") slots[i] = kPlaceholder5;
        else if (token == "P6") slots[i] = kPlaceholder6;
        else slots[i] = Card{int32_t(kSuitChars.find(token[1])), int32_t(kRankChars.find(token[0]))};
        if (slots[i].suit < 0 || slots[i].rank < 0) ADD_FAILURE() << "no such card: " << token;
    }
    return slots;
}

HandScore eval(const std::string& text) { return evaluateHand(parse(text).data()); }

std::string describe(const Slots& slots) {
    std::string text;
    for (Card c : slots) text += std::to_string(c.suit) + ':' + std::to_string(c.rank) + ' ';
    return text;
}

// ---- A slow evaluator written straight from the rules, to cross-check the fast one. ----

bool isReal(Card c) { return c.suit >= 0 && c.suit < 4 && c.rank >= 0 && c.rank < 13; }

// The top of the highest run of five present ranks (3 for Ace to Five), or -1.
int highestRun(const std::array<bool, 13>& present) {
    for (int top = 12; top >= 3; --top) {
        bool run = true;
        for (int r = top - 4; r <= top; ++r) run = run && present[r < 0 ? 12 : r];
        if (run) return top;
    }
    return -1;
}

HandScore reference(const Slots& slots) {
    std::array<int, 13> count{};
    std::array<int, 4> suitCount{};
    std::array<std::array<bool, 13>, 4> suitHas{};
    std::vector<int64_t> values;  // the distinct ranks of every slot, highest first
    for (Card c : slots) {
        values.push_back(c.rank);
        if (!isReal(c)) continue;
        ++count[c.rank];
        ++suitCount[c.suit];
        suitHas[c.suit][c.rank] = true;
    }
    std::sort(values.begin(), values.end(), std::greater<>());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    // The n highest values other than `used`, missing ones 0.
    auto kickers = [&](std::vector<int64_t> used, std::size_t n) {
        std::vector<int64_t> k;
        for (int64_t v : values)
            if (k.size() < n && std::find(used.begin(), used.end(), v) == used.end()) k.push_back(v);
        k.resize(n, 0);
        return k;
    };
    auto result = [](int64_t value, int64_t kicker) {
        return HandScore{static_cast<int32_t>(value), static_cast<int32_t>(kicker)};
    };
    auto highestWith = [&](int atLeast, int except) {
        for (int r = 12; r >= 0; --r)
            if (count[r] >= atLeast && r != except) return r;
        return -1;
    };

    for (int s = 0; s < 4; ++s) {
        if (suitCount[s] < 5) continue;
        if (int top = highestRun(suitHas[s]); top >= 0) return result(1000, top);
        std::vector<int64_t> r;
        for (int rank = 12; rank >= 0; --rank)
            if (suitHas[s][rank]) r.push_back(rank);
        r.resize(5, 0);
        return result(450 + r[0], 10 * r[1] + r[2] + r[3] + r[4]);
    }
    std::array<bool, 13> present{};
    for (int r = 0; r < 13; ++r) present[r] = count[r] > 0;
    if (int top = highestRun(present); top >= 0) return result(400 + top, 0);
    if (int four = highestWith(4, -1); four >= 0) return result(800 + four, 0);
    if (int three = highestWith(3, -1); three >= 0) {
        if (int pair = highestWith(2, three); pair >= 0) return result(500 + three, 5 * pair);
        auto k = kickers({three}, 2);
        return result(300 + three, 5 * k[0] + k[1]);
    }
    if (int high = highestWith(2, -1); high >= 0) {
        if (int low = highestWith(2, high); low >= 0)
            return result(200 + high, 10 * low + kickers({high, low}, 1)[0]);
        auto k = kickers({high}, 3);
        return result(100 + high, 10 * k[0] + 3 * k[1] + k[2]);
    }
    auto k = kickers({}, 3);
    return result(k[0], 10 * k[1] + k[2]);
}

// ---- The lookup tables, filled when the program ranks its first hand. ----

// Every real card's entry holds the card's own bit, as hand_tables.h lays them out.
bool tablesFilled() {
    const auto& cards = hand_tables::detail::tables.cards;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < kRanks; ++rank)
            if (cards[kRanks * suit + rank][1] != uint64_t{1} << (16 * suit + rank)) return false;
    return true;
}

// The first test of the program, whether ctest runs it alone or the whole binary runs: no
// hand has been ranked yet. Threads that rank their first hands at the same moment must all
// wait for the tables to be whole; a thread reading them half filled would rank hands wrong.
TEST(HandTables, EmptyUntilTheFirstHandThenFilledOnceForEveryThread) {
    ASSERT_FALSE(tablesFilled()) << "filled before any hand was ranked";
    std::mt19937_64 rng(5);
    Deck deck;
    fillDeck(deck);
    std::vector<Slots> hands(2000);
    std::vector<HandScore> expected;
    for (Slots& slots : hands) {
        std::shuffle(deck.begin(), deck.end(), rng);
        std::copy_n(deck.begin(), slots.size(), slots.begin());
        expected.push_back(evaluateSlots(slots.data()));
    }
    ASSERT_FALSE(tablesFilled()) << "slot counting needs no tables";

    // The threads wait for each other yielding, so that none has used up its share of the
    // cores when they start, and rank for longer than filling takes.
    constexpr int kThreads = 8;
    std::atomic<int> notReady{kThreads};
    std::array<int, kThreads> wrong{};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (notReady.fetch_sub(1); notReady.load() > 0;) std::this_thread::yield();
            for (int round = 0; round < 20; ++round)
                for (std::size_t i = 0; i < hands.size(); ++i)
                    wrong[t] += !(evaluateHand(hands[i].data()) == expected[i]);
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong, (std::array<int, kThreads>{}));
    EXPECT_TRUE(tablesFilled());
}

// ---- The rules, case by case. ----

TEST(EvaluateHand, Straights) {
    EXPECT_EQ(eval("Ac 2d 3h 4s 5c 9d Jh"), (HandScore{403, 0}));
    EXPECT_EQ(eval("Ac 2d 3h 4s 5c 6d Jh"), (HandScore{404, 0}));
    EXPECT_EQ(eval("Tc Jd Qh Ks Ac 2d 3h"), (HandScore{412, 0}));
    EXPECT_EQ(eval("5c 6d 7h 8s 9c 9d 9h"), (HandScore{407, 0}));  // before three of a kind
    EXPECT_EQ(eval("Qc Kd Ah 2s 3c 7d 8h"), (HandScore{12, 10 * 11 + 10}));  // no run round the Ace
    // Two equal straights tie whatever the other cards.
    EXPECT_EQ(eval("9c Ad 5c 6d 7h 8s 2c"), eval("9h 3s 5c 6d 7h 8s 2c"));
}

TEST(EvaluateHand, StraightFlushes) {
    EXPECT_EQ(eval("Ah 2h 3h 4h 5h Kc Qd"), (HandScore{1000, 3}));
    EXPECT_EQ(eval("9s Ts Js Qs Ks 2c 2d"), (HandScore{1000, 11}));
    EXPECT_EQ(eval("Ah 2h 3h 4h 5h 6h Kc"), (HandScore{1000, 4}));
    EXPECT_EQ(eval("7d 8d 9d Td Jd Qd Kd"), (HandScore{1000, 11}));
    EXPECT_EQ(eval("3c 4d 5h 6h 7h 8h 9h"), (HandScore{1000, 7}));
    EXPECT_EQ(eval("5c 5h 6h 7h 8h 9h 2d"), (HandScore{1000, 7}));
    // A straight in mixed suits beside a flush that is no run is a flush.
    EXPECT_EQ(eval("4h 5h 6h 7h 8c 2h Kd"), (HandScore{455, 10 * 4 + 3 + 2 + 0}));
}

TEST(EvaluateHand, Flushes) {
    EXPECT_EQ(eval("Ah Jh 9h 7h 5h 3h Kc"), (HandScore{462, 10 * 9 + 7 + 5 + 3}));
    EXPECT_EQ(eval("Ah Kh 9h 7h 5h 3h 2h"), (HandScore{462, 10 * 11 + 7 + 5 + 3}));
    EXPECT_EQ(eval("7c 5c 4c 3c 2c Kd Qs"), (HandScore{455, 10 * 3 + 2 + 1 + 0}));
}

TEST(EvaluateHand, FullHousesAndFours) {
    EXPECT_EQ(eval("Kc Kd Kh 9c 9d 9h 2s"), (HandScore{511, 5 * 7}));
    EXPECT_EQ(eval("Kc Kd Kh 9c 9d Qh Qs"), (HandScore{511, 5 * 10}));
    EXPECT_EQ(eval("2c 2d 2h 3c 3d 9s Kh"), (HandScore{500, 5}));
    EXPECT_EQ(eval("Ac Ad Ah Kc Kd 9s 2h"), (HandScore{512, 55}));
    EXPECT_EQ(eval("Kc Kd Kh Ks Ac Ad Ah"), (HandScore{811, 0}));
    EXPECT_EQ(eval("2c 2d 2h 2s 3c 3d 3h"), (HandScore{800, 0}));
    // Four of a kind on the board: every seat ties.
    EXPECT_EQ(eval("Ac Kd 7c 7d 7h 7s 2c"), (HandScore{805, 0}));
    EXPECT_EQ(eval("3h 2d 7c 7d 7h 7s 2c"), (HandScore{805, 0}));
}

TEST(EvaluateHand, ThreesPairsAndHighCards) {
    EXPECT_EQ(eval("9c 9d 9h Ac Kd 4s 2h"), (HandScore{307, 5 * 12 + 11}));
    EXPECT_EQ(eval("2c 2d 2h 4c 5d 7s 8h"), (HandScore{300, 5 * 6 + 5}));
    // Three pairs: the third pair's rank or the highest single, whichever is higher, kicks.
    EXPECT_EQ(eval("Kc Kd 9c 9d 5h 5s 2c"), (HandScore{211, 10 * 7 + 3}));
    EXPECT_EQ(eval("Kc Kd 9c 9d 5h 5s Ac"), (HandScore{211, 10 * 7 + 12}));
    EXPECT_EQ(eval("3c 3d 2h 2s 7c 9d Jh"), (HandScore{201, 9}));
    // Kicker sums, not kicker order.
    EXPECT_EQ(eval("6c 6d Ah Ts 4c 3d 2h"), (HandScore{104, 146}));
    EXPECT_EQ(eval("6c 6d Ah 9s 7c 3d 2h"), (HandScore{104, 146}));
    EXPECT_EQ(eval("6c 6d Ah 9s 8c 3d 2h"), (HandScore{104, 147}));
    EXPECT_EQ(eval("2c 2d 4h 5s 7c 8d 9h"), (HandScore{100, 10 * 7 + 3 * 6 + 5}));
    EXPECT_EQ(eval("Ac Ad 4h 5s 7c 8d 9h"), (HandScore{112, 10 * 7 + 3 * 6 + 5}));
    // High cards sharing their three highest ranks tie.
    EXPECT_EQ(eval("Ac Jd 9h 7s 5c 3d 2h"), (HandScore{12, 10 * 9 + 7}));
    EXPECT_EQ(eval("Ac Jd 9h 6s 4c 3d 2h"), (HandScore{12, 10 * 9 + 7}));
    EXPECT_EQ(eval("9c 8d 7h 5s 4c 3d 2h"), (HandScore{7, 10 * 6 + 5}));
}

TEST(EvaluateHand, CountsRepeatedSlots) {
    EXPECT_EQ(eval("Kh Kh 9h 7h 2h Kc Kd"), (HandScore{461, 75}));  // a flush before four Kings
    EXPECT_EQ(eval("Ah Ah Ah Kh Kh 2c 3d"), (HandScore{462, 10 * 11}));
    EXPECT_EQ(eval("2h 2h 2h 2h 2h 3c 4d"), (HandScore{450, 0}));
    EXPECT_EQ(eval("Ah 2h 3h 4h 5h 5h 5h"), (HandScore{1000, 3}));
    EXPECT_EQ(eval("9h 9h Th Jh Qh Kh 2c"), (HandScore{1000, 11}));
    EXPECT_EQ(eval("5c 5c 6d 7h 8s 9c 9c"), (HandScore{407, 0}));
    EXPECT_EQ(eval("Ac Ac Ac Ac Kd Qh 2s"), (HandScore{812, 0}));
    EXPECT_EQ(eval("Ac Ac Ac Kd Kd 2h 3s"), (HandScore{512, 55}));
    EXPECT_EQ(eval("Ac Ac Ac Kd Qh 7s 4c"), (HandScore{312, 5 * 11 + 10}));
    EXPECT_EQ(eval("Ac Ac Kd Kd 7s 7s 4c"), (HandScore{212, 10 * 11 + 5}));
    EXPECT_EQ(eval("Ac Ac Kd Qh 7s 4c 2d"), (HandScore{112, 10 * 11 + 3 * 10 + 5}));
}

TEST(EvaluateHand, Placeholders) {
    EXPECT_EQ(eval("Ac Jd 9h 7s 3c P5 P6"), (HandScore{100, 10 * 80 + 12}));
    EXPECT_EQ(eval("Ac Ad 9h 7s 3c P5 P6"), (HandScore{112, 10 * 100 + 3 * 80 + 7}));
    EXPECT_EQ(eval("Ac Ad 9h 9s 3c P5 P6"), (HandScore{212, 10 * 7 + 100}));
    EXPECT_EQ(eval("Ac Ad Ah 9s 3c P5 P6"), (HandScore{312, 5 * 100 + 80}));
    EXPECT_EQ(eval("Tc Jd Qh Ks Ac P5 P6"), (HandScore{412, 0}));
    EXPECT_EQ(eval("Ah Kh 9h 7h 2h P5 P6"), (HandScore{462, 10 * 11 + 7 + 5 + 0}));
    EXPECT_EQ(eval("Ac Ad Ah Kc Kd P5 P6"), (HandScore{512, 55}));
    EXPECT_EQ(eval("Ac Ad Ah As Kd P5 P6"), (HandScore{812, 0}));
    EXPECT_EQ(eval("Ah Kh Qh Jh Th P5 P6"), (HandScore{1000, 12}));
    // They never complete a suit, never pair, never join a run.
    EXPECT_EQ(eval("Ah Kh 9h 7h 2c P5 P6"), (HandScore{100, 10 * 80 + 12}));
    EXPECT_EQ(eval("Ac Jd 9h 7s 3c P5 P5"), (HandScore{80, 10 * 12 + 9}));
    // Slot counting takes any card that is no card the same way.
    Slots slots = parse("Ah Kh 9h 7h 2c 3d 4s");
    slots[4] = Card{2, 13};  // a heart of no rank
    EXPECT_EQ(evaluateSlots(slots.data()), (HandScore{13, 10 * 12 + 11}));
    slots = parse("Jc Qd Kh As 2c 3d 4s");
    slots[4] = Card{70, 8};  // no card, though its rank is a Ten's
    EXPECT_EQ(evaluateSlots(slots.data()), (HandScore{12, 10 * 11 + 10}));
    slots = parse("Ac Jd 9h 7s 3c P5 P6");
    slots[5] = Card{70, 12};
    EXPECT_EQ(evaluateSlots(slots.data()), (HandScore{100, 10 * 12 + 9}));
}

TEST(EvaluateHand, AllocatesNothing) {
    const Slots real = parse("Kh Kh 9h 7h 2h Kc Kd"), flop = parse("Ac Ad 9h 7s 3c P5 P6");
    const int before = allocations;
    EXPECT_EQ(evaluateHand(real.data()), (HandScore{461, 75}));
    EXPECT_EQ(evaluateHand(flop.data()), (HandScore{112, 1247}));
    EXPECT_EQ(allocations, before);
}

bool isGameSlot(Card c) { return isReal(c) || c == kPlaceholder5 || c == kPlaceholder6; }

// Random slots of four kinds: distinct cards, independent draws (repeats), draws from a few
// ranks of two suits (many flushes, fours and repeats), and cards that are no card; the odds
// routine's two placeholders replace slots 5 and 6 of a third of them. Slot counting is
// checked on them all, evaluateHand on all that hold only what the game puts in slots.
TEST(EvaluateHand, MatchesReferenceOnRandomSlots) {
    std::mt19937_64 rng(20240611);
    auto below = [&](int n) { return static_cast<int>(rng() % n); };
    Deck deck;
    fillDeck(deck);
    std::map<int, int> categories;  // hands seen per hundred of the hand value
    for (int i = 0; i < 300000; ++i) {
        Slots slots;
        const int kind = i % 4;
        if (kind == 0) std::shuffle(deck.begin(), deck.end(), rng);
        const int lowRank = below(9);
        for (std::size_t s = 0; s < slots.size(); ++s) {
            if (kind == 0) slots[s] = deck[s];
            if (kind == 1) slots[s] = deck[below(52)];
            if (kind == 2) slots[s] = Card{below(2), lowRank + below(5)};
            if (kind == 3) slots[s] = below(3) ? deck[below(52)] : Card{below(7) - 1, below(17) - 2};
        }
        if (kind == 3 && below(20) == 0) slots[below(7)].rank = below(2) ? INT_MAX : INT_MIN;
        if (below(3) == 0) {
            slots[5] = kPlaceholder5;
            slots[6] = kPlaceholder6;
        }
        const HandScore expected = reference(slots);
        ASSERT_EQ(evaluateSlots(slots.data()), expected) << describe(slots);
        if (std::all_of(slots.begin(), slots.end(), isGameSlot)) {
            ASSERT_EQ(evaluateHand(slots.data()), expected) << describe(slots);
        }
        if (expected.handValue >= 100) ++categories[expected.handValue / 100];
    }
    for (int hundred : {1, 2, 3, 4, 5, 8, 10}) EXPECT_GT(categories[hundred], 100) << hundred;
}

// ---- The table path against the slot-counting path its tables are filled from. ----

void expectSameAsSlotCounting(const Slots& slots) {
    EXPECT_EQ(evaluateHand(slots.data()), evaluateSlots(slots.data())) << describe(slots);
}

// Seven distinct cards take the table path: fully random, and drawn from two suits and eight
// ranks so that flushes, straight flushes and full rank patterns come often.
TEST(EvaluateHand, DistinctCardsMatchSlotCounting) {
    std::mt19937_64 rng(7);
    Deck deck;
    fillDeck(deck);
    std::array<Card, 16> narrow;  // Seven to Ace of clubs and of diamonds
    for (std::size_t i = 0; i < narrow.size(); ++i)
        narrow[i] = Card{int32_t(i / 8), int32_t(5 + i % 8)};
    std::array<int, 1000 / 50 + 1> categories{};  // hands seen per fifty of the hand value
    for (int i = 0; i < 200000; ++i) {
        const bool isNarrow = i % 2;
        Card* pool = isNarrow ? narrow.data() : deck.data();
        const std::size_t poolSize = isNarrow ? narrow.size() : deck.size();
        Slots slots;
        for (std::size_t s = 0; s < slots.size(); ++s) {
            std::swap(pool[s], pool[s + rng() % (poolSize - s)]);
            slots[s] = pool[s];
        }
        expectSameAsSlotCounting(slots);
        ++categories[evaluateSlots(slots.data()).handValue / 50];
    }
    for (int fifty : {0, 2, 4, 6, 8, 9, 10, 16, 20}) EXPECT_GT(categories[fifty], 100) << fifty;
}

// Holdings the tables cannot rank go to slot counting: a card in two or more slots and the odds
// routine's placeholders, in every slot position.
TEST(EvaluateHand, RepeatsAndPlaceholdersMatchSlotCounting) {
    std::mt19937_64 rng(11);
    Deck deck;
    fillDeck(deck);
    const Card placeholders[] = {kPlaceholder5, kPlaceholder6};
    for (int i = 0; i < 3000; ++i) {
        std::shuffle(deck.begin(), deck.end(), rng);
        Slots slots;
        std::copy_n(deck.begin(), slots.size(), slots.begin());
        for (std::size_t to = 0; to < slots.size(); ++to) {
            for (std::size_t from = 0; from < slots.size(); ++from) {
                Slots repeated = slots;
                repeated[to] = slots[from];
                repeated[(to + 3) % slots.size()] = slots[from];  // and sometimes a third time
                expectSameAsSlotCounting(repeated);
            }
            for (Card placeholder : placeholders) {
                Slots odd = slots;
                odd[to] = placeholder;
                expectSameAsSlotCounting(odd);
            }
        }
        slots[5] = kPlaceholder5;
        slots[6] = kPlaceholder6;
        expectSameAsSlotCounting(slots);
    }
}

// ---- The names. ----

TEST(HandName, NamesExactlyTheValuesOfTheTable) {
    const std::map<int32_t, std::string> names{
        {2, "Four"}, {3, "Five"}, {4, "Six"}, {5, "Seven"}, {6, "Eight"}, {7, "Nine"},
        {8, "Ten"}, {9, "Jack"}, {10, "Queen"}, {11, "King"}, {12, "Ace"},
        {100, "One pair Twos"}, {101, "One pair Threes"}, {102, "One pair Fours"},
        {103, "One pair Fives"}, {104, "One pair Sixes"}, {105, "One pair Sevens"},
        {106, "One pair Eights"}, {107, "One pair Nines"}, {108, "One pair Tens"},
        {109, "One pair Jacks"}, {110, "One pair Queens"}, {111, "One pair Kings"},
        {112, "One pair Aces"},
        {201, "Two pairs Threes"}, {202, "Two pairs Fours"}, {203, "Two pairs Fives"},
        {204, "Two pairs Sixes"}, {205, "Two pairs Sevens"}, {206, "Two pairs Eights"},
        {207, "Two pairs Nines"}, {208, "Two pairs Tens"}, {209, "Two pairs Jacks"},
        {210, "Two pairs Queens"}, {211, "Two pairs Kings"}, {212, "Two pairs Aces"},
        {300, "Three Twos"}, {301, "Three Threes"}, {302, "Three Fours"}, {303, "Three Fives"},
        {304, "Three Sixes"}, {305, "Three Sevens"}, {306, "Three Eights"}, {307, "Three Nines"},
        {308, "Three Tens"}, {309, "Three Jacks"}, {310, "Three Queens"}, {311, "Three Kings"},
        {312, "Three Aces"},
        {403, "Straight Five High"}, {404, "Straight Six High"}, {405, "Straight Seven High"},
        {406, "Straight Eight High"}, {407, "Straight Nine High"}, {408, "Straight Ten High"},
        {409, "Straight Jack High"}, {410, "Straight Queen High"}, {411, "Straight King High"},
        {412, "Straight Ace High"},
        {454, "Flush Six High"}, {455, "Flush Seven High"}, {456, "Flush Eight High"},
        {457, "Flush Nine High"}, {458, "Flush Ten High"}, {459, "Flush Jack High"},
        {460, "Flush Queen High"}, {461, "Flush King High"}, {462, "Flush Ace High"},
        {500, "Full house Twos"}, {501, "Full house Threes"}, {502, "Full house Fours"},
        {503, "Full house Fives"}, {504, "Full house Sixes"}, {505, "Full house Sevens"},
        {506, "Full house Eights"}, {507, "Full house Nines"}, {508, "Full house Tens"},
        {509, "Full house Jacks"}, {510, "Full house Queens"}, {511, "Full house Kings"},
        {512, "Full house Aces"},
        {800, "Four Twos"}, {801, "Four Threes"}, {802, "Four Fours"}, {803, "Four Fives"},
        {804, "Four Sixes"}, {805, "Four Sevens"}, {806, "Four Eights"}, {807, "Four Nines"},
        {808, "Four Tens"}, {809, "Four Jacks"}, {810, "Four Queens"}, {811, "Four Kings"},
        {812, "Four Aces"},
        {1000, "Straight flush"},
    };
    ASSERT_EQ(names.size(), 95u);
    for (int32_t value = -20; value <= 1100; ++value) {
        const auto named = names.find(value);
        EXPECT_EQ(handName(value), named == names.end() ? "" : named->second) << value;
    }
    EXPECT_EQ(handName(INT_MIN), "");
    EXPECT_EQ(handName(INT_MAX), "");
}

}  // namespace
}  // namespace trelvist
