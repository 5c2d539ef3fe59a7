#include "commandcontract.h"

#include <marrowick/pausecommand.h>

#include <QtCore/QElapsedTimer>
#include <QtTest/QtTest>

using Marrowick::Command;
using Marrowick::PauseCommand;

class TestPauseCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contract_data() { CommandContract::addDeferredRows(); }
    void contract()
    {
        CommandContract::check([](QString *) { return new PauseCommand(10); }, 20);
    }
    void waitsTheWholeTime_data();
    void waitsTheWholeTime();
};

void TestPauseCommand::waitsTheWholeTime_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<int>("duration");

    QTest::newRow("40 ms") << 40 << 40;
    // Even no time at all lets the event loop run once before done().
    QTest::newRow("no time") << 0 << 0;
    QTest::newRow("negative") << -5 << 0;
}

void TestPauseCommand::waitsTheWholeTime()
{
    QFETCH(int, milliseconds);
    QFETCH(int, duration);

    PauseCommand pause(milliseconds);
    QCOMPARE(pause.duration(), duration);
    QSignalSpy done(&pause, &Command::done);
    QElapsedTimer clock;
    clock.start();
    pause.exec();
    QCOMPARE(done.count(), 0);
    QVERIFY(done.wait(5000));
    QVERIFY2(clock.elapsed() >= duration, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(TestPauseCommand)
#include "tst_pausecommand.moc"
