#include "CMainFrame.h"

#include "CForm1.h"
#include "CForm2.h"
#include "CIdentificationArea.h"
#include "CMySplitterWnd.h"
#include "CNavigationView.h"
#include "CSerratK90ClipwellApp.h"

#include "MultiTestRun.h"
#include "PageRegistry.h"

#include "ui/Prompts.h"
#include "ui/TransactionScope.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace
{
void firstUpdate(FormPage* page)
{
    if (page)
        page->guard("OnInitialUpdate", [page] { page->OnInitialUpdate(); });
}
}

CMainFrame::CMainFrame(CSerratK90ClipwellApp& app, QWidget* parent)
    : QMainWindow(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("CMainFrame"));
    m_strFrameTitle = ApplicationTitle;
    m_document.setTitleChanged([this] { updateCaption(); });
    setWindowTitle(m_strFrameTitle);
    setMenuWidget(nullptr);
    // The frame starts as large as the screen allows, so the tree's quarter
    // of the width is taken from the size the window will have.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OnPageHelp(); });
    auto* nextPane = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(nextPane, &QShortcut::activated, this, [this] { OnNextPane(false); });
    auto* previousPane = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    connect(previousPane, &QShortcut::activated, this, [this] { OnNextPane(true); });
}

CMainFrame::~CMainFrame()
{
    // The pages go with the window; the application's pointers to them go first.
    m_app.pageTable().fill(nullptr);
    m_app.setNavigation(nullptr, nullptr);
    m_app.treeItemHandles().clear();
}

void CMainFrame::OnCreateClient()
{
    m_cx = width();
    m_cy = height();

    m_wndSplitter = new CMySplitterWnd(Qt::Vertical, this);
    setCentralWidget(m_wndSplitter);
    m_pIdentity = new CIdentificationArea(m_app);
    m_wndSplitter->addWidget(m_pIdentity);
    m_wndSplitter->setLockFlag(1);

    m_wndSplitter2 = new CMySplitterWnd(Qt::Horizontal);
    m_wndSplitter->addWidget(m_wndSplitter2);
    m_pNavigation = new CNavigationView(m_app);
    m_wndSplitter2->addWidget(m_pNavigation);
    QWidget* pane = m_wndSplitter2->addPagePane();
    m_pPlaceholder = new CForm1(pane);
    m_wndSplitter2->setPaneWindow(m_pPlaceholder);

    m_pConnection = new CForm2(m_app);
    m_wndSplitter->addWidget(m_pConnection);

    m_wndSplitter->setSizes({ IdentityHeight, std::max(0, m_cy - FixedRowsHeight), FixedRowsHeight - IdentityHeight });
    m_wndSplitter2->setSizes({ m_cx / 4, m_cx - m_cx / 4 });
    // Only the page pane follows the window's width; the tree keeps its own.
    m_wndSplitter2->setStretchFactor(0, 0);
    m_wndSplitter2->setStretchFactor(1, 1);
    m_bSplittersReady = true;

    m_app.setNavigation(m_pNavigation, m_wndSplitter2);
    m_wndSplitter2->setPageTable(&m_app.pageTable());
    m_wndSplitter2->setActiveViewHook([this](FormPage* page) { m_pActiveView = page; });
    createPages();

    m_wndSplitter2->ReplaceView(0, 1, PageRegistry::homeSlot(), false);
    connectDevice();
}

void CMainFrame::createPages()
{
    QWidget* pane = m_wndSplitter2->pagePane();
    CSerratK90ClipwellApp::PageTable& pages = m_app.pageTable();
    // Every page is made before any is placed, in the order of the slots.
    for (int slot = 1; slot < PageRegistry::SlotCount; ++slot) {
        if (const PageRow* row = PageRegistry::rowForSlot(slot))
            pages[slot] = row->make(m_app, *row);
    }
    for (int slot = 1; slot < PageRegistry::SlotCount; ++slot) {
        FormPage* page = pages[slot];
        if (!page)
            continue;
        page->setParent(pane);
        page->hide();
        CMySplitterWnd::setChildId(page, slot);
    }
}

void CMainFrame::connectDevice()
{
    m_strItemId = m_app.devicePath() + QStringLiteral("/Param/HART_Frame");
    int failedStep = 0;
    m_app.link().Open(m_app.devicePath(), m_app.serverMachine(), &failedStep);
    if (failedStep == 3) {
        Prompts::show(QStringLiteral("Communication Error."), QStringLiteral("MainFrm"));
        return;
    }
    if (failedStep != 0)
        return;
    m_app.link().ReadDeviceType();
}

void CMainFrame::InitialUpdateFrame()
{
    firstUpdate(m_pIdentity);
    m_pNavigation->OnInitialUpdate();
    firstUpdate(m_pPlaceholder);
    firstUpdate(m_pConnection);
    for (FormPage* page : m_app.pageTable())
        firstUpdate(page);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    OnSize(event->size().width(), event->size().height());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A close that reaches the window while a transaction waits for the
    // device comes again once the transaction is over: no page's handler
    // runs inside one.
    if (TransactionScope::inProgress()) {
        event->ignore();
        TransactionScope::runOutside(this, [this] { close(); });
        return;
    }
    if (m_pNavigation)
        m_pNavigation->StopAllPages();
    // A multi-test run between two tests has no page running to stop, and the
    // hub may already have asked for the next test's page: the close ends the
    // run as the user's stop does, so that page shows without starting.
    MultiTestRun& multi = m_app.multiTest();
    if (multi.m_bMultiTestRunning)
        multi.StopByUser();
    QMainWindow::closeEvent(event);
    // From here the program only tears down: a termination signal now must
    // not end it in the middle of that.
    if (event->isAccepted())
        m_app.CloseBegun();
}

void CMainFrame::OnSize(int cx, int cy)
{
    m_cx = cx;
    m_cy = cy;
    if (!m_bSplittersReady)
        return;
    const int middle = std::max(0, cy - FixedRowsHeight);
    const int bottom = std::max(0, cy - IdentityHeight - middle - 2 * m_wndSplitter->handleWidth());
    m_wndSplitter->setSizes({ IdentityHeight, middle, bottom });
}

void CMainFrame::OnPageHelp()
{
    m_app.OpenHelp(m_app.selectedPageCode());
}

namespace
{
// The widget of a pane that takes the focus: the pane itself, or the first of
// its children in the focus chain that can take it; nullptr when none can.
QWidget* focusTarget(QWidget* pane)
{
    if (!pane || !pane->isVisible() || !pane->isEnabled())
        return nullptr;
    if (pane->focusPolicy() & Qt::TabFocus)
        return pane;
    // The chain runs through the whole window and back; one lap is enough.
    for (QWidget* child = pane->nextInFocusChain(); child && child != pane; child = child->nextInFocusChain()) {
        if (pane->isAncestorOf(child) && (child->focusPolicy() & Qt::TabFocus) && child->isVisibleTo(pane)
            && child->isEnabled())
            return child;
    }
    return nullptr;
}
}

void CMainFrame::OnNextPane(bool previous)
{
    const std::array<QWidget*, 4> panes { m_pIdentity, m_pNavigation, m_app.shownPage(), m_pConnection };
    const QWidget* focus = QApplication::focusWidget();
    int current = -1;
    for (int k = 0; k < int(panes.size()); ++k) {
        if (panes[k] && focus && (focus == panes[k] || panes[k]->isAncestorOf(focus)))
            current = k;
    }
    const int count = int(panes.size());
    for (int step = 1; step <= count; ++step) {
        const int next
            = ((current < 0 ? (previous ? 0 : count - 1) : current) + (previous ? -step : step) + count) % count;
        if (QWidget* target = focusTarget(panes[next])) {
            target->setFocus(previous ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return;
        }
    }
}

void CMainFrame::SelectPageCode(int pageCode)
{
    if (m_pNavigation)
        m_pNavigation->SelectItem(m_pNavigation->itemForCode(pageCode));
}

void CMainFrame::SetFrameTitle(const QString& title)
{
    m_strFrameTitle = title;
    updateCaption();
}

void CMainFrame::updateCaption()
{
    const QString documentTitle = m_document.GetTitle();
    setWindowTitle(documentTitle.isEmpty() ? m_strFrameTitle : documentTitle + QStringLiteral(" - ") + m_strFrameTitle);
}
