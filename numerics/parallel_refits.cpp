#include "numerics/parallel_refits.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "numerics/brent.h"
#include "numerics/robust_root.h"
#include "numerics/trace.h"

namespace vnk {
namespace {

thread_local int refitThreads = 0;  // 0: one a core

constexpr int kRefitsPerThread = 16;
constexpr int kMostRefitThreads = 8;

}  // namespace

int RefitThreads(int refits) {
    if (trace::isOn()) return 1;
    const int cores =
        refitThreads > 0 ? refitThreads : static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(std::min(cores, refits / kRefitsPerThread), 1, kMostRefitThreads);
}

std::vector<char> RunRefitsInParallel(int NSB, int NSE, int threads, bool stopAtFailure,
                                      const std::function<Refitter()>& makeRefitter) {
    std::vector<char> coarse(static_cast<std::size_t>(std::max(NSE - NSB + 1, 0)), 0);
    // Refits are handed out in order, so a thread that draws a k past a known failure is done.
    std::atomic<int> next{NSB};
    std::atomic<int> firstFailure{NSE + 1};
    const EstimationMode mode = CurrentEstimationMode();
    std::mutex errorLock;
    std::exception_ptr error;

    auto work = [&] {
        try {
            const ScopedEstimationMode sameMode(mode);
            const Refitter refit = makeRefitter();
            for (int k = next++; k <= NSE && k <= firstFailure.load(); k = next++) {
                const ScopedRootToleranceWatch watch;
                const bool failed = refit(k);
                coarse[static_cast<std::size_t>(k - NSB)] = watch.coarse() ? 1 : 0;
                if (failed && stopAtFailure) {
                    int seen = firstFailure.load();
                    while (k < seen && !firstFailure.compare_exchange_weak(seen, k)) {
                    }
                }
            }
        } catch (...) {
            const std::lock_guard<std::mutex> hold(errorLock);
            if (!error) error = std::current_exception();
            next = NSE + 1;
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        // Where the system gives no more threads, fewer make the same refits.
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break;
        }
    }
    work();
    for (std::thread& h : helpers) h.join();
    if (error) std::rethrow_exception(error);
    return coarse;
}

ScopedRefitThreads::ScopedRefitThreads(int threads) : previous_(refitThreads) {
    refitThreads = std::max(threads, 1);
}

ScopedRefitThreads::~ScopedRefitThreads() { refitThreads = previous_; }

}  // namespace vnk
