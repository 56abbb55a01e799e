#include "artwork/pictures/parallelfor.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

void parallelFor(int count, const std::function<void(int)>& body) {
    const int workers =
        std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, std::max(count, 1));
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < count; i = next++) body(i);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < workers; ++t) threads.emplace_back(work);
    work();
    for (auto& thread : threads) thread.join();
}
