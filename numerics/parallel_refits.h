// Refits of growing prefixes made side by side on the machine's cores. Each thread gets refit
// state of its own and the caller's estimation mode; a refit's results go where its k alone
// decides, so the caller reads them back in order exactly as if it had made them itself.
#pragma once

#include <functional>
#include <vector>

namespace vnk {

// The threads (the caller's among them) for this many refits: 1 while tracing is on, since a
// trace lists refits in order, and 1 where each thread would get fewer than 16 refits.
int RefitThreads(int refits);

// Refits the first k values for k = NSB..NSE on THREADS threads. Every thread calls
// makeRefitter once for a function of its own that refits k, stores what it found for k and
// says whether the refit failed. With stopAtFailure no refit is begun after a failure is known
// at a smaller k, and those after the first failed one are not to be read. Returns, for each k
// (index k - NSB), whether a root of that refit was found coarser than 1e-6 of itself, which
// the caller notes as it reads the refit back. An exception from any thread is rethrown here.
using Refitter = std::function<bool(int k)>;
std::vector<char> RunRefitsInParallel(int NSB, int NSE, int threads, bool stopAtFailure,
                                      const std::function<Refitter()>& makeRefitter);

// At most THREADS threads (1: only the caller's) for the refits made from this thread while the
// object lives; without one, a thread a core.
class ScopedRefitThreads {
  public:
    explicit ScopedRefitThreads(int threads);
    ~ScopedRefitThreads();
    ScopedRefitThreads(const ScopedRefitThreads&) = delete;
    ScopedRefitThreads& operator=(const ScopedRefitThreads&) = delete;

  private:
    int previous_;
};

}  // namespace vnk
