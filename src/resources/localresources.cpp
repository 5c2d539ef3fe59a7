#include "localresources_p.h"

#include <QtCore/QCoreApplication>

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

} // namespace Marrowick
