#include "taskrunner.h"

#include <QtCore/QSemaphore>
#include <QtCore/QThreadPool>

namespace Marrowick {
namespace Equity {

namespace {

// Not Qt's global pool: the game may keep that busy, and a run may ask for
// more threads than it has.
Q_GLOBAL_STATIC(QThreadPool, parkedThreads)

} // namespace

class HelperThreads::Helper : public QRunnable
{
public:
    Helper(const std::function<void(int)> &work, int helper, QSemaphore &finished)
        : m_work(work)
        , m_helper(helper)
        , m_finished(finished)
    {
        // The pool must not delete a helper that it hands back through tryTake().
        setAutoDelete(false);
    }

    void run() override
    {
        m_work(m_helper);
        m_finished.release();
    }

private:
    const std::function<void(int)> m_work;
    const int m_helper;
    QSemaphore &m_finished;
};

HelperThreads::HelperThreads(int helperCount, const std::function<void(int)> &work)
    : m_finished(new QSemaphore)
{
    QThreadPool *pool = parkedThreads();
    if (pool->maxThreadCount() < helperCount)
        pool->setMaxThreadCount(helperCount);
    for (int helper = 1; helper <= helperCount; ++helper) {
        m_helpers.emplace_back(new Helper(work, helper, *m_finished));
        pool->start(m_helpers.back().get());
    }
}

HelperThreads::~HelperThreads()
{
    QThreadPool *pool = parkedThreads();
    int running = 0;
    for (const std::unique_ptr<Helper> &helper : m_helpers) {
        if (!pool->tryTake(helper.get()))
            ++running;
    }
    m_finished->acquire(running);
}

} // namespace Equity
} // namespace Marrowick
