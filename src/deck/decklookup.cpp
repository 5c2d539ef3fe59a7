#include "decklookup.h"

#include "carddeck.h"

#include <marrowick/localresources.h>

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>

namespace Marrowick::DeckLookup {

namespace {

const QStringList &fileSuffixes()
{
    static const QStringList suffixes = {QStringLiteral(".svg"), QStringLiteral(".svgz")};
    return suffixes;
}

} // namespace

QStringList folders()
{
    QStringList result = LocalResources::searchPaths();
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &folder : dataFolders)
        result.append(folder + QStringLiteral("/" MARROWICK_DATA_FOLDER "/decks/"));
    const QString builtIn = CardDeck::builtInDeckPath();
    result.append(builtIn.left(builtIn.lastIndexOf(QLatin1Char('/')) + 1));
    return result;
}

QString find(const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QStringList prefixes = folders();
    for (const QString &prefix : prefixes) {
        for (const QString &suffix : QStringList {QString()} + fileSuffixes()) {
            const QString candidate = prefix + name + suffix;
            const QFileInfo info(candidate);
            // Anything but a folder is found, so that a FIFO or a device is refused when opened, not skipped.
            if (info.exists() && !info.isDir())
                return candidate;
        }
    }
    return QString();
}

QStringList available()
{
    QStringList names;
    const QStringList prefixes = folders();
    for (const QString &prefix : prefixes) {
        // A search path is a prefix of the file name: a folder, then the start of the name.
        const int slash = prefix.lastIndexOf(QLatin1Char('/'));
        const QDir folder(slash < 0 ? QStringLiteral(".") : prefix.left(slash + 1));
        const QString start = prefix.mid(slash + 1);
        QStringList patterns;
        for (const QString &suffix : fileSuffixes())
            patterns.append(start + QLatin1Char('*') + suffix);
        const QStringList files = folder.entryList(patterns, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &file : files) {
            QString name = file.mid(start.size());
            name.chop(name.endsWith(fileSuffixes().at(0)) ? fileSuffixes().at(0).size() : fileSuffixes().at(1).size());
            if (!name.isEmpty() && !names.contains(name))
                names.append(name);
        }
    }
    return names;
}

bool isPath(const QString &fileOrName)
{
    return fileOrName.contains(QLatin1Char('/')) || QFileInfo::exists(fileOrName);
}

} // namespace Marrowick::DeckLookup
