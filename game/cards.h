#pragma once
// Cards, seats and the two decks.
#include <array>
#include <cstdint>

namespace trelvist {

// Suit 0..3 (clubs, diamonds, hearts, spades), rank 0..12 (Two..Ace).
// The odds routine also uses two placeholder cards whose suit and rank no real card has.
struct Card {
    int32_t suit = 0;
    int32_t rank = 0;
    friend bool operator==(const Card&, const Card&) = default;
};

constexpr int kRanks = 13;
constexpr int kDeckSize = 52;
constexpr int kFirstBack = 52;  // pictures 52..59 are the eight card backs
constexpr int kLastBack = 59;

// The index of a card's face in the picture list, and its place in an unshuffled deck.
constexpr int picture(Card c) { return c.suit * kRanks + c.rank; }
constexpr Card cardOfPicture(int p) { return Card{p / kRanks, p % kRanks}; }

// Placeholders that fill evaluation slots 5 and 6 when only the flop is to count.
constexpr Card kPlaceholder5{70, 80};
constexpr Card kPlaceholder6{90, 100};

using Deck = std::array<Card, kDeckSize>;

// Puts the 52 cards in suit-major order: position suit * 13 + rank holds that card.
constexpr void fillDeck(Deck& deck) {
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < kRanks; ++r) deck[s * kRanks + r] = Card{s, r};
}

// Seat numbers. Play goes from the higher number to the lower and wraps from Robot to You.
enum Seat : int { Robot = 1, Expert = 2, Pinhead = 3, Champ = 4, Master = 5, Geek = 6, Freak = 7, You = 8 };
constexpr int kSeatSlots = 9;  // arrays indexed by seat number; slot 0 unused

constexpr int seatAfter(int seat) { return seat == Robot ? You : seat - 1; }
constexpr int seatBefore(int seat) { return seat == You ? Robot : seat + 1; }

// Every seat in the order of play, starting with You.
constexpr std::array<int, 8> kSeatOrder{You, Freak, Geek, Master, Champ, Pinhead, Expert, Robot};
// The seven opponents in the order of play.
constexpr std::array<int, 7> kOpponents{Freak, Geek, Master, Champ, Pinhead, Expert, Robot};

}  // namespace trelvist
