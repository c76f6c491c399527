#include "CNavigationView.h"

#include "CMainFrame.h"
#include "CMySplitterWnd.h"
#include "CSerratK90ClipwellApp.h"
#include "PageRegistry.h"

#include "ui/FormPage.h"
#include "ui/TransactionScope.h"

#include <QMetaObject>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace
{
// Guarantees the switch flag drops however the switch ends.
struct SwitchScope {
    explicit SwitchScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~SwitchScope() { m_flag = false; }
    bool& m_flag;
};
}

CNavigationView::CNavigationView(CSerratK90ClipwellApp& app, QWidget* parent)
    : QTreeWidget(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("CNavigationView"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setMinimumSize(0, 0);
    connect(this, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentItemChanged(current); });
}

int CNavigationView::PageIndexForCode(int pageCode)
{
    const PageRow* row = PageRegistry::rowForCode(pageCode);
    return row ? row->slot : 0;
}

bool CNavigationView::IsGatedCode(int pageCode)
{
    const PageRow* row = PageRegistry::rowForCode(pageCode);
    return row && (row->flags & OptionalOnK40);
}

bool CNavigationView::offersOptionalItems()
{
    DeviceData& data = m_app.deviceData();
    if (data.DeviceType != 6)
        return true;
    m_app.misc().ReadMiscByte28Bit5();
    return data.Config28Bit5 != 0;
}

void CNavigationView::OnInitialUpdate()
{
    clear();
    const bool isK40 = m_app.deviceData().DeviceType == 6;
    auto* root = new QTreeWidgetItem(this, { isK40 ? QStringLiteral("Serrat K40") : QStringLiteral("Serrat K90") });
    std::vector<QTreeWidgetItem*>& handles = m_app.treeItemHandles();
    handles = { root };

    // The smaller model's optional items come in two runs (the Health branch,
    // then Trends and Partial Stroke Test); the configuration bit is read for each.
    bool offered = true;
    bool previousOptional = false;
    std::array<QTreeWidgetItem*, 4> parents { root, nullptr, nullptr, nullptr };
    std::vector<QTreeWidgetItem*> toExpand { root };
    for (const PageRow& row : PageRegistry::rows()) {
        if (row.treeCode == 0)
            continue;
        const bool optional = row.flags & OptionalOnK40;
        if (optional && !previousOptional)
            offered = offersOptionalItems();
        previousOptional = optional;
        if (optional && !offered)
            continue;
        auto* item = new QTreeWidgetItem(parents[row.treeDepth - 1], { QString::fromLatin1(row.treeText) });
        item->setData(0, Qt::UserRole, row.treeCode);
        parents[row.treeDepth] = item;
        handles.push_back(item);
        if (row.flags & Expanded)
            toExpand.push_back(item);
    }
    for (QTreeWidgetItem* item : toExpand)
        item->setExpanded(true);

    if (CMainFrame* frame = m_app.mainFrame()) {
        frame->document().SetTitle(m_app.documentTitle().toQString());
        frame->SetFrameTitle(CMainFrame::ApplicationTitle);
    }
}

QTreeWidgetItem* CNavigationView::itemForCode(int pageCode) const
{
    for (QTreeWidgetItem* item : m_app.treeItemHandles()) {
        if (item && item->data(0, Qt::UserRole).toInt() == pageCode && pageCode != 0)
            return item;
    }
    return nullptr;
}

int CNavigationView::selectedPageCode() const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void CNavigationView::SelectItem(QTreeWidgetItem* item)
{
    if (!item || item->treeWidget() != this)
        return;
    if (m_bSwitching) {
        // The switch under way may itself have shown the item asked for (a test
        // page handing back to the hub while the user chose the hub): that item
        // is already selected, and selecting it again would activate its page
        // a second time.
        afterSwitch([this, item] {
            if (item != currentItem())
                SelectItem(item);
        });
        return;
    }
    if (item == currentItem())
        OnSelchanged(item);
    else
        setCurrentItem(item);
}

void CNavigationView::onCurrentItemChanged(QTreeWidgetItem* current)
{
    if (!current)
        return;
    if (m_bSwitching) {
        afterSwitch([this, current] { OnSelchanged(current); });
        return;
    }
    OnSelchanged(current);
}

void CNavigationView::afterSwitch(std::function<void()> selection)
{
    // The event loop also turns inside the switch's own transactions, to
    // repaint; a selection must not start a switch there.
    QMetaObject::invokeMethod(
        this, [this, selection = std::move(selection)] { TransactionScope::runOutside(this, selection); },
        Qt::QueuedConnection);
}

void CNavigationView::OnSelchanged(QTreeWidgetItem* item)
{
    const int code = item ? item->data(0, Qt::UserRole).toInt() : 0;
    if (PageIndexForCode(code) == 0)
        return;
    SwitchScope scope(m_bSwitching);
    switchTo(code);
}

void CNavigationView::switchTo(int pageCode)
{
    const DeviceData& data = m_app.deviceData();
    const int home = PageRegistry::homeSlot();
    if (data.DeviceType == 6 && data.Config28Bit5 == 0 && IsGatedCode(pageCode)) {
        showPage(home, false);
        activate(home);
        setFocus();
        return;
    }
    const PageRow& row = *PageRegistry::rowForCode(pageCode);
    const bool focusFirst = row.flags & FocusFirst;
    showPage(row.slot, row.flags & SwapFirst);
    if (focusFirst)
        setFocus();
    activate(row.slot);
    if (!focusFirst)
        setFocus();
}

void CNavigationView::showPage(int index, bool swapFirst)
{
    CMySplitterWnd* splitter = m_app.pageSplitter();
    if (swapFirst && splitter)
        splitter->ReplaceView(0, 1, index);
    StopAllPages();
    if (!swapFirst && splitter)
        splitter->ReplaceView(0, 1, index);
}

void CNavigationView::activate(int index)
{
    if (FormPage* page = m_app.pageTable()[index])
        page->guard("ActivatePage", [page] { page->ActivatePage(); });
}

void CNavigationView::StopAllPages()
{
    const bool isK40 = m_app.deviceData().DeviceType == 6;
    CSerratK90ClipwellApp::PageTable& pages = m_app.pageTable();
    for (int slot = 1; slot < PageRegistry::SlotCount; ++slot) {
        const PageRow* row = PageRegistry::rowForSlot(slot);
        if (!row || (row->flags & Pane) || ((row->flags & StoppedOnK40Only) && !isK40))
            continue;
        if (FormPage* page = pages[slot])
            page->guard("StopTimers", [page] { page->StopTimers(); });
    }
}
