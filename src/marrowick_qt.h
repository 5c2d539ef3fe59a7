#ifndef MARROWICK_QT_H
#define MARROWICK_QT_H

// The two types of the interface that differ between the Qt 5 and the Qt 6
// build of Marrowick. Writing QMetaType::Int and the like where a TypeId is
// taken compiles under both.

#include <QtCore/QMetaType>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QtCore/QVariant>
#endif

#include <cstddef>

namespace Marrowick {

/**
 * The type of a value, as CommandLineOptions::Option and LocalResources take
 * it.
 *
 * Built against Qt 5 it is QVariant::Type. Qt 6 deprecates QVariant::Type and
 * gives the GUI types new numbers (QPixmap is 65 in Qt 5 and 4097 in Qt 6), so
 * built against Qt 6 it is a plain type id: QMetaType::Type and QVariant::Type
 * values convert to it alike, and Qt 5's numbers of the GUI types, 64 to 86
 * (65 is QVariant::Pixmap), still name the same types.
 */
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using TypeId = int;
#else
using TypeId = QVariant::Type;
#endif

/// What qHash() takes as its seed and returns: uint in Qt 5, size_t in Qt 6.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using HashValue = std::size_t;
#else
using HashValue = uint;
#endif

} // namespace Marrowick

#endif
