#pragma once

#include <QStringList>

#include <functional>
#include <map>

// A kremoa-cli command registers itself by defining one static CliCommand in its own file:
//   static const CliCommand command("trace", "trace --effect N ...", &runTrace);
// The function receives the arguments after the command name and returns the exit status.
class CliCommand {
public:
    using Run = std::function<int(const QStringList& args)>;

    CliCommand(const char* name, const char* usage, Run run);

    struct Entry {
        const char* usage;
        Run run;
    };
    static const std::map<QString, Entry>& all();

private:
    static std::map<QString, Entry>& registry();
};
