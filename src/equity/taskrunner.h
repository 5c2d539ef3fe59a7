#ifndef MARROWICK_EQUITY_TASKRUNNER_H
#define MARROWICK_EQUITY_TASKRUNNER_H

#include "tally.h"

#include <QtCore/QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace Marrowick {
namespace Equity {

/// Boards that one thread deals with in less time than it takes to start another.
const qint64 smallRun = 50000;

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
    std::vector<std::unique_ptr<QThread>> helpers;
    for (int thread = 1; thread < used; ++thread) {
        helpers.emplace_back(QThread::create(body, thread));
        helpers.back()->start();
    }
    body(0);
    for (const std::unique_ptr<QThread> &helper : helpers)
        helper->wait();
    for (int thread = 1; thread < used; ++thread)
        tallies[0].merge(tallies[size_t(thread)]);
    return tallies[0];
}

} // namespace Equity
} // namespace Marrowick

#endif
