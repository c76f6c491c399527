#pragma once

#include <QString>

// The HART commands the program uses, by dispatcher number. 1821 and 1822 are
// dispatcher numbers only: both send HART command 182.
namespace HartCommandTable
{

// The command's name for the log; "Unknown" for any other number.
QString GetCommandName(int command);

// True for the read commands DispatchRead knows.
bool IsReadCommand(int command);

// The HART command a dispatcher number sends (182 for 1821 and 1822).
int HartNumber(int command);

} // namespace HartCommandTable
