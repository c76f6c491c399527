#pragma once

#include "automation/InterfacePtr.h"

#include <QVariant>
#include <QWidget>

#include <cstdint>
#include <vector>

class QTableWidget;

// The grid control ("ReportLib.Grid.1"): rows and columns of texts reached
// through a current cell, fixed (header-styled) rows and columns, column
// widths in twips, appended rows, a click event and a text save of its rows.
class GridControl : public QWidget
{
    Q_OBJECT

public:
    static const QString ProgId;
    // The only save format: text, one line per row, TAB between cells, UTF-8.
    static constexpr int FormatText = 4;

    explicit GridControl(QWidget* parent = nullptr);

    int Rows() const;
    void SetRows(int rows);
    int Cols() const;
    void SetCols(int cols);
    // Fixed rows and columns are styled as headings and are not picked by a
    // click. A count above the row count only styles the rows there are.
    int FixedRows() const { return m_fixedRows; }
    void SetFixedRows(int rows);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int cols);

    // Twips; 15 twips are one pixel at 96 dots per inch.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);

    // The current cell.
    int Row() const { return m_row; }
    void SetRow(int row);
    int Col() const { return m_col; }
    void SetCol(int col);
    void Select(int row, int col, const QVariant& = QVariant(), const QVariant& = QVariant());
    QString Text() const;
    void SetText(const QString& text);
    QString TextMatrix(int row, int col) const;

    // Appends a row; TABs in `text` separate its cells.
    void AddItem(const QString& text);

    // Windows colour values (0x00BBGGRR or a system colour such as 0x8000000F).
    void SetBackColor(uint32_t color);
    void SetBackColorFixed(uint32_t color);
    // Whether the current row shows highlighted (1) or not (0).
    void SetSelectionHighlight(int on);
    int SelectionHighlight() const { return m_highlight ? 1 : 0; }

    // Writes every row (fixed ones too, unless `includeFixed` is false) to
    // `path`; the file is replaced only once complete.
    void SaveText(const QString& path, int format, const QVariant& includeFixed = QVariant()) const;

    // What a mouse click on a cell does: a cell outside the fixed rows and
    // columns becomes current, then Click is raised.
    void clickCell(int row, int col);

signals:
    // Dispatch id -600.
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void checkCol(int col) const;
    void checkCell(int row, int col) const;
    void styleRow(int row);
    void styleAll();
    void showCurrent(int previousRow);
    void scrollToCurrent();
    void showHeaderRow();
    void fitRowsToFont();
    int widthFor(const QString& text) const;
    void widenLastColumnFor(const QString& text);
    void measureLastColumn();
    void fitLastColumn();

    QTableWidget* m_table;
    std::vector<int> m_colWidths;
    int m_fixedRows = 1;
    int m_fixedCols = 0;
    int m_row = 0;
    int m_col = 0;
    bool m_highlight = false;
    int m_widestLast = 0; // pixels the longest text of the last column needs
    QColor m_backColor = Qt::white;
    QColor m_fixedColor = QColor(0xF0, 0xF0, 0xF0);
};

using IGridPtr = InterfacePtr<GridControl>;
