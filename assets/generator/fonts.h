#pragma once
// The fonts the pictures are lettered in, loaded from files so every machine draws the same.
#include <QFont>
#include <QString>

namespace trelvist::assets::generator {

// Registers the DejaVu fonts found in `directory`; returns false when one is missing.
bool loadFonts(const QString& directory);

QFont indexFont();                 // the rank letters in the card corners
QFont boldSansFont(int pixelSize);  // the lettering of the window pictures

}  // namespace trelvist::assets::generator
