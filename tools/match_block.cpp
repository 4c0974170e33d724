#include "tools/match_block.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "game/host.h"
#include "game/table.h"
#include "history/hand_log.h"
#include "settings/game_keys.h"

namespace trelvist::tools {

namespace {

// Nobody watches: no sounds, every box answered at once and every question with yes. An error
// that would end a handler ends the match instead.
class SilentHost : public Host {
public:
    void playSound(const std::string&) override {}
    void showMessage(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    void reportError(const std::string& text) override { throw std::runtime_error(text); }
    uint32_t clock() override { return now; }
    uint32_t now = 0;
};

// The settings of a game of the match, kept in memory.
class MatchSettings : public SettingsStore {
public:
    explicit MatchSettings(int level) {
        values_[{kSettingsSection, kSoundKey}] = 0;
        values_[{kCashSection, kInitialKey}] = kMatchCash;
        values_[{kCashSection, kUntilKey}] = 999999;  // the largest target the panel takes
        for (int seat : kSeatOrder) values_[{kCashSection, cashKey(seat)}] = kMatchCash;
        values_[{kLevelsSection, kCompKey}] = kLevelValues[level];
    }
    int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) override {
        const auto it = values_.find({section, key});
        return it == values_.end() ? fallback : it->second;
    }
    bool readBool(const std::string& section, const std::string& key, bool fallback) override {
        return readInt(section, key, fallback) != 0;
    }
    void writeInt(const std::string& section, const std::string& key, int32_t value) override {
        values_[{section, key}] = value;
    }
    void writeBool(const std::string& section, const std::string& key, bool value) override {
        writeInt(section, key, value);
    }

private:
    std::map<std::pair<std::string, std::string>, int32_t> values_;
};

// A seat's answers come from the strategy its style entry keeps for the whole block, so that
// what a strategy learns of the table stays with it as the seats rotate.
class SeatedStrategy : public SeatStrategy {
public:
    explicit SeatedStrategy(SeatStrategy& entry) : entry_(entry) {}
    bool staysIn(const SeatContext& context) override { return entry_.staysIn(context); }
    bool raises(const SeatContext& context) override { return entry_.raises(context); }

private:
    SeatStrategy& entry_;
};

class BlockPlayer {
public:
    BlockPlayer(const MatchPlan& plan, const Block& block)
        : plan_(plan), block_(block), settings_(plan.level), table_(host_, settings_), log_([] { return 0; }, 1) {
        for (size_t entry = 0; entry < entries_.size(); ++entry)
            entries_[entry] = makeStrategy(plan_.styles[entry], table_.strategyTools());
        table_.addObserver(log_);
        log_.onFinished([this](const history::HandRecord& hand) { count(hand); });
    }

    BlockResult play() {
        for (int64_t i = 0; i < block_.deals; ++i) {
            const int64_t deal = block_.firstDeal + i;
            seat(deal);
            if (i == 0) {
                host_.now = dealSeed(plan_.seed, deal);
                table_.startUp();
            } else {
                dealNext(deal);
            }
            playYou();
        }
        return std::move(result_);
    }

private:
    // Each entry of the plan's styles takes its seat, moved on by seatingShift.
    void seat(int64_t deal) {
        const int shift = seatingShift(plan_, block_, deal);
        for (int i = 0; i < 8; ++i) {
            const int seat = kSeatOrder[i];
            const int entry = (i + shift) % 8;
            entryAt_[seat] = entry;
            if (seat == You)
                you_ = entries_[entry].get();
            else
                table_.setStrategy(seat, std::make_unique<SeatedStrategy>(*entries_[entry]));
        }
    }

    // The next hand comes from its own seed; a seat without chips starts a new game first.
    void dealNext(int64_t deal) {
        const uint32_t seed = dealSeed(plan_.seed, deal);
        const size_t dealt = log_.hands().size();
        bool broke = false;
        for (int s : kSeatOrder) broke = broke || table_.state().cash[s] <= 0;
        table_.reseed(seed);
        if (!broke) table_.press({Control::Deal});
        if (log_.hands().size() == dealt) {
            host_.now = seed;
            table_.press({Control::NewGame});
        }
        if (log_.hands().size() == dealt) throw std::runtime_error("the table dealt no hand");
    }

    // You decide as the opponents do: against an unanswered raise, stay in or fold; then raise
    // when the style says so and the table lets you, or check or call.
    void playYou() {
        while (table_.state().canAct) {
            const TableState& s = table_.state();
            const SeatContext context = table_.contextFor(You);
            bool facing = false;
            for (int seat : kOpponents) facing = facing || s.raised[seat];
            Control press = Control::CheckOrCall;
            if (facing && !you_->staysIn(context))
                press = Control::Fold;
            else if (s.canRaise && you_->raises(context))
                press = Control::Raise;
            if (!table_.press({press})) throw std::runtime_error("the table refused a press");
        }
    }

    void count(const history::HandRecord& hand) {
        const stats::TableCounters counters = stats::countHand(hand);
        for (int seat : kSeatOrder) result_.players[entryAt_[seat]] += counters[seat];
        if (!plan_.historyFolder.empty()) result_.hands.push_back(hand);
    }

    const MatchPlan& plan_;
    const Block& block_;
    SilentHost host_;
    MatchSettings settings_;
    Table table_;
    history::HandLog log_;
    std::array<std::unique_ptr<SeatStrategy>, 8> entries_;
    SeatStrategy* you_ = nullptr;
    std::array<int, kSeatSlots> entryAt_{};
    BlockResult result_;
};

}  // namespace

uint32_t dealSeed(uint32_t matchSeed, int64_t deal) {
    // SplitMix64: neighbouring deals and seeds get unrelated seeds.
    uint64_t z = (uint64_t{matchSeed} << 40) + static_cast<uint64_t>(deal) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(z ^ (z >> 31));
}

int seatingShift(const MatchPlan& plan, const Block& block, int64_t deal) {
    // The blinds move one seat each hand the other way round, so one seat a hand alone would
    // only ever put a style every other place from the blinds. With one seat more every eight
    // hands, each style sits in every seat at every place from the blinds once in 64 hands.
    const int64_t moved = plan.rotate ? deal + deal / 8 : 0;
    return static_cast<int>((block.seating + moved) % 8);
}

BlockResult playBlock(const MatchPlan& plan, const Block& block) { return BlockPlayer(plan, block).play(); }

}  // namespace trelvist::tools
