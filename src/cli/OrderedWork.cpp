#include "cli/OrderedWork.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace spanwise {

void runInOrder(std::size_t count, int workers, const std::function<void(std::size_t)>& work,
                const std::function<void(std::size_t)>& deliver,
                const std::function<void(std::size_t)>& waiting, std::chrono::milliseconds tick) {
    const std::size_t threads =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(workers, 1)), count);
    if (threads <= 1) {
        for (std::size_t n = 0; n < count; ++n) {
            work(n);
            deliver(n);
        }
        return;
    }
    std::mutex mutex;
    std::condition_variable finished;
    std::vector<char> done(count, 0);
    std::size_t doneCount = 0;
    std::atomic<std::size_t> next{0};
    {
        std::vector<std::jthread> pool;
        pool.reserve(threads);
        for (std::size_t t = 0; t < threads; ++t) {
            pool.emplace_back([&] {
                for (std::size_t n = next++; n < count; n = next++) {
                    work(n);
                    {
                        const std::lock_guard lock(mutex);
                        done[n] = 1;
                        ++doneCount;
                    }
                    finished.notify_one();
                }
            });
        }
        for (std::size_t n = 0; n < count; ++n) {
            std::unique_lock lock(mutex);
            while (!done[n]) {
                if (waiting) {
                    if (!finished.wait_for(lock, tick, [&] { return done[n] != 0; })) {
                        const std::size_t soFar = doneCount;
                        lock.unlock();
                        waiting(soFar);
                        lock.lock();
                    }
                } else {
                    finished.wait(lock);
                }
            }
            lock.unlock();
            deliver(n);
        }
    } // the workers have nothing left and end here
}

} // namespace spanwise
