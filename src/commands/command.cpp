#include "command.h"

namespace Marrowick {

Command::Command(QObject *parent)
    : QObject(parent)
{ }

Command::~Command() = default;

void Command::finish() { }

} // namespace Marrowick
