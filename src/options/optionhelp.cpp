#include "commandlineoptions.h"
#include "qtcompat_p.h"

#include <iostream>
#include <utility>

namespace Marrowick {

namespace {

void write(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::cout.write(bytes.constData(), bytes.size());
}

// "QString" is shown as "String", "int" stays "int"; a type Qt does not know has no name.
QString shownTypeName(int type)
{
    QString name = QString::fromLatin1(QtCompat::typeName(type));
    if (name.startsWith(QLatin1Char('Q')))
        name.remove(0, 1);
    return name;
}

} // namespace

void CommandLineOptions::help()
{
    for (const Option &option : std::as_const(m_options)) {
        write(QLatin1String(" -") + option.name);
        const int type = QtCompat::metaTypeId(option.type);
        if (type != QMetaType::UnknownType)
            write(QLatin1String(" <") + shownTypeName(type) + QLatin1Char('>'));
        if (!option.description.isEmpty())
            write(QLatin1String(": ") + option.description);
        if (option.defaultValue.isValid())
            write(QLatin1String(" (default value: ") + option.defaultValue.toString() + QLatin1Char(')'));
        std::cout << std::endl;
    }
}

} // namespace Marrowick
