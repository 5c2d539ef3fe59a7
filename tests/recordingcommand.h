#ifndef MARROWICK_RECORDINGCOMMAND_H
#define MARROWICK_RECORDINGCOMMAND_H

// The command tests build trees of commands from a short plan (see Plan) and
// compare the whole log of what happens against the expected sequence:
//   "exec a", "finish a"   a's exec() or finish() was called (leaves only)
//   "start a", "done a"    a emitted start() or done()
//   "/done a"              a leaf's own done() emission has returned
//   "destroyed a"          a was deleted
//   "/exec s"              the exec() of s, the command under test, has returned

#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>

#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>
#include <QtCore/QTimer>
#include <QtTest/QtTest>

#include <functional>
#include <memory>
#include <utility>

namespace TestCommands {

using Log = QStringList;
using Marrowick::Command;

// The log entries written in @p text, separated by ", ".
inline Log trace(const char *text)
{
    return QString::fromLatin1(text).split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

// The one log of a test, with a hook on one entry.
class Recorder
{
public:
    Log log;

    void note(const char *what, const QString &name)
    {
        log.append(QLatin1String(what) + QLatin1Char(' ') + name);
        if (log.constLast() == m_trigger && m_action)
            std::exchange(m_action, nullptr)();
    }
    // Runs @p action once, right after @p entry has been logged.
    void when(const QString &entry, std::function<void()> action)
    {
        m_trigger = entry;
        m_action = std::move(action);
    }
    // Logs the signals and the deletion of @p command under @p name.
    void watch(Command *command, const QString &name)
    {
        QObject::connect(command, &Command::start, [this, name] { note("start", name); });
        QObject::connect(command, &Command::done, [this, name] { note("done", name); });
        QObject::connect(command, &QObject::destroyed, [this, name] { note("destroyed", name); });
    }

private:
    QString m_trigger;
    std::function<void()> m_action;
};

// A leaf; how it completes is written as in a plan (see Plan).
class RecordingCommand : public Command
{
public:
    RecordingCommand(const QString &how, Recorder *recorder)
        : m_recorder(recorder)
        , m_how(how)
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &RecordingCommand::complete);
    }
    void exec() override
    {
        m_recorder->note("exec", objectName());
        if (m_how.contains(QLatin1Char('~')))
            m_timer.start(0);
        else if (!m_how.contains(QLatin1Char('?')))
            complete();
    }
    // Stops a pending completion, like a real command ending its animation.
    void finish() override
    {
        m_recorder->note("finish", objectName());
        m_timer.stop();
        if (m_how.contains(QLatin1Char('!')))
            complete();
    }
    void complete()
    {
        for (int emission = m_how.contains(QLatin1String("*2")) ? 2 : 1; emission > 0; --emission) {
            Q_EMIT done(this);
            m_recorder->note("/done", objectName());
        }
    }
    bool waiting() const { return m_timer.isActive(); }

private:
    Recorder *m_recorder;
    QString m_how;
    QTimer m_timer;
};

// The commands written in a plan. A leaf is a name followed by how it
// completes: nothing for inside exec(), "~" from the event loop (a zero-delay
// timer, so deferred leaves complete in the order they started), "?" only when
// the test completes it; then optionally "*2" to emit done() twice per
// completion and "!" to emit done() inside finish() as well. A leaf named
// again is the same leaf. "s[...]" is a CompositeCommand and "p(...)" a
// ParallelCommand, owning their children unless a "-" precedes the bracket.
// The outermost command is the command under test. "s[a~ p-(b c?!)]" runs a,
// completing later, and then p, which runs b and c at once.
class Plan : public Recorder
{
public:
    explicit Plan(const QString &text)
    {
        int position = 0;
        top.reset(parse(text, position));
    }
    void exec()
    {
        top->exec();
        note("/exec", top->objectName());
    }
    // Appends the leaf written in @p text to the composite named @p to, by
    // default the command under test, after a null pointer, which must be ignored.
    void append(const QString &text, const QString &to = QString())
    {
        int position = 0;
        Command *composite = to.isNull() ? top.get() : command(to);
        for (Command *child : QList<Command *> {nullptr, parse(text, position)}) {
            if (auto sequential = qobject_cast<Marrowick::CompositeCommand *>(composite))
                sequential->addCommand(child);
            else
                static_cast<Marrowick::ParallelCommand *>(composite)->addCommand(child);
        }
    }
    // Deletes the command named @p name, if it lives, as the game would.
    void destroy(const QString &name)
    {
        Command *doomed = command(name);
        if (doomed == top.get())
            top.reset();
        else
            delete doomed;
    }
    // Completes every leaf still alive, in plan order.
    void completeLeaves()
    {
        for (RecordingCommand *leaf : qAsConst(m_leaves)) {
            if (leaf)
                leaf->complete();
        }
    }
    // The command named @p name in the plan, while it lives.
    Command *command(const QString &name) const { return m_named.value(name); }
    // No leaf waits for the event loop any more, so nothing more will happen by itself.
    bool idle() const
    {
        for (RecordingCommand *leaf : m_leaves) {
            if (leaf && leaf->waiting())
                return false;
        }
        return true;
    }

    QObject host; // the game: parent of every command, deletes what no composite has
    std::unique_ptr<Command> top;

private:
    Command *parse(const QString &text, int &position)
    {
        // \G anchors the match at the position, under Qt 5 and Qt 6 alike.
        static const QRegularExpression word(
            QStringLiteral("\\G *([a-z]+)(?:(-?)([\\[(])|([~?]?(?:\\*2)?!?))"));
        const QRegularExpressionMatch match = word.match(text, position);
        if (!match.hasMatch())
            qFatal("Plan: cannot read \"%s\" at %d", qPrintable(text), position);
        position = match.capturedEnd();
        const QString name = match.captured(1);
        Command *command = m_named.value(name);
        if (command)
            return command;
        if (match.captured(3).isEmpty()) {
            m_leaves.append(new RecordingCommand(match.captured(4), this));
            command = m_leaves.constLast();
        } else {
            QList<Command *> children;
            while (position < text.size() && !QStringLiteral("])").contains(text.at(position)))
                children.append(parse(text, position));
            ++position;
            const bool owning = match.captured(2).isEmpty();
            command = match.captured(3) == QLatin1String("[")
                ? static_cast<Command *>(new Marrowick::CompositeCommand(children, owning, nullptr))
                : new Marrowick::ParallelCommand(children, owning, nullptr);
        }
        command->setParent(&host);
        command->setObjectName(name);
        watch(command, name);
        m_named.insert(name, command);
        return command;
    }

    QList<QPointer<RecordingCommand>> m_leaves;
    QHash<QString, QPointer<Command>> m_named;
};

// The two checks that both composites go through, with their data rows.

inline void addRunColumns()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<Log>("expected");
    QTest::addColumn<QString>("appendOn");
    QTest::addColumn<Log>("again");
}

// A run of @p plan logs @p expected and a second run @p again, by default the
// same. With @p appendOn set, a leaf x is appended to the command under test
// right after that entry is first logged.
inline void addRun(const char *name, const char *plan, const char *expected, const char *appendOn = "",
                   const char *again = nullptr)
{
    QTest::newRow(name) << QString::fromLatin1(plan) << trace(expected) << QString::fromLatin1(appendOn)
                        << trace(again ? again : expected);
}

inline void checkRuns()
{
    QFETCH(QString, plan);
    QFETCH(Log, expected);
    QFETCH(QString, appendOn);
    QFETCH(Log, again);

    Plan commands(plan);
    commands.when(appendOn, [&] { commands.append(QStringLiteral("x")); });
    for (const Log &run : {expected, again}) {
        commands.log.clear();
        commands.exec();
        QTRY_VERIFY(commands.idle());
        QCOMPARE(commands.log, run);
    }
}

inline void addInterruptColumns()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("victim");
    QTest::addColumn<Log>("expected");
}

// Once the exec() of @p plan has returned, the game deletes @p victim (none
// if empty), possibly the command under test itself, and finishes the command
// under test if it still lives; then every leaf still alive completes, and a
// living command under test, which must be empty now, is run once more. All
// of that logs @p expected.
inline void addInterrupt(const char *name, const char *plan, const char *victim, const char *expected)
{
    QTest::newRow(name) << QString::fromLatin1(plan) << QString::fromLatin1(victim) << trace(expected);
}

inline void checkInterrupt()
{
    QFETCH(QString, plan);
    QFETCH(QString, victim);
    QFETCH(Log, expected);

    Plan commands(plan);
    commands.exec();
    commands.log.clear();
    commands.destroy(victim);
    if (commands.top)
        commands.top->finish();
    commands.completeLeaves();
    if (commands.top)
        commands.exec();
    QCOMPARE(commands.log, expected);
}

inline void addAddedTwiceColumns()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<int>("runs");
}

// The leaf a of @p plan, added again, joins an owning composite's list once,
// with a warning, and is run and deleted once; without the owning flag it is
// appended again and runs twice.
inline void checkAddedTwice()
{
    QFETCH(QString, plan);
    QFETCH(int, runs);

    Plan commands(plan);
    if (runs == 1)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("child already; ignored$")));
    commands.append(QStringLiteral("a"));
    commands.exec();
    commands.top.reset();
    commands.destroy(QStringLiteral("a"));
    QCOMPARE(commands.log.count(QStringLiteral("exec a")), runs);
    QCOMPARE(commands.log.count(QStringLiteral("destroyed a")), 1);
}

} // namespace TestCommands

#endif
