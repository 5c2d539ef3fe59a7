#include "localresources_p.h"

#include "logging_p.h"
#include "qtcompat_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QFile>
#include <QtGui/QPixmap>

#include <climits>

namespace Marrowick {

namespace {

// Null until the first call, and again once the application object is gone.
LocalResources *theInstance = nullptr;

void destroyInstance()
{
    delete theInstance;
    theInstance = nullptr;
}

} // namespace

LocalResources::LocalResources()
    : d(new Private)
{ }

LocalResources::~LocalResources() = default;

LocalResources *LocalResources::instance()
{
    if (!theInstance) {
        theInstance = new LocalResources;
        // Qt drops a post routine once it has run, so a fresh instance registers again.
        qAddPostRoutine(destroyInstance);
    }
    return theInstance;
}

QStringList LocalResources::searchPaths()
{
    return instance()->d->paths;
}

void LocalResources::setSearchPaths(const QStringList &paths)
{
    Private &d = *instance()->d;
    d.paths = paths;
    d.cache.clear();
}

void LocalResources::addSearchPath(const QString &path)
{
    Private &d = *instance()->d;
    d.paths.prepend(path);
    // Entries found under the other paths may now be hidden by this one.
    d.cache.clear();
}

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Every item is followed by one space, the last one too. Qt 5's debug stream
// would quote and escape strings itself and chop the final space; the name and
// the paths are quoted here as they are, and switching spacing off after the
// last item keeps its space.
void warnNotFound(const QString &name, int type, const QStringList &paths)
{
    QStringList quotedPaths;
    quotedPaths.reserve(paths.size());
    for (const QString &path : paths)
        quotedPaths.append(quoted(path));
    const QString pathList = QLatin1Char('(') + quotedPaths.join(QLatin1String(", ")) + QLatin1Char(')');
    QDebug warning = QMessageLogger(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC)
                         .warning(lcResources())
                         .noquote();
    warning << "LocalResources::resource(" << quoted(name) << QtCompat::qt5TypeNumber(type)
            << ", did not find resource in" << pathList;
    warning.nospace();
}

// The first search path under which @p name is an existing file; null if none.
QString findFile(const QString &name, const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFile candidate(path + name);
        if (candidate.exists())
            return candidate.fileName();
    }
    return QString();
}

// Invalid for a type that is not served and for a file that is no picture.
QVariant loadValue(const QString &fileName, int type)
{
    switch (type) {
    case QMetaType::QString:
        return fileName;
    case QMetaType::QPixmap: {
        QPixmap pixmap;
        if (pixmap.load(fileName, nullptr, Qt::AutoColor))
            return QVariant::fromValue(pixmap);
        return QVariant();
    }
    default:
        return QVariant();
    }
}

// Whole KiB, saturated so that a huge file counts as too large instead of wrapping.
int cacheCost(const QString &fileName)
{
    return int(qMin<qint64>(QFile(fileName).size() / 1024, INT_MAX));
}

} // namespace

CacheEntry LocalResources::Private::lookUp(const QString &name, TypeId requested)
{
    const int type = QtCompat::metaTypeId(requested);
    if (const CacheEntry *cached = cache.object(name))
        return *cached;

    const QString fileName = findFile(name, paths);
    if (fileName.isNull()) {
        warnNotFound(name, type, paths);
        return CacheEntry();
    }
    const QVariant value = loadValue(fileName, type);
    if (!value.isValid())
        return CacheEntry();

    // The cache deletes an entry it has no room for at once.
    cache.insert(name, new CacheEntry {fileName, value}, cacheCost(fileName));
    return CacheEntry {fileName, value};
}

QVariant LocalResources::resource(const QString &name, TypeId type)
{
    return instance()->d->lookUp(name, type).value;
}

QString LocalResources::resourcePath(const QString &name, TypeId type)
{
    const CacheEntry entry = instance()->d->lookUp(name, type);
    if (!entry.value.isValid())
        return QLatin1String("");
    return entry.fileName;
}

QPixmap LocalResources::resourcePixmap(const QString &name)
{
    // A cached value of another type converts to a null pixmap.
    return qvariant_cast<QPixmap>(resource(name, TypeId(QMetaType::QPixmap)));
}

} // namespace Marrowick
