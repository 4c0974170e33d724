#pragma once
// The controls a person can press, named once for the window, the script tool and the tests.
#include <cstddef>
#include <string>

#include "game/lineup.h"

namespace trelvist {

enum class Control {
    // The table's four buttons.
    Deal,
    CheckOrCall,
    Raise,
    Fold,
    // The top row.
    NewGame,
    Options,
    Advice,
    Rules,
    Stats,
    ResetStats,  // inside the statistics window
    // The options panel.
    TypeInitialCash,  // text typed into an edit box
    TypePlayUntil,
    EnterInitialCash,
    EnterPlayUntil,
    RaiseLimits,  // the up-down control's arrows
    LowerLimits,
    CardBack,  // a radio item
    Level,
    Sound,
    Lineup,      // the opponents' choice, 0..3
    PickStyles,  // each opponent's style: the text holds seven style numbers, Freak's first
    CloseOptions,
};

// One press of a control with its argument: the radio item of CardBack (0..7) and Level
// (0..3), the typed text of the two edit boxes.
struct Press {
    Control control;
    int item = 0;
    std::string text{};
};

// The edit boxes keep their first six characters of what is typed.
constexpr std::size_t kEditBoxLength = 6;

// The first `count` characters of UTF-8 text; continuation bytes belong to the character
// before them, and a run of them at the start counts as one character.
std::string firstCharacters(const std::string& text, std::size_t count);

// The seven opponents' styles as a press carries them: a digit each, Freak's first; anything
// else is the classic style.
OpponentStyles stylesOfText(const std::string& text);
std::string textOfStyles(const OpponentStyles& styles);

}  // namespace trelvist
