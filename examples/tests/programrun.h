#ifndef MARROWICK_EXAMPLES_PROGRAMRUN_H
#define MARROWICK_EXAMPLES_PROGRAMRUN_H

// Runs an example program as a user would: a process with arguments, its exit
// code and what it printed.

#include <QtCore/QByteArray>
#include <QtCore/QProcess>
#include <QtCore/QProcessEnvironment>
#include <QtCore/QStringList>

struct ProgramRun
{
    bool finished = false; ///< false when it crashed or hung
    int exitCode = -1;
    QString out;
    QString err;
};

// @p configHome is where the program's settings store lives (XDG_CONFIG_HOME),
// so that no user's own settings get in the way.
inline ProgramRun runProgram(const QString &program, const QStringList &arguments, const QString &configHome,
                             int timeoutMs = 120000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    run.finished = process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

#endif
