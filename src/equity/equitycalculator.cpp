#include "equitycalculator.h"

#include "equityproblem.h"
#include "equityrun.h"

#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtCore/QTimer>

#include <memory>

namespace Marrowick {

struct EquityCalculator::Private
{
    Equity::EquityInput input;
    Equity::RunSettings settings;
    int threadCount = 0;

    // While start()'s calculation runs:
    std::unique_ptr<QThread> worker;
    std::shared_ptr<Equity::RunControl> control;
    QTimer progressTimer;
    bool running = false;

    Equity::RunSettings runSettings() const
    {
        Equity::RunSettings run = settings;
        run.threads = threadCount > 0 ? threadCount : std::max(1, QThread::idealThreadCount());
        return run;
    }

    // Checks the settings and makes the problem of the players' cards; an empty string when both are fine.
    QString prepare(Equity::EquityProblem *problem) const
    {
        if (settings.trials < 0)
            return QStringLiteral("a negative number of trials");
        if (!(settings.targetStandardError >= 0))
            return QStringLiteral("a target standard error below 0");
        if (threadCount < 0)
            return QStringLiteral("a negative number of threads");
        return Equity::makeProblem(input, problem);
    }

    void joinWorker()
    {
        if (worker) {
            worker->wait();
            worker.reset();
        }
    }
};

namespace {

EquityResult refused(const QString &error)
{
    EquityResult result;
    result.error = error;
    return result;
}

} // namespace

EquityCalculator::EquityCalculator(QObject *parent)
    : QObject(parent)
    , d(new Private)
{
    qRegisterMetaType<Marrowick::EquityResult>();
    d->progressTimer.setInterval(100);
    connect(&d->progressTimer, &QTimer::timeout, this, [this] {
        if (d->control)
            Q_EMIT progress(d->control->done, d->control->total);
    });
}

EquityCalculator::~EquityCalculator()
{
    cancel();
    d->joinWorker();
}

void EquityCalculator::setPlayers(const QList<QByteArray> &holeCards)
{
    d->input.holes = holeCards;
}

QList<QByteArray> EquityCalculator::players() const
{
    return d->input.holes;
}

void EquityCalculator::setBoard(const QByteArray &board)
{
    d->input.board = board;
}

QByteArray EquityCalculator::board() const
{
    return d->input.board;
}

void EquityCalculator::setDeadCards(const QByteArray &deadCards)
{
    d->input.dead = deadCards;
}

QByteArray EquityCalculator::deadCards() const
{
    return d->input.dead;
}

void EquityCalculator::setGame(Game game)
{
    if (game == Omaha)
        setWindow(4, 2, 2);
    else
        setWindow(2, 0, 2);
}

void EquityCalculator::setWindow(int holeCards, int minFromHole, int maxFromHole)
{
    d->input.holeCount = holeCards;
    d->input.minFromHole = minFromHole;
    d->input.maxFromHole = maxFromHole;
}

int EquityCalculator::holeCardCount() const
{
    return d->input.holeCount;
}

int EquityCalculator::minFromHole() const
{
    return d->input.minFromHole;
}

int EquityCalculator::maxFromHole() const
{
    return d->input.maxFromHole;
}

void EquityCalculator::setTrials(qint64 trials)
{
    d->settings.trials = trials;
}

qint64 EquityCalculator::trials() const
{
    return d->settings.trials;
}

void EquityCalculator::setTargetStandardError(double standardError)
{
    d->settings.targetStandardError = standardError;
}

double EquityCalculator::targetStandardError() const
{
    return d->settings.targetStandardError;
}

void EquityCalculator::setSeed(quint64 seed)
{
    d->settings.seed = seed;
}

quint64 EquityCalculator::seed() const
{
    return d->settings.seed;
}

void EquityCalculator::setThreadCount(int threads)
{
    d->threadCount = threads;
}

int EquityCalculator::threadCount() const
{
    return d->threadCount;
}

QString EquityCalculator::validate() const
{
    Equity::EquityProblem problem;
    return d->prepare(&problem);
}

EquityResult EquityCalculator::calculate() const
{
    Equity::EquityProblem problem;
    const QString error = d->prepare(&problem);
    if (!error.isEmpty())
        return refused(error);
    Equity::RunControl control;
    return Equity::runEquity(problem, d->runSettings(), control);
}

void EquityCalculator::start()
{
    if (d->running)
        return;
    d->running = true;
    d->control = std::make_shared<Equity::RunControl>();
    auto problem = std::make_shared<Equity::EquityProblem>();
    const QString error = d->prepare(problem.get());
    const Equity::RunSettings settings = d->runSettings();
    std::shared_ptr<Equity::RunControl> control = d->control;
    // The worker hands its result over through the event loop; the destructor
    // joins the worker first, so the object outlives every hand-over it posts.
    d->worker.reset(QThread::create([this, error, problem, settings, control] {
        const EquityResult result = error.isEmpty() ? Equity::runEquity(*problem, settings, *control) : refused(error);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                d->joinWorker();
                d->progressTimer.stop();
                d->running = false;
                if (result.error.isEmpty())
                    Q_EMIT progress(d->control->done, d->control->total);
                Q_EMIT finished(result);
            },
            Qt::QueuedConnection);
    }));
    d->worker->start();
    d->progressTimer.start();
}

void EquityCalculator::cancel()
{
    if (d->control)
        d->control->cancel = true;
}

bool EquityCalculator::isRunning() const
{
    return d->running;
}

bool EquityCalculator::waitForFinished()
{
    const bool ran = d->worker != nullptr;
    d->joinWorker();
    return ran;
}

} // namespace Marrowick
