#include "cli/OrderedWork.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace spanwise {
namespace {

using namespace std::chrono_literals;

// The first item takes longest, so with several workers the later ones finish first.
TEST(OrderedWork, DeliversInItemOrderWhateverOrderTheWorkFinishes) {
    for (int workers : {1, 2, 4, 16}) {
        constexpr std::size_t kItems = 12;
        std::vector<std::atomic<int>> results(kItems);
        for (auto& r : results) {
            r = -1;
        }
        std::vector<std::size_t> delivered;
        std::atomic<int> finishedBeforeItsTurn{0};
        runInOrder(
            kItems, workers,
            [&](std::size_t n) {
                std::this_thread::sleep_for(n == 0 ? 50ms : 1ms);
                results[n] = static_cast<int>(n * n);
            },
            [&](std::size_t n) {
                EXPECT_EQ(results[n], static_cast<int>(n * n)) << "delivered before its work";
                for (std::size_t later = n + 1; later < kItems; ++later) {
                    finishedBeforeItsTurn += results[later] >= 0 ? 1 : 0;
                }
                delivered.push_back(n);
            });
        std::vector<std::size_t> inOrder(kItems);
        for (std::size_t n = 0; n < kItems; ++n) {
            inOrder[n] = n;
        }
        EXPECT_EQ(delivered, inOrder) << workers << " workers";
        if (workers == 1) {
            EXPECT_EQ(finishedBeforeItsTurn, 0) << "one worker works ahead";
        } else {
            EXPECT_GT(finishedBeforeItsTurn, 0) << workers << " workers did not work in parallel";
        }
    }
}

TEST(OrderedWork, OneWorkerOrOneItemStaysOnTheCallingThread) {
    const auto caller = std::this_thread::get_id();
    for (auto [count, workers] : {std::pair<std::size_t, int>{3, 1}, {1, 8}}) {
        runInOrder(
            count, workers, [&](std::size_t) { EXPECT_EQ(std::this_thread::get_id(), caller); },
            [](std::size_t) {});
    }
    bool called = false;
    runInOrder(
        0, 4, [&](std::size_t) { called = true; }, [&](std::size_t) { called = true; });
    EXPECT_FALSE(called);
}

TEST(OrderedWork, TellsTheWaiterHowManyAreDone) {
    std::vector<std::size_t> reported;
    runInOrder(
        4, 2, [](std::size_t n) { std::this_thread::sleep_for(n == 0 ? 60ms : 1ms); },
        [](std::size_t) {}, [&](std::size_t done) { reported.push_back(done); }, 5ms);
    ASSERT_FALSE(reported.empty()) << "the waiter was never called while item 0 ran";
    for (std::size_t done : reported) {
        EXPECT_LE(done, 4u);
    }
}

} // namespace
} // namespace spanwise
