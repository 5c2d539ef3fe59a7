// marrowick-showdown: deals poker hands on the command line and shows who
// wins. Each deal is a chain of commands run by the event loop; the showdown
// is decided by the hand evaluator. Run with -h for the options.

#include "programexit.h"
#include "showdownsession.h"
#include "showdownsetup.h"

#include <QtCore/QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Names of the settings store that option values fall back to.
    QCoreApplication::setOrganizationName(QStringLiteral("Marrowick"));
    QCoreApplication::setApplicationName(QStringLiteral("marrowick-showdown"));

    ShowdownSetup setup;
    QString error;
    int exitCode = ExitSuccess;
    if (setupEndsProgram(readShowdownSetup(argc, argv, &setup, &error), error, &exitCode))
        return exitCode;

    ShowdownSession session(setup);
    QObject::connect(&session, &ShowdownSession::finished, &app, &QCoreApplication::quit);
    session.start();
    return app.exec();
}
