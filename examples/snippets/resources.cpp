#include <marrowick/localresources.h>

#include <QtCore/QDir>
#include <QtGui/QGuiApplication>

using Marrowick::LocalResources;

int main(int argc, char *argv[])
{
    // The locator and its cache end with the application object: set the
    // search paths after creating it.
    QGuiApplication app(argc, argv);

    // A search path is a literal prefix of the name: directories need their trailing slash.
    LocalResources::setSearchPaths({QStringLiteral("/usr/share/mygame/cards/")});
    LocalResources::addSearchPath(QDir::homePath() + QStringLiteral("/.mygame/cards/")); // tried first

    // A null pixmap if no path has the file (reported with a warning) or it is no picture.
    const QPixmap ace = LocalResources::resourcePixmap(QStringLiteral("ace_spades.png"));

    // The file name found; an empty string if none (again with a warning).
    const QString deck = LocalResources::resourcePath(QStringLiteral("deck.svg"), QMetaType::QString);
    return ace.isNull() && deck.isEmpty() ? 1 : 0;
}
