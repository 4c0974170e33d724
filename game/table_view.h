#pragma once
// What the table shows, as one plain value: the window draws the whole table from it (felt,
// cards and labels), the script tool prints it, and a past moment can be shown again from a
// copy. Captions and labels are the game's own texts; no pixel geometry is held here, only
// the result line's and the odds rating's left edges, which the rules themselves choose.
#include <array>
#include <string>

#include "game/cards.h"

namespace trelvist {

enum class LabelColor { White, Yellow };

struct StatusLabel {
    std::string text;
    LabelColor color = LabelColor::White;
    bool italic = false;
    friend bool operator==(const StatusLabel&, const StatusLabel&) = default;
};

enum class CardFace { None, Up, Down };

// A card as it lies on the table: its picture (a face 0..51 or a back 52..59), or none.
struct ShownCard {
    CardFace face = CardFace::None;
    int picture = -1;
    friend bool operator==(const ShownCard&, const ShownCard&) = default;
};

struct SeatView {
    std::array<ShownCard, 2> cards{};
    std::string name;
    std::string cash;  // as last written; it can lag the seat's chips within a press
    StatusLabel status;
    std::string style;  // an opponent's playing style; never shown unless the player asks
    friend bool operator==(const SeatView&, const SeatView&) = default;
};

struct ButtonView {
    std::string caption;
    bool enabled = true;
    friend bool operator==(const ButtonView&, const ButtonView&) = default;
};

// A line of text whose left edge the rules move with its length.
struct PlacedText {
    std::string text;
    int left = 0;
    friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

struct PanelView {
    bool visible = false;
    std::string initialCashText = "1200";  // the edit boxes, at most 6 characters each
    std::string playUntilText = "600";
    std::string smallBetText;
    std::string bigBetText;
    std::string soundText = "On";
    int cardBackItem = -1;  // the selected radio item, -1 for none
    int levelItem = -1;
    int limitsStep = 1;     // the up-down control's position, 1..5
    int lineupItem = 0;     // the opponents: 0 classic, 1 mixed, 2 random, 3 picked per seat
    friend bool operator==(const PanelView&, const PanelView&) = default;
};

// The statistics window's three figures, as last shown.
struct StatsFigures {
    std::string handsPlayed, handsWon, showdowns;
    friend bool operator==(const StatsFigures&, const StatsFigures&) = default;
};

struct TableView {
    std::array<SeatView, kSeatSlots> seats{};  // by seat number
    std::array<ShownCard, 5> board{};          // flop, flop, flop, turn, river
    std::string pot;
    PlacedText result{"", 460};
    ButtonView deal{"Deal", false};
    ButtonView checkOrCall{"Check", true};
    ButtonView raise{"Raise", true};
    ButtonView fold{"Fold", true};
    PanelView panel;
    PlacedText oddsRating{"", 96};
    StatsFigures stats;
    friend bool operator==(const TableView&, const TableView&) = default;
};

// What a change of the table's cards painted, for those who paint step by step: the script
// tool's trace and the tests. The window needs none of it and draws the view.
struct TableChange {
    enum class Kind {
        Uncovered,     // the window was uncovered: the felt over the whole table, then a `Laid`
        Laid,          // the cards of the seats in `seats` and the first `boardCards` were laid
        SeatCleared,   // `seat`'s cards were wiped back to the felt
        BoardCleared,  // the board was wiped back to the felt
    };
    Kind kind;
    int seat = 0;
    std::array<bool, kSeatSlots> seats{};
    int boardCards = 0;
};

}  // namespace trelvist
