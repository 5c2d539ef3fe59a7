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

/**
 * Runs tasks 0 to @p taskCount - 1 on @p threads threads, the calling thread
 * one of them, each thread taking the next task when done with one, and adds
 * up their tallies. @p work is called as work(task, tally). Tasks not yet
 * begun are skipped once @p cancel is set.
 */
template<class Work>
Tally runTasks(int threads, qint64 taskCount, int players, const std::atomic<bool> &cancel, const Work &work)
{
    std::atomic<qint64> next {0};
    const int used = int(std::max<qint64>(1, std::min<qint64>(threads, taskCount)));
    std::vector<Tally> tallies(static_cast<size_t>(used), Tally(players));
    const auto body = [&](int thread) {
        // A tally of the thread's own, on its own stack, so that threads write to no shared cache line.
        Tally own(players);
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
