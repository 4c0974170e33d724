#pragma once
// The six sound effects of the table, synthesised.
#include <cstdint>
#include <string>
#include <vector>

namespace trelvist::assets::generator {

struct SoundEffect {
    std::string fileName;
    std::vector<int16_t> samples;  // mono, kSampleRate per second
};

// chip1..chip3 (chips thrown in for a raise, each different), chip4 (a pot pushed to its
// winner), card1 and card2 (a board card turned up).
std::vector<SoundEffect> soundEffects();

}  // namespace trelvist::assets::generator
