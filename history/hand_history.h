#pragma once
// The hand log of the session and the history files: every hand the table settles is added
// to the file of its day in the history folder, and the hand numbers go on across runs.
#include <functional>
#include <string>
#include <vector>

#include "history/hand_log.h"

namespace trelvist::history {

// Hand numbers start far above any room's, so a tracker never takes a hand of the game for one
// of a room's: hand n of the game is numbered kFirstHandNumber + n.
constexpr int64_t kFirstHandNumber = 1'000'000'000'000'000;

// Whether the history files keep a settled hand. Limits below nothing, which only a hand-edited
// settings file sets, make bets that no reader of the layout can take; such hands stay in the
// History window only.
bool keptInFiles(const HandRecord& hand);

class HandHistory {
public:
    // `refused` is told once, at the first hand that cannot be written; the hands are kept and
    // written with the next hand that can be.
    HandHistory(std::string folder, Clock clock, std::function<void(const std::string&)> refused);

    // The table's observer, and the session's hands.
    HandLog& log() { return log_; }
    const HandLog& log() const { return log_; }

    const std::string& folder() const { return folder_; }
    // The number of the newest hand in the files when the game started (below the first hand's
    // when there was none).
    int64_t newestAtStart() const { return newestAtStart_; }
    // The file the last written hand went to; empty before the first.
    const std::string& lastFile() const { return lastFile_; }
    // The message of the first refused write; empty while every write succeeded.
    const std::string& refusal() const { return refusal_; }
    // Finished hands waiting for the folder to take them.
    size_t waiting() const { return waiting_.size(); }

    // The file a hand dealt at `time` goes to.
    std::string dayFile(int64_t time) const;

private:
    struct Waiting {
        std::string file;
        std::string text;
        int64_t number;
    };

    int64_t storedNextNumber() const;
    int64_t newestNumberInFiles() const;
    void save(const HandRecord& hand);
    bool writeWaiting();
    std::string counterFile() const;

    std::string folder_;
    std::function<void(const std::string&)> refused_;
    int64_t newestAtStart_;
    HandLog log_;
    std::vector<Waiting> waiting_;
    std::string lastFile_;
    std::string refusal_;
};

}  // namespace trelvist::history
