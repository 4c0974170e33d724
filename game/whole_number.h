#pragma once
// Numbers typed in the options panel's edit boxes.
#include <cstdint>
#include <string>

namespace trelvist {

// The whole text must be an optional '+' or '-' followed by ASCII digits, within 32 bits.
inline bool parseWholeNumber(const std::string& text, int32_t& value) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
        if (v > (int64_t{1} << 31)) return false;
    }
    if (negative) v = -v;
    if (v > INT32_MAX || v < INT32_MIN) return false;
    value = static_cast<int32_t>(v);
    return true;
}

}  // namespace trelvist
