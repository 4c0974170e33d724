// The names of hand values. They are built at compile time into one block of text from the
// rank words, so every name of a category follows the same pattern.
#include <array>
#include <cstddef>
#include <initializer_list>

#include "game/evaluator.h"

namespace trelvist {
namespace {

using RankWords = std::array<std::string_view, kRanks>;

constexpr RankWords kSingular{"",    "",    "Four", "Five",  "Six",   "Seven", "Eight",
                              "Nine", "Ten", "Jack", "Queen", "King", "Ace"};
constexpr RankWords kPlural{"Twos",  "Threes", "Fours", "Fives", "Sixes",  "Sevens", "Eights",
                            "Nines", "Tens",   "Jacks", "Queens", "Kings", "Aces"};

// The values base + rank, for rank firstRank..Ace, read prefix + rank word + suffix.
struct Category {
    int32_t base;
    int firstRank;
    std::string_view prefix;
    const RankWords& words;
    std::string_view suffix;
};

constexpr std::array<Category, 8> kCategories{{
    {0, 2, "", kSingular, ""},
    {100, 0, "One pair ", kPlural, ""},
    {200, 1, "Two pairs ", kPlural, ""},
    {300, 0, "Three ", kPlural, ""},
    {400, 3, "Straight ", kSingular, " High"},
    {450, 4, "Flush ", kSingular, " High"},
    {500, 0, "Full house ", kPlural, ""},
    {800, 0, "Four ", kPlural, ""},
}};
constexpr int32_t kStraightFlush = 1000;

constexpr std::size_t textSize() {
    std::size_t size = 0;
    for (const Category& c : kCategories)
        for (int r = c.firstRank; r < kRanks; ++r)
            size += c.prefix.size() + c.words[r].size() + c.suffix.size();
    return size;
}

struct Span {
    std::size_t offset = 0;
    std::size_t length = 0;  // 0 for a value without a name
};

struct NameTable {
    std::array<char, textSize()> text{};
    std::array<std::array<Span, kRanks>, kCategories.size()> spans{};
};

constexpr NameTable buildNames() {
    NameTable table;
    std::size_t at = 0;
    for (std::size_t c = 0; c < kCategories.size(); ++c) {
        const Category& category = kCategories[c];
        for (int r = category.firstRank; r < kRanks; ++r) {
            Span& span = table.spans[c][r];
            span.offset = at;
            for (std::string_view part : {category.prefix, category.words[r], category.suffix})
                for (char ch : part) table.text[at++] = ch;
            span.length = at - span.offset;
        }
    }
    return table;
}

constexpr NameTable kNames = buildNames();

}  // namespace

std::string_view handName(int32_t handValue) {
    if (handValue == kStraightFlush) return "Straight flush";
    for (std::size_t c = 0; c < kCategories.size(); ++c) {
        const int32_t base = kCategories[c].base;
        if (handValue >= base && handValue < base + kRanks) {
            const Span span = kNames.spans[c][handValue - base];
            return {kNames.text.data() + span.offset, span.length};
        }
    }
    return {};
}

}  // namespace trelvist
