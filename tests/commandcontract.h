#ifndef MARROWICK_COMMANDCONTRACT_H
#define MARROWICK_COMMANDCONTRACT_H

// The contract of a command, as the composites rely on it, checked for the
// ready-made commands with a real event loop. A row runs a script of steps on
// the command:
//   x  exec()        f  finish()        k  delete
//   w  let the event loop run until the command's run is over, if it is
//      still alive, and then for the settle time given to check()
// and compares the log of what happened, one letter per event:
//   s, d  the command emitted start() or done()
//   e, f  exec() or finish() returned

#include <marrowick/command.h>

#include <QtCore/QElapsedTimer>
#include <QtTest/QtTest>

#include <functional>
#include <memory>

namespace CommandContract {

inline void addColumns()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
}

inline void addRow(const char *name, const char *script, const char *expected)
{
    QTest::newRow(name) << QString::fromLatin1(script) << QString::fromLatin1(expected);
}

// The rows that every command whose done() comes later from the event loop
// passes alike.
inline void addDeferredRows()
{
    addColumns();
    addRow("run", "xw", "sed");
    addRow("run twice", "xwxw", "sedsed");
    addRow("finished before the run", "fxw", "fsed");
    addRow("finished during the run", "xfw", "sedf");
    addRow("finished twice", "xffw", "sedff");
    addRow("finished after the run", "xwfw", "sedf");
    addRow("deleted right after finish", "xfkw", "sedf");
    addRow("deleted during the run", "xkw", "se");
}

// Runs the current row on a command made by @p make, which may write to the log too.
inline void check(const std::function<Marrowick::Command *(QString *log)> &make, int settleMilliseconds)
{
    QFETCH(QString, script);
    QFETCH(QString, expected);

    QString log;
    std::unique_ptr<Marrowick::Command> command(make(&log));
    QObject::connect(command.get(), &Marrowick::Command::start, [&log] { log += QLatin1Char('s'); });
    QObject::connect(command.get(), &Marrowick::Command::done, [&log] { log += QLatin1Char('d'); });

    for (const QChar step : qAsConst(script)) {
        if (step == QLatin1Char('x')) {
            command->exec();
            log += QLatin1Char('e');
        } else if (step == QLatin1Char('f')) {
            command->finish();
            log += QLatin1Char('f');
        } else if (step == QLatin1Char('k')) {
            command.reset();
        } else if (step == QLatin1Char('w')) {
            QElapsedTimer clock;
            clock.start();
            while (command && log.count(QLatin1Char('s')) != log.count(QLatin1Char('d')) && clock.elapsed() < 5000)
                QTest::qWait(1);
            QTest::qWait(settleMilliseconds);
        }
    }
    QCOMPARE(log, expected);
}

} // namespace CommandContract

#endif
