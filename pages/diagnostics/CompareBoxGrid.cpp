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

const ToolTipTable& toolTips()
{
    static const ToolTipTable tips {
        { Position1, QStringLiteral("Check box to display Position from file 1 in graph.") },
        { Position2, QStringLiteral("Check box to display Position from file 2 in graph.") },
        { PositionDiff, QStringLiteral("Check box to display Position difference in graph.") },
        { Command1, QStringLiteral("Check box to display Control Command from file 1 in graph.") },
        { Command2, QStringLiteral("Check box to display Control Command from file 2 in graph.") },
        { CommandDiff, QStringLiteral("Check box to display Control Command difference in graph.") },
        { Port1First, QStringLiteral("Check box to display Port1 from file 1 in graph.") },
        { Port1Second, QStringLiteral("Check box to display Port1 from file 2 in graph.") },
        { Port1Diff, QStringLiteral("Check box to display Port1 difference in graph.") },
        { Port2First, QStringLiteral("Check box to display Port2 from file 1 in graph.") },
        { Port2Second, QStringLiteral("Check box to display Port2 from file 2 in graph.") },
        { Port2Diff, QStringLiteral("Check box to display Port2 difference  in graph.") },
        { RelayCommand1, QStringLiteral("Check box to display Pilot Relay Command from file 1 in graph.") },
        { RelayCommand2, QStringLiteral("Check box to display Pilot Relay Command from file 2 in graph.") },
        { RelayCommandDiff, QStringLiteral("Check box to display Pilot Relay Command difference in graph.") },
        { RelayPosition1, QStringLiteral("Check box to display Pilot Relay Position from file 1 in graph.") },
        { RelayPosition2, QStringLiteral("Check box to display Pilot Relay Position from file 2 in graph.") },
        { RelayPositionDiff, QStringLiteral("Check box to display Pilot Relay Position difference in graph.") },
    };
    return tips;
}

void RemovePort2Row(FormPage* page)
{
    HideBoxAndCloseUp(page, Port2First, { RelayCommand1, RelayPosition1 });
    HideBoxAndCloseUp(page, Port2Second, { RelayCommand2, RelayPosition2 });
    HideBoxAndCloseUp(page, Port2Diff, { RelayCommandDiff, RelayPositionDiff });
}

} // namespace CompareBoxGrid
