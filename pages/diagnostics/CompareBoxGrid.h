#pragma once

#include "ComparePageKit.h"
#include "PageTemplate.h"
#include "ui/ControlSpec.h"

#include <array>
#include <vector>

class FormPage;

// The channel boxes of the compare pages (step and partial stroke compare
// share the ids): six signal rows of three boxes, file 1, file 2 and their
// difference; the difference box carries the row's label. Above the columns
// stand the captions "1" and "2" and the black delta sign. A compare page
// puts the grid into its "Graph Settings" group with controls(), and on the
// smaller model, which has no port 2, removes that row with
// RemovePort2Row().
namespace CompareBoxGrid
{

enum : int {
    Position1 = 1119,
    Position2 = 1118,
    PositionDiff = 1112,
    Command1 = 1120,
    Command2 = 1121,
    CommandDiff = 1113,
    Port1First = 1122,
    Port1Second = 1123,
    Port1Diff = 1114,
    Port2First = 1124,
    Port2Second = 1125,
    Port2Diff = 1115,
    RelayCommand1 = 1126,
    RelayCommand2 = 1127,
    RelayCommandDiff = 1116,
    RelayPosition1 = 1128,
    RelayPosition2 = 1129,
    RelayPositionDiff = 1117,
    Caption1 = 222,
    Caption2 = 223,
    DeltaPicture = ComparePageKit::DeltaPicture,
};

struct Row {
    int first;
    int second;
    int difference;
    const char* label;
};

// Top to bottom.
inline constexpr std::array<Row, 6> Rows { {
    { Position1, Position2, PositionDiff, "Position" },
    { Command1, Command2, CommandDiff, "Command" },
    { Port1First, Port1Second, Port1Diff, "Port 1 Pressure" },
    { Port2First, Port2Second, Port2Diff, "Port 2 Pressure" },
    { RelayCommand1, RelayCommand2, RelayCommandDiff, "Pilot Relay Command" },
    { RelayPosition1, RelayPosition2, RelayPositionDiff, "Pilot Relay Position" },
} };

// Every box, row by row, file 1 / file 2 / difference.
std::vector<int> allBoxes();

// The captions, the delta sign and the 18 boxes, the captions' top-left at
// (x, y) dialog units, rows `rowStep` apart, the label column `labelWidth` wide.
std::vector<ControlSpec> controls(int x, int y, int rowStep, int labelWidth);

// The boxes' tooltips of the step and ramp compare pages, row by row, file 1
// / file 2 / difference.
const ToolTipTable& toolTips();

// The smaller model: the port 2 boxes are cleared and hidden, and the two
// pilot relay rows move up one row (each box into the rectangle of the box
// above it), so the grid closes up with no gap.
void RemovePort2Row(FormPage* page);

} // namespace CompareBoxGrid
