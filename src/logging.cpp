#include "logging_p.h"

namespace Marrowick {

Q_LOGGING_CATEGORY(lcCards, "marrowick.cards")
Q_LOGGING_CATEGORY(lcResources, "marrowick.resources")

} // namespace Marrowick
