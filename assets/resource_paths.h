#pragma once
// Where the generated pictures sit among the program's Qt resources.
namespace trelvist::assets::resources {

inline constexpr char kCardStrip[] = ":/trelvist/cards.png";  // the 60 card pictures side by side
inline constexpr char kPanel[] = ":/trelvist/panel.jpg";
inline constexpr char kOdds[] = ":/trelvist/odds.jpg";
inline constexpr char kRules[] = ":/trelvist/rules.jpg";
inline constexpr int kIconSizes[] = {32, 48, 256};
inline constexpr char kIconPattern[] = ":/trelvist/icon-%1.png";

}  // namespace trelvist::assets::resources
