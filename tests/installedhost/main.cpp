// A host that knows Marrowick only through its installed package.
#include <marrowick/card.h>
#include <marrowick/carddeck.h>
#include <marrowick/marrowick_version.h>

#include <QtCore/QByteArray>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    static_assert(MARROWICK_VERSION >= MARROWICK_VERSION_CHECK(1, 0, 0), "Marrowick 1.0 or later");

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

    std::printf("%s %s %s\n", MARROWICK_VERSION_STRING, qPrintable(ace.elementId()), qPrintable(back.at(1).toString()));
    return 0;
}
