// marrowick-equity: each player's odds in a poker hand whose board is still
// to come, worked out by the library's equity calculator in the background
// while a progress line runs. Run with -h for the options.

#include "equitysetup.h"
#include "oddsreport.h"
#include "programexit.h"
#include "progressline.h"

#include <marrowick/equitycalculator.h>

#include <QtCore/QCoreApplication>

#include <cstdio>

using Marrowick::EquityCalculator;
using Marrowick::EquityResult;

namespace {

void setUp(EquityCalculator &calculator, const EquitySetup &setup)
{
    calculator.setGame(setup.game == Game::Omaha ? EquityCalculator::Omaha : EquityCalculator::TexasHoldem);
    calculator.setPlayers(setup.hands);
    calculator.setBoard(setup.board);
    calculator.setDeadCards(setup.dead);
    calculator.setTrials(setup.trials);
    calculator.setThreadCount(setup.threads);
    calculator.setSeed(setup.seed);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Names of the settings store that option values fall back to.
    QCoreApplication::setOrganizationName(QStringLiteral("Marrowick"));
    QCoreApplication::setApplicationName(QStringLiteral("marrowick-equity"));

    EquitySetup setup;
    QString error;
    int exitCode = ExitSuccess;
    if (setupEndsProgram(readEquitySetup(argc, argv, &setup, &error), error, &exitCode))
        return exitCode;

    EquityCalculator calculator;
    setUp(calculator, setup);
    error = calculator.validate();
    if (!error.isEmpty())
        return reportProblem(error, ExitBadInput);

    ProgressLine progressLine(QStringLiteral("Boards"));
    if (!setup.tsv)
        QObject::connect(&calculator, &EquityCalculator::progress, [&](qint64 done, qint64 total) {
            progressLine.update(done, total);
        });
    QObject::connect(&calculator, &EquityCalculator::finished, [&](const EquityResult &result) {
        progressLine.clear();
        const QString text = setup.tsv ? oddsTsv(setup, result) : oddsTable(setup, result);
        std::fputs(text.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        app.quit();
    });
    calculator.start();
    return app.exec();
}
