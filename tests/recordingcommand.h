#ifndef MARROWICK_RECORDINGCOMMAND_H
#define MARROWICK_RECORDINGCOMMAND_H

// A leaf command for the command tests that writes what happens to a shared
// log, so that a test can compare the whole sequence of a run:
//   "exec a"       a's exec() was called
//   "start a"      a emitted start()            (any command, see recordSignals)
//   "done a"       a emitted done()             (any command, see recordSignals)
//   "/done a"      a's own done() emission has returned
//   "finish a"     a's finish() was called
//   "destroyed a"  a was deleted                (any command, see recordSignals)
// Tests add "/exec s" when the exec() of the command under test has returned.

#include <marrowick/command.h>

#include <QtCore/QList>
#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>
#include <QtCore/QTimer>

#include <functional>

namespace TestCommands {

using Log = QStringList;

// Logs the start and done signals and the deletion of @p command under @p name.
inline void recordSignals(Marrowick::Command *command, const QString &name, Log *log)
{
    QObject::connect(command, &Marrowick::Command::start,
                     [log, name] { log->append(QStringLiteral("start ") + name); });
    QObject::connect(command, &Marrowick::Command::done, [log, name] { log->append(QStringLiteral("done ") + name); });
    QObject::connect(command, &QObject::destroyed, [log, name] { log->append(QStringLiteral("destroyed ") + name); });
}

class RecordingCommand : public Marrowick::Command
{
public:
    enum Completion {
        Immediately, ///< done() inside exec()
        AfterDelay, ///< done() from a timer of delay milliseconds
        WhenTold ///< done() only when the test calls complete()
    };

    RecordingCommand(const QString &name, Log *log, Completion completion = Immediately, int delay = 0)
        : m_name(name)
        , m_log(log)
        , m_completion(completion)
    {
        recordSignals(this, name, log);
        m_timer.setSingleShot(true);
        m_timer.setInterval(delay);
        connect(&m_timer, &QTimer::timeout, this, &RecordingCommand::complete);
    }

    void exec() override
    {
        m_log->append(QStringLiteral("exec ") + m_name);
        if (onExec)
            onExec();
        if (m_completion == Immediately)
            complete();
        else if (m_completion == AfterDelay)
            m_timer.start();
    }

    // Stops a pending completion, like a real command ending its animation.
    void finish() override
    {
        m_log->append(QStringLiteral("finish ") + m_name);
        m_timer.stop();
        if (doneInFinish)
            complete();
    }

    void complete()
    {
        for (int emission = 0; emission < donesPerCompletion; ++emission) {
            Q_EMIT done(this);
            m_log->append(QStringLiteral("/done ") + m_name);
        }
    }

    int donesPerCompletion = 1;
    bool doneInFinish = false;
    std::function<void()> onExec;

private:
    QString m_name;
    Log *m_log;
    Completion m_completion;
    QTimer m_timer;
};

// Makes one command per word of @p plan, in order. A word is a name followed
// by how the command completes: nothing for inside exec(), "~N" for after N
// milliseconds, "?" for only when told; then optionally "*2" to emit done()
// twice per completion and "!" to emit done() inside finish() as well.
// "a b~20 c?!" is a, completing at once, b after 20 ms and c never by itself
// but inside its finish().
inline QList<RecordingCommand *> makeCommands(const QString &plan, Log *log, QObject *parent = nullptr)
{
    static const QRegularExpression word(QStringLiteral("^([a-z]+)(~(\\d+)|\\?)?(\\*2)?(!)?$"));
    QList<RecordingCommand *> commands;
    const QStringList words = plan.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &text : words) {
        const QRegularExpressionMatch match = word.match(text);
        if (!match.hasMatch())
            qFatal("makeCommands: malformed word \"%s\"", qPrintable(text));
        RecordingCommand::Completion completion = RecordingCommand::Immediately;
        if (!match.captured(3).isEmpty())
            completion = RecordingCommand::AfterDelay;
        else if (!match.captured(2).isEmpty())
            completion = RecordingCommand::WhenTold;
        auto command = new RecordingCommand(match.captured(1), log, completion, match.captured(3).toInt());
        command->setParent(parent);
        command->donesPerCompletion = match.captured(4).isEmpty() ? 1 : 2;
        command->doneInFinish = !match.captured(5).isEmpty();
        commands.append(command);
    }
    return commands;
}

// The same list, typed as the composites take it.
inline QList<Marrowick::Command *> asCommands(const QList<RecordingCommand *> &commands)
{
    QList<Marrowick::Command *> result;
    for (RecordingCommand *command : commands)
        result.append(command);
    return result;
}

// The log entries written in @p text, separated by ", ".
inline Log trace(const char *text)
{
    return QString::fromLatin1(text).split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

} // namespace TestCommands

#endif
