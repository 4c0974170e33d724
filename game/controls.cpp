#include "game/controls.h"

#include "game/table.h"

namespace trelvist {

std::string firstCharacters(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t kept = 0; end < text.size() && kept < count; ++kept) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end);
}

OpponentStyles stylesOfText(const std::string& text) {
    OpponentStyles styles{};
    for (std::size_t i = 0; i < styles.size() && i < text.size(); ++i) styles[i] = styleFromStored(text[i] - '0');
    return styles;
}

std::string textOfStyles(const OpponentStyles& styles) {
    std::string text;
    for (int32_t style : styles) text += static_cast<char>('0' + styleFromStored(style));
    return text;
}

bool Table::press(const Press& p) {
    switch (p.control) {
    case Control::Deal: return deal();
    case Control::CheckOrCall: return checkOrCall();
    case Control::Raise: return raise();
    case Control::Fold: return fold();
    case Control::NewGame: return newGame();
    case Control::Options: return toggleOptions();
    case Control::Advice: return advice();
    case Control::Rules: return true;  // the rules window asks nothing of the table
    case Control::Stats: return showStats();
    case Control::ResetStats: return resetStats();
    case Control::TypeInitialCash: return typeInitialCash(p.text);
    case Control::TypePlayUntil: return typePlayUntil(p.text);
    case Control::EnterInitialCash: return enterInitialCash();
    case Control::EnterPlayUntil: return enterPlayUntil();
    case Control::RaiseLimits: return stepLimits(true);
    case Control::LowerLimits: return stepLimits(false);
    case Control::CardBack: return chooseCardBack(p.item);
    case Control::Level: return chooseLevel(p.item);
    case Control::Lineup: return chooseLineup(p.item);
    case Control::PickStyles: return pickStyles(stylesOfText(p.text));
    case Control::Sound: return toggleSound();
    case Control::CloseOptions: return closeOptions();
    }
    return false;
}

}  // namespace trelvist
