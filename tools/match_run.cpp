#include "tools/match_run.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "history/hand_history.h"
#include "tools/match_block.h"

namespace trelvist::tools {

namespace {

constexpr int kSeatings = 8;
// The history files date the hands one second apart from 2026-01-01 12:00 UTC.
constexpr int64_t kFirstHandTime = 1767268800;

std::vector<Block> blocksOf(const MatchPlan& plan) {
    const int64_t deals = plan.duplicate ? (plan.hands + kSeatings - 1) / kSeatings : plan.hands;
    std::vector<Block> blocks;
    for (int64_t first = 0; first < deals; first += kBlockHands)
        for (int seating = 0; seating < (plan.duplicate ? kSeatings : 1); ++seating)
            blocks.push_back({first, std::min(kBlockHands, deals - first), seating});
    return blocks;
}

// Tells a recorded hand again, event by event, as the table told it.
void retell(const history::HandRecord& hand, TableObserver& observer) {
    observer.handStarted(hand.start);
    for (const history::HandEvent& event : hand.events) {
        if (const auto* post = std::get_if<history::BlindPost>(&event))
            observer.blindPosted(post->seat, post->big, post->amount, post->paid);
        else if (const auto* action = std::get_if<history::Action>(&event))
            observer.acted(action->seat, action->move, action->amount);
        else if (const auto* turned = std::get_if<history::StreetTurned>(&event))
            observer.streetTurned(turned->street, std::span<const Card>(hand.start.board)
                                                      .first(history::boardCardsOf(turned->street)));
        else if (const auto* shown = std::get_if<history::Shown>(&event))
            observer.showedDown(shown->seat, shown->cards, shown->handName);
        else if (const auto* payment = std::get_if<history::Payment>(&event))
            observer.potPaid(payment->seat, payment->amount);
    }
    observer.handEnded(hand.pot, hand.result);
}

}  // namespace

MatchTotals playMatch(const MatchPlan& plan, const std::function<void(int64_t, int64_t)>& progress) {
    const std::vector<Block> blocks = blocksOf(plan);
    int64_t total = 0;
    for (const Block& block : blocks) total += block.deals;
    std::vector<std::optional<BlockResult>> results(blocks.size());
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<size_t> next{0};
    std::exception_ptr failure;

    const auto work = [&] {
        for (size_t i; (i = next++) < blocks.size();) {
            try {
                BlockResult result = playBlock(plan, blocks[i]);
                const std::lock_guard lock(mutex);
                results[i] = std::move(result);
            } catch (...) {
                const std::lock_guard lock(mutex);
                if (!failure) failure = std::current_exception();
                next = blocks.size();
            }
            finished.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < plan.threads; ++t) threads.emplace_back(work);

    std::optional<history::HandHistory> history;
    int64_t handTime = kFirstHandTime;
    if (!plan.historyFolder.empty())
        history.emplace(plan.historyFolder, [&handTime] { return handTime++; },
                        [](const std::string& refusal) { std::cerr << "trelvist-match: " << refusal << '\n'; });

    // The blocks are taken in their order as they come in: their hands go to the history files
    // in the order of the match, and their counters are added in a fixed order.
    MatchTotals totals;
    for (size_t i = 0; i < blocks.size(); ++i) {
        BlockResult result;
        {
            std::unique_lock lock(mutex);
            while (!finished.wait_for(lock, std::chrono::milliseconds(500), [&] { return results[i] || failure; })) {
                lock.unlock();
                progress(totals.hands, total);
                lock.lock();
            }
            if (failure) break;
            result = std::move(*results[i]);
            results[i].reset();
        }
        for (int entry = 0; entry < 8; ++entry) totals.players[entry] += result.players[entry];
        totals.hands += blocks[i].deals;
        if (history)
            for (const history::HandRecord& hand : result.hands) retell(hand, history->log());
        progress(totals.hands, total);
    }
    for (std::thread& thread : threads) thread.join();
    if (failure) std::rethrow_exception(failure);
    return totals;
}

}  // namespace trelvist::tools
