#ifndef MARROWICK_LOCALRESOURCES_P_H
#define MARROWICK_LOCALRESOURCES_P_H

#include "localresources.h"

#include <QtCore/QCache>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>

namespace Marrowick {

// One cached resource: where it was found and what was loaded from there.
struct CacheEntry
{
    QString fileName;
    QVariant value;
};

struct LocalResources::Private
{
    // In whole KiB of the files the entries were loaded from: 8 MiB.
    static constexpr int maximumCacheCost = 8192;

    // The resource found for @p name, from the cache or from the disk: a
    // default entry when there is none. A value found but too large to be
    // cached is returned all the same.
    CacheEntry lookUp(const QString &name, TypeId type);

    // Keyed by the name as the caller gave it; owns its entries.
    QCache<QString, CacheEntry> cache {maximumCacheCost};
    QStringList paths;
};

} // namespace Marrowick

#endif
