#include "CNavigationView.h"

#include "CMainFrame.h"
#include "CMySplitterWnd.h"
#include "CSerratK90ClipwellApp.h"

#include "ui/FormPage.h"

#include <QMetaObject>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace
{
struct TreeEntry {
    int depth; // 1 = child of the root
    const char* text;
    int pageCode;
    int pageIndex;
    bool optionalOnK40; // offered by the smaller model only with Config28Bit5
    bool expanded;
};

// Items in tree order.
constexpr std::array<TreeEntry, 28> Tree = { {
    { 1, "Dashboard", 1, 3, false, true },
    { 1, "Alarms", 2, 4, false, true },
    { 2, "Alarm Status", 21, 5, false, false },
    { 2, "Alarm Annunciators", 22, 6, false, false },
    { 2, "Alarm Configuration", 23, 7, false, false },
    { 1, "Health", 3, 28, true, true },
    { 2, "Valve Health", 31, 29, true, true },
    { 3, "Friction Tolerance Settings", 311, 30, true, false },
    { 2, "Positioner Health", 32, 31, true, false },
    { 2, "Actuator Health", 33, 32, true, false },
    { 2, "Control Health", 34, 33, true, false },
    { 1, "Diagnostic", 4, 20, false, true },
    { 2, "Ramp Test", 41, 37, false, true },
    { 3, "Compare", 411, 36, false, false },
    { 2, "Step Test", 42, 21, false, true },
    { 3, "Compare", 421, 22, false, false },
    { 2, "HDRL", 43, 23, false, true },
    { 3, "Compare", 431, 24, false, false },
    { 2, "Data Logger", 44, 25, false, false },
    { 2, "Trends", 45, 26, true, false },
    { 2, "Partial Stroke Test", 46, 34, true, true },
    { 3, "Compare", 461, 35, true, false },
    { 1, "Calibration", 5, 10, false, true },
    { 2, "Actuator /Stroke /Friction", 51, 11, false, false },
    { 2, "Stroke", 52, 13, false, false },
    { 2, "Analog Input", 53, 14, false, false },
    { 1, "Configuration", 6, 38, false, true },
    { 2, "Stroke Characterization", 61, 39, false, false },
} };

constexpr int DashboardIndex = 3;
constexpr int FirstStoppedPage = 3;
constexpr int LastAlwaysStoppedPage = 40;
constexpr int ZeroSupplyPage = 41;

bool codeIn(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The page is swapped in before the others stop for these codes, after for the rest.
bool swapsFirst(int code)
{
    return codeIn(code, { 1, 21, 22, 31, 33, 41, 43, 44, 46, 411, 431, 461 });
}

// The tree takes the focus back before the page activates for these codes.
bool focusesFirst(int code)
{
    return codeIn(code, { 1, 43 });
}

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
    m_app.m_pNavigationView = this;
    connect(this, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentItemChanged(current); });
}

int CNavigationView::PageIndexForCode(int pageCode)
{
    for (const TreeEntry& entry : Tree) {
        if (entry.pageCode == pageCode)
            return entry.pageIndex;
    }
    return 0;
}

bool CNavigationView::IsGatedCode(int pageCode)
{
    return codeIn(pageCode, { 3, 31, 311, 32, 33, 34, 45, 46, 461 });
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
    m_app.m_pNavigationView = this;
    clear();
    const bool isK40 = m_app.deviceData().DeviceType == 6;
    auto* root = new QTreeWidgetItem(this, { isK40 ? QStringLiteral("Serrat K40") : QStringLiteral("Serrat K90") });
    m_app.TreeItemHandles = { root };

    // The smaller model's optional items come in two runs (the Health branch,
    // then Trends and Partial Stroke Test); the configuration bit is read for each.
    bool offered = true;
    bool previousOptional = false;
    std::array<QTreeWidgetItem*, 4> parents { root, nullptr, nullptr, nullptr };
    std::vector<QTreeWidgetItem*> toExpand { root };
    for (const TreeEntry& entry : Tree) {
        if (entry.optionalOnK40 && !previousOptional)
            offered = offersOptionalItems();
        previousOptional = entry.optionalOnK40;
        if (entry.optionalOnK40 && !offered)
            continue;
        auto* item = new QTreeWidgetItem(parents[entry.depth - 1], { QString::fromLatin1(entry.text) });
        item->setData(0, Qt::UserRole, entry.pageCode);
        parents[entry.depth] = item;
        m_app.TreeItemHandles.push_back(item);
        if (entry.expanded)
            toExpand.push_back(item);
    }
    for (QTreeWidgetItem* item : toExpand)
        item->setExpanded(true);

    if (CMainFrame* frame = m_app.mainFrame()) {
        frame->document().SetTitle(m_app.m_strDocumentTitle.toQString());
        frame->SetFrameTitle(QStringLiteral("Serrat XD HART Clipwell"));
    }
}

QTreeWidgetItem* CNavigationView::itemForCode(int pageCode) const
{
    for (QTreeWidgetItem* item : m_app.TreeItemHandles) {
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
        QMetaObject::invokeMethod(
            this, [this, item] { SelectItem(item); }, Qt::QueuedConnection);
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
        QMetaObject::invokeMethod(
            this, [this, current] { OnSelchanged(current); }, Qt::QueuedConnection);
        return;
    }
    OnSelchanged(current);
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
    if (data.DeviceType == 6 && data.Config28Bit5 == 0 && IsGatedCode(pageCode)) {
        showPage(DashboardIndex, false);
        activate(DashboardIndex);
        setFocus();
        return;
    }
    const int index = PageIndexForCode(pageCode);
    showPage(index, swapsFirst(pageCode));
    if (focusesFirst(pageCode))
        setFocus();
    activate(index);
    if (!focusesFirst(pageCode))
        setFocus();
}

void CNavigationView::showPage(int index, bool swapFirst)
{
    CMySplitterWnd* splitter = m_app.m_pPageSplitter;
    if (swapFirst && splitter)
        splitter->ReplaceView(0, 1, index);
    StopAllPages();
    if (!swapFirst && splitter)
        splitter->ReplaceView(0, 1, index);
}

void CNavigationView::activate(int index)
{
    if (FormPage* page = m_app.PageTable[index])
        page->guard("ActivatePage", [page] { page->ActivatePage(); });
}

void CNavigationView::StopAllPages()
{
    const int last = m_app.deviceData().DeviceType == 6 ? ZeroSupplyPage : LastAlwaysStoppedPage;
    for (int index = FirstStoppedPage; index <= last; ++index) {
        if (FormPage* page = m_app.PageTable[index])
            page->guard("StopTimers", [page] { page->StopTimers(); });
    }
}
