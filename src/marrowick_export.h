#ifndef MARROWICK_EXPORT_H
#define MARROWICK_EXPORT_H

#include <QtCore/qglobal.h>

// Also refuses a program compiled against the other Qt major version.
#include "marrowick_version.h"

// Every public class is exported whole: the library is built with hidden
// visibility, so only what carries MARROWICK_EXPORT is reachable by a host.
#if defined(MARROWICK_BUILDING_LIBRARY)
#define MARROWICK_EXPORT Q_DECL_EXPORT
#else
#define MARROWICK_EXPORT Q_DECL_IMPORT
#endif

#endif
