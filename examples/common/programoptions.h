#ifndef MARROWICK_EXAMPLES_PROGRAMOPTIONS_H
#define MARROWICK_EXAMPLES_PROGRAMOPTIONS_H

#include <marrowick/commandlineoptions.h>

// How reading a program's setup from its options ended.
enum class SetupOutcome {
    Run, ///< the setup is complete
    HelpRequested, ///< -h or -help: the help has been printed
    BadOption, ///< an unknown option or a missing value: the help has been printed
    BadValue ///< a value that cannot be used: the error says why
};

// The options of an example program. Whole numbers are parsed as the text
// that was typed, so that one out of range is reported as typed rather than
// wrapped by the conversion to int; the help still shows their declared types.
class ProgramOptions : public Marrowick::CommandLineOptions
{
protected:
    void declare(const QList<Option> &options);
    // The option list of the help, one line per option.
    void printOptionList() const;

private:
    QList<Option> m_declared;
};

// Helpers for the option tables of the example programs.
namespace OptionValues {

Marrowick::CommandLineOptions::Option option(const char *name, QMetaType::Type type, const char *description,
                                             const QVariant &defaultValue = QVariant());

// The -h and -help switches. The programs turn the parser's own help names
// off and declare these instead, so that asking for help (exit code 0) can be
// told apart from a mistake (exit code 2).
QList<Marrowick::CommandLineOptions::Option> helpSwitches();
bool helpRequested(Marrowick::CommandLineOptions &options);

// Whether the option @p name was given, on the command line or in the
// settings store, rather than left to its default.
bool isGiven(const Marrowick::CommandLineOptions &options, const QString &name);

// A whole number from @p low to @p high, from the command line or the
// settings store; false with a message in @p error for anything else.
bool readWholeNumber(const Marrowick::CommandLineOptions &options, const QString &name, qlonglong low, qlonglong high,
                     qlonglong *number, QString *error);

// The text of an option as it was written, also when the settings store
// read a line with commas as a list.
QString readText(const Marrowick::CommandLineOptions &options, const QString &name);

} // namespace OptionValues

#endif
