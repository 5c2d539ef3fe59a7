// marrowick-showdown: deals poker hands on the command line and shows who
// wins. Each deal is a chain of commands run by the event loop; the showdown
// is decided by the hand evaluator. Run with -h for the options.

#include "showdownsession.h"
#include "showdownsetup.h"

#include <QtCore/QCoreApplication>

#include <cstdio>

namespace {

int badInput(const QString &message)
{
    std::fprintf(stderr, "marrowick-showdown: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Names of the settings store that option values fall back to.
    QCoreApplication::setOrganizationName(QStringLiteral("Marrowick"));
    QCoreApplication::setApplicationName(QStringLiteral("marrowick-showdown"));

    ShowdownSetup setup;
    QString error;
    switch (readShowdownSetup(argc, argv, &setup, &error)) {
    case SetupOutcome::HelpRequested:
        return 0;
    case SetupOutcome::BadOption:
        return badInput(QStringLiteral("unknown option or missing value; the options are listed above"));
    case SetupOutcome::BadValue:
        return badInput(error);
    case SetupOutcome::Run:
        break;
    }

    ShowdownSession session(setup);
    QObject::connect(&session, &ShowdownSession::finished, &app, &QCoreApplication::quit);
    session.start();
    return app.exec();
}
