#include "history/hand_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>

#include "game/seats.h"
#include "game/table_state.h"
#include "history/hand_history.h"
#include "history/wall_time.h"

namespace trelvist::history {

namespace {

using std::string_view;

constexpr std::array<string_view, kLevelValues.size()> kLevelNames{"Amateur", "Expert", "Master", "Genius"};
constexpr std::array<string_view, 3> kStreetHeading{"*** FLOP *** ", "*** TURN *** ", "*** RIVER *** "};

bool startsWith(string_view text, string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The whole number at the start of `text` (after any spaces), advancing past it.
std::optional<int64_t> takeNumber(string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{}) return std::nullopt;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return value;
}

std::optional<int64_t> numberAfter(string_view text, string_view marker) {
    const size_t at = text.find(marker);
    if (at == string_view::npos) return std::nullopt;
    text.remove_prefix(at + marker.size());
    return takeNumber(text);
}

std::optional<Card> cardOf(string_view text) {
    static constexpr string_view kRanks = "23456789TJQKA", kSuits = "cdhs";
    if (text.size() != 2) return std::nullopt;
    const size_t rank = kRanks.find(text[0]), suit = kSuits.find(text[1]);
    if (rank == string_view::npos || suit == string_view::npos) return std::nullopt;
    return Card{static_cast<int32_t>(suit), static_cast<int32_t>(rank)};
}

// The cards of every "[..]" group in `text`, in order.
std::vector<Card> cardsIn(string_view text) {
    std::vector<Card> cards;
    for (size_t open = text.find('['); open != string_view::npos; open = text.find('[', open + 1)) {
        const size_t close = text.find(']', open);
        if (close == string_view::npos) break;
        string_view group = text.substr(open + 1, close - open - 1);
        while (!group.empty()) {
            const size_t space = group.find(' ');
            if (const auto card = cardOf(group.substr(0, space))) cards.push_back(*card);
            group = space == string_view::npos ? string_view{} : group.substr(space + 1);
        }
    }
    return cards;
}

int seatNamed(string_view name) {
    for (int seat : kSeatOrder)
        if (name == kSeatName[seat]) return seat;
    return 0;
}

// Seats are numbered in the order of play, from You (1) to Robot (8).
int seatOfNumber(int64_t number) { return number >= 1 && number <= 8 ? kSeatSlots - static_cast<int>(number) : 0; }

// Seconds since 1970 of a date and time read as if it were UTC.
int64_t asUtc(int64_t year, int64_t month, int64_t day, int64_t hour, int64_t minute, int64_t second) {
    // Days from the civil date, counting years from March so that the leap day comes last.
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const int64_t days = era * 146097 + dayOfEra - 719468;
    return ((days * 24 + hour) * 60 + minute) * 60 + second;
}

// "2026/12/08 14:45:01 CET [...]": the local time the header starts with, back to seconds since
// 1970 by stepping towards the moment whose local clock reads the same.
int64_t timeOf(string_view clock) {
    std::array<int64_t, 6> field{};
    for (int64_t& value : field) {
        const auto number = takeNumber(clock);
        if (!number) return 0;
        value = *number;
        if (!clock.empty() && (clock.front() == '/' || clock.front() == ':')) clock.remove_prefix(1);
    }
    const int64_t wanted = asUtc(field[0], field[1], field[2], field[3], field[4], field[5]);
    int64_t time = wanted;
    for (int step = 0; step < 3; ++step) {
        const WallTime local = wallTime(time);
        time += wanted - asUtc(local.year, local.month, local.day, local.hour, local.minute, local.second);
    }
    return time;
}

// Reads one hand line by line; the blinds nobody paid are put in once the hole cards are dealt.
class HandReader {
public:
    explicit HandReader(string_view header) {
        hand_.number = numberAfter(header, "Hand #").value_or(0);
        hand_.game = hand_.number;
        if (const auto tournament = numberAfter(header, "Tournament #")) hand_.game = *tournament;
        string_view rest = header.substr(std::min(header.find("Limit"), header.size()));
        rest.remove_prefix(std::min(rest.find('('), rest.size()));
        if (!rest.empty()) rest.remove_prefix(1);
        hand_.start.smallBet = static_cast<int32_t>(takeNumber(rest).value_or(0));
        if (!rest.empty()) rest.remove_prefix(1);
        hand_.start.bigBet = static_cast<int32_t>(takeNumber(rest).value_or(0));
        hand_.start.smallBlind = hand_.start.smallBet / 2;
        hand_.start.bigBlind = hand_.start.smallBet;
        if (const size_t dash = rest.find(" - "); dash != string_view::npos) hand_.time = timeOf(rest.substr(dash + 3));
    }

    void read(string_view line) {
        if (summary_) return summaryLine(line);
        if (startsWith(line, "Table '")) return tableLine(line);
        if (startsWith(line, "Seat ") && !holeCards_) return seatLine(line);
        if (line == "*** HOLE CARDS ***") {
            holeCards_ = true;
            return;
        }
        if (startsWith(line, "STP added:") || startsWith(line, "Dealt to You") || startsWith(line, "*** SHOW DOWN"))
            return dealtLine(line);
        if (line == "*** SUMMARY ***") {
            settleBlinds();
            summary_ = true;
            hand_.state = HandState::Finished;
            return;
        }
        for (int street = kFlop; street <= kRiver; ++street)
            if (startsWith(line, kStreetHeading[street - kFlop])) return streetLine(street, line);
        if (const size_t collected = line.find(" collected "); collected != string_view::npos) {
            if (const int seat = seatNamed(line.substr(0, collected))) {
                settleBlinds();
                const auto amount = numberAfter(line, " collected ");
                hand_.events.push_back(Payment{seat, static_cast<int32_t>(amount.value_or(0))});
            }
            return;
        }
        if (const size_t colon = line.find(": "); colon != string_view::npos)
            if (const int seat = seatNamed(line.substr(0, colon))) seatAction(seat, line.substr(colon + 2));
    }

    HandRecord finish() {
        settleBlinds();
        if (hand_.state != HandState::Finished) hand_.state = HandState::Unfinished;
        return std::move(hand_);
    }

private:
    void tableLine(string_view line) {
        const size_t close = line.find('\'', 7);
        const string_view table = line.substr(7, close == string_view::npos ? 0 : close - 7);
        if (startsWith(table, "Trelvist ")) {
            string_view rest = table.substr(9);
            for (size_t i = 0; i < kLevelNames.size(); ++i)
                if (startsWith(rest, kLevelNames[i])) {
                    hand_.start.level = kLevelValues[i];
                    rest.remove_prefix(kLevelNames[i].size());
                }
            if (startsWith(rest, "level ")) {
                rest.remove_prefix(6);
                hand_.start.level = static_cast<int32_t>(takeNumber(rest).value_or(0));
            }
            // The table carries the game's number within the run; the run is the hand's own.
            if (const auto game = takeNumber(rest)) {
                hand_.game = hand_.number - hand_.number % kFirstHandNumber + *game;
                if (hand_.game > hand_.number) hand_.game -= kFirstHandNumber;
            }
        }
        if (const auto button = numberAfter(line, "Seat #")) button_ = seatOfNumber(*button);
    }

    void seatLine(string_view line) {
        string_view rest = line.substr(5);
        const int seat = seatOfNumber(takeNumber(rest).value_or(0));
        const auto cash = numberAfter(rest, " (");
        if (seat && cash) hand_.start.cash[seat] = static_cast<int32_t>(*cash);
    }

    void dealtLine(string_view line) {
        settleBlinds();
        if (!startsWith(line, "Dealt to You")) return;
        const std::vector<Card> cards = cardsIn(line);
        std::copy_n(cards.begin(), std::min<size_t>(cards.size(), 2), hand_.start.yourCards.begin());
    }

    void streetLine(int street, string_view line) {
        settleBlinds();
        const std::vector<Card> cards = cardsIn(line);
        std::copy_n(cards.begin(), std::min<size_t>(cards.size(), boardCardsOf(street)), hand_.start.board.begin());
        hand_.events.push_back(StreetTurned{street});
        inStreet_ = {};
    }

    void seatAction(int seat, string_view what) {
        if (startsWith(what, "posts ")) return blindLine(seat, what);
        if (startsWith(what, "shows ")) {
            settleBlinds();
            const std::vector<Card> cards = cardsIn(what.substr(0, what.find(']') + 1));
            const size_t open = what.find(" (");
            Shown shown{seat, {}, std::string(open == string_view::npos ? string_view{} : what.substr(open + 2))};
            if (!shown.handName.empty() && shown.handName.back() == ')') shown.handName.pop_back();
            std::copy_n(cards.begin(), std::min<size_t>(cards.size(), 2), shown.cards.begin());
            hand_.events.push_back(std::move(shown));
            return;
        }
        std::optional<Move> move;
        int64_t amount = 0;
        if (what == "checks") move = Move::Check;
        if (what == "folds") move = Move::Fold;
        if (startsWith(what, "calls ")) {
            move = Move::Call;
            amount = numberAfter(what, "calls ").value_or(0);
        }
        if (startsWith(what, "bets ")) {
            move = Move::Raise;
            amount = numberAfter(what, "bets ").value_or(0);
        }
        // "raises 20 to 30": the seat's chips in on the street come to 30.
        if (startsWith(what, "raises ")) {
            move = Move::Raise;
            amount = numberAfter(what, " to ").value_or(0) - inStreet_[seat];
        }
        if (!move) return;
        settleBlinds();
        inStreet_[seat] += amount;
        hand_.events.push_back(Action{seat, *move, static_cast<int32_t>(amount)});
    }

    // "posts small blind 5"; the older layout gave the blind in full and marked one not paid.
    void blindLine(int seat, string_view what) {
        const bool big = startsWith(what, "posts big");
        const int32_t amount = static_cast<int32_t>(numberAfter(what, "blind ").value_or(0));
        const bool unpaid = what.find("(not paid") != string_view::npos;
        posts_[big] = BlindPost{seat, big, amount, unpaid ? 0 : amount};
    }

    // The blinds go first among the events, the small one before the big; one that no line
    // shows was owed by a seat without chips, and the pot holds it all the same.
    void settleBlinds() {
        if (blindsSettled_) return;
        blindsSettled_ = true;
        if (!posts_[false] && button_) posts_[false] = BlindPost{seatAfter(button_), false, hand_.start.smallBlind, 0};
        if (!posts_[true] && posts_[false])
            posts_[true] = BlindPost{seatAfter(posts_[false]->seat), true, hand_.start.bigBlind, 0};
        std::vector<HandEvent> blinds;
        for (const auto& post : posts_)
            if (post) {
                blinds.emplace_back(*post);
                inStreet_[post->seat] += post->amount;
            }
        hand_.events.insert(hand_.events.begin(), blinds.begin(), blinds.end());
    }

    void summaryLine(string_view line) {
        if (startsWith(line, "Total pot ")) hand_.pot = static_cast<int32_t>(numberAfter(line, "Total pot ").value_or(0));
    }

    HandRecord hand_;
    int button_ = 0;
    std::array<std::optional<BlindPost>, 2> posts_;  // small, big
    std::array<int64_t, kSeatSlots> inStreet_{};       // each seat's chips in the pot on this street
    bool holeCards_ = false, blindsSettled_ = false, summary_ = false;
};

bool isHeader(string_view line) { return startsWith(line, "PokerStars Hand #") || startsWith(line, "Trelvist Hand #"); }

}  // namespace

std::vector<HandRecord> readHands(string_view text) {
    std::vector<HandRecord> hands;
    std::optional<HandReader> reader;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        string_view line = text.substr(0, end);
        text = end == string_view::npos ? string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (isHeader(line)) {
            if (reader) hands.push_back(reader->finish());
            reader.emplace(line);
        } else if (reader) {
            reader->read(line);
        }
    }
    if (reader) hands.push_back(reader->finish());
    return hands;
}

}  // namespace trelvist::history
