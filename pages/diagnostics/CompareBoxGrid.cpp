#include "CompareBoxGrid.h"

#include "TestPageBoxes.h"

#include <QString>

namespace CompareBoxGrid
{

std::vector<int> allBoxes()
{
    std::vector<int> boxes;
    for (const Row& row : Rows)
        boxes.insert(boxes.end(), { row.first, row.second, row.difference });
    return boxes;
}

std::vector<ControlSpec> controls(int x, int y, int rowStep, int labelWidth)
{
    constexpr int Column = 16;
    constexpr int Box = 10;
    std::vector<ControlSpec> specs {
        ControlSpec::label(Caption1, QStringLiteral("1"), x + 1, y, 8, 8),
        ControlSpec::label(Caption2, QStringLiteral("2"), x + 1 + Column, y, 8, 8),
        ControlSpec::picture(-1, DeltaPicture, x + 2 * Column, y, 8, 8),
    };
    int top = y + rowStep;
    for (const Row& row : Rows) {
        specs.push_back(ControlSpec::check(row.first, QString(), x, top, Box, Box));
        specs.push_back(ControlSpec::check(row.second, QString(), x + Column, top, Box, Box));
        specs.push_back(
            ControlSpec::check(row.difference, QString::fromLatin1(row.label), x + 2 * Column, top, labelWidth, Box));
        top += rowStep;
    }
    return specs;
}

void RemovePort2Row(FormPage* page)
{
    HideBoxAndCloseUp(page, Port2First, { RelayCommand1, RelayPosition1 });
    HideBoxAndCloseUp(page, Port2Second, { RelayCommand2, RelayPosition2 });
    HideBoxAndCloseUp(page, Port2Diff, { RelayCommandDiff, RelayPositionDiff });
}

} // namespace CompareBoxGrid
