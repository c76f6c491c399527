#pragma once

#include <QTreeWidget>

#include <functional>

class CSerratK90ClipwellApp;
class CMySplitterWnd;
class FormPage;

// The navigation tree, the one way between pages: selecting an item stops
// every page's timers, swaps the item's page into the page pane and
// activates it. Each item carries its PageCode, which also is its help
// context. A selection asked for while a switch is still running (a page's
// StopTimers handing back to the diagnostics hub) waits until that switch is
// over and then runs.
class CNavigationView : public QTreeWidget
{
    Q_OBJECT

public:
    CNavigationView(CSerratK90ClipwellApp& app, QWidget* parent = nullptr);

    // The page index of a PageCode, or 0 for a code that is not in the tree.
    static int PageIndexForCode(int pageCode);
    // On the smaller model without Config28Bit5 these codes show the dashboard.
    static bool IsGatedCode(int pageCode);

    // Builds the tree (root and items by model) and sets the titles.
    void OnInitialUpdate();

    // Selects an item as the caret, which runs the switch; a handle that is
    // not in the tree does nothing.
    void SelectItem(QTreeWidgetItem* item);
    // The handle of the item with that code, or nullptr.
    QTreeWidgetItem* itemForCode(int pageCode) const;
    // The PageCode of the selected item (0 for the root or none).
    int selectedPageCode() const;

    // Runs the switch for the item (what a selection change does).
    void OnSelchanged(QTreeWidgetItem* item);
    // StopTimers of every page but the panes, in slot order; the zero supply
    // page only on the smaller model.
    void StopAllPages();

    bool switchInProgress() const { return m_bSwitching; }

private:
    void onCurrentItemChanged(QTreeWidgetItem* current);
    // Queues a selection asked for during a switch, to run once it is over.
    void afterSwitch(std::function<void()> selection);
    void switchTo(int pageCode);
    void showPage(int index, bool swapFirst);
    void activate(int index);
    bool offersOptionalItems();

    CSerratK90ClipwellApp& m_app;
    bool m_bSwitching = false;
};
