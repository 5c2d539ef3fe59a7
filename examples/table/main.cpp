// marrowick-table: a poker table in a window. The cards are drawn from the
// deck picture document, found through LocalResources; each deal is a chain
// of commands in which every card flies into place. Run with -h for the options.

#include "cardpictures.h"
#include "dealreport.h"
#include "tablesetup.h"
#include "tablewindow.h"

#include <QtCore/QTextStream>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>

#include <cstdio>

namespace {

int fail(const QString &message, int exitCode)
{
    std::fprintf(stderr, "marrowick-table: %s\n", qPrintable(message));
    return exitCode;
}

// Once the deal is over: prints it, saves the window into @p file and ends the program.
void saveScreenshotAfterDeal(TableWindow &window, const QString &file)
{
    QObject::connect(&window, &TableWindow::dealFinished, &window, [&window, file] {
        QTextStream out(stdout);
        printDeal(out, window.lastDeal(), window.lastResult());
        out.flush();
        if (!window.grab().save(file, "PNG")) {
            fail(QStringLiteral("cannot write the screenshot ") + file, 1);
            QCoreApplication::exit(1);
            return;
        }
        QCoreApplication::quit();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Marrowick"));
    QCoreApplication::setApplicationName(QStringLiteral("marrowick-table"));

    TableSetup setup;
    QString error;
    switch (readTableSetup(argc, argv, &setup, &error)) {
    case SetupOutcome::HelpRequested:
        return 0;
    case SetupOutcome::BadOption:
        return fail(QStringLiteral("unknown option or missing value; the options are listed above"), 2);
    case SetupOutcome::BadValue:
        return fail(error, 2);
    case SetupOutcome::Run:
        break;
    }

    CardPictures::setSearchPaths(setup.decksDir);
    CardPictures pictures;
    if (!pictures.load(&error))
        return fail(error, 1);

    TableWindow window(&pictures, setup.players, setup.seed);
    window.resize(1000, 700);
    if (!setup.screenshot.isEmpty())
        saveScreenshotAfterDeal(window, setup.screenshot);
    window.show();
    QTimer::singleShot(0, &window, &TableWindow::deal);
    return app.exec();
}
