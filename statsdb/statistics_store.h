#pragma once
// The statistics store: an index in SQLite of every settled hand, with the running sums of the
// counters of every seat, style, position and starting hand, from which the figures of the
// session and of the whole history are read at once. The history files remain the record: the
// database can be deleted and is rebuilt from them.
#include <functional>
#include <memory>
#include <string>

#include "history/hand_record.h"
#include "stats/statistics_report.h"
#include "stats/statistics_totals.h"

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
    // True when the database must be read again from the files: it was missing, damaged or of
    // an older layout, or a hand could not be recorded.
    bool needsRebuild() const;
    // True when the hands up to `newestWritten` (the newest hand in the history files) are not
    // all in the database, as after a kill between the file's write and the database's.
    bool missesHandsUpTo(int64_t newestWritten) const;
    // Why the database could not be used; empty while it works.
    const std::string& problem() const;

    // Adds a settled hand in one transaction, once: a hand already in the database is not
    // counted again. Hands that are not finished, or that the history files do not keep, are
    // ignored. Once a hand is refused, no later one is recorded until a rebuild, so the
    // database never holds a gap that a rebuild would not fill. Returns false when refused.
    bool record(const history::HandRecord& hand, const stats::SeatStyles& styles = {});

    // The figures over the whole history, and over the hands recorded by this store.
    stats::StatisticsReport report() const;

    // Empties the database and reads every history file of `folder` into it. The files do not
    // name styles, so the sums by style stay as live play recorded them. `progress` is
    // told (files done, files in all) and may return false to stop. Returns the hands read.
    using Progress = std::function<bool(int done, int total)>;
    int64_t rebuild(const std::string& folder, const Progress& progress = {});

private:
    struct Impl;
    explicit StatisticsStore(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace trelvist::statsdb
