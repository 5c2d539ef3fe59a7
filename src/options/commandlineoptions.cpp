#include "commandlineoptions.h"

namespace Marrowick {

CommandLineOptions::Option::Option(const QString &name, TypeId type)
    : name(name)
    , type(type)
{ }

CommandLineOptions::CommandLineOptions()
    : m_useHelp(true)
    , m_useQSettings(true)
{ }

CommandLineOptions::CommandLineOptions(const CommandLineOptions &other) = default;

CommandLineOptions &CommandLineOptions::operator=(const CommandLineOptions &other) = default;

CommandLineOptions::~CommandLineOptions() = default;

void CommandLineOptions::setOptions(const QList<Option> &options)
{
    m_options.clear();
    m_values.clear();
    for (const Option &option : options)
        m_options.insert(option.name, option);
}

QList<CommandLineOptions::Option> CommandLineOptions::options() const
{
    return m_options.values();
}

bool CommandLineOptions::useHelp() const
{
    return m_useHelp;
}

void CommandLineOptions::setUseHelp(bool useHelp)
{
    m_useHelp = useHelp;
}

bool CommandLineOptions::useQSettings() const
{
    return m_useQSettings;
}

void CommandLineOptions::setUseQSettings(bool useQSettings)
{
    m_useQSettings = useQSettings;
}

} // namespace Marrowick
