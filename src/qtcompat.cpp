#include "qtcompat_p.h"

#include <QtCore/QStringList>
#include <QtCore/QTime>

#include <cmath>

namespace Marrowick::QtCompat {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)

namespace {

// Qt 5's GUI type numbers and where Qt 6 moved them; the order is the same.
constexpr int qt5FirstGuiType = 64;
constexpr int qt5LastGuiType = 86; // QPolygonF
constexpr int qt6FirstGuiType = 0x1000;
constexpr int qt6LastGuiType = qt6FirstGuiType + qt5LastGuiType - qt5FirstGuiType;

bool isFloatingPoint(int id)
{
    return id == QMetaType::Double || id == QMetaType::Float;
}

bool isIntegral(int id)
{
    switch (id) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

// The conversions that Qt 6 makes and Qt 5 refused, measured over the
// built-in types: text read as a list of characters, a string list of other
// than one item read as a string, Qt containers read as JSON or CBOR, and
// anything read as a CBOR simple type.
bool onlyQt6Converts(const QVariant &value, int id)
{
    const int source = value.userType();
    if (source == id)
        return false;
    switch (id) {
    case QMetaType::QVariantList:
        return source == QMetaType::QString || source == QMetaType::QByteArray;
    case QMetaType::QString:
        return source == QMetaType::QStringList && value.toStringList().size() != 1;
    case QMetaType::QChar:
        return source == QMetaType::Float;
    case QMetaType::QCborSimpleType:
        return true;
    case QMetaType::QJsonValue:
        return source == QMetaType::QStringList;
    case QMetaType::QCborValue:
        return source == QMetaType::QStringList || source == QMetaType::QDate;
    case QMetaType::QJsonArray:
    case QMetaType::QCborArray:
        return source == QMetaType::QStringList || source == QMetaType::QVariantList;
    case QMetaType::QByteArrayList:
        return source == QMetaType::QVariantList;
    case QMetaType::QJsonObject:
    case QMetaType::QCborMap:
        return source == QMetaType::QVariantMap;
    default:
        return false;
    }
}

// Qt 5 reads an ISO time only with hours and minutes ("12:30"), where Qt 6
// also takes hours alone ("12", "12.5"), and ignores a final dot after the
// seconds ("12:30:45."), which Qt 6 refuses. @p text is the time part.
QString qt5IsoTime(const QString &text)
{
    if (!text.contains(QLatin1Char(':')))
        return QString();
    if (text.endsWith(QLatin1Char('.')))
        return text.chopped(1);
    return text;
}

// Rewrites a text that Qt 6 would read differently as a time; untouched otherwise.
QString qt5TimeText(const QString &text, int id)
{
    if (id == QMetaType::QTime)
        return qt5IsoTime(text);
    const qsizetype separator = text.indexOf(QLatin1Char('T'));
    if (id == QMetaType::QDateTime && separator >= 0) {
        const QString time = qt5IsoTime(text.mid(separator + 1));
        return time.isNull() ? QString() : text.left(separator + 1) + time;
    }
    return text;
}

} // namespace

int metaTypeId(TypeId type)
{
    if (type >= qt5FirstGuiType && type <= qt5LastGuiType)
        return type - qt5FirstGuiType + qt6FirstGuiType;
    return type;
}

int qt5TypeNumber(int id)
{
    if (id >= qt6FirstGuiType && id <= qt6LastGuiType)
        return id - qt6FirstGuiType + qt5FirstGuiType;
    return id;
}

QByteArray typeName(int id)
{
    // QMetaType(id) warns for an unknown id; isRegistered() does not.
    if (!QMetaType::isRegistered(id))
        return QByteArray();
    return QByteArray(QMetaType(id).name());
}

bool convert(QVariant &value, int id)
{
    if (!QMetaType::isRegistered(id))
        return false;
    const QMetaType type(id);
    if (!value.canConvert(type) || onlyQt6Converts(value, id))
        return false;
    const int source = value.userType();
    if (isFloatingPoint(source) && isIntegral(id)) {
        // Qt 5 rounds halves up (-1.5 to -1), Qt 6 away from zero (-1.5 to -2).
        value = std::floor(value.toDouble() + 0.5);
    } else if (source == QMetaType::QString && (id == QMetaType::QTime || id == QMetaType::QDateTime)) {
        value = qt5TimeText(value.toString(), id);
    }
    value.convert(type);
    return true;
}

#else

int metaTypeId(TypeId type)
{
    return int(type);
}

int qt5TypeNumber(int id)
{
    return id;
}

QByteArray typeName(int id)
{
    return QByteArray(QVariant::typeToName(id));
}

bool convert(QVariant &value, int id)
{
    if (!value.canConvert(id))
        return false;
    value.convert(id);
    return true;
}

#endif

} // namespace Marrowick::QtCompat
