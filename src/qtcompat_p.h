#ifndef MARROWICK_QTCOMPAT_P_H
#define MARROWICK_QTCOMPAT_P_H

#include "marrowick_qt.h"

#include <QtCore/QByteArray>
#include <QtCore/QVariant>

// Where Qt 5 and Qt 6 behave differently in ways a host would see, the
// library asks these functions, and only their definitions test the Qt
// version. Each keeps what the library does under Qt 5 and names the Qt 6
// difference it smooths over.
namespace Marrowick::QtCompat {

// The Qt type id that @p type names. Qt 6 numbers the GUI types from 0x1000
// on; Qt 5's numbers for them, 64 to 86 (65 is QPixmap), name the same types
// here, so that a host passing the number 65 gets a pixmap under both.
int metaTypeId(TypeId type);

// The number under which Qt 5 knows the type id @p id, the one messages show:
// QPixmap is 65 under both, though Qt 6 numbers it 4097.
int qt5TypeNumber(int id);

// The name that Qt gives the type id @p id ("QString", "int"); empty for an
// id that Qt does not know, where Qt 6 would also warn.
QByteArray typeName(int id);

// Converts @p value to the type id @p id as Qt 5 converts it (canConvert(),
// then convert(), whose failure still leaves a value of the type). Returns
// false, leaving @p value as it was, when Qt 5 could not convert it, which
// includes every type that Qt does not know; no message either way.
bool convert(QVariant &value, int id);

} // namespace Marrowick::QtCompat

#endif
