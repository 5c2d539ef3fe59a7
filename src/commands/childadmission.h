#ifndef MARROWICK_CHILDADMISSION_H
#define MARROWICK_CHILDADMISSION_H

#include <QtCore/QList>

namespace Marrowick {

class Command;

/**
 * Whether a composite with the children @p children appends @p command: not
 * a null pointer, and for an owning composite not one of its children
 * already, so that no child is deleted twice. A child refused for that is
 * named in a warning from @p addCommand, the composite's "Class::addCommand".
 */
bool admitsChild(const QList<Command *> &children, Command *command, bool owning, const char *addCommand);

} // namespace Marrowick

#endif
