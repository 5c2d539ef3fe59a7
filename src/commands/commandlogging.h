#ifndef MARROWICK_COMMANDLOGGING_H
#define MARROWICK_COMMANDLOGGING_H

#include <QtCore/QLoggingCategory>

namespace Marrowick {

// Warnings about a game's misuse of the command classes, category "marrowick.commands".
Q_DECLARE_LOGGING_CATEGORY(lcCommands)

} // namespace Marrowick

#endif
