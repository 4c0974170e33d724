#pragma once
// Everything the engine does to the world outside its state goes through this interface.
// The window implements it for real; tests and the script tool record the calls.
#include <cstdint>
#include <string>

namespace trelvist {

// Left, top, right, bottom in client pixels; right and bottom exclusive.
struct Rect {
    int left, top, right, bottom;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class ModalWindow { Odds, Stats, Rules };

class Host {
public:
    virtual ~Host() = default;
    // The felt over the whole client area; a host that cannot load it beeps and paints nothing.
    virtual void paintBackground() = 0;
    virtual void eraseArea(Rect area) = 0;
    // A picture of the card list (faces 0..51, backs 52..59) with its top-left corner at x, y.
    virtual void drawCard(int picture, int x, int y) = 0;
    // Erases the corner pixels of a card at x, y; the top-left one is kept when it lies over
    // the seat's first card.
    virtual void trimCorners(int x, int y, bool keepTopLeft) = 0;
    virtual void playSound(const std::string& file) = 0;
    // Modal boxes. A host brings its widgets up to date from the display first.
    virtual void showMessage(const std::string& caption, const std::string& text) = 0;
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
    // The application's error handler: shows the text of an error that ended a handler.
    virtual void reportError(const std::string& text) = 0;
    // Shows a modal window and returns when it is closed. The statistics window's Reset
    // button calls Table::resetStats while it is open.
    virtual void showWindow(ModalWindow window) = 0;
    // Seconds since 1 January 1970.
    virtual uint32_t clock() = 0;
};

}  // namespace trelvist
