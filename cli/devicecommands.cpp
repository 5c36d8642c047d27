#include "cli/cli.h"

namespace Cli {

QList<Command> deviceCommands()
{
    return {};
}

} // namespace Cli
