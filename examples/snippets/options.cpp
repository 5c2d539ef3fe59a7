#include <marrowick/commandlineoptions.h>

#include <QtCore/QDebug>
#include <QtWidgets/QApplication>

using Marrowick::CommandLineOptions;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Example"));   // where the settings fallback looks
    app.setApplicationName(QStringLiteral("solitaire"));

    CommandLineOptions::Option width(QStringLiteral("width"), QMetaType::Int);
    width.description = QStringLiteral("Window width");
    width.defaultValue = 800;
    CommandLineOptions::Option fullScreen(QStringLiteral("fullscreen"), QMetaType::Bool);
    fullScreen.description = QStringLiteral("Start in full screen");

    CommandLineOptions options;
    options.setOptions({width, fullScreen});
    // solitaire -width 1024 -fullscreen -- game1.sav
    if (!options.parseOptions(argc, argv))   // -h, an unknown option or a missing value:
        return 1;                            // the option list has been printed

    const int w = options.value<int>(QStringLiteral("width"));           // 1024; else settings; else 800
    const bool full = options.value<bool>(QStringLiteral("fullscreen")); // true
    const QStringList files = options.remainingArgs();                   // ("game1.sav")
    // ... open the window at width w, full screen or not, and load the files ...
    qDebug() << w << full << files;                                      // 1024 true ("game1.sav")
    return 0;
}
