#include "statsdb/statistics_store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/seats.h"
#include "history/hand_history.h"
#include "history/hand_reader.h"
#include "settings/settings_path.h"

namespace trelvist::statsdb {

namespace {

// Raised whenever the tables change shape: an older database is rebuilt from the files.
constexpr int kLayout = 2;

// The counters' columns, in the order of SeatCounters.
constexpr int kCounters = 18;
constexpr std::array<const char*, kCounters> kCounterColumns{
    "hands", "vpip_chances", "vpip", "pfr_chances", "pfr", "three_bet_chances", "three_bets",
    "aggressive_streets", "postflop_calls", "saw_flop", "won_when_saw_flop", "saw_showdown",
    "won_at_showdown", "cbet_chances", "cbets", "net", "net_squares", "big_bets"};

std::array<int64_t*, kCounters> fieldsOf(stats::SeatCounters& c) {
    return {&c.hands, &c.vpipChances, &c.vpip, &c.pfrChances, &c.pfr, &c.threeBetChances, &c.threeBets,
            &c.aggressiveStreets, &c.postflopCalls, &c.sawFlop, &c.wonWhenSawFlop, &c.sawShowdown,
            &c.wonAtShowdown, &c.cbetChances, &c.cbets, &c.net, &c.netSquares, &c.bigBets};
}

// The rows of the totals table: what each sum is of, and its key.
enum class Kind { Seat = 0, Style = 1, Position = 2, StartingHand = 3 };

QString cellKey(int row, int column) { return QString("%1,%2").arg(row).arg(column); }

// Calls `take(kind, key, counters)` for every sum of `totals` that holds a hand.
template <typename Take>
void eachSum(const stats::StatisticsTotals& totals, Take&& take) {
    for (int seat : kSeatOrder)
        if (totals.seats[seat].hands) take(Kind::Seat, QString::number(seat), totals.seats[seat]);
    for (const auto& [style, counters] : totals.styles) take(Kind::Style, QString::fromStdString(style), counters);
    for (const auto& [position, counters] : totals.positions)
        take(Kind::Position, QString::fromStdString(position), counters);
    for (int row = 0; row < 13; ++row)
        for (int column = 0; column < 13; ++column)
            if (totals.startingHands[row][column].hands)
                take(Kind::StartingHand, cellKey(row, column), totals.startingHands[row][column]);
}

// The counters' columns after the first ("hands"), as ", vpip_chances, ..."; or all of them as
// sums added to the stored ones, for an upsert.
QString counterColumns(bool asSums) {
    QString text;
    for (int i = asSums ? 0 : 1; i < kCounters; ++i)
        text += asSums ? QString("%1%2 = %2 + excluded.%2").arg(i ? ", " : "").arg(kCounterColumns[i])
                       : QString(", ") + kCounterColumns[i];
    return text;
}

std::atomic<int> connectionCount{0};

}  // namespace

struct StatisticsStore::Impl {
    QString connection;
    QSqlDatabase db;
    bool available = false;
    bool needsRebuild = false;
    int64_t newestHand = 0;
    std::string problem;
    stats::StatisticsTotals lifetime, session;

    bool exec(const QString& sql) {
        QSqlQuery query(db);
        if (query.exec(sql)) return true;
        problem = query.lastError().text().toStdString();
        return false;
    }

    bool createTables() {
        QString columns;
        for (const char* column : kCounterColumns) columns += QString(", ") + column + " INTEGER NOT NULL";
        return exec("CREATE TABLE IF NOT EXISTS hands (number INTEGER PRIMARY KEY, game INTEGER NOT NULL, "
                    "your_chips INTEGER NOT NULL)") &&
               exec("CREATE TABLE IF NOT EXISTS totals (kind INTEGER NOT NULL, key TEXT NOT NULL" + columns +
                    ", PRIMARY KEY (kind, key))") &&
               exec(QString("PRAGMA user_version = %1").arg(kLayout));
    }

    int layout() {
        QSqlQuery query(db);
        return query.exec("PRAGMA user_version") && query.next() ? query.value(0).toInt() : -1;
    }

    bool healthy() {
        QSqlQuery query(db);
        return query.exec("PRAGMA quick_check") && query.next() && query.value(0).toString() == "ok";
    }

    // Reads the sums and your chips into memory, so that the figures are ready at once.
    bool load() {
        lifetime = {};
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec("SELECT kind, key, " + QString(kCounterColumns[0]) + counterColumns(false) + " FROM totals"))
            return fail(query);
        while (query.next()) {
            stats::SeatCounters counters;
            const auto fields = fieldsOf(counters);
            for (int i = 0; i < kCounters; ++i) *fields[i] = query.value(2 + i).toLongLong();
            const QString key = query.value(1).toString();
            switch (static_cast<Kind>(query.value(0).toInt())) {
            case Kind::Seat:
                if (const int seat = key.toInt(); seat >= 0 && seat < kSeatSlots) lifetime.seats[seat] = counters;
                break;
            case Kind::Style: lifetime.styles[key.toStdString()] = counters; break;
            case Kind::Position: lifetime.positions[key.toStdString()] = counters; break;
            case Kind::StartingHand: {
                const int row = key.section(',', 0, 0).toInt(), column = key.section(',', 1, 1).toInt();
                if (row >= 0 && row < 13 && column >= 0 && column < 13) lifetime.startingHands[row][column] = counters;
                break;
            }
            }
        }
        if (!query.exec("SELECT number, game, your_chips FROM hands ORDER BY number")) return fail(query);
        while (query.next()) {
            lifetime.addChips(query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toLongLong());
            ++lifetime.hands;
        }
        newestHand = lifetime.chips.empty() ? 0 : lifetime.chips.back().hand;
        return true;
    }

    bool fail(const QSqlQuery& query) {
        problem = query.lastError().text().toStdString();
        return false;
    }

};

namespace {

QString placeholders(int count) {
    QString text;
    for (int i = 0; i < count; ++i) text += i ? ",?" : "?";
    return text;
}

// The prepared statements that write a hand and its sums.
struct Writer {
    QSqlQuery handRow, sumRow;
    explicit Writer(QSqlDatabase& db) : handRow(db), sumRow(db) {
        handRow.prepare("INSERT OR IGNORE INTO hands VALUES (?, ?, ?)");
        QString columns;
        for (const char* column : kCounterColumns) columns += QString(", ") + column;
        sumRow.prepare("INSERT INTO totals (kind, key" + columns + ") VALUES (" + placeholders(2 + kCounters) +
                       ") ON CONFLICT (kind, key) DO UPDATE SET " + counterColumns(true));
    }

    // Writes the hand's row; false when it is in the database already (or the write failed).
    bool addHand(const history::HandRecord& hand) {
        handRow.bindValue(0, qint64(hand.number));
        handRow.bindValue(1, qint64(hand.game));
        handRow.bindValue(2, history::cashAfter(hand)[You]);
        return handRow.exec() && handRow.numRowsAffected() == 1;
    }

    bool addSums(const stats::StatisticsTotals& totals) {
        bool written = true;
        eachSum(totals, [&](Kind kind, const QString& key, stats::SeatCounters counters) {
            if (!written) return;
            sumRow.bindValue(0, static_cast<int>(kind));
            sumRow.bindValue(1, key);
            const auto fields = fieldsOf(counters);
            for (int i = 0; i < kCounters; ++i) sumRow.bindValue(2 + i, qint64(*fields[i]));
            written = sumRow.exec();
        });
        return written;
    }

    std::string error() const {
        const QSqlError& error = sumRow.lastError().isValid() ? sumRow.lastError() : handRow.lastError();
        return error.text().toStdString();
    }
};

bool countable(const history::HandRecord& hand) {
    return hand.state == history::HandState::Finished && history::keptInFiles(hand);
}

}  // namespace

StatisticsStore::StatisticsStore(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

StatisticsStore::~StatisticsStore() {
    const QString connection = impl_->connection;
    impl_->db.close();
    impl_->db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
}

std::string StatisticsStore::defaultPath() {
    return (std::filesystem::path(defaultHistoryFolder()).parent_path() / "statistics.sqlite").string();
}

std::unique_ptr<StatisticsStore> StatisticsStore::open(const std::string& path) {
    auto impl = std::make_unique<Impl>();
    impl->connection = QString("trelvist-statistics-%1").arg(connectionCount++);
    impl->db = QSqlDatabase::addDatabase("QSQLITE", impl->connection);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const bool existed = std::filesystem::exists(path);
    impl->db.setDatabaseName(QString::fromStdString(path));
    impl->db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=200");
    if (!impl->db.open()) {
        impl->problem = impl->db.lastError().text().toStdString();
        return std::unique_ptr<StatisticsStore>(new StatisticsStore(std::move(impl)));
    }
    Impl& s = *impl;
    const bool damaged = existed && (!s.healthy() || s.layout() != kLayout);
    if (damaged) {
        // The files remain the record: a damaged or older index is thrown away and rebuilt.
        s.db.close();
        std::filesystem::remove(path, ignored);
        std::filesystem::remove(path + "-wal", ignored);
        std::filesystem::remove(path + "-shm", ignored);
        s.db.open();
    }
    s.available = s.exec("PRAGMA journal_mode = WAL") && s.exec("PRAGMA synchronous = NORMAL") && s.createTables() &&
                  s.load();
    s.needsRebuild = s.available && (!existed || damaged);
    if (s.available) s.problem.clear();
    return std::unique_ptr<StatisticsStore>(new StatisticsStore(std::move(impl)));
}

bool StatisticsStore::available() const { return impl_->available; }
bool StatisticsStore::needsRebuild() const { return impl_->needsRebuild; }
const std::string& StatisticsStore::problem() const { return impl_->problem; }

bool StatisticsStore::missesHandsUpTo(int64_t newestWritten) const {
    return impl_->needsRebuild || impl_->newestHand < newestWritten;
}

bool StatisticsStore::record(const history::HandRecord& hand, const stats::SeatStyles& styles) {
    Impl& s = *impl_;
    if (!s.available || s.needsRebuild) return false;
    if (!countable(hand)) return true;
    const stats::TableCounters counted = stats::countHand(hand);
    stats::StatisticsTotals added;
    added.add(hand, counted, styles);
    bool fresh = false;
    if (s.db.transaction()) {
        Writer writer(s.db);
        fresh = writer.addHand(hand);
        const bool written = writer.handRow.lastError().type() == QSqlError::NoError &&
                             (!fresh || writer.addSums(added)) && s.db.commit();
        if (!written) {
            s.problem = writer.error().empty() ? s.db.lastError().text().toStdString() : writer.error();
            s.db.rollback();
        }
        if (written && fresh) {
            s.lifetime.add(hand, counted, styles);
            s.session.add(hand, counted, styles);
            s.newestHand = std::max(s.newestHand, hand.number);
        }
        if (written) return true;
    } else {
        s.problem = s.db.lastError().text().toStdString();
    }
    s.needsRebuild = true;
    return false;
}

int64_t StatisticsStore::rebuild(const std::string& folder, const Progress& progress) {
    Impl& s = *impl_;
    if (!s.available) return 0;
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    if (!s.db.transaction()) {
        s.problem = s.db.lastError().text().toStdString();
        return 0;
    }
    const auto refuse = [&](const std::string& why) {
        s.problem = why;
        s.db.rollback();
        return int64_t{0};
    };
    // The files do not name styles, so the sums by style that live play recorded are kept.
    if (!s.exec(QString("DELETE FROM totals WHERE kind <> %1").arg(static_cast<int>(Kind::Style))) ||
        !s.exec("DELETE FROM hands"))
        return refuse(s.problem);
    Writer writer(s.db);
    stats::StatisticsTotals totals;
    for (size_t i = 0; i < files.size(); ++i) {
        std::ifstream in(files[i], std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        for (const history::HandRecord& hand : history::readHands(text.str())) {
            if (!countable(hand)) continue;
            if (writer.addHand(hand)) totals.add(hand, stats::countHand(hand), {});
            else if (writer.handRow.lastError().type() != QSqlError::NoError) return refuse(writer.error());
        }
        if (progress && !progress(int(i + 1), int(files.size()))) return refuse(s.problem);
    }
    if (!writer.addSums(totals)) return refuse(writer.error());
    if (!s.db.commit()) return refuse(s.db.lastError().text().toStdString());
    s.needsRebuild = false;
    s.problem.clear();
    if (!s.load()) {
        s.needsRebuild = true;
        return 0;
    }
    return totals.hands;
}

stats::StatisticsReport StatisticsStore::report() const { return stats::reportOf(impl_->lifetime, impl_->session); }

}  // namespace trelvist::statsdb
