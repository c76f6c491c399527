#include "CMySplitterWnd.h"

#include "ui/FormPage.h"

#include <QEvent>
#include <QMouseEvent>

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
    m_pagePane = new QWidget(this);
    m_pagePane->setMinimumSize(0, 0);
    m_pagePane->installEventFilter(this);
    addWidget(m_pagePane);
    return m_pagePane;
}

void CMySplitterWnd::setPaneWindow(QWidget* window)
{
    m_paneWindow = window;
    setChildId(window, IdFromRowCol(0, indexOf(m_pagePane)));
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
    if (watched == m_pagePane && event->type() == QEvent::Resize)
        fitPaneWindow();
    return QSplitter::eventFilter(watched, event);
}

void CMySplitterWnd::fitPaneWindow()
{
    if (m_paneWindow && m_pagePane)
        m_paneWindow->setGeometry(m_pagePane->rect());
}
