#pragma once
// What the window shows, as plain data. The engine writes it at the moments the rules say;
// the window copies it onto its widgets and the script tool prints it.
#include <array>
#include <string>

#include "game/cards.h"

namespace trelvist {

enum class LabelColor { White, Yellow };

struct StatusLabel {
    std::string text;
    LabelColor color = LabelColor::White;
    bool italic = false;
};

struct ButtonState {
    std::string caption;
    bool enabled = true;
};

struct MovableLabel {
    std::string text;
    int left = 0;  // left edge in client pixels of its window
};

struct PanelDisplay {
    bool visible = false;
    std::string money = "1200";  // edit box texts, at most 6 characters
    std::string until = "600";
    std::string label3;          // the small bet
    std::string label4;          // the big bet
    std::string soundOff1 = "On";
    int cardbacks = -1;          // selected item, -1 for none
    int levels = -1;
    int upDown1 = 1;             // position 1..5
};

struct Display {
    std::array<StatusLabel, kSeatSlots> status{};  // by seat number
    std::array<std::string, kSeatSlots> cashLabel{};
    std::string betsize;
    MovableLabel theresult{"", 460};
    ButtonState btnnew{"Deal", false};
    ButtonState btnstay{"Check", true};
    ButtonState btnbet{"Raise", true};
    ButtonState btnpass{"Fold", true};
    PanelDisplay panel;
    MovableLabel prob{"", 96};  // the odds window's rating
    std::string lblhandsplayed, lblhandswon, lblshowdowns;  // the statistics window's values
};

}  // namespace trelvist
