// Work items done by several threads and handed on in their own order, so that the output of a
// run is the same whatever the number of workers.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

namespace spanwise {

// Calls work(n) for n = 0..count-1 on `workers` threads (on the calling thread alone when
// workers is 1 or there is one item) and deliver(n) on the calling thread in the order 0, 1,
// 2, ..., each as soon as items 0..n are done. While it waits, waiting(done) is called on the
// calling thread about every `tick` (done: the items finished so far, in any order). work must
// not throw; work(n) happens before deliver(n).
void runInOrder(std::size_t count, int workers, const std::function<void(std::size_t)>& work,
                const std::function<void(std::size_t)>& deliver,
                const std::function<void(std::size_t)>& waiting = {},
                std::chrono::milliseconds tick = std::chrono::milliseconds(100));

} // namespace spanwise
