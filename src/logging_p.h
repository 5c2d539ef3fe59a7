#ifndef MARROWICK_LOGGING_P_H
#define MARROWICK_LOGGING_P_H

#include <QtCore/QLoggingCategory>

namespace Marrowick {

// One category per facility that writes messages, named marrowick.<facility>,
// so that a host can silence or route them (QT_LOGGING_RULES). Fatal messages
// are written through the category's name but never filtered: they stay fatal.
Q_DECLARE_LOGGING_CATEGORY(lcCards)
Q_DECLARE_LOGGING_CATEGORY(lcResources)

} // namespace Marrowick

#endif
