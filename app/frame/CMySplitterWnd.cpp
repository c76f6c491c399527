#include "CMySplitterWnd.h"

#include "ui/FormPage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QScrollArea>

namespace
{
const char* const ChildIdProperty = "childId";

// A splitter bar that obeys its splitter's lock flag: while locked, presses
// and moves are not taken and the cursor stays the arrow.
class LockableHandle : public QSplitterHandle
{
public:
    LockableHandle(Qt::Orientation orientation, CMySplitterWnd* parent)
        : QSplitterHandle(orientation, parent)
    {
    }

    void applyLock()
    {
        if (locked())
            setCursor(Qt::ArrowCursor);
        else
            setCursor(orientation() == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
    }

protected:
    bool locked() const { return static_cast<const CMySplitterWnd*>(splitter())->lockFlag() != 0; }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (locked())
            return event->ignore();
        QSplitterHandle::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (locked())
            return event->ignore();
        QSplitterHandle::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (locked())
            return event->ignore();
        QSplitterHandle::mouseReleaseEvent(event);
    }
};

// The page pane's scroller asks for no room of its own: the splitter sizes
// the pane as it sized the bare pane, and the scroll bars show only when the
// page needs them.
class PageScroller : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize minimumSizeHint() const override { return QSize(0, 0); }
};
}

CMySplitterWnd::CMySplitterWnd(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent)
{
    setChildrenCollapsible(true);
    setOpaqueResize(true);
}

int CMySplitterWnd::childId(const QWidget* window)
{
    return window ? window->property(ChildIdProperty).toInt() : 0;
}

void CMySplitterWnd::setChildId(QWidget* window, int id)
{
    window->setProperty(ChildIdProperty, id);
}

void CMySplitterWnd::setLockFlag(int lock)
{
    m_bLock = lock;
    for (int i = 0; i < count(); ++i) {
        if (auto* bar = dynamic_cast<LockableHandle*>(handle(i)))
            bar->applyLock();
    }
}

QSplitterHandle* CMySplitterWnd::createHandle()
{
    auto* bar = new LockableHandle(orientation(), this);
    bar->applyLock();
    return bar;
}

QWidget* CMySplitterWnd::addPagePane()
{
    m_pageScroller = new PageScroller(this);
    m_pageScroller->setFrameShape(QFrame::NoFrame);
    m_pageScroller->setWidgetResizable(true);
    // Tab and F6 go from control to control as before: the scroller is no stop of its own.
    m_pageScroller->setFocusPolicy(Qt::NoFocus);
    m_pagePane = new QWidget;
    m_pagePane->installEventFilter(this);
    m_pageScroller->setWidget(m_pagePane);
    addWidget(m_pageScroller);
    return m_pagePane;
}

void CMySplitterWnd::setPaneWindow(QWidget* window)
{
    m_paneWindow = window;
    setChildId(window, IdFromRowCol(0, indexOf(m_pageScroller)));
    fitPaneWindow();
    window->show();
}

FormPage* CMySplitterWnd::currentPage() const
{
    return qobject_cast<FormPage*>(m_paneWindow);
}

FormPage* CMySplitterWnd::ReplaceView(int row, int column, int index, bool makeActive)
{
    if (!m_pageTable || index <= 0 || index >= PageCount || !(*m_pageTable)[index])
        return nullptr;
    FormPage* page = (*m_pageTable)[index];
    QWidget* old = m_paneWindow;
    m_currentPageIndex = index;
    if (page != old) {
        const int paneId = IdFromRowCol(row, column);
        if (old)
            setChildId(old, childId(page));
        setChildId(page, paneId);
        if (old)
            old->hide();
        m_paneWindow = page;
        fitPaneWindow();
        page->show();
        if (makeActive && m_activeViewHook)
            m_activeViewHook(page);
    }
    page->update();
    return page;
}

bool CMySplitterWnd::eventFilter(QObject* watched, QEvent* event)
{
    // A resize of the pane, or a page that asks for another least size.
    if (watched == m_pagePane && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        fitPaneWindow();
    return QSplitter::eventFilter(watched, event);
}

void CMySplitterWnd::fitPaneWindow()
{
    if (!m_paneWindow || !m_pagePane)
        return;
    // The pane takes the least size of the page it shows; the scroller then
    // sizes it to its view, or larger with scroll bars, at once.
    const QSize least = m_paneWindow->minimumSize();
    if (m_pagePane->minimumSize() != least) {
        m_pagePane->setMinimumSize(least);
        QEvent relayout(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(m_pageScroller, &relayout);
    }
    m_paneWindow->setGeometry(m_pagePane->rect());
}
