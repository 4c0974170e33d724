#pragma once
// The statistics store: an index in SQLite of every settled hand, one row per hand and one per
// seat in it with that seat's counters, from which the figures of the session and of the whole
// history are worked out. The history files remain the record: the database can be deleted and
// is rebuilt from them.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "history/hand_record.h"
#include "stats/statistics_report.h"

namespace trelvist::statsdb {

class StatisticsStore {
public:
    // Opens (or creates) the database at `path`. When it is missing, damaged or of an older
    // layout, `needsRebuild()` says so; a database that cannot be opened at all leaves the
    // store unavailable (`problem()` says why) and every call does nothing.
    static std::unique_ptr<StatisticsStore> open(const std::string& path);
    ~StatisticsStore();

    // The default file: trelvist/statistics.sqlite under the XDG data folder.
    static std::string defaultPath();

    bool available() const;
    bool needsRebuild() const;
    // Why the database could not be used; empty while it works.
    const std::string& problem() const;

    // Adds a settled hand (in one transaction). `styles` by seat number, empty where unknown.
    // Hands that are not finished are ignored. Returns false when the database refused it.
    bool record(const history::HandRecord& hand,
                const std::array<std::string, kSeatSlots>& styles = {});

    // The figures over the whole history, and over the hands from `sessionFirstHand` on.
    stats::StatisticsReport report(int64_t sessionFirstHand = 0) const;

    // Empties the database and reads every history file of `folder` into it. `progress` is
    // told (files done, files in all) and may return false to stop. Returns the hands read.
    using Progress = std::function<bool(int done, int total)>;
    int64_t rebuild(const std::string& folder, const Progress& progress = {});

private:
    struct Impl;
    explicit StatisticsStore(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace trelvist::statsdb
