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

// Runs @p command, logged as "p", and notes in the log when its exec() returns.
void runLogged(ParallelCommand *command, Log *log)
{
    command->exec();
    log->append(latin1("/exec p"));
}

} // namespace

class TestParallelCommand : public QObject
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

void TestParallelCommand::metaObject()
{
    const QMetaObject &meta = ParallelCommand::staticMetaObject;
    QCOMPARE(meta.className(), "Marrowick::ParallelCommand");
    QCOMPARE(meta.superClass(), &Command::staticMetaObject);
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 1);
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 0);
    QCOMPARE(meta.enumeratorCount() - meta.enumeratorOffset(), 0);
    QCOMPARE(meta.classInfoCount() - meta.classInfoOffset(), 0);
    QCOMPARE(meta.constructorCount(), 0);

    const QMetaMethod slot = meta.method(meta.methodOffset());
    QCOMPARE(slot.methodSignature(), QByteArray("slotCommandDone()"));
    QCOMPARE(slot.methodType(), QMetaMethod::Slot);
    QCOMPARE(slot.access(), QMetaMethod::Private);
    QCOMPARE(meta.methodOffset(), Command::staticMetaObject.methodOffset() + 2);

    ParallelCommand command;
    QObject *object = &command;
    QCOMPARE(object->qt_metacast("Marrowick::ParallelCommand"), static_cast<void *>(&command));
    QCOMPARE(qobject_cast<Command *>(object), &command);
    QCOMPARE(qobject_cast<ParallelCommand *>(object), &command);
}

void TestParallelCommand::childList()
{
    Log log;
    const QList<Command *> children = asCommands(makeCommands(latin1("a b c"), &log));
    ParallelCommand command(children.mid(0, 2), true, nullptr);
    QCOMPARE(command.commands(), children.mid(0, 2));
    command.addCommand(nullptr);
    command.addCommand(children.at(2));
    command.addCommand(nullptr);
    QCOMPARE(command.commands(), children);

    runLogged(&command, &log);
    QCOMPARE(log, trace("exec a, done a, /done a, exec b, done b, /done b, exec c, done c, /done c, /exec p"));
}

void TestParallelCommand::run_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<Log>("expected");

    QTest::newRow("empty") << QString() << trace("start p, done p, /exec p");
    QTest::newRow("children completing inside exec")
        << latin1("a b c")
        << trace("start p, exec a, done a, /done a, exec b, done b, /done b, exec c, done c, done p, /done c, "
                 "/exec p");
    QTest::newRow("deferred children completing in another order")
        << latin1("a~40 b~0 c~20")
        << trace("start p, exec a, exec b, exec c, /exec p, done b, /done b, done c, /done c, done a, done p, "
                 "/done a");
    QTest::newRow("deferred and immediate children")
        << latin1("a~0 b c~20")
        << trace("start p, exec a, exec b, done b, /done b, exec c, /exec p, done a, /done a, done c, done p, "
                 "/done c");
    QTest::newRow("done twice counts twice")
        << latin1("a*2 b?") << trace("start p, exec a, done a, /done a, done a, done p, /done a, exec b, /exec p");
    QTest::newRow("deferred done twice counts twice")
        << latin1("a~0*2 b?") << trace("start p, exec a, exec b, /exec p, done a, /done a, done a, done p, /done a");
    QTest::newRow("no second done below zero")
        << latin1("a*2 b")
        << trace("start p, exec a, done a, /done a, done a, done p, /done a, exec b, done b, /done b, /exec p");
}

void TestParallelCommand::run()
{
    QFETCH(QString, plan);
    QFETCH(Log, expected);

    Log log;
    ParallelCommand command(asCommands(makeCommands(plan, &log)), true, nullptr);
    recordSignals(&command, latin1("p"), &log);
    runLogged(&command, &log);
    QTRY_COMPARE(log, expected);
    QTest::qWait(10);
    QCOMPARE(log, expected);
}

void TestParallelCommand::runAgain_data()
{
    QTest::addColumn<QString>("plan");
    QTest::newRow("empty") << QString();
    QTest::newRow("children completing inside exec") << latin1("a b c");
    QTest::newRow("deferred children") << latin1("a~0 b~20 c");
    QTest::newRow("a child emitting done twice") << latin1("a*2 b~0 c~20");
}

// Every run must look like the first: each child is connected once per run,
// however many runs came before, so no done counts twice.
void TestParallelCommand::runAgain()
{
    QFETCH(QString, plan);

    Log log;
    ParallelCommand command(asCommands(makeCommands(plan, &log)), true, nullptr);
    recordSignals(&command, latin1("p"), &log);
    runLogged(&command, &log);
    QTRY_VERIFY(log.contains(latin1("done p")));
    QTest::qWait(40);
    const Log firstRun = log;

    for (int run = 2; run <= 3; ++run) {
        log.clear();
        runLogged(&command, &log);
        QTRY_VERIFY(log.contains(latin1("done p")));
        QTest::qWait(40);
        QCOMPARE(log, firstRun);
    }
}

void TestParallelCommand::childAppendedDuringRun_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("when");
    QTest::addColumn<Log>("expected");

    // The count is taken before start() and the children after it.
    QTest::newRow("on start, empty") << QString() << latin1("start") << trace("start p, done p, /exec p");
    QTest::newRow("on start") << latin1("a") << latin1("start")
                              << trace("start p, exec a, done a, done p, /done a, exec x, done x, /done x, /exec p");
    QTest::newRow("inside a child's exec")
        << latin1("a b") << latin1("exec of a")
        << trace("start p, exec a, done a, /done a, exec b, done b, done p, /done b, /exec p");
    QTest::newRow("while a child waits") << latin1("a?") << latin1("a waits")
                                         << trace("start p, exec a, /exec p, done a, done p, /done a");
}

// A child appended during a run is not awaited in that run; the next run
// starts and awaits it like any other.
void TestParallelCommand::childAppendedDuringRun()
{
    QFETCH(QString, plan);
    QFETCH(QString, when);
    QFETCH(Log, expected);

    Log log;
    const QList<RecordingCommand *> children = makeCommands(plan, &log);
    ParallelCommand command(asCommands(children), true, nullptr);
    recordSignals(&command, latin1("p"), &log);
    const auto appended = new RecordingCommand(latin1("x"), &log);
    bool added = false;
    const auto addOnce = [&] {
        if (!std::exchange(added, true))
            command.addCommand(appended);
    };
    if (when == latin1("exec of a"))
        children.constFirst()->onExec = addOnce;
    else if (when == latin1("start"))
        QObject::connect(&command, &Command::start, addOnce);

    runLogged(&command, &log);
    if (when == latin1("a waits")) {
        addOnce();
        children.constFirst()->complete();
    }
    QCOMPARE(log, expected);

    log.clear();
    command.exec();
    if (when == latin1("a waits"))
        children.constFirst()->complete();
    QCOMPARE(log.filter(latin1(" x")), trace("exec x, done x, /done x"));
    QCOMPARE(log.count(latin1("done p")), 1);
    QVERIFY(log.indexOf(latin1("done p")) > log.indexOf(latin1("done x")));
}

void TestParallelCommand::finish_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<bool>("owning");
    QTest::addColumn<bool>("running");
    QTest::addColumn<Log>("expected");

    QTest::newRow("owning, before a run")
        << latin1("a b") << true << false << trace("finish a, destroyed a, finish b, destroyed b");
    QTest::newRow("owning, during a run")
        << latin1("a? b~0 c?") << true << true
        << trace("finish a, destroyed a, finish b, destroyed b, finish c, destroyed c");
    QTest::newRow("done inside finish, none completed before")
        << latin1("a?! b?! c?!") << true << true
        << trace("finish a, done a, /done a, destroyed a, finish b, done b, /done b, destroyed b, "
                 "finish c, done c, done p, /done c, destroyed c");
    QTest::newRow("done inside finish counts after done inside exec")
        << latin1("a! b?! c?!") << true << true
        << trace("finish a, done a, /done a, destroyed a, finish b, done b, done p, /done b, destroyed b, "
                 "finish c, done c, /done c, destroyed c");
    QTest::newRow("not owning, during a run")
        << latin1("a b? c?") << false << true
        << trace("finish a, finish b, finish c, done a, /done a, done b, done p, /done b, done c, /done c");
    QTest::newRow("not owning, done inside finish")
        << latin1("a?! b?!") << false << true
        << trace("finish a, done a, /done a, finish b, done b, done p, /done b, done a, /done a, done b, /done b");
}

// finish() drops every child in list order and deletes only what the command
// owns. It disconnects nothing: a done emitted inside a child's finish() still
// counts, and so does one that a child left alive emits later. Afterwards the
// command runs new children like a fresh one.
void TestParallelCommand::finish()
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
    ParallelCommand command(owning);
    for (RecordingCommand *child : qAsConst(children))
        command.addCommand(child);
    recordSignals(&command, latin1("p"), &log);
    if (running)
        command.exec();
    log.clear();

    command.finish();
    QVERIFY(command.commands().isEmpty());
    for (const QPointer<RecordingCommand> &child : qAsConst(children)) {
        if (child)
            child->complete();
    }
    QTest::qWait(10);
    QCOMPARE(log, expected);

    log.clear();
    const QList<RecordingCommand *> fresh = makeCommands(latin1("x?"), &log, childParent);
    command.addCommand(fresh.constFirst());
    runLogged(&command, &log);
    fresh.constFirst()->complete();
    QCOMPARE(log.filter(latin1(" p")), trace("start p, /exec p, done p"));
    QCOMPARE(log.indexOf(latin1("done p")), log.indexOf(latin1("done x")) + 1);
}

void TestParallelCommand::destructor_data()
{
    QTest::addColumn<bool>("owning");
    QTest::addColumn<Log>("expected");

    QTest::newRow("owning") << true << trace("destroyed a, destroyed b, destroyed c, destroyed p");
    QTest::newRow("not owning") << false << trace("destroyed p, done b, /done b");
}

// The destructor deletes owned children in list order without finishing
// them; children it does not own outlive it and no longer reach it.
void TestParallelCommand::destructor()
{
    QFETCH(bool, owning);
    QFETCH(Log, expected);

    Log log;
    QObject host;
    const QList<RecordingCommand *> children = makeCommands(latin1("a b? c"), &log, owning ? nullptr : &host);
    auto command = new ParallelCommand(asCommands(children), owning, nullptr);
    recordSignals(command, latin1("p"), &log);
    command->exec();
    log.clear();

    delete command;
    if (!owning)
        children.at(1)->complete();
    QCOMPARE(log, expected);
}

void TestParallelCommand::nestedThreeLevels_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<Log>("expected");

    QTest::newRow("leaves completing inside exec")
        << latin1("a b c d e f")
        << trace("start p, exec a, done a, /done a, start s, exec b, done b, start q, exec c, done c, /done c, "
                 "exec d, done d, done q, exec e, done e, done s, /done e, /done d, /done b, exec f, done f, "
                 "done p, /done f, /exec p");
    QTest::newRow("deferred leaves")
        << latin1("a~300 b~0 c d~0 e f")
        << trace("start p, exec a, start s, exec b, exec f, done f, /done f, /exec p, done b, start q, exec c, "
                 "done c, /done c, exec d, /done b, done d, done q, exec e, done e, done s, /done e, /done d, "
                 "done a, done p, /done a");
}

// p runs a, s and f at once; s runs b, q and e one after another; q runs c
// and d at once. Every composite owns its children.
void TestParallelCommand::nestedThreeLevels()
{
    QFETCH(QString, plan);
    QFETCH(Log, expected);

    Log log;
    const QList<Command *> leaves = asCommands(makeCommands(plan, &log));
    auto inner = new ParallelCommand(leaves.mid(2, 2), true, nullptr);
    recordSignals(inner, latin1("q"), &log);
    auto middle = new CompositeCommand(QList<Command *> {leaves.at(1), inner, leaves.at(4)}, true, nullptr);
    recordSignals(middle, latin1("s"), &log);
    ParallelCommand outer(QList<Command *> {leaves.at(0), middle, leaves.at(5)}, true, nullptr);
    recordSignals(&outer, latin1("p"), &log);

    runLogged(&outer, &log);
    QTRY_COMPARE(log, expected);

    log.clear();
    outer.finish();
    QCOMPARE(log,
             trace("finish a, destroyed a, finish b, destroyed b, finish c, destroyed c, finish d, destroyed d, "
                   "destroyed q, finish e, destroyed e, destroyed s, finish f, destroyed f"));
}

QTEST_MAIN(TestParallelCommand)
#include "tst_parallelcommand.moc"
