#ifndef MARROWICK_LOCALRESOURCES_H
#define MARROWICK_LOCALRESOURCES_H

#include "marrowick_export.h"
#include "marrowick_qt.h"

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <QtGui/QPixmap>

#include <memory>

namespace Marrowick {

/**
 * Finds the data files a game loads at run time (card pictures and others) by
 * name along an ordered list of search paths, and keeps what it loaded in a
 * cache bounded by file size.
 *
 * @code
 * LocalResources::setSearchPaths({QStringLiteral("/usr/share/mygame/cards/")});
 * LocalResources::addSearchPath(QDir::homePath() + QStringLiteral("/.mygame/cards/")); // tried first
 * const QPixmap ace = LocalResources::resourcePixmap(QStringLiteral("ace_spades.png"));
 * const QString deck = LocalResources::resourcePath(QStringLiteral("deck.svg"), QMetaType::QString);
 * @endcode
 *
 * Each search path is a literal prefix: the file tried is the path followed
 * directly by the name, so a directory needs its trailing separator. The first
 * path that yields an existing file wins. A found value is cached under the
 * name exactly as given, whatever type was asked for: once a name is cached as
 * a file name, a pixmap request for it gets a null pixmap until the search
 * paths change. The cache holds up to 8 MiB of files, counted in whole KiB per
 * file; the least recently used entries make room for new ones, and a file of
 * more than 8 MiB is loaded at every request. A cached value is served without
 * looking at the disk, until it is evicted or the search paths change; every
 * change of the search paths empties the cache.
 *
 * A name found on no path is reported with one warning per request in the
 * logging category "marrowick.resources", naming the resource, the requested
 * type's number and the search paths. The number is Qt 5's under both Qt
 * versions: 10 for a string, 65 for a pixmap (Qt 6 numbers QPixmap 4097).
 *
 * The interface is static. Behind it stands one instance owned by the
 * library: it is created by the first call, with no search paths and an empty
 * cache, and destroyed with all it cached when the application object
 * (QCoreApplication) is destroyed; a later call starts afresh, so set the
 * search paths after creating the application object. Pixmaps need a
 * QGuiApplication.
 *
 * Not thread-safe: call it from the application's main thread only.
 */
class MARROWICK_EXPORT LocalResources
{
public:
    /// Destroyed by the library together with the application object; a host never holds an instance.
    ~LocalResources();

    /// A copy of the search paths, in the order in which they are tried.
    static QStringList searchPaths();
    /**
     * Makes @p paths the search paths, taken as they are: same order,
     * duplicates and empty strings kept, no separator added. Empties the cache.
     */
    static void setSearchPaths(const QStringList &paths);
    /**
     * Puts @p path in front of the search paths, so that its files hide
     * same-named files under the older paths; a path already in the list is
     * added once more. Empties the cache.
     */
    static void addSearchPath(const QString &path);

    /**
     * The resource @p name as a value of @p type: for a string
     * (QMetaType::QString, QVariant::String) the file name found (search path
     * followed by the name, not made absolute), for a pixmap
     * (QMetaType::QPixmap, QVariant::Pixmap, or 65 under both Qt versions) the
     * pixmap loaded from it in the format Qt detects.
     * A cached name answers with its cached value whatever @p type asks for.
     *
     * Returns an invalid QVariant when no search path yields the file (with a
     * warning), for any other type, and for a file that does not load as a
     * picture; none of these is cached.
     */
    static QVariant resource(const QString &name, TypeId type);
    /**
     * The file name under which the resource @p name was found. A name not
     * yet cached is looked up with resource(name, type) first, which caches
     * the value of @p type, and the file name is returned if that yielded a
     * value (even when the file was too large to be cached). Returns an empty,
     * non-null string otherwise.
     */
    static QString resourcePath(const QString &name, TypeId type);
    /**
     * The pixmap of the resource @p name, looked up as with
     * resource(name, QMetaType::QPixmap). A null pixmap when there is none,
     * also when the name is cached with a value that is not a pixmap.
     */
    static QPixmap resourcePixmap(const QString &name);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    /// resource() with the type spelled as Qt 6 spells it (QMetaType::QPixmap), for sources shared with Qt 6.
    static QVariant resource(const QString &name, QMetaType::Type type) { return resource(name, QVariant::Type(type)); }
    /// resourcePath() with the type spelled as Qt 6 spells it, for sources shared with Qt 6.
    static QString resourcePath(const QString &name, QMetaType::Type type)
    {
        return resourcePath(name, QVariant::Type(type));
    }
#endif

private:
    struct Private;

    LocalResources();
    Q_DISABLE_COPY(LocalResources)
    static LocalResources *instance();

    const std::unique_ptr<Private> d;
};

} // namespace Marrowick

#endif
