#include "StatusPriorities.h"

#include <cstddef>

namespace StatusPriorities
{

namespace
{

// clang-format off
constexpr std::array<uint8_t, Count> Priorities = {
    //  0 Initializing          1 Factory reset         2 Digital command       3 Squawk
    20, 26, 10, 8,
    //  4 Jog command           5 Signature in progress 6 -                     7 -
    12, 15, 0, 0,
    //  8 Position deviation alarm, 9 soft stop upper, 10 soft stop lower, 11 position upper
    70, 30, 30, 32,
    // 12 position lower        13 MPC active           14 Local interface      15 History reset
    32, 9, 7, 28,
    // 16 Actuation ratio warn  17 Pneumatic fail safe  18 Friction high warn   19 Friction low warn
    40, 50, 42, 41,
    // 20 Friction high alarm   21 Friction low alarm   22 Valve cycles alert   23 Valve travel alert
    64, 63, 34, 34,
    // 24 Stroke calibration    25 Command loop cal     26 Pressure calibration 27 AO calibration
    18, 18, 18, 18,
    // 28 Inner loop offset     29 -                    30 -                    31 -
    18, 0, 0, 0,
    // 32 Board temp high warn  33 Board temp low warn  34 Shunt voltage ref    35 Piezo voltage
    44, 44, 80, 80,
    // 36 Watch dog             37 NV RAM checksum      38 -                    39 Electronic fail safe
    85, 85, 0, 50,
    // 40 Supply low alarm      41 Supply high warn     42 Supply low warn      43 Port 1 out of range
    75, 45, 46, 43,
    // 44 Port 2/supply OOR     45 Port 1 range small   46 Port 2 range small   47 Pneumatic leak
    43, 38, 38, 47,
    // 48 Pilot relay warn      49 Pilot relay alarm    50 Pilot cycles alert   51 Pilot travel alert
    48, 66, 33, 33,
    // 52 Hall sensor upper     53 Hall sensor lower    54 -                    55 -
    72, 72, 0, 0,
    // 56 Feedback range small  57 0% out of range      58 100% out of range    59 No motion timeout
    68, 68, 68, 69,
    // 60 Non-settle timeout    61 Inner loop timeout   62 Jog calibration      63 -
    69, 69, 17, 0,
    // 64 Loop range small      65 Loop 100% OOR        66 Loop 0% OOR          67 AO range small
    36, 37, 37, 36,
    // 68..71 -
    0, 0, 0, 0,
    // 72 Pressure board        73 AO board             74 Pressure control     75 Pot rotation
    2, 2, 3, 3,
    // 76..79 -
    0, 0, 0, 0,
};
// clang-format on

} // namespace

int of(int status)
{
    return status >= 0 && status < Count ? Priorities[std::size_t(status)] : 0;
}

const std::array<uint8_t, Count>& table()
{
    return Priorities;
}

} // namespace StatusPriorities
