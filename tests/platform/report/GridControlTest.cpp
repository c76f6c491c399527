// The grid: fixed rows, the current cell, clicks, appended rows and the
// text save of its rows.
#include "SwTest.h"

#include "report/GridControl.h"

#include <QCoreApplication>
#include <QFile>
#include <QTableWidget>

#include <functional>

namespace
{

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The alarm configuration grid: a heading row and three columns.
void fillMaskGrid(GridControl& grid)
{
    grid.SetRows(1);
    grid.SetCols(3);
    grid.SetFixedRows(1);
    grid.SetFixedCols(0);
    const char* headings[] = { "Alarm", "Description", "Alarm Status" };
    for (int c = 0; c < 3; ++c) {
        grid.Select(0, c);
        grid.SetText(QString::fromLatin1(headings[c]));
    }
    grid.AddItem(QStringLiteral("8\tPosition Deviation Alarm\tEnabled"));
    grid.AddItem(QStringLiteral("12"));
}

} // namespace

using GridControlTest = SwTest;

TEST_F(GridControlTest, CellsAreReachedThroughTheCurrentCell)
{
    GridControl grid;
    fillMaskGrid(grid);
    EXPECT_EQ(grid.Rows(), 3);
    grid.Select(1, 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Text(), QStringLiteral("Position Deviation Alarm"));
    grid.SetCol(2);
    EXPECT_EQ(grid.Text(), QStringLiteral("Enabled"));
    grid.SetText(QStringLiteral("Disabled"));
    grid.SetRow(2);
    EXPECT_EQ(grid.Text(), QString()); // a short appended row leaves the rest empty
    grid.SetCol(0);
    EXPECT_EQ(grid.Text(), QStringLiteral("12"));
    EXPECT_EQ(grid.TextMatrix(1, 2), QStringLiteral("Disabled"));

    for (auto [row, col] : { std::pair { 3, 0 }, { -1, 0 }, { 0, 3 }, { 0, -1 } })
        EXPECT_THROW(grid.Select(row, col), ComError);
    EXPECT_THROW(grid.SetRows(-1), ComError);
    EXPECT_THROW(grid.SetColWidth(5, 100), ComError);
}

TEST_F(GridControlTest, ClicksMakeTheCellCurrentOutsideTheFixedRowsAndColumns)
{
    struct Case {
        int fixedRows;
        int fixedCols;
        int clickRow;
        int clickCol;
        int expectedRow;
        int expectedCol;
    };
    const Case cases[] = {
        { 1, 0, 2, 1, 2, 1 }, // an ordinary cell
        { 1, 0, 0, 1, 1, 0 }, // the heading row: the current cell stays
        { 1, 1, 2, 0, 1, 0 }, // a fixed column: stays
        { 0, 0, 0, 2, 0, 2 }, // no fixed row: row 0 is a cell like any other
        { 5, 0, 2, 1, 1, 0 }, // more fixed rows than rows: all of them fixed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "fixed " << c.fixedRows << "/" << c.fixedCols << " click " << c.clickRow
                                        << "," << c.clickCol);
        GridControl grid;
        fillMaskGrid(grid);
        grid.SetFixedRows(c.fixedRows);
        grid.SetFixedCols(c.fixedCols);
        grid.Select(1, 0);
        int clicks = 0;
        QObject::connect(&grid, &GridControl::Click, [&] { ++clicks; });
        grid.clickCell(c.clickRow, c.clickCol);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(grid.Row(), c.expectedRow);
        EXPECT_EQ(grid.Col(), c.expectedCol);
    }
}

TEST_F(GridControlTest, ColumnWidthsAreKeptInTwips)
{
    GridControl grid;
    grid.SetCols(2);
    grid.SetColWidth(0, 1230);
    grid.SetColWidth(1, 12000);
    EXPECT_EQ(grid.ColWidth(0), 1230);
    EXPECT_EQ(grid.ColWidth(1), 12000);
    grid.SetCols(3); // a new column gets the default, the others keep theirs
    EXPECT_EQ(grid.ColWidth(1), 12000);
    EXPECT_GT(grid.ColWidth(2), 0);
    EXPECT_THROW(grid.ColWidth(3), ComError);
    EXPECT_THROW(grid.ColWidth(-1), ComError);
}

TEST_F(GridControlTest, TheEventLogKeepsItsColumnWidthWithNoRowsAndReadsRowZeroAsItsFirstLine)
{
    // Set up as the alarm status page does: one fixed row, one column, then no rows.
    GridControl grid;
    grid.SetRows(1);
    grid.SetCols(1);
    grid.SetFixedRows(1);
    grid.SetFixedCols(0);
    grid.SetColWidth(0, 13000);
    grid.SetRows(0);
    EXPECT_EQ(grid.ColWidth(0), 13000);
    EXPECT_EQ(grid.FixedRows(), 1);

    const QStringList lines { QStringLiteral("240309-091500-000  Position Deviation Alarm Start"),
        QStringLiteral("240309-091530-000  Position Deviation Alarm End") };
    for (const QString& line : lines)
        grid.AddItem(line);
    // The alarm status report reads every row, row 0 included, through the current cell.
    QStringList read;
    for (int r = 0; r < grid.Rows(); ++r) {
        grid.Select(r, 0);
        read << grid.Text();
    }
    EXPECT_EQ(read, lines);
}

TEST_F(GridControlTest, TheTextSaveWritesEveryRowOneLineEachWithTabsInUtf8)
{
    struct Case {
        const char* what;
        std::function<void(GridControl&)> fill;
        QVariant includeFixed;
        QByteArray expected;
    };
    const Case cases[] = {
        { "event log: one fixed row, then no rows, then lines",
            [](GridControl& g) {
                g.SetRows(1);
                g.SetCols(1);
                g.SetFixedRows(1);
                g.SetRows(0);
                g.AddItem(QStringLiteral("240309-091500-000  Position Deviation Alarm Start"));
                g.AddItem(QStringLiteral("240309-091530-000  Position Deviation Alarm End"));
            },
            QVariant(),
            "240309-091500-000  Position Deviation Alarm Start\n240309-091530-000  Position Deviation Alarm End\n" },
        { "cleared log",
            [](GridControl& g) {
                g.SetCols(1);
                g.SetRows(0);
            },
            QVariant(), "" },
        { "several columns, a short row filled with empty cells", fillMaskGrid, QVariant(),
            "Alarm\tDescription\tAlarm Status\n8\tPosition Deviation Alarm\tEnabled\n12\t\t\n" },
        { "fixed rows left out on request",
            [](GridControl& g) {
                fillMaskGrid(g);
                g.Select(2, 1);
                g.SetText(QStringLiteral("Température"));
            },
            QVariant(false), "8\tPosition Deviation Alarm\tEnabled\n12\tTemp\xC3\xA9rature\t\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GridControl grid;
        c.fill(grid);
        const QString path = tempPath(QStringLiteral("grid.txt"));
        grid.SaveText(path, GridControl::FormatText, c.includeFixed);
        EXPECT_EQ(readAll(path), c.expected);
    }
}

TEST_F(GridControlTest, AFailedTextSaveRaisesAndKeepsTheOldFile)
{
    GridControl grid;
    fillMaskGrid(grid);
    EXPECT_THROW(grid.SaveText(tempPath(QStringLiteral("grid.txt")), 1), ComError);
    QFile plain(tempPath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("kept");
    plain.close();
    EXPECT_THROW(grid.SaveText(tempPath(QStringLiteral("plain/grid.txt")), GridControl::FormatText), ComError);
    EXPECT_EQ(readAll(plain.fileName()), QByteArray("kept"));
}

TEST_F(GridControlTest, ShrinkingKeepsTheCurrentCellInsideTheGrid)
{
    GridControl grid;
    fillMaskGrid(grid);
    grid.Select(2, 2);
    grid.SetRows(2);
    grid.SetCols(1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 0);
    grid.SetRows(0);
    EXPECT_THROW(grid.Text(), ComError);
    EXPECT_THROW(grid.SetText(QStringLiteral("x")), ComError);
}

TEST_F(GridControlTest, TheLastColumnFitsItsRoomAgainOnceItsLongestTextIsGone)
{
    // A last column widened for a long line goes back to the room left for it
    // once that line is no longer there to show: no scroll bar over empty space.
    const QString longLine = QStringLiteral("240309-091500-000  Position Deviation Alarm Start, ").repeated(4);
    const struct {
        const char* what;
        std::function<void(GridControl&)> fill;
        std::function<void(GridControl&)> drop;
    } cases[] = {
        { "rows cleared",
            [&](GridControl& g) {
                g.SetCols(1);
                g.SetColWidth(0, 13000);
                g.AddItem(longLine);
            },
            [](GridControl& g) { g.SetRows(0); } },
        { "last column removed",
            [&](GridControl& g) {
                g.SetCols(2);
                g.SetColWidth(0, 13000);
                g.SetColWidth(1, 13000);
                g.AddItem(QStringLiteral("Alarm\t") + longLine);
                g.SetColWidth(0, 300);
            },
            [](GridControl& g) {
                g.SetCols(1);
                g.SetColWidth(0, 13000);
            } },
        { "smaller font",
            [](GridControl& g) {
                QFont big = g.font();
                big.setPointSize(40);
                g.setFont(big);
                g.SetCols(1);
                g.SetColWidth(0, 13000);
                g.AddItem(QStringLiteral("Position Deviation Alarm Start"));
            },
            [](GridControl& g) {
                QFont small = g.font();
                small.setPointSize(8);
                g.setFont(small);
            } },
    };
    for (const auto& c : cases) {
        GridControl grid;
        grid.SetRows(0);
        grid.SetFixedRows(0);
        grid.resize(400, 200);
        grid.show();
        c.fill(grid);
        QCoreApplication::processEvents();
        auto* table = grid.findChild<QTableWidget*>();
        ASSERT_NE(table, nullptr);
        const int last = grid.Cols() - 1;
        ASSERT_GT(table->columnWidth(last), table->viewport()->width())
            << c.what << ": the long text widens the column";
        c.drop(grid);
        QCoreApplication::processEvents();
        EXPECT_LE(table->columnWidth(grid.Cols() - 1), table->viewport()->width()) << c.what;
    }
}
