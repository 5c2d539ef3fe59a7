#ifndef MARROWICK_COMMANDLINEOPTIONS_H
#define MARROWICK_COMMANDLINEOPTIONS_H

#include "marrowick_export.h"
#include "marrowick_qt.h"

#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>

namespace Marrowick {

/**
 * The command-line options of a game: a table of declared options, parsing of
 * the process arguments, a help printout and typed value lookup that falls
 * back to the application's settings store and to defaults.
 *
 * @code
 * int main(int argc, char *argv[])
 * {
 *     QApplication app(argc, argv);
 *     app.setOrganizationName(QStringLiteral("Example"));
 *     app.setApplicationName(QStringLiteral("solitaire"));
 *
 *     CommandLineOptions::Option width(QStringLiteral("width"), QMetaType::Int);
 *     width.description = QStringLiteral("Window width");
 *     width.defaultValue = 800;
 *     CommandLineOptions::Option fullScreen(QStringLiteral("fullscreen"), QMetaType::Bool);
 *     fullScreen.description = QStringLiteral("Start in full screen");
 *
 *     CommandLineOptions options;
 *     options.setOptions({width, fullScreen});
 *     // solitaire -width 1024 -fullscreen -- game1.sav
 *     if (!options.parseOptions(argc, argv))   // help has been printed
 *         return 1;
 *     const int w = options.value<int>(QStringLiteral("width"));          // -width 1024, else settings, else 800
 *     const bool full = options.value<bool>(QStringLiteral("fullscreen")); // -fullscreen, -fullscreen false
 *     const QStringList files = options.remainingArgs();                  // ("game1.sav")
 *     ...
 * }
 * @endcode
 *
 * The grammar has one form per option: a single "-" and the option's exact
 * name, then, unless the option is a switch (type bool), exactly one
 * argument holding its value, which may itself begin with "-" (-offset -5).
 * A switch takes the next argument as its value only when that argument does
 * not begin with "-"; otherwise the switch alone means true. Arguments that
 * do not begin with "-" are remaining arguments, in any position; "--" makes
 * every later argument a remaining argument. There is no "--name", no
 * "-name=value" and no bundling of one-letter options. "-help" and "-h" ask
 * for help while useHelp() is true.
 *
 * Values are looked up in this order: the command line (or setValue()), the
 * application's settings store under the option's name (while useQSettings()
 * is true), the option's own default, the default given to value().
 *
 * The object is a plain value that owns everything it holds; it keeps no
 * pointer to the argument vector. Derive from it to replace help(). It is not
 * thread-safe: use one object from one thread at a time (distinct objects may
 * live in different threads).
 */
class MARROWICK_EXPORT CommandLineOptions
{
public:
    /**
     * One declared option. Copied and assigned memberwise; set description
     * and defaultValue by assigning the fields.
     */
    struct MARROWICK_EXPORT Option
    {
        /// An option called @p name (no leading dash) of @p type, with no description and no default.
        Option(const QString &name = QString(), TypeId type = TypeId(QMetaType::UnknownType));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        /// The same, with the type spelled as Qt 6 spells it (QMetaType::Int), for sources shared with Qt 6.
        Option(const QString &name, QMetaType::Type type)
            : Option(name, QVariant::Type(type))
        { }
#endif

        /// The name without a leading dash; compared exactly and case-sensitively.
        QString name;
        /// One line of help text; may be empty.
        QString description;
        /// The option's own default; an invalid variant means none.
        QVariant defaultValue;
        /**
         * The type that a value is converted to. Bool (QMetaType::Bool,
         * QVariant::Bool) makes a switch; no type (QMetaType::UnknownType,
         * QVariant::Invalid) an option that takes no value from the command
         * line (giving it there asks for help); any other type takes exactly
         * one following argument. Values are converted as Qt 5 converts them,
         * also in the Qt 6 build (see the README), and a type that Qt does
         * not know takes no value from the command line, silently.
         */
        TypeId type;
    };

    /// No options, no values, no remaining arguments; useHelp() and useQSettings() true.
    CommandLineOptions();
    /// A copy of the table, the values, both flags and the remaining arguments.
    CommandLineOptions(const CommandLineOptions &other);
    /// Replaces everything with a copy of @p other's table, values, flags and remaining arguments.
    CommandLineOptions &operator=(const CommandLineOptions &other);
    /// Virtual, so that derived classes that replace help() are destroyed whole.
    virtual ~CommandLineOptions();

    /**
     * Replaces the option table with @p options; of several options with one
     * name the last wins. Discards every stored value; remainingArgs() stays.
     */
    void setOptions(const QList<Option> &options);
    /// The table in ascending order of name (UTF-16 code units), one option per name.
    QList<Option> options() const;

    /**
     * Parses @p argv[1] to @p argv[argc - 1] (each decoded from the local
     * 8-bit encoding, which Qt 6 takes to be UTF-8 on Unix) against the table, after discarding every stored value
     * and remaining argument. Returns false after calling help() when an
     * argument asks for help, names an option that is not in the table, or
     * names an option that needs a value and gets none; the arguments after
     * that one become remaining arguments and the values parsed before it
     * stay. A value is converted from text with QVariant's conversions and
     * stored whenever such a conversion exists for the option's type, even
     * if the text does not convert: "-width abc" stores an int 0 (a null
     * variant). Only for a type that no text converts to (QVariant::Rect,
     * say) the value is neither stored nor consumed: it is read as an
     * argument of its own. A switch takes the next argument as its value
     * when it does not begin with "-": "-fullscreen game1.sav" leaves no
     * remaining argument, "-fullscreen -- game1.sav" and "-fullscreen true
     * game1.sav" do. A null @p argv counts as no arguments and a null entry
     * as an empty argument.
     */
    bool parseOptions(int argc, char **argv);
    /// The arguments of the last parse that were neither options nor values, in order.
    QStringList remainingArgs() const;

    /**
     * Writes one line per option, in ascending order of name, to std::cout in
     * the local 8-bit encoding: " -width <int>: Window width (default value: 800)".
     * The type appears unless it is none (QMetaType::UnknownType), the description unless
     * it is empty, the default when it is valid. parseOptions() calls it
     * whenever it returns false; replace it to print more or something else.
     */
    virtual void help();

    /// Whether "-help" and "-h" ask for help (true by default).
    bool useHelp() const;
    /// Makes "-help" and "-h" ask for help, or (false) be looked up as ordinary option names.
    void setUseHelp(bool useHelp);
    /// Whether value lookup reads the application's settings store (true by default).
    bool useQSettings() const;
    /// Makes value lookup read, or (false) never read, the application's settings store.
    void setUseQSettings(bool useQSettings);

    /**
     * Whether a value is stored for @p name: given on the command line of the
     * last parse or stored with setValue() since. Defaults and settings
     * entries do not count.
     */
    bool hasValue(const QString &name) const;
    /**
     * Stores @p value for the option @p name as if it had been given on the
     * command line, after converting @p value itself to the option's type.
     * Does nothing for a name not in the table, an option of no type
     * (QMetaType::UnknownType) or a value that cannot be converted. The next
     * setOptions() or parseOptions() discards it.
     */
    void setValue(const QString &name, QVariant &value);
    /**
     * Stores a converted copy of @p value, as the other overload does, for
     * values that are not a variable of the caller: setValue(name, 1024).
     */
    void setValue(const QString &name, const QVariant &value);

    /**
     * The value of option @p name converted to T with qvariant_cast: the
     * value given on the command line or with setValue(); else, while
     * useQSettings() is true, the entry of the application's default settings
     * store (QSettings) under @p name; else the option's own default; else
     * @p defaultValue. A value that does not convert to T gives what
     * qvariant_cast gives (0 for int), not @p defaultValue. value<QVariant>()
     * returns what was found unconverted (the store's entry as the store
     * gives it), invalid when nothing was.
     */
    template<typename T> T value(const QString &name, const T &defaultValue = T()) const
    {
        return qvariant_cast<T>(valueHelper(name, QVariant::fromValue(defaultValue)));
    }

private:
    QVariant valueHelper(const QString &name, const QVariant &defaultValue) const;

    QMap<QString, Option> m_options;
    QMap<QString, QVariant> m_values;
    bool m_useHelp;
    bool m_useQSettings;
    QStringList m_remainingArgs;
};

} // namespace Marrowick

#endif
