#include "commandlogging.h"

namespace Marrowick {

Q_LOGGING_CATEGORY(lcCommands, "marrowick.commands")

} // namespace Marrowick
