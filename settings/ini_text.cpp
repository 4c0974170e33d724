#include "settings/ini_text.h"

namespace trelvist::ini {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

enum class Kind { Blank, Comment, Section, Entry, Other };

struct Line {
    size_t begin = 0;  // first byte
    size_t end = 0;    // end of the content, before the CR LF or LF
    size_t next = 0;   // first byte of the next line, or the text's size
    Kind kind = Kind::Other;
    std::string_view name;   // of a section or an entry
    std::string_view value;  // of an entry, trimmed
};

Line readLine(std::string_view text, size_t begin) {
    Line line;
    line.begin = begin;
    const size_t newline = text.find('\n', begin);
    line.end = newline == std::string_view::npos ? text.size() : newline;
    line.next = newline == std::string_view::npos ? text.size() : newline + 1;
    if (line.end > begin && text[line.end - 1] == '\r') --line.end;

    std::string_view content = text.substr(begin, line.end - begin);
    // Editors on some systems start a file with a UTF-8 byte order mark; it is not part of the name.
    if (begin == 0 && content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
    content = trim(content);

    if (content.empty()) {
        line.kind = Kind::Blank;
    } else if (content.front() == ';' || content.front() == '#') {
        line.kind = Kind::Comment;
    } else if (const size_t close = content.find(']'); content.front() == '[' && close != content.npos) {
        line.kind = Kind::Section;
        line.name = trim(content.substr(1, close - 1));
    } else if (const size_t equals = content.find('='); equals != content.npos) {
        line.kind = Kind::Entry;
        line.name = trim(content.substr(0, equals));
        line.value = trim(content.substr(equals + 1));
    }
    return line;
}

// Where a key stands in the text, or where it would go.
struct Place {
    std::optional<Line> entry;
    std::optional<size_t> sectionEnd;  // just after the section's last line with something in it
};

Place locate(std::string_view text, std::string_view section, std::string_view key) {
    Place place;
    bool inSection = false;
    for (size_t pos = 0; pos < text.size();) {
        const Line line = readLine(text, pos);
        pos = line.next;
        if (line.kind == Kind::Section) {
            if (inSection) break;  // only the first matching section counts
            inSection = sameName(line.name, section);
        }
        if (!inSection) continue;
        if (line.kind == Kind::Entry && sameName(line.name, key)) {
            place.entry = line;
            break;
        }
        // A comment just before the next section usually belongs to that section.
        if (line.kind != Kind::Blank && line.kind != Kind::Comment) place.sectionEnd = line.next;
    }
    return place;
}

std::optional<int32_t> parseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    uint32_t n = 0;
    for (const char c : digits) {
        uint32_t d;
        if (c >= '0' && c <= '9') d = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') d = static_cast<uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') d = static_cast<uint32_t>(c - 'A' + 10);
        else return std::nullopt;
        n = n * 16 + d;
    }
    return static_cast<int32_t>(n);
}

std::optional<int32_t> parseDecimal(std::string_view s) {
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
        if (n > limit) return std::nullopt;  // also keeps n far from overflowing
    }
    return static_cast<int32_t>(negative ? -n : n);
}

std::string_view lineEndOf(std::string_view text) {
    const size_t newline = text.find('\n');
    return newline != text.npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

}  // namespace

std::optional<std::string_view> findValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    const Place place = locate(text, section, key);
    if (!place.entry) return std::nullopt;
    return place.entry->value;
}

std::optional<int32_t> parseInt(std::string_view value) {
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        return parseHex(value.substr(2));
    return parseDecimal(value);
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    std::string entry;
    entry.append(key).append("=").append(value);
    const Place place = locate(text, section, key);

    std::string out;
    if (place.entry) {
        out.reserve(text.size() + entry.size());
        out.append(text.substr(0, place.entry->begin)).append(entry).append(text.substr(place.entry->end));
        return out;
    }

    const std::string_view eol = lineEndOf(text);
    const size_t at = place.sectionEnd.value_or(text.size());
    std::string added;
    if (at > 0 && text[at - 1] != '\n') added.append(eol);  // the last line had no line end
    if (!place.sectionEnd) added.append("[").append(section).append("]").append(eol);
    added.append(entry).append(eol);

    out.reserve(text.size() + added.size());
    out.append(text.substr(0, at)).append(added).append(text.substr(at));
    return out;
}

}  // namespace trelvist::ini
