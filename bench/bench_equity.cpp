// Time of EquityCalculator on the cases a poker game asks most: exact odds
// before the flop for two, six and ten players of hold'em and two of Omaha,
// and Monte Carlo deals for six players; each on one thread and on every core.
//
// Usage: bench_equity [rounds, default 5] [case name part]
// Times are the best of the rounds: the wall time of the calculation and the
// processor time of the whole process (all threads) during it, which other
// programs on a shared machine do not inflate. Build in Release to measure.

#include <marrowick/card.h>
#include <marrowick/equitycalculator.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QStringList>
#include <QtCore/QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

using Marrowick::Card;
using Marrowick::EquityCalculator;
using Marrowick::EquityResult;

namespace {

struct Case
{
    const char *name;
    EquityCalculator::Game game;
    QStringList hands; // suit first, as Card reads them
    qint64 trials;
};

QByteArray codes(const QString &cards)
{
    QVector<Card> list;
    for (int i = 0; i + 1 < cards.size(); i += 2)
        list.append(Card(cards.mid(i, 2)));
    return Card::toByteArray(list);
}

struct Timing
{
    EquityResult result;
    double cpuSeconds = 0;
};

double processSeconds()
{
    timespec time;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
}

Timing best(const Case &c, int threads, int rounds)
{
    EquityCalculator calculator;
    calculator.setGame(c.game);
    QList<QByteArray> players;
    for (const QString &hand : c.hands)
        players.append(codes(hand));
    calculator.setPlayers(players);
    calculator.setTrials(c.trials);
    calculator.setThreadCount(threads);
    calculator.calculate(); // builds the tables
    Timing fastest;
    for (int round = 0; round < rounds; ++round) {
        const double before = processSeconds();
        const EquityResult result = calculator.calculate();
        const double cpu = processSeconds() - before;
        if (round == 0 || result.seconds < fastest.result.seconds)
            fastest.result = result;
        if (round == 0 || cpu < fastest.cpuSeconds)
            fastest.cpuSeconds = cpu;
    }
    return fastest;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const int cores = std::max(1, QThread::idealThreadCount());
    const QList<Case> cases = {
        {"hold'em 2 players exact (hA sA / dK cK)",
         EquityCalculator::TexasHoldem,
         {QStringLiteral("hAsA"), QStringLiteral("dKcK")},
         0},
        {"hold'em 6 players exact",
         EquityCalculator::TexasHoldem,
         {QStringLiteral("hAsA"), QStringLiteral("dKcK"), QStringLiteral("hQcQ"), QStringLiteral("sJdJ"),
          QStringLiteral("cTc9"), QStringLiteral("d8d7")},
         0},
        {"hold'em 6 players Monte Carlo, 10M deals",
         EquityCalculator::TexasHoldem,
         {QStringLiteral("hAsA"), QStringLiteral("dKcK"), QStringLiteral("hQcQ"), QStringLiteral("sJdJ"),
          QStringLiteral("cTc9"), QStringLiteral("d8d7")},
         10000000},
        {"hold'em 10 players exact",
         EquityCalculator::TexasHoldem,
         {QStringLiteral("hAsA"), QStringLiteral("dKcK"), QStringLiteral("hQcQ"), QStringLiteral("sJdJ"),
          QStringLiteral("cTc9"), QStringLiteral("d8d7"), QStringLiteral("s6s5"), QStringLiteral("h4d4"),
          QStringLiteral("cAd2"), QStringLiteral("hKh9")},
         0},
        {"Omaha 2 players exact", EquityCalculator::Omaha, {QStringLiteral("hAsAhKsQ"), QStringLiteral("dKcKdJcT")}, 0},
    };
    std::printf("%-44s %8s %10s %10s %10s %14s\n", "case", "threads", "boards", "seconds", "cpu s", "boards/s");
    for (const Case &c : cases) {
        if (!only.isEmpty() && !QString::fromLatin1(c.name).contains(only))
            continue;
        for (int threads : {1, cores}) {
            const Timing timing = best(c, threads, rounds);
            const EquityResult &result = timing.result;
            std::printf("%-44s %8d %10lld %10.4f %10.4f %14.0f\n", c.name, threads, result.boards, result.seconds,
                        timing.cpuSeconds, double(result.boards) / result.seconds);
            for (int p = 0; p < result.players.size() && threads == 1; ++p)
                std::printf("    player %d: win %.6f tie %.6f equity %.6f\n", p + 1, result.players[p].win,
                            result.players[p].tie, result.players[p].equity);
            if (cores == 1)
                break;
        }
    }
    return 0;
}
