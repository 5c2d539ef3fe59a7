#include "childadmission.h"

#include "commandlogging.h"

namespace Marrowick {

bool admitsChild(const QList<Command *> &children, Command *command, bool owning, const char *addCommand)
{
    if (!command)
        return false;
    if (owning && children.contains(command)) {
        qCWarning(lcCommands, "%s: the command is a child already; ignored", addCommand);
        return false;
    }
    return true;
}

} // namespace Marrowick
