#include "statsdb/statistics_store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "game/seats.h"
#include "history/hand_reader.h"
#include "settings/settings_path.h"
#include "stats/seat_counters.h"
#include "stats/seat_figures.h"

namespace trelvist::statsdb {

namespace {

// Raised whenever the tables change shape: an older database is rebuilt from the files.
constexpr int kLayout = 1;

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

// Your place at the table, counted from the blinds in the order of play.
std::string positionOf(const history::HandRecord& hand) {
    int small = 0, big = 0;
    for (const history::HandEvent& event : hand.events)
        if (const auto* post = std::get_if<history::BlindPost>(&event)) (post->big ? big : small) = post->seat;
    if (!small || !big) return "";
    if (You == small) return "Small blind";
    if (You == big) return "Big blind";
    int after = 0;
    for (int seat = seatAfter(big); seat != You; seat = seatAfter(seat)) ++after;
    if (seatAfter(You) == small) return "Button";
    return after < 2 ? "Early" : after < 4 ? "Middle" : "Late";
}

// The starting hand's cell on the grid: rank 0 is the ace; suited above the diagonal.
std::pair<int, int> startingCell(const std::array<Card, 2>& cards) {
    const int high = 12 - std::max(cards[0].rank, cards[1].rank), low = 12 - std::min(cards[0].rank, cards[1].rank);
    return cards[0].suit == cards[1].suit ? std::pair{high, low} : std::pair{low, high};
}

std::atomic<int> connectionCount{0};

}  // namespace

struct StatisticsStore::Impl {
    QString connection;
    QSqlDatabase db;
    bool available = false;
    bool needsRebuild = false;
    std::string problem;

    bool exec(const QString& sql) {
        QSqlQuery query(db);
        if (query.exec(sql)) return true;
        problem = query.lastError().text().toStdString();
        return false;
    }

    bool createTables() {
        QString seatColumns;
        for (int i = 0; i < kCounters; ++i) seatColumns += QString(", ") + kCounterColumns[i] + " INTEGER NOT NULL";
        return exec("CREATE TABLE IF NOT EXISTS hands (number INTEGER PRIMARY KEY, game INTEGER NOT NULL, "
                    "time INTEGER NOT NULL, your_chips INTEGER NOT NULL, position TEXT NOT NULL, "
                    "grid_row INTEGER NOT NULL, grid_column INTEGER NOT NULL, your_net INTEGER NOT NULL)") &&
               exec("CREATE TABLE IF NOT EXISTS seats (hand INTEGER NOT NULL, seat INTEGER NOT NULL, "
                    "style TEXT NOT NULL" + seatColumns + ", PRIMARY KEY (hand, seat))") &&
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
};

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
    s.available = s.exec("PRAGMA journal_mode = WAL") && s.exec("PRAGMA synchronous = NORMAL") && s.createTables();
    s.needsRebuild = s.available && (!existed || damaged);
    if (s.available) s.problem.clear();
    return std::unique_ptr<StatisticsStore>(new StatisticsStore(std::move(impl)));
}

bool StatisticsStore::available() const { return impl_->available; }
bool StatisticsStore::needsRebuild() const { return impl_->needsRebuild; }
const std::string& StatisticsStore::problem() const { return impl_->problem; }

namespace {

bool insertHand(QSqlQuery& handRow, QSqlQuery& seatRow, const history::HandRecord& hand,
                const std::array<std::string, kSeatSlots>& styles) {
    if (hand.state != history::HandState::Finished) return true;
    stats::TableCounters counters = stats::countHand(hand);
    const auto [row, column] = startingCell(hand.start.yourCards);
    handRow.bindValue(0, qint64(hand.number));
    handRow.bindValue(1, qint64(hand.game));
    handRow.bindValue(2, qint64(hand.time));
    handRow.bindValue(3, history::cashAfter(hand)[You]);
    handRow.bindValue(4, QString::fromStdString(positionOf(hand)));
    handRow.bindValue(5, row);
    handRow.bindValue(6, column);
    handRow.bindValue(7, qint64(counters[You].net));
    if (!handRow.exec()) return false;
    for (int seat : kSeatOrder) {
        if (counters[seat].hands == 0) continue;
        seatRow.bindValue(0, qint64(hand.number));
        seatRow.bindValue(1, seat);
        seatRow.bindValue(2, QString::fromStdString(styles[seat]));
        const auto fields = fieldsOf(counters[seat]);
        for (int i = 0; i < kCounters; ++i) seatRow.bindValue(3 + i, qint64(*fields[i]));
        if (!seatRow.exec()) return false;
    }
    return true;
}

QString placeholders(int count) {
    QString text;
    for (int i = 0; i < count; ++i) text += i ? ",?" : "?";
    return text;
}

struct Inserter {
    QSqlQuery handRow, seatRow;
    explicit Inserter(QSqlDatabase& db) : handRow(db), seatRow(db) {
        handRow.prepare("INSERT OR REPLACE INTO hands VALUES (" + placeholders(8) + ")");
        QString columns;
        for (int i = 0; i < kCounters; ++i) columns += QString(", ") + kCounterColumns[i];
        seatRow.prepare("INSERT OR REPLACE INTO seats (hand, seat, style" + columns + ") VALUES (" +
                        placeholders(3 + kCounters) + ")");
    }
};

}  // namespace

bool StatisticsStore::record(const history::HandRecord& hand, const std::array<std::string, kSeatSlots>& styles) {
    Impl& s = *impl_;
    if (!s.available) return false;
    if (!s.db.transaction()) {
        s.problem = s.db.lastError().text().toStdString();
        return false;
    }
    Inserter inserter(s.db);
    if (!insertHand(inserter.handRow, inserter.seatRow, hand, styles) || !s.db.commit()) {
        s.problem = inserter.seatRow.lastError().text().toStdString();
        s.db.rollback();
        return false;
    }
    return true;
}

int64_t StatisticsStore::rebuild(const std::string& folder, const Progress& progress) {
    Impl& s = *impl_;
    if (!s.available) return 0;
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    if (!s.db.transaction()) return 0;
    s.exec("DELETE FROM seats");
    s.exec("DELETE FROM hands");
    Inserter inserter(s.db);
    int64_t hands = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        std::ifstream in(files[i], std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        for (const history::HandRecord& hand : history::readHands(text.str())) {
            if (!insertHand(inserter.handRow, inserter.seatRow, hand, {})) {
                s.problem = inserter.seatRow.lastError().text().toStdString();
                s.db.rollback();
                return 0;
            }
            hands += hand.state == history::HandState::Finished;
        }
        if (progress && !progress(int(i + 1), int(files.size()))) {
            s.db.rollback();
            return 0;
        }
    }
    if (!s.db.commit()) return 0;
    s.needsRebuild = false;
    return hands;
}

stats::StatisticsReport StatisticsStore::report(int64_t sessionFirstHand) const {
    Impl& s = *impl_;
    stats::StatisticsReport report;
    if (!s.available) return report;
    QSqlQuery query(s.db);
    const auto sums = [&](const QString& where, const QString& group, auto&& take) {
        QString columns;
        for (int i = 0; i < kCounters; ++i) columns += QString(", SUM(") + kCounterColumns[i] + ")";
        query.prepare("SELECT " + group + columns + " FROM seats " + where + " GROUP BY " + group);
        if (where.contains('?')) query.bindValue(0, qint64(sessionFirstHand));
        query.exec();
        while (query.next()) {
            stats::SeatCounters counters;
            const auto fields = fieldsOf(counters);
            for (int i = 0; i < kCounters; ++i) *fields[i] = query.value(1 + i).toLongLong();
            take(query.value(0), counters);
        }
    };
    for (int seat : kSeatOrder) {
        report.lifetime[seat] = stats::figuresOf({}, kSeatName[seat], "");
        report.session[seat] = report.lifetime[seat];
    }
    sums("", "seat", [&](const QVariant& seat, const stats::SeatCounters& c) {
        report.lifetime[seat.toInt()] = stats::figuresOf(c, kSeatName[seat.toInt()], "");
    });
    sums("WHERE hand >= ?", "seat", [&](const QVariant& seat, const stats::SeatCounters& c) {
        report.session[seat.toInt()] = stats::figuresOf(c, kSeatName[seat.toInt()], "");
    });
    sums("WHERE style <> ''", "style", [&](const QVariant& style, const stats::SeatCounters& c) {
        report.lifetimeByStyle.push_back(stats::figuresOf(c, "", style.toString().toStdString()));
    });
    query.exec("SELECT COUNT(*) FROM hands");
    if (query.next()) report.hands = query.value(0).toLongLong();
    query.exec("SELECT number, your_chips, game, position, grid_row, grid_column, your_net FROM hands ORDER BY number");
    std::map<std::string, stats::PositionResult> positions;
    int64_t lastGame = -1;
    while (query.next()) {
        const int64_t number = query.value(0).toLongLong(), game = query.value(2).toLongLong();
        const int64_t net = query.value(6).toLongLong();
        const stats::ChipPoint point{number, query.value(1).toLongLong(), game != lastGame};
        lastGame = game;
        report.lifetimeChips.push_back(point);
        if (number >= sessionFirstHand) report.sessionChips.push_back(point);
        const std::string position = query.value(3).toString().toStdString();
        if (!position.empty()) {
            auto& result = positions[position];
            result.position = position;
            ++result.hands;
            result.net += net;
        }
        auto& cell = report.startingHands[query.value(4).toInt()][query.value(5).toInt()];
        ++cell.hands;
        cell.net += net;
    }
    for (const char* name : {"Small blind", "Big blind", "Early", "Middle", "Late", "Button"})
        if (positions.count(name)) report.byPosition.push_back(positions[name]);
    if (!report.sessionChips.empty()) report.sessionChips.front().newGame = true;
    return report;
}

}  // namespace trelvist::statsdb
