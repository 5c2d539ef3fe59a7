#include "commandcontract.h"

#include <marrowick/callcommand.h>

#include <QtTest/QtTest>

using Marrowick::CallCommand;

// The function writes "c" into the log: it runs between start() and done(),
// once per exec(), and in finish() only when nothing has called it yet: a
// chain finished early still makes every change, once.
class TestCallCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contract_data();
    void contract()
    {
        CommandContract::check([](QString *log) { return new CallCommand([log] { *log += QLatin1Char('c'); }); }, 0);
    }
    void emptyFunction();
};

void TestCallCommand::contract_data()
{
    using CommandContract::addRow;
    CommandContract::addColumns();
    addRow("run", "x", "scde");
    addRow("run twice", "xx", "scdescde");
    addRow("finished before the run", "fx", "cfscde");
    addRow("finished twice before the run", "ff", "cff");
    addRow("finished after the run", "xf", "scdef");
}

void TestCallCommand::emptyFunction()
{
    CallCommand call(nullptr);
    QSignalSpy done(&call, &Marrowick::Command::done);
    call.exec();
    QCOMPARE(done.count(), 1);
}

QTEST_MAIN(TestCallCommand)
#include "tst_callcommand.moc"
