#include "recordingcommand.h"

#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>

#include <QtCore/QMetaMethod>
#include <QtCore/QPointer>
#include <QtTest/QtTest>

using Marrowick::Command;
using Marrowick::CompositeCommand;
using Marrowick::ParallelCommand;
using namespace TestCommands;

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// Runs @p composite, logged as "s", and notes in the log when its exec() returns.
void runLogged(CompositeCommand *composite, Log *log)
{
    composite->exec();
    log->append(latin1("/exec s"));
}

} // namespace

class TestCompositeCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObject();
    void childList();
    void run_data();
    void run();
    void runAgain_data();
    void runAgain();
    void childAppendedDuringRun_data();
    void childAppendedDuringRun();
    void finish_data();
    void finish();
    void destructor_data();
    void destructor();
    void nestedThreeLevels_data();
    void nestedThreeLevels();
};

void TestCompositeCommand::metaObject()
{
    const QMetaObject &meta = CompositeCommand::staticMetaObject;
    QCOMPARE(meta.className(), "Marrowick::CompositeCommand");
    QCOMPARE(meta.superClass(), &Command::staticMetaObject);
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 1);
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 0);
    QCOMPARE(meta.enumeratorCount() - meta.enumeratorOffset(), 0);
    QCOMPARE(meta.classInfoCount() - meta.classInfoOffset(), 0);
    QCOMPARE(meta.constructorCount(), 0);

    const QMetaMethod slot = meta.method(meta.methodOffset());
    QCOMPARE(slot.methodSignature(), QByteArray("slotNextCommand()"));
    QCOMPARE(slot.methodType(), QMetaMethod::Slot);
    QCOMPARE(slot.access(), QMetaMethod::Private);
    QCOMPARE(meta.methodOffset(), Command::staticMetaObject.methodOffset() + 2);

    CompositeCommand composite;
    QObject *object = &composite;
    QCOMPARE(object->qt_metacast("Marrowick::CompositeCommand"), static_cast<void *>(&composite));
    QCOMPARE(qobject_cast<Command *>(object), &composite);
    QCOMPARE(qobject_cast<CompositeCommand *>(object), &composite);
}

void TestCompositeCommand::childList()
{
    Log log;
    const QList<Command *> children = asCommands(makeCommands(latin1("a b c"), &log));
    CompositeCommand composite(children.mid(0, 2), true, nullptr);
    QCOMPARE(composite.commands(), children.mid(0, 2));
    composite.addCommand(nullptr);
    composite.addCommand(children.at(2));
    composite.addCommand(nullptr);
    QCOMPARE(composite.commands(), children);

    runLogged(&composite, &log);
    QCOMPARE(log, trace("exec a, done a, exec b, done b, exec c, done c, /done c, /done b, /done a, /exec s"));
}

void TestCompositeCommand::run_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<Log>("expected");

    QTest::newRow("empty") << QString() << trace("start s, done s, /exec s");
    QTest::newRow("children completing inside exec")
        << latin1("a b c")
        << trace("start s, exec a, done a, exec b, done b, exec c, done c, done s, /done c, /done b, /done a, "
                 "/exec s");
    QTest::newRow("deferred children")
        << latin1("a~0 b~0 c~0")
        << trace("start s, exec a, /exec s, done a, exec b, /done a, done b, exec c, /done b, done c, done s, "
                 "/done c");
    QTest::newRow("deferred, immediate, deferred")
        << latin1("a~0 b c~0")
        << trace("start s, exec a, /exec s, done a, exec b, done b, exec c, /done b, /done a, done c, done s, "
                 "/done c");
    QTest::newRow("immediate, then deferred")
        << latin1("a b~0") << trace("start s, exec a, done a, exec b, /done a, /exec s, done b, done s, /done b");
    QTest::newRow("done twice inside exec advances once")
        << latin1("a*2 b")
        << trace("start s, exec a, done a, exec b, done b, done s, /done b, /done a, done a, /done a, /exec s");
    QTest::newRow("deferred done twice advances once")
        << latin1("a~0*2 b~0")
        << trace("start s, exec a, /exec s, done a, exec b, /done a, done a, /done a, done b, done s, /done b");
    QTest::newRow("last child done twice ends the run once")
        << latin1("a b~0*2")
        << trace("start s, exec a, done a, exec b, /done a, /exec s, done b, done s, /done b, done b, /done b");
}

void TestCompositeCommand::run()
{
    QFETCH(QString, plan);
    QFETCH(Log, expected);

    Log log;
    CompositeCommand composite(asCommands(makeCommands(plan, &log)), true, nullptr);
    recordSignals(&composite, latin1("s"), &log);
    runLogged(&composite, &log);
    QTRY_COMPARE(log, expected);
    QCoreApplication::processEvents();
    QCOMPARE(log, expected);
}

void TestCompositeCommand::runAgain_data()
{
    QTest::addColumn<QString>("plan");
    QTest::newRow("empty") << QString();
    QTest::newRow("children completing inside exec") << latin1("a b c");
    QTest::newRow("deferred and immediate children") << latin1("a~0 b c~0");
    QTest::newRow("children emitting done twice") << latin1("a*2 b~0*2 c");
}

// Every run must look like the first: each child runs once, in order, and no
// connection left from an earlier run counts a done twice.
void TestCompositeCommand::runAgain()
{
    QFETCH(QString, plan);

    Log log;
    CompositeCommand composite(asCommands(makeCommands(plan, &log)), true, nullptr);
    recordSignals(&composite, latin1("s"), &log);
    runLogged(&composite, &log);
    QTRY_VERIFY(log.contains(latin1("done s")));
    QTest::qWait(10);
    const Log firstRun = log;

    for (int run = 2; run <= 3; ++run) {
        log.clear();
        runLogged(&composite, &log);
        QTRY_VERIFY(log.contains(latin1("done s")));
        QTest::qWait(10);
        QCOMPARE(log, firstRun);
    }
}

void TestCompositeCommand::childAppendedDuringRun_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("when");
    QTest::addColumn<Log>("expected");

    QTest::newRow("while the last child waits")
        << latin1("a b?") << latin1("last child waits")
        << trace("start s, exec a, done a, exec b, /done a, /exec s, done b, exec x, done x, done s, /done x, "
                 "/done b");
    QTest::newRow("inside a child's exec")
        << latin1("a b") << latin1("exec of a")
        << trace("start s, exec a, done a, exec b, done b, exec x, done x, done s, /done x, /done b, /done a, "
                 "/exec s");
    QTest::newRow("on start") << latin1("a b") << latin1("start")
                              << trace("start s, exec a, done a, exec b, done b, exec x, done x, done s, /done x, "
                                       "/done b, /done a, /exec s");
}

void TestCompositeCommand::childAppendedDuringRun()
{
    QFETCH(QString, plan);
    QFETCH(QString, when);
    QFETCH(Log, expected);

    Log log;
    const QList<RecordingCommand *> children = makeCommands(plan, &log);
    CompositeCommand composite(asCommands(children), true, nullptr);
    recordSignals(&composite, latin1("s"), &log);
    const auto appended = new RecordingCommand(latin1("x"), &log);
    if (when == latin1("exec of a"))
        children.constFirst()->onExec = [&] { composite.addCommand(appended); };
    else if (when == latin1("start"))
        QObject::connect(&composite, &Command::start, [&] { composite.addCommand(appended); });

    runLogged(&composite, &log);
    if (when == latin1("last child waits")) {
        composite.addCommand(appended);
        children.constLast()->complete();
    }
    QCOMPARE(log, expected);
}

void TestCompositeCommand::finish_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<bool>("owning");
    QTest::addColumn<bool>("running");
    QTest::addColumn<Log>("expected");

    QTest::newRow("owning, before a run")
        << latin1("a b") << true << false << trace("finish a, destroyed a, finish b, destroyed b");
    QTest::newRow("owning, during a run")
        << latin1("a b? c") << true << true
        << trace("finish a, destroyed a, finish b, destroyed b, finish c, destroyed c");
    QTest::newRow("owning, deferred child running")
        << latin1("a~0 b") << true << true << trace("finish a, destroyed a, finish b, destroyed b");
    QTest::newRow("children emitting done inside finish")
        << latin1("a! b?! c!") << true << true
        << trace("finish a, done a, /done a, destroyed a, finish b, done b, /done b, destroyed b, "
                 "finish c, done c, /done c, destroyed c");
    QTest::newRow("not owning, during a run")
        << latin1("a b? c") << false << true
        << trace("finish a, finish b, finish c, done a, /done a, done b, /done b, done c, /done c");
    QTest::newRow("not owning, after a completed run")
        << latin1("a b") << false << true << trace("finish a, finish b, done a, /done a, done b, /done b");
}

// finish() drops every child in list order and deletes only what the
// composite owns; no done of the composite follows, whatever the children
// emit then or later. Afterwards the composite runs new children from the start.
void TestCompositeCommand::finish()
{
    QFETCH(QString, plan);
    QFETCH(bool, owning);
    QFETCH(bool, running);
    QFETCH(Log, expected);

    Log log;
    QObject host;
    QObject *childParent = owning ? nullptr : &host;
    QList<QPointer<RecordingCommand>> children;
    for (RecordingCommand *child : makeCommands(plan, &log, childParent))
        children.append(child);
    CompositeCommand composite(owning);
    for (RecordingCommand *child : qAsConst(children))
        composite.addCommand(child);
    recordSignals(&composite, latin1("s"), &log);
    if (running)
        composite.exec();
    log.clear();

    composite.finish();
    QVERIFY(composite.commands().isEmpty());
    for (const QPointer<RecordingCommand> &child : qAsConst(children)) {
        if (child)
            child->complete();
    }
    QTest::qWait(10);
    QCOMPARE(log, expected);

    log.clear();
    composite.addCommand(makeCommands(latin1("x"), &log, childParent).constFirst());
    runLogged(&composite, &log);
    QCOMPARE(log, trace("start s, exec x, done x, done s, /done x, /exec s"));
}

void TestCompositeCommand::destructor_data()
{
    QTest::addColumn<bool>("owning");
    QTest::addColumn<Log>("expected");

    QTest::newRow("owning") << true << trace("destroyed a, destroyed b, destroyed c, destroyed s");
    QTest::newRow("not owning") << false << trace("destroyed s, done b, /done b");
}

// The destructor deletes owned children in list order without finishing
// them; children it does not own outlive it and no longer reach it.
void TestCompositeCommand::destructor()
{
    QFETCH(bool, owning);
    QFETCH(Log, expected);

    Log log;
    QObject host;
    const QList<RecordingCommand *> children = makeCommands(latin1("a b? c"), &log, owning ? nullptr : &host);
    auto composite = new CompositeCommand(asCommands(children), owning, nullptr);
    recordSignals(composite, latin1("s"), &log);
    composite->exec();
    log.clear();

    delete composite;
    if (!owning)
        children.at(1)->complete();
    QCOMPARE(log, expected);
}

void TestCompositeCommand::nestedThreeLevels_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<Log>("expected");

    QTest::newRow("leaves completing inside exec")
        << latin1("a b c d e f")
        << trace("start s, exec a, done a, start p, exec b, done b, /done b, start t, exec c, done c, exec d, "
                 "done d, done t, /done d, /done c, exec e, done e, done p, exec f, done f, done s, /done f, "
                 "/done e, /done a, /exec s");
    QTest::newRow("deferred leaves")
        << latin1("a~0 b~30 c d~0 e f~0")
        << trace("start s, exec a, /exec s, done a, start p, exec b, start t, exec c, done c, exec d, /done c, "
                 "exec e, done e, /done e, /done a, done d, done t, /done d, done b, done p, exec f, /done b, "
                 "done f, done s, /done f");
}

// s runs a, p and f one after another; p runs b, t and e at once; t runs c
// and d one after another. Every composite owns its children.
void TestCompositeCommand::nestedThreeLevels()
{
    QFETCH(QString, plan);
    QFETCH(Log, expected);

    Log log;
    const QList<Command *> leaves = asCommands(makeCommands(plan, &log));
    auto inner = new CompositeCommand(leaves.mid(2, 2), true, nullptr);
    recordSignals(inner, latin1("t"), &log);
    auto middle = new ParallelCommand(QList<Command *> {leaves.at(1), inner, leaves.at(4)}, true, nullptr);
    recordSignals(middle, latin1("p"), &log);
    CompositeCommand outer(QList<Command *> {leaves.at(0), middle, leaves.at(5)}, true, nullptr);
    recordSignals(&outer, latin1("s"), &log);

    runLogged(&outer, &log);
    QTRY_COMPARE(log, expected);

    log.clear();
    outer.finish();
    QCOMPARE(log,
             trace("finish a, destroyed a, finish b, destroyed b, finish c, destroyed c, finish d, destroyed d, "
                   "destroyed t, finish e, destroyed e, destroyed p, finish f, destroyed f"));
}

QTEST_MAIN(TestCompositeCommand)
#include "tst_compositecommand.moc"
