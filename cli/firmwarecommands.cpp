#include "cli/cli.h"

namespace Cli {

QList<Command> firmwareCommands()
{
    return {};
}

} // namespace Cli
