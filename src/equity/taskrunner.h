#ifndef MARROWICK_EQUITY_TASKRUNNER_H
#define MARROWICK_EQUITY_TASKRUNNER_H

#include "tally.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QSemaphore;

namespace Marrowick {
namespace Equity {

/// Boards that one thread deals with in less time than it takes to start another.
const qint64 smallRun = 50000;

/**
 * Threads parked between runs, so that a run of a millisecond does not spend
 * a good part of it starting threads. Helpers that have not begun when the
 * calling thread runs out of tasks are taken back, so a run never waits for
 * a busy pool.
 */
class HelperThreads
{
public:
    /// Starts @p work(helper) for helpers 1 to @p helperCount on parked threads.
    HelperThreads(int helperCount, const std::function<void(int)> &work);
    /// Takes back the helpers that have not begun and waits for the others.
    ~HelperThreads();

    HelperThreads(const HelperThreads &) = delete;
    HelperThreads &operator=(const HelperThreads &) = delete;

private:
    class Helper;
    std::unique_ptr<QSemaphore> m_finished;
    std::vector<std::unique_ptr<Helper>> m_helpers;
};

/**
 * Runs tasks 0 to @p taskCount - 1 on @p threads threads, the calling thread
 * one of them, each thread taking the next task when done with one, and adds
 * up their counts: each thread counts into a copy of @p empty, a Tally or
 * anything else with merge(). @p work is called as work(task, counts). Tasks
 * not yet begun are skipped once @p cancel is set.
 */
template<class Counts, class Work>
Counts runTasks(int threads, qint64 taskCount, const Counts &empty, const std::atomic<bool> &cancel, const Work &work)
{
    std::atomic<qint64> next {0};
    const int used = int(std::max<qint64>(1, std::min<qint64>(threads, taskCount)));
    std::vector<Counts> tallies(static_cast<size_t>(used), empty);
    const auto body = [&](int thread) {
        // Counts of the thread's own, on its own stack, so that threads write to no shared cache line.
        Counts own = empty;
        for (;;) {
            if (cancel.load(std::memory_order_relaxed))
                break;
            const qint64 task = next.fetch_add(1, std::memory_order_relaxed);
            if (task >= taskCount)
                break;
            work(task, own);
        }
        tallies[size_t(thread)] = own;
    };
    {
        const HelperThreads helpers(used - 1, body);
        body(0);
    }
    for (int thread = 1; thread < used; ++thread)
        tallies[0].merge(tallies[size_t(thread)]);
    return tallies[0];
}

} // namespace Equity
} // namespace Marrowick

#endif
