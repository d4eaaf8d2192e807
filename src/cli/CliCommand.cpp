#include "CliCommand.h"

CliCommand::CliCommand(const char* name, const char* usage, Run run)
{
    registry()[QString::fromUtf8(name)] = Entry{usage, std::move(run)};
}

const std::map<QString, CliCommand::Entry>& CliCommand::all()
{
    return registry();
}

std::map<QString, CliCommand::Entry>& CliCommand::registry()
{
    static std::map<QString, Entry> commands;
    return commands;
}
