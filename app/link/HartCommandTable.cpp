#include "HartCommandTable.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace
{

struct CommandRow {
    int number;
    const char* name;
    bool read;
};

constexpr CommandRow Commands[] = {
#define SW_HART_COMMAND_ROW(name, number, logName, kind) { number, logName, std::string_view(#kind) == "Read" },
    SW_HART_COMMANDS(SW_HART_COMMAND_ROW)
#undef SW_HART_COMMAND_ROW
};

const CommandRow* rowOf(int command)
{
    const auto found = std::find_if(
        std::begin(Commands), std::end(Commands), [command](const CommandRow& row) { return row.number == command; });
    return found == std::end(Commands) ? nullptr : &*found;
}

} // namespace

namespace HartCommandTable
{

QString GetCommandName(int command)
{
    const CommandRow* row = rowOf(command);
    return row ? QString::fromLatin1(row->name) : QStringLiteral("Unknown");
}

bool IsReadCommand(int command)
{
    const CommandRow* row = rowOf(command);
    return row && row->read;
}

int HartNumber(int command)
{
    return (command == 1821 || command == 1822) ? 182 : command;
}

} // namespace HartCommandTable
