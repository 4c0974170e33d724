#include "history/hand_history.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <utility>

#include "history/hand_text.h"
#include "history/wall_time.h"
#include "settings/durable_file.h"

namespace trelvist::history {

namespace {
// Hands in a file are set apart by two empty lines, as hand-history tools expect.
constexpr std::string_view kBetweenHands = "\n\n";
}  // namespace

bool keptInFiles(const HandRecord& hand) { return hand.start.smallBet >= 0 && hand.start.bigBet >= 0; }

HandHistory::HandHistory(std::string folder, Clock clock, std::function<void(const std::string&)> refused)
    : folder_(std::move(folder)),
      refused_(std::move(refused)),
      newestAtStart_(storedNextNumber() - 1),
      log_(std::move(clock), newestAtStart_ + 1) {
    log_.onFinished([this](const HandRecord& hand) { save(hand); });
}

std::string HandHistory::counterFile() const { return folder_ + "/next-hand-number"; }

std::string HandHistory::dayFile(int64_t time) const {
    return folder_ + "/trelvist-" + isoDate(wallTime(time)) + ".txt";
}

// Without a readable number the hands are counted from the first. A count kept before the
// numbers were moved up goes on in the new range. A kill between a hand's write and the
// count's leaves the count behind the files, so the newest hand in them counts too.
int64_t HandHistory::storedNextNumber() const {
    int64_t next = kFirstHandNumber + 1;
    std::string text;
    if (readWholeFile(counterFile(), text) == FileRead::Done) {
        int64_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc() && number >= 1) next = number > kFirstHandNumber ? number : kFirstHandNumber + number;
    }
    return std::max(next, newestNumberInFiles() + 1);
}

// The number of the last hand in the newest day file; 0 without one.
int64_t HandHistory::newestNumberInFiles() const {
    std::string newest;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("trelvist-") && name.ends_with(".txt") && name > newest) newest = name;
    }
    std::string text;
    if (newest.empty() || readWholeFile(folder_ + "/" + newest, text) != FileRead::Done) return 0;
    constexpr std::string_view kHeader = "Hand #";
    const size_t at = text.rfind(kHeader);
    int64_t number = 0;
    if (at != std::string::npos) std::from_chars(text.data() + at + kHeader.size(), text.data() + text.size(), number);
    return number;
}

void HandHistory::save(const HandRecord& hand) {
    if (!keptInFiles(hand)) return;
    waiting_.push_back({dayFile(hand.time), handText(hand) + std::string(kBetweenHands), hand.number});
    // One attempt per settled hand, so a folder that cannot be written costs nothing more.
    if (writeWaiting() || !refusal_.empty()) return;
    refusal_ = "The hand history cannot be written to " + folder_ +
               ". The game goes on; this session's hands stay in the History window and are written "
               "with the next hand once the folder can take them.";
    if (refused_) refused_(refusal_);
}

bool HandHistory::writeWaiting() {
    size_t written = 0;
    for (; written < waiting_.size(); ++written)
        if (!appendToFile(waiting_[written].file, waiting_[written].text)) break;
    if (written > 0) {
        lastFile_ = waiting_[written - 1].file;
        const int64_t next = waiting_[written - 1].number + 1;
        waiting_.erase(waiting_.begin(), waiting_.begin() + static_cast<std::ptrdiff_t>(written));
        if (!replaceFile(counterFile(), std::to_string(next) + "\n")) return false;
    }
    return waiting_.empty();
}

}  // namespace trelvist::history
