#ifndef MARROWICK_EXAMPLES_OPTIONVALUES_H
#define MARROWICK_EXAMPLES_OPTIONVALUES_H

#include <marrowick/commandlineoptions.h>

// How reading a program's setup from its options ended.
enum class SetupOutcome {
    Run, ///< the setup is complete
    HelpRequested, ///< -h or -help: the help has been printed
    BadOption, ///< an unknown option or a missing value: the help has been printed
    BadValue ///< a value that cannot be used: the error says why
};

// Helpers for the option tables of the example programs.
namespace OptionValues {

Marrowick::CommandLineOptions::Option option(const char *name, QVariant::Type type, const char *description,
                                             const QVariant &defaultValue = QVariant());

// The -h and -help switches. The programs turn the parser's own help names
// off and declare these instead, so that asking for help (exit code 0) can be
// told apart from a mistake (exit code 2).
QList<Marrowick::CommandLineOptions::Option> helpSwitches();
bool helpRequested(Marrowick::CommandLineOptions &options);

// A whole number from @p low to @p high, from the command line or the
// settings store; false with a message in @p error for anything else.
bool readWholeNumber(const Marrowick::CommandLineOptions &options, const QString &name, qlonglong low, qlonglong high,
                     qlonglong *number, QString *error);

} // namespace OptionValues

#endif
