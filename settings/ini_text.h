#pragma once
// The profile (INI) text format: finding a key's value, reading it as an integer, and setting one
// key while every other byte of the text stays as it was. Works on any bytes: NULs, invalid UTF-8,
// lines of any length, no trailing newline.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelvist::ini {

// A key's value with the whitespace around it removed, or nothing when its section or the key is
// absent. Names compare without regard to ASCII case; the first matching section counts, and
// within it the first matching key.
std::optional<std::string_view> findValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// A value as the game stores it: an optional '+' or '-' and decimal digits within 32 bits signed,
// or "0x"/"0X" and 1 to 8 hex digits taken as 32-bit two's complement. Anything else is nothing.
std::optional<int32_t> parseInt(std::string_view value);

// The text with the key set to value: the key's line replaced (keeping its line end), or the key
// added after the last line of its section that is neither blank nor a comment, or the section
// and the key added at the end. New lines end as the text's first line does (CRLF or LF).
std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace trelvist::ini
