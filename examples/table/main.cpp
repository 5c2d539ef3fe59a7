// marrowick-table: a poker table in a window. The cards are drawn from a
// deck with Marrowick::CardDeck; each deal is a chain
// of commands in which every card flies into place. Run with -h for the options.

#include "dealreport.h"
#include "programexit.h"
#include "tabledeck.h"
#include "tablesetup.h"
#include "tablewindow.h"

#include <QtCore/QTextStream>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>

namespace {

// Once the deal is over: prints it, saves the window into @p file and ends the program.
void saveScreenshotAfterDeal(TableWindow &window, const QString &file)
{
    QObject::connect(&window, &TableWindow::dealFinished, &window, [&window, file] {
        QTextStream out(stdout);
        printDeal(out, window.lastDeal(), window.lastResult());
        out.flush();
        if (!window.grab().save(file, "PNG")) {
            QCoreApplication::exit(reportProblem(QStringLiteral("cannot write the screenshot ") + file, ExitFailure));
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
    int exitCode = ExitSuccess;
    if (setupEndsProgram(readTableSetup(argc, argv, &setup, &error), error, &exitCode))
        return exitCode;

    QString warning;
    const std::unique_ptr<Marrowick::CardDeck> deck = openTableDeck(setup, &error, &warning);
    if (!deck)
        return reportProblem(error, ExitFailure);
    if (!warning.isEmpty())
        printProblem(warning);

    TableWindow window(deck.get(), setup.players, setup.seed);
    window.resize(1000, 700);
    if (!setup.screenshot.isEmpty())
        saveScreenshotAfterDeal(window, setup.screenshot);
    window.show();
    QTimer::singleShot(0, &window, &TableWindow::deal);
    return app.exec();
}
