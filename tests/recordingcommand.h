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
    RecordingCommand(const QString &name, const QString &how, Recorder *recorder)
        : m_recorder(recorder)
        , m_how(how)
    {
        setObjectName(name);
        recorder->watch(this, name);
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
// completion and "!" to emit done() inside finish() as well. "s[...]" is a
// CompositeCommand and "p(...)" a ParallelCommand; nested ones own their
// children, and the outermost one, the command under test, owns them only with
// @p owning set. "s[a~ p(b c?!)]" runs a, completing later, and then p, which
// runs b and c at once.
class Plan : public Recorder
{
public:
    explicit Plan(const QString &text, bool owning = true)
    {
        int position = 0;
        top.reset(parse(text, position, owning));
    }
    void exec()
    {
        top->exec();
        note("/exec", top->objectName());
    }
    // Appends the leaf written in @p text to the command under test, after a
    // null pointer, which must be ignored.
    void append(const QString &text)
    {
        int position = 0;
        for (Command *command : QList<Command *> {nullptr, parse(text, position, true)}) {
            if (auto composite = qobject_cast<Marrowick::CompositeCommand *>(top.get()))
                composite->addCommand(command);
            else
                static_cast<Marrowick::ParallelCommand *>(top.get())->addCommand(command);
        }
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

    QObject host; // the game: parent of the children that a composite not owning them leaves
    std::unique_ptr<Command> top;

private:
    Command *parse(const QString &text, int &position, bool owning)
    {
        // \G anchors the match at the position, under Qt 5 and Qt 6 alike.
        static const QRegularExpression word(QStringLiteral("\\G *([a-z]+)(?:([\\[(])|([~?]?(?:\\*2)?!?))"));
        const QRegularExpressionMatch match = word.match(text, position);
        if (!match.hasMatch())
            qFatal("Plan: cannot read \"%s\" at %d", qPrintable(text), position);
        position = match.capturedEnd();
        const QString name = match.captured(1);
        if (match.captured(2).isEmpty()) {
            m_leaves.append(new RecordingCommand(name, match.captured(3), this));
            m_named.insert(name, m_leaves.constLast().data());
            return m_leaves.constLast();
        }
        QList<Command *> children;
        while (position < text.size() && !QStringLiteral("])").contains(text.at(position)))
            children.append(parse(text, position, true));
        ++position;
        for (Command *child : qAsConst(children)) {
            if (!owning)
                child->setParent(&host);
        }
        Command *composite = match.captured(2) == QLatin1String("[")
            ? static_cast<Command *>(new Marrowick::CompositeCommand(children, owning, nullptr))
            : new Marrowick::ParallelCommand(children, owning, nullptr);
        composite->setObjectName(name);
        watch(composite, name);
        m_named.insert(name, composite);
        return composite;
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
    QTest::addColumn<bool>("owning");
    QTest::addColumn<QString>("victim");
    QTest::addColumn<Log>("expected");
}

// Once the exec() of @p plan has returned, the game deletes @p victim (none
// if empty), possibly the command under test itself, and finishes the command
// under test if it still lives; then every leaf still alive completes, and a
// living command under test, which must be empty now, is run once more. All
// of that logs @p expected.
inline void addInterrupt(const char *name, const char *plan, bool owning, const char *victim, const char *expected)
{
    QTest::newRow(name) << QString::fromLatin1(plan) << owning << QString::fromLatin1(victim) << trace(expected);
}

inline void checkInterrupt()
{
    QFETCH(QString, plan);
    QFETCH(bool, owning);
    QFETCH(QString, victim);
    QFETCH(Log, expected);

    Plan commands(plan, owning);
    commands.exec();
    commands.log.clear();
    Command *doomed = commands.command(victim);
    if (doomed == commands.top.get())
        commands.top.reset();
    else
        delete doomed;
    if (commands.top)
        commands.top->finish();
    commands.completeLeaves();
    if (commands.top)
        commands.exec();
    QCOMPARE(commands.log, expected);
}

// A child added a second time joins an owning composite's list once, with a
// warning, and is run and deleted once; without the owning flag it is
// appended again and runs twice.
template<typename Composite> void checkAddedTwice()
{
    QFETCH(bool, owning);
    Recorder recorder;
    auto child = new RecordingCommand(QStringLiteral("a"), QString(), &recorder);
    {
        Composite composite(owning, nullptr);
        composite.addCommand(child);
        if (owning)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("child already; ignored$")));
        composite.addCommand(child);
        QCOMPARE(composite.commands().size(), owning ? 1 : 2);
        composite.exec();
    }
    if (!owning)
        delete child;
    QCOMPARE(recorder.log.count(QStringLiteral("exec a")), owning ? 1 : 2);
    QCOMPARE(recorder.log.count(QStringLiteral("destroyed a")), 1);
}

} // namespace TestCommands

#endif
