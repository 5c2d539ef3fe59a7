#include "commandlineoptions.h"

#include <iostream>

namespace Marrowick {

namespace {

void write(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::cout.write(bytes.constData(), bytes.size());
}

// "QString" is shown as "String", "int" stays "int".
QString shownTypeName(QVariant::Type type)
{
    QString name = QString::fromLatin1(QVariant::typeToName(int(type)));
    if (name.startsWith(QLatin1Char('Q')))
        name.remove(0, 1);
    return name;
}

} // namespace

void CommandLineOptions::help()
{
    for (const Option &option : qAsConst(m_options)) {
        write(QLatin1String(" -") + option.name);
        if (option.type != QVariant::Invalid)
            write(QLatin1String(" <") + shownTypeName(option.type) + QLatin1Char('>'));
        if (!option.description.isEmpty())
            write(QLatin1String(": ") + option.description);
        if (option.defaultValue.isValid())
            write(QLatin1String(" (default value: ") + option.defaultValue.toString() + QLatin1Char(')'));
        std::cout << std::endl;
    }
}

} // namespace Marrowick
