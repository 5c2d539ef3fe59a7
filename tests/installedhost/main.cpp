// A host that knows Marrowick only through its installed package, built with
// none of its Qt's deprecated API.
#include <marrowick/card.h>
#include <marrowick/carddeck.h>
#include <marrowick/commandlineoptions.h>
#include <marrowick/localresources.h>
#include <marrowick/marrowick_version.h>

#include <QtCore/QByteArray>
#include <QtGui/QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    static_assert(MARROWICK_VERSION >= MARROWICK_VERSION_CHECK(1, 0, 0), "Marrowick 1.0 or later");
    static_assert(MARROWICK_QT_MAJOR_VERSION == QT_VERSION_MAJOR, "Marrowick built for this Qt");

    const Marrowick::Card ace(Marrowick::Card::Spades, 0);
    const QByteArray bytes = Marrowick::Card::toByteArray({ace, Marrowick::Card(QStringLiteral("hK"))});
    const QVector<Marrowick::Card> back = Marrowick::Card::fromByteArray(bytes);
    if (bytes != QByteArray("\x04\x33", 2) || back.size() != 2 || back.at(0) != ace)
        return 1;

    // The built-in deck, and the same deck installed among the data.
    Marrowick::CardDeck builtIn;
    const Marrowick::CardDeck installed(QStringLiteral(DECKS_DIR "/marrowick-deck.svg"));
    if (!builtIn.isValid() || !installed.isValid() || builtIn.pixmap(ace, QSize(20, 28), 2).width() != 40)
        return 2;

    // The type spelled the way both Qt versions accept.
    Marrowick::CommandLineOptions options;
    options.setUseQSettings(false);
    options.setOptions({Marrowick::CommandLineOptions::Option(QStringLiteral("players"), QMetaType::Int)});
    char program[] = "host", name[] = "-players", value[] = "6";
    char *arguments[] = {program, name, value, nullptr};
    if (!options.parseOptions(3, arguments) || options.value<int>(QStringLiteral("players")) != 6)
        return 3;

    const QString self = QCoreApplication::applicationFilePath();
    Marrowick::LocalResources::setSearchPaths({QString()});
    if (Marrowick::LocalResources::resourcePath(self, QMetaType::QString) != self)
        return 4;

    std::printf("%s %s %s\n", MARROWICK_VERSION_STRING, qPrintable(ace.elementId()), qPrintable(back.at(1).toString()));
    return 0;
}
