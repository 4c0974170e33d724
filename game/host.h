#pragma once
// What the rules need from the world in the middle of a press: questions and messages that
// wait for the person, the error handler, sounds and the clock. The window implements it for
// real; tests and the script tool record the calls.
#include <cstdint>
#include <string>

namespace trelvist {

class Host {
public:
    virtual ~Host() = default;
    virtual void playSound(const std::string& file) = 0;
    // Modal boxes. A host brings the window up to date from the table's view first.
    virtual void showMessage(const std::string& caption, const std::string& text) = 0;
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
    // The application's error handler: shows the text of an error that ended a handler.
    virtual void reportError(const std::string& text) = 0;
    // Seconds since 1 January 1970.
    virtual uint32_t clock() = 0;
};

}  // namespace trelvist
