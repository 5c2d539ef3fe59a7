#ifndef MARROWICK_COMMANDCONTRACT_H
#define MARROWICK_COMMANDCONTRACT_H

// The contract of a command, as a composite relies on it, checked for the
// ready-made commands with a real event loop. A row runs the command alone
// ("alone"), as the only child of a CompositeCommand ("sequence") or of a
// ParallelCommand ("parallel"), the composite owning it, through a script of
// steps acting on the outermost command:
//   x  exec()        f  finish()        k  delete
//   w  let the event loop run until the command's run is over, if it is
//      still alive, and then for the settle time given to check()
// and compares the log of what happened, one letter per event:
//   s, d  the command emitted start() or done()
//   S, D  the composite emitted start() or done()
//   e, f  exec() or finish() returned

#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtTest/QtTest>

#include <functional>
#include <memory>

namespace CommandContract {

inline void addColumns()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
}

// One row per setting: @p alone, @p sequence and @p parallel are the logs expected there.
inline void addRows(const char *name, const char *script, const char *alone, const char *sequence,
                    const char *parallel)
{
    const char *const settings[] = {"alone", "sequence", "parallel"};
    const char *const logs[] = {alone, sequence, parallel};
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("%s, %s", name, settings[i])
            << QString::fromLatin1(settings[i]) << QString::fromLatin1(script) << QString::fromLatin1(logs[i]);
    }
}

// The rows that every command whose done() comes later from the event loop
// passes alike: a finished composite has dropped and deleted its child, so it
// runs empty afterwards; a parallel composite counts the done() that its child
// emits inside finish(), a sequential one has disconnected the child first.
inline void addDeferredRows()
{
    addColumns();
    addRows("run", "xw", "sed", "SsedD", "SsedD");
    addRows("run twice", "xwxw", "sedsed", "SsedDSsedD", "SsedDSsedD");
    addRows("finished before the run", "fxw", "fsed", "fSDe", "fSDe");
    addRows("finished during the run", "xfw", "sedf", "Ssedf", "SsedDf");
    addRows("finished twice", "xffw", "sedff", "Ssedff", "SsedDff");
    addRows("finished after the run", "xwfw", "sedf", "SsedDf", "SsedDf");
    addRows("deleted right after finish", "xfkw", "sedf", "Ssedf", "SsedDf");
    addRows("deleted during the run", "xkw", "se", "Sse", "Sse");
}

// Runs the current row on a command made by @p make, which may write to the log too.
inline void check(const std::function<Marrowick::Command *(QString *log)> &make, int settleMilliseconds)
{
    QFETCH(QString, setting);
    QFETCH(QString, script);
    QFETCH(QString, expected);

    QString log;
    Marrowick::Command *command = make(&log);
    QObject::connect(command, &Marrowick::Command::start, [&log] { log += QLatin1Char('s'); });
    QObject::connect(command, &Marrowick::Command::done, [&log] { log += QLatin1Char('d'); });
    std::unique_ptr<Marrowick::Command> top(command);
    if (setting != QLatin1String("alone")) {
        top.release();
        if (setting == QLatin1String("sequence"))
            top.reset(new Marrowick::CompositeCommand({command}, true, nullptr));
        else
            top.reset(new Marrowick::ParallelCommand({command}, true, nullptr));
        QObject::connect(top.get(), &Marrowick::Command::start, [&log] { log += QLatin1Char('S'); });
        QObject::connect(top.get(), &Marrowick::Command::done, [&log] { log += QLatin1Char('D'); });
    }
    const QPointer<Marrowick::Command> watched(command);

    for (const QChar step : qAsConst(script)) {
        if (step == QLatin1Char('x')) {
            top->exec();
            log += QLatin1Char('e');
        } else if (step == QLatin1Char('f')) {
            top->finish();
            log += QLatin1Char('f');
        } else if (step == QLatin1Char('k')) {
            top.reset();
        } else if (step == QLatin1Char('w')) {
            QElapsedTimer clock;
            clock.start();
            while (watched && log.count(QLatin1Char('s')) != log.count(QLatin1Char('d')) && clock.elapsed() < 5000)
                QTest::qWait(1);
            QTest::qWait(settleMilliseconds);
        }
    }
    QCOMPARE(log, expected);
    // Whoever owns the command has deleted it by now, or does so here.
    top.reset();
    QVERIFY(!watched);
}

} // namespace CommandContract

#endif
