#ifndef MARROWICK_TESTHELPERS_H
#define MARROWICK_TESTHELPERS_H

// Helpers shared by the test programs.

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtCore/QProcess>
#include <QtCore/QProcessEnvironment>
#include <QtCore/QStringList>
#include <QtGui/QGuiApplication>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QtCore/QTextCodec>
#endif

// The environment variable that makes a test program run one child case
// instead of its tests (see MARROWICK_TEST_MAIN_WITH_CHILDREN).
#define MARROWICK_TEST_CHILD_CASE_VARIABLE "MARROWICK_TEST_CHILD_CASE"

namespace TestHelpers {

struct ChildRun
{
    bool crashed = false; ///< ended abnormally (a fatal message aborts)
    int exitCode = 0;
    QByteArray standardError;
};

// Runs this test program again with @p childCase set, so that code which
// ends the process (a fatal message) can be watched from the outside. The
// child runs with the logging rules @p loggingRules.
inline ChildRun runChildCase(const QString &childCase, const QString &loggingRules = QString())
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral(MARROWICK_TEST_CHILD_CASE_VARIABLE), childCase);
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), loggingRules);
    // A fatal message must end the child quietly: no core dump, and under the
    // sanitizers no extra report for the abort.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("handle_abort=0:detect_leaks=0"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    child.waitForFinished(30000);
    ChildRun run;
    run.crashed = child.exitStatus() == QProcess::CrashExit;
    run.exitCode = child.exitCode();
    run.standardError = child.readAllStandardError();
    return run;
}

// Records every message sent to Qt's message handler while alive, so that a
// test can compare exactly what was reported, or prove that nothing was.
// Messages other than warnings carry a prefix, so that the level is checked too.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        messages().clear();
        categories().clear();
        previous = qInstallMessageHandler(&MessageRecorder::record);
    }
    ~MessageRecorder() { qInstallMessageHandler(previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    static QStringList &messages()
    {
        static QStringList recorded;
        return recorded;
    }
    /// The logging categories of the messages, each named once.
    static QStringList &categories()
    {
        static QStringList recorded;
        return recorded;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        messages().append(type == QtWarningMsg ? message : QStringLiteral("not a warning: ") + message);
        const QString category = QString::fromLatin1(context.category);
        if (!categories().contains(category))
            categories().append(category);
    }
    QtMessageHandler previous;
};

// Applies logging rules (QT_LOGGING_RULES syntax) while alive.
class LoggingRules
{
public:
    explicit LoggingRules(const QString &rules) { QLoggingCategory::setFilterRules(rules); }
    ~LoggingRules() { QLoggingCategory::setFilterRules(QString()); }
    LoggingRules(const LoggingRules &) = delete;
    LoggingRules &operator=(const LoggingRules &) = delete;
};

// Makes the local 8-bit encoding one that UTF-8 or Latin-1 text cannot pass
// for, where Qt allows it: Qt 5 takes KOI8-R; Qt 6 always uses UTF-8 on Unix,
// which at least tells multi-byte text from Latin-1.
inline void useTellingLocalEncoding()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("KOI8-R"));
#endif
}

} // namespace TestHelpers

// Like QTEST_MAIN with a QGuiApplication, but when the child case variable is
// set the program runs childMain(caseName) instead of the tests.
#define MARROWICK_TEST_MAIN_WITH_CHILDREN(TestObject, childMain)                                                       \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        const QByteArray childCase = qgetenv(MARROWICK_TEST_CHILD_CASE_VARIABLE);                                      \
        if (!childCase.isEmpty())                                                                                      \
            return childMain(childCase);                                                                               \
        QGuiApplication application(argc, argv);                                                                       \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

#endif
