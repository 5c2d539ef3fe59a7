#include "commandlineoptions.h"
#include "qtcompat_p.h"

#include <QtCore/QSettings>

namespace Marrowick {

bool CommandLineOptions::hasValue(const QString &name) const
{
    return m_values.contains(name);
}

void CommandLineOptions::setValue(const QString &name, QVariant &value)
{
    const auto found = m_options.constFind(name);
    if (found == m_options.constEnd())
        return;
    const int type = QtCompat::metaTypeId(found->type);
    if (type != QMetaType::UnknownType && QtCompat::convert(value, type))
        m_values.insert(name, value);
}

void CommandLineOptions::setValue(const QString &name, const QVariant &value)
{
    QVariant converted = value;
    setValue(name, converted);
}

QVariant CommandLineOptions::valueHelper(const QString &name, const QVariant &defaultValue) const
{
    const auto given = m_values.constFind(name);
    if (given != m_values.constEnd())
        return *given;

    QVariant fallback = defaultValue;
    const auto option = m_options.constFind(name);
    if (option != m_options.constEnd() && option->defaultValue.isValid())
        fallback = option->defaultValue;

    // The store has no entry under the empty key; asking QSettings for one
    // would only earn a warning and lose the fallback.
    if (!m_useQSettings || name.isEmpty())
        return fallback;
    // A fresh object each time, so that the lookup sees the store as it is now.
    const QSettings settings;
    return settings.value(name, fallback);
}

} // namespace Marrowick
