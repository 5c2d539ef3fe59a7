#include <marrowick/command.h>
#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>

#include <QtCore/QMetaMethod>
#include <QtTest/QtTest>

#include <type_traits>

using Marrowick::Command;

// A pointer as the first argument would convert to the owning flag: "new
// CompositeCommand(this)" must not compile, the flag and a parent must.
template<typename Composite> constexpr bool takesOnlyFlagFirst()
{
    return !std::is_constructible<Composite, QObject *>::value &&
        !std::is_constructible<Composite, const char *>::value &&
        std::is_constructible<Composite, bool, QObject *>::value;
}
static_assert(takesOnlyFlagFirst<Marrowick::CompositeCommand>(), "CompositeCommand(pointer) must not compile");
static_assert(takesOnlyFlagFirst<Marrowick::ParallelCommand>(), "ParallelCommand(pointer) must not compile");

Q_DECLARE_METATYPE(const QMetaObject *)

// The meta-objects of the command classes: games connect to the signals by
// these signatures, and the composites' slots belong to the exported tables.
class TestCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObject_data();
    void metaObject();
};

void TestCommand::metaObject_data()
{
    QTest::addColumn<const QMetaObject *>("meta");
    QTest::addColumn<QString>("expected"); // class, superclass and the class's own methods

    QTest::newRow("Command") << &Command::staticMetaObject
                             << QStringLiteral("Marrowick::Command : QObject; protected signal start(Command*); "
                                               "protected signal done(Command*)");
    QTest::newRow("CompositeCommand")
        << &Marrowick::CompositeCommand::staticMetaObject
        << QStringLiteral("Marrowick::CompositeCommand : Marrowick::Command; private slot slotNextCommand()");
    QTest::newRow("ParallelCommand")
        << &Marrowick::ParallelCommand::staticMetaObject
        << QStringLiteral("Marrowick::ParallelCommand : Marrowick::Command; private slot slotCommandDone()");
}

void TestCommand::metaObject()
{
    QFETCH(const QMetaObject *, meta);
    QFETCH(QString, expected);

    static const char *const access[] = {"private", "protected", "public"};
    static const char *const type[] = {"method", "signal", "slot", "constructor"};
    QString actual = QString::fromLatin1(meta->className()) + QLatin1String(" : ") +
        QString::fromLatin1(meta->superClass()->className());
    for (int index = meta->methodOffset(); index < meta->methodCount(); ++index) {
        const QMetaMethod method = meta->method(index);
        actual += QLatin1String("; ") + QLatin1String(access[method.access()]) + QLatin1Char(' ') +
            QLatin1String(type[method.methodType()]) + QLatin1Char(' ') + QString::fromLatin1(method.methodSignature());
    }
    QCOMPARE(actual, expected);
}

QTEST_MAIN(TestCommand)
#include "tst_command.moc"
