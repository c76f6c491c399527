#pragma once

#include "PageRegistry.h"

#include <QSplitter>

#include <array>
#include <functional>

class FormPage;
class QScrollArea;

// The splitter of the main window. With its lock flag set, its bars can be
// neither dragged nor show a sizing cursor. Its page pane holds every page as
// a hidden child; ReplaceView swaps one page into the pane: the page takes
// the pane's child id and the old window takes the id the page had. The pane
// scrolls: it is never smaller than the page shown asks for, so a window too
// small for the page shows scroll bars instead of cutting the page off.
class CMySplitterWnd : public QSplitter
{
    Q_OBJECT

public:
    static constexpr int PaneFirstId = 0xE900;
    static constexpr int PageCount = PageRegistry::SlotCount;
    using PageTable = std::array<FormPage*, PageCount>;

    explicit CMySplitterWnd(Qt::Orientation orientation, QWidget* parent = nullptr);

    static int IdFromRowCol(int row, int column) { return PaneFirstId + row * 16 + column; }
    // The child-window id of a window of the splitter (its pane id or its page index).
    static int childId(const QWidget* window);
    static void setChildId(QWidget* window, int id);

    int lockFlag() const { return m_bLock; }
    void setLockFlag(int lock);

    // Adds the page pane as the next pane; pages are created as its children.
    QWidget* addPagePane();
    QWidget* pagePane() const { return m_pagePane; }
    // What scrolls the page pane within the splitter.
    QScrollArea* pageScroller() const { return m_pageScroller; }
    // Puts a window into the page pane (the placeholder that stands there first).
    void setPaneWindow(QWidget* window);
    QWidget* paneWindow() const { return m_paneWindow; }

    void setPageTable(const PageTable* table) { m_pageTable = table; }
    // Called with the page that becomes the frame's active view.
    void setActiveViewHook(std::function<void(FormPage*)> hook) { m_activeViewHook = std::move(hook); }

    // Swaps page `index` of the page table into pane (row, column) and returns
    // it; with the page already there it only repaints. `makeActive` false
    // leaves the frame's active view as it is (the start-up swap).
    FormPage* ReplaceView(int row, int column, int index, bool makeActive = true);
    int currentPageIndex() const { return m_currentPageIndex; }
    FormPage* currentPage() const;

protected:
    QSplitterHandle* createHandle() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitPaneWindow();

    int m_bLock = 0;
    int m_currentPageIndex = 0;
    QScrollArea* m_pageScroller = nullptr;
    QWidget* m_pagePane = nullptr;
    QWidget* m_paneWindow = nullptr;
    const PageTable* m_pageTable = nullptr;
    std::function<void(FormPage*)> m_activeViewHook;
};
