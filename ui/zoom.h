#pragma once
// Zoom. Every window of the game is laid out in the table's own pixels: the main window's
// client area is 1011 x 659 of them. A zoom shows the same layout larger or smaller: each
// widget keeps its logical place and font size, and a zoom lays the widgets out again at the
// logical size times the zoom, so text is drawn at its real size and stays crisp.
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace trelvist::ui {

// Notes the place and font size of `root` and of every widget inside it, its child windows of
// fixed size included, as they stand at zoom 100 %. Called once, when the window is built.
void recordLogicalLayout(QWidget* root);

// Lays out everything inside `root` at `zoom`, the widgets directly inside it shifted by
// `origin` (where the table starts in a larger window), and sizes its child windows to match.
void applyZoom(QWidget* root, double zoom, QPoint origin = {});

// The zoom of the window that `widget` belongs to: 1 until one is applied.
double zoomOf(const QWidget* widget);

// Moves a widget to a place given in logical pixels, at the zoom of its window.
void moveLogical(QWidget* widget, QPoint position);

// A logical rectangle at `zoom`: its edges are scaled and rounded, so neighbours stay
// neighbours and overlaps stay overlaps.
QRect zoomed(const QRect& logical, double zoom);

}  // namespace trelvist::ui
