#pragma once
// A load that a benchmark starts and stops itself: threads that keep cores busy with arithmetic
// while the object lives, as other programs do on a shared machine.

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace luvo::bench {

class BackgroundLoad {
  public:
    explicit BackgroundLoad(int threads) {
        for (int t = 0; t < threads; ++t) {
            threads_.emplace_back([this] {
                volatile double x = 1.0;
                while (!stop_.load(std::memory_order_relaxed)) {
                    for (int k = 0; k < 1000; ++k) x = x * 1.0000001 + 1e-9;
                }
            });
        }
    }
    ~BackgroundLoad() {
        stop_ = true;
        for (std::thread& t : threads_) t.join();
    }
    BackgroundLoad(const BackgroundLoad&) = delete;
    BackgroundLoad& operator=(const BackgroundLoad&) = delete;

  private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

inline int HalfTheCores() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()) / 2);
}

}  // namespace luvo::bench
