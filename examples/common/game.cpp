#include "game.h"

GameRules gameRules(Game game)
{
    if (game == Game::Omaha)
        return {QStringLiteral("Omaha"), 4, 2, 2};
    return {QStringLiteral("Texas hold'em"), 2, 0, 2};
}

bool gameFromName(const QString &name, Game *game, QString *error)
{
    if (name == QLatin1String("holdem")) {
        *game = Game::Holdem;
    } else if (name == QLatin1String("omaha")) {
        *game = Game::Omaha;
    } else {
        *error = QStringLiteral("unknown game \"") + name + QStringLiteral("\": use holdem or omaha");
        return false;
    }
    return true;
}
