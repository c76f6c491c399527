#include "GridControl.h"

#include "AtomicFile.h"
#include "automation/ComError.h"
#include "controls/WinColor.h"
#include "ui/ControlRegistry.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

const QString GridControl::ProgId = QStringLiteral("ReportLib.Grid.1");

namespace
{
const ControlRegistration registration(GridControl::ProgId, [](QWidget* parent) { return new GridControl(parent); });

constexpr int TwipsPerPixel = 15;
constexpr int DefaultColWidth = 960;
// What a cell leaves either side of its text.
constexpr int CellPadding = 4;
// Far more than any page shows; a bad count must not exhaust memory.
constexpr int MaxCount = 1000000;

void checkCount(int count, const char* what)
{
    if (count < 0 || count > MaxCount)
        throw ComError(
            ComError::InvalidArgument, QStringLiteral("Bad %1 count %2").arg(QLatin1String(what)).arg(count));
}
}

GridControl::GridControl(QWidget* parent)
    : QWidget(parent)
    , m_table(new QTableWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    m_table->horizontalHeader()->hide();
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    m_table->setRowCount(2);
    m_table->setColumnCount(2);
    m_colWidths.assign(2, DefaultColWidth);
    fitRowsToFont();
    styleAll();
    connect(m_table, &QTableWidget::cellClicked, this, &GridControl::clickCell);
    // The header row stands in the table's header: a click on it is a click on row 0.
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int col) { clickCell(0, col); });
}

int GridControl::Rows() const
{
    return m_table->rowCount();
}

void GridControl::SetRows(int rows)
{
    checkCount(rows, "row");
    const int old = Rows();
    m_table->setRowCount(rows);
    for (int r = old; r < rows; ++r)
        styleRow(r);
    m_row = std::clamp(m_row, 0, std::max(0, rows - 1));
    showHeaderRow();
    if (rows < old)
        measureLastColumn();
}

int GridControl::Cols() const
{
    return m_table->columnCount();
}

void GridControl::SetCols(int cols)
{
    checkCount(cols, "column");
    m_table->setColumnCount(cols);
    m_colWidths.resize(static_cast<size_t>(cols), DefaultColWidth);
    for (int c = 0; c < cols; ++c)
        m_table->setColumnWidth(c, m_colWidths[static_cast<size_t>(c)] / TwipsPerPixel);
    m_col = std::clamp(m_col, 0, std::max(0, cols - 1));
    styleAll();
    showHeaderRow();
    measureLastColumn();
}

void GridControl::SetFixedRows(int rows)
{
    checkCount(rows, "fixed row");
    m_fixedRows = rows;
    styleAll();
    showHeaderRow();
}

void GridControl::SetFixedCols(int cols)
{
    checkCount(cols, "fixed column");
    m_fixedCols = cols;
    styleAll();
}

int GridControl::ColWidth(int col) const
{
    // A grid with no rows, such as a cleared event log, still has its columns.
    checkCol(col);
    return m_colWidths[static_cast<size_t>(col)];
}

void GridControl::SetColWidth(int col, int twips)
{
    checkCol(col);
    if (twips < 0 || twips > MaxCount)
        throw ComError(ComError::InvalidArgument, QStringLiteral("Bad column width %1").arg(twips));
    m_colWidths[static_cast<size_t>(col)] = twips;
    m_table->setColumnWidth(col, twips / TwipsPerPixel);
    fitLastColumn();
}

void GridControl::SetRow(int row)
{
    checkCell(row, std::min(m_col, std::max(0, Cols() - 1)));
    const int previous = m_row;
    m_row = row;
    showCurrent(previous);
    scrollToCurrent();
}

void GridControl::SetCol(int col)
{
    checkCol(col);
    m_col = col;
    showCurrent(m_row);
}

void GridControl::Select(int row, int col, const QVariant&, const QVariant&)
{
    checkCell(row, col);
    const int previous = m_row;
    m_row = row;
    m_col = col;
    showCurrent(previous);
}

QString GridControl::Text() const
{
    return TextMatrix(m_row, m_col);
}

void GridControl::SetText(const QString& text)
{
    checkCell(m_row, m_col);
    QTableWidgetItem* item = m_table->item(m_row, m_col);
    if (!item) {
        m_table->setItem(m_row, m_col, new QTableWidgetItem(text));
        styleRow(m_row);
    } else {
        item->setText(text);
    }
    if (m_row == 0)
        showHeaderRow();
    if (m_col == Cols() - 1)
        widenLastColumnFor(text);
}

QString GridControl::TextMatrix(int row, int col) const
{
    checkCell(row, col);
    const QTableWidgetItem* item = m_table->item(row, col);
    return item ? item->text() : QString();
}

void GridControl::AddItem(const QString& text)
{
    const int row = Rows();
    checkCount(row + 1, "row");
    m_table->setRowCount(row + 1);
    const QStringList cells = text.split(QLatin1Char('\t'));
    for (int c = 0; c < Cols() && c < cells.size(); ++c)
        m_table->setItem(row, c, new QTableWidgetItem(cells[c]));
    styleRow(row);
    if (row == 0)
        showHeaderRow();
    if (Cols() > 0 && cells.size() >= Cols())
        widenLastColumnFor(cells[Cols() - 1]);
}

void GridControl::SetBackColor(uint32_t color)
{
    m_backColor = WinColor::toQColor(color);
    styleAll();
}

void GridControl::SetBackColorFixed(uint32_t color)
{
    m_fixedColor = WinColor::toQColor(color);
    styleAll();
    showHeaderRow();
}

void GridControl::SetSelectionHighlight(int on)
{
    m_highlight = on != 0;
    styleAll();
}

void GridControl::SaveText(const QString& path, int format, const QVariant& includeFixed) const
{
    if (format != FormatText)
        throw ComError(ComError::InvalidArgument, QStringLiteral("Unknown save format %1").arg(format));
    const bool fixedToo = !includeFixed.isValid() || includeFixed.toBool();
    QByteArray text;
    for (int r = fixedToo ? 0 : std::min(m_fixedRows, Rows()); r < Rows(); ++r) {
        QStringList cells;
        for (int c = fixedToo ? 0 : std::min(m_fixedCols, Cols()); c < Cols(); ++c)
            cells << TextMatrix(r, c);
        text += cells.join(QLatin1Char('\t')).toUtf8();
        text += '\n';
    }
    AtomicFile::write(path, text);
}

void GridControl::clickCell(int row, int col)
{
    if (row >= m_fixedRows && col >= m_fixedCols && row < Rows() && col < Cols()) {
        const int previous = m_row;
        m_row = row;
        m_col = col;
        showCurrent(previous);
    }
    emit Click();
}

void GridControl::checkCol(int col) const
{
    if (col < 0 || col >= Cols())
        throw ComError(ComError::InvalidArgument, QStringLiteral("No column %1").arg(col));
}

void GridControl::checkCell(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        throw ComError(ComError::InvalidArgument, QStringLiteral("No cell (%1, %2)").arg(row).arg(col));
}

void GridControl::styleRow(int row)
{
    for (int c = 0; c < Cols(); ++c) {
        QTableWidgetItem* item = m_table->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            m_table->setItem(row, c, item);
        }
        const bool fixed = row < m_fixedRows || c < m_fixedCols;
        const bool current = m_highlight && row == m_row && !fixed;
        item->setBackground(fixed ? m_fixedColor : current ? QColor(0x33, 0x66, 0xCC) : m_backColor);
        item->setForeground(current ? Qt::white : Qt::black);
    }
}

void GridControl::styleAll()
{
    for (int r = 0; r < Rows(); ++r)
        styleRow(r);
}

void GridControl::showCurrent(int previousRow)
{
    // Only the rows whose look changes are restyled: logs grow long.
    if (m_highlight && previousRow != m_row) {
        if (previousRow < Rows())
            styleRow(previousRow);
        styleRow(m_row);
    }
}

void GridControl::scrollToCurrent()
{
    // Only a row made current brings itself into view: a page that writes
    // its cells one by one through the current cell leaves the view where
    // the user had it.
    if (m_row < Rows() && m_col < Cols() && !m_table->isRowHidden(m_row))
        m_table->scrollToItem(m_table->item(m_row, m_col), QAbstractItemView::EnsureVisible);
}

void GridControl::showHeaderRow()
{
    // The first fixed row stands in the table's header, so that it stays in
    // view while the rows below it scroll.
    const bool header = m_fixedRows > 0 && Rows() > 0;
    for (int c = 0; c < Cols(); ++c) {
        QTableWidgetItem* cell = header ? m_table->item(0, c) : nullptr;
        auto* heading = new QTableWidgetItem(cell ? cell->text() : QString());
        heading->setBackground(m_fixedColor);
        heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_table->setHorizontalHeaderItem(c, heading);
    }
    m_table->horizontalHeader()->setVisible(header);
    if (Rows() > 0)
        m_table->setRowHidden(0, header);
}

void GridControl::fitRowsToFont()
{
    // Rows as tall as the grid's font needs, so that a grid shows the rows
    // its rectangle was made for.
    const int rowHeight = fontMetrics().height() + 3;
    m_table->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_table->horizontalHeader()->setMinimumHeight(rowHeight);
    m_table->horizontalHeader()->setMaximumHeight(rowHeight);
    for (int r = 0; r < Rows(); ++r)
        m_table->setRowHeight(r, rowHeight);
}

int GridControl::widthFor(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) + 2 * CellPadding;
}

void GridControl::widenLastColumnFor(const QString& text)
{
    const int needed = widthFor(text);
    if (needed > m_widestLast) {
        m_widestLast = needed;
        fitLastColumn();
    }
}

void GridControl::measureLastColumn()
{
    // Texts come and go with rows, columns and fonts: what the last column
    // needs is what its texts need now, not the most it ever needed.
    m_widestLast = 0;
    const int last = Cols() - 1;
    for (int r = 0; last >= 0 && r < Rows(); ++r) {
        if (const QTableWidgetItem* item = m_table->item(r, last))
            m_widestLast = std::max(m_widestLast, widthFor(item->text()));
    }
    fitLastColumn();
}

void GridControl::fitLastColumn()
{
    // A last column wider than the room left for it is drawn only as wide as
    // that room, as long as its texts fit there: the grid shows no horizontal
    // scroll bar for empty space. Room is kept for a vertical scroll bar.
    const int last = Cols() - 1;
    if (last < 0)
        return;
    int room = m_table->width() - 2 * m_table->frameWidth() - m_table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < last; ++c)
        room -= m_table->columnWidth(c);
    const int wanted = m_colWidths[static_cast<size_t>(last)] / TwipsPerPixel;
    m_table->setColumnWidth(last, std::min(wanted, std::max(room, m_widestLast)));
}

void GridControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitLastColumn();
}

void GridControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitRowsToFont();
        measureLastColumn();
    }
}
