#pragma once
// The icons installed for the desktop: the window icon's white spade on blue, on a tile with
// rounded corners and transparent around it, as bitmaps and as a scalable drawing.
#include <QByteArray>
#include <QImage>

namespace trelvist::assets::generator {

// The sizes of the bitmaps, one per folder of the icon theme.
inline constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// A square icon of `size` pixels with an alpha channel.
QImage desktopIcon(int size);
// The same icon as an SVG document (without the blue field's mottle).
QByteArray desktopIconSvg();

}  // namespace trelvist::assets::generator
