#include "recordingcommand.h"

#include <marrowick/command.h>

#include <QtCore/QMetaMethod>
#include <QtTest/QtTest>

using Marrowick::Command;
using TestCommands::Log;
using TestCommands::RecordingCommand;

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// A game object that follows commands the way a game would.
class Receiver : public QObject
{
    Q_OBJECT

public:
    QList<Command *> started;
    QList<Command *> completed;

public Q_SLOTS:
    void onStart(Command *command) { started.append(command); }
    void onDone(Command *command) { completed.append(command); }
};

} // namespace

class TestCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObject();
    void metaCast();
    void signalsReachReceiversAndSpies_data();
    void signalsReachReceiversAndSpies();
    void invokingASignalEmitsIt_data();
    void invokingASignalEmitsIt();
};

void TestCommand::metaObject()
{
    const QMetaObject &meta = Command::staticMetaObject;
    QCOMPARE(meta.className(), "Marrowick::Command");
    QCOMPARE(meta.superClass(), &QObject::staticMetaObject);
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 2);
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 0);
    QCOMPARE(meta.enumeratorCount() - meta.enumeratorOffset(), 0);
    QCOMPARE(meta.classInfoCount() - meta.classInfoOffset(), 0);
    QCOMPARE(meta.constructorCount(), 0);

    const QByteArrayList signatures {"start(Command*)", "done(Command*)"};
    for (int index = 0; index < signatures.size(); ++index) {
        const QMetaMethod method = meta.method(meta.methodOffset() + index);
        QCOMPARE(method.methodSignature(), signatures.at(index));
        QCOMPARE(method.methodType(), QMetaMethod::Signal);
        QCOMPARE(method.access(), QMetaMethod::Public);
        QCOMPARE(method.parameterNames(), QByteArrayList {QByteArray()});
        QCOMPARE(meta.indexOfSignal(signatures.at(index)), meta.methodOffset() + index);
    }
}

void TestCommand::metaCast()
{
    Log log;
    RecordingCommand command(latin1("a"), &log);
    QObject *object = &command;
    QCOMPARE(qobject_cast<Command *>(object), &command);
    QVERIFY(object->inherits("Marrowick::Command"));
    QCOMPARE(object->qt_metacast("Marrowick::Command"), static_cast<void *>(&command));
    QCOMPARE(object->qt_metacast("QObject"), static_cast<void *>(object));
    QCOMPARE(object->qt_metacast("Command"), nullptr);
    QVERIFY(log.isEmpty());
}

void TestCommand::signalsReachReceiversAndSpies_data()
{
    QTest::addColumn<QString>("connection");
    QTest::newRow("member-function pointers") << latin1("pointer");
    QTest::newRow("signatures") << latin1("signature");
}

void TestCommand::signalsReachReceiversAndSpies()
{
    QFETCH(QString, connection);

    Log log;
    RecordingCommand command(latin1("a"), &log);
    Receiver receiver;
    if (connection == latin1("pointer")) {
        QObject::connect(&command, &Command::start, &receiver, &Receiver::onStart);
        QObject::connect(&command, &Command::done, &receiver, &Receiver::onDone);
    } else {
        // The signatures a game writes, without the namespace.
        QVERIFY(QObject::connect(&command, SIGNAL(start(Command *)), &receiver, SLOT(onStart(Command *))));
        QVERIFY(QObject::connect(&command, SIGNAL(done(Command *)), &receiver, SLOT(onDone(Command *))));
    }
    QSignalSpy startSpy(&command, &Command::start);
    QSignalSpy doneSpy(&command, &Command::done);

    Q_EMIT command.start(&command);
    command.exec();

    QCOMPARE(receiver.started, QList<Command *> {&command});
    QCOMPARE(receiver.completed, QList<Command *> {&command});
    QCOMPARE(startSpy.count(), 1);
    QCOMPARE(doneSpy.count(), 1);
    QCOMPARE(doneSpy.at(0).at(0).value<Command *>(), &command);
}

void TestCommand::invokingASignalEmitsIt_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<Log>("expected");
    QTest::newRow("method 0") << 0 << Log {latin1("start a")};
    QTest::newRow("method 1") << 1 << Log {latin1("done a")};
}

void TestCommand::invokingASignalEmitsIt()
{
    QFETCH(int, method);
    QFETCH(Log, expected);

    Log log;
    RecordingCommand command(latin1("a"), &log);
    Command *argument = &command;
    const QMetaMethod signal = Command::staticMetaObject.method(Command::staticMetaObject.methodOffset() + method);
    QVERIFY(signal.invoke(&command, Qt::DirectConnection, QGenericArgument("Command*", &argument)));
    QCOMPARE(log, expected);
}

QTEST_MAIN(TestCommand)
#include "tst_command.moc"
