#ifndef MARROWICK_DECK_EXPORT_H
#define MARROWICK_DECK_EXPORT_H

#include <QtCore/qglobal.h>

// The deck component's classes are exported whole, like the core library's.
#if defined(MARROWICK_BUILDING_DECK_LIBRARY)
#define MARROWICK_DECK_EXPORT Q_DECL_EXPORT
#else
#define MARROWICK_DECK_EXPORT Q_DECL_IMPORT
#endif

#endif
