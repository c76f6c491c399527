#pragma once

#include "AppLog.h"
#include "CCalibrationStorage.h"
#include "CSigDataStorage.h"
#include "DeviceData.h"
#include "DeviceLink.h"
#include "MultiTestRun.h"
#include "PageContext.h"
#include "PageHelpers.h"
#include "PageRegistry.h"
#include "ReportRecords.h"
#include "StatusStrip.h"
#include "TellboxImports.h"

#include "automation/AutoString.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class CMainFrame;
class CMySplitterWnd;
class CNavigationView;
class FormPage;
class TerminationSignals;
class QTreeWidgetItem;

// The one application object of the program: it starts the program for one
// device and owns what the pages share for the whole run: the device data
// block with the device link, the status strip state, the page table, the
// navigation tree's handles, one instance of every report record and the
// command-line strings. Pages reach what they may through their page context,
// which this object is.
class CSerratK90ClipwellApp : public PageContext
{
public:
    using PageTable = std::array<FormPage*, PageRegistry::SlotCount>;

    CSerratK90ClipwellApp();
    ~CSerratK90ClipwellApp() override;
    CSerratK90ClipwellApp(const CSerratK90ClipwellApp&) = delete;
    CSerratK90ClipwellApp& operator=(const CSerratK90ClipwellApp&) = delete;

    // Start-up for the parameters (without the program name): parses them,
    // builds the main window with every page, connects to the device, shows
    // the window maximised, picks the help folder and selects the dashboard.
    // From then on SIGTERM and SIGINT close the main window as the user does.
    // False when the program must end (a parameter that is not a switch: one
    // usage line on standard error).
    bool InitInstance(const QStringList& arguments);

    // The help folder chosen at start-up ("<program folder>SerratK90Clipwell/").
    QString helpFolder() const { return m_strHelpFolder; }
    // Opens the help page of a context (a PageCode; 0 is the contents root).
    void OpenHelp(int context) const;

    // The PageCode of the selected tree item (0 for the root or none): the help context.
    int selectedPageCode() const;
    // The page shown in the page pane now, or nullptr.
    FormPage* shownPage() const;

    // ---- the page context ----
    DeviceData& deviceData() override { return m_DeviceData; }
    CommandDispatch& dispatch() override { return m_link.dispatch(); }
    MiscAccessors& misc() override { return m_link.misc(); }
    const AppLog& log() const override { return m_log; }
    StatusStrip& strip() override { return m_strip; }
    PageHelpers& helpers() override { return m_helpers; }
    const TellboxImports& imports() const override { return m_imports; }
    ReportRecords& records() override { return m_records; }
    CSigDataStorage& sigData() override { return m_SigDataStorage; }
    CCalibrationStorage& calibrationStorage() override { return m_CalibrationStorage; }
    MultiTestRun& multiTest() override { return m_multiTest; }
    QString MessageCaption() const override;
    void SelectPageCode(int pageCode) override;
    FormPage* ReplaceView(const char* pageClass) override;
    void RefreshAllStatusStrips() override;
    void LoadErrorDefinitions() override;
    void followStatusReplies(QObject* follower, std::function<void()> follow) override;

    // ---- what the frame and the tree keep here ----
    DeviceLink& link() { return m_link; }
    void WriteLog(const QString& text) const { m_log.WriteLog(text); }
    QString GetAppFolder() { return m_helpers.GetAppFolder(); }
    CMainFrame* mainFrame() const { return m_pMainFrame.get(); }
    // The main window's close went through: the program is ending.
    void CloseBegun();
    PageTable& pageTable() { return m_PageTable; }
    // Root first, then every item in tree order; items the model does not offer are absent.
    std::vector<QTreeWidgetItem*>& treeItemHandles() { return m_TreeItemHandles; }
    void setNavigation(CNavigationView* navigation, CMySplitterWnd* pageSplitter);
    CNavigationView* navigationView() const { return m_pNavigationView; }
    CMySplitterWnd* pageSplitter() const { return m_pPageSplitter; }
    // "CLIPWELL", or "<tag> CLIPWELL" once the identity strip has read the tag.
    AutoString& documentTitle() { return m_strDocumentTitle; }
    const QString& devicePath() const { return m_strDevicePath; }
    const QString& serverMachine() const { return m_strServerMachine; }
    // The profile's recent-file list (four entries; nothing shows it).
    const QStringList& recentFiles() const { return m_RecentFiles; }

private:
    void loadProfileSettings();

    QString m_strDevicePath;
    QString m_strDevicePath2;
    QString m_strServerMachine;
    PageTable m_PageTable {};
    ReportRecords m_records;
    CNavigationView* m_pNavigationView = nullptr;
    std::vector<QTreeWidgetItem*> m_TreeItemHandles;
    CMySplitterWnd* m_pPageSplitter = nullptr;
    AutoString m_strDocumentTitle { "CLIPWELL" };
    CSigDataStorage m_SigDataStorage;
    CCalibrationStorage m_CalibrationStorage;
    MultiTestRun m_multiTest;
    QStringList m_RecentFiles;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_statusFollowers;

    DeviceData m_DeviceData;
    AppLog m_log;
    DeviceLink m_link;
    StatusStrip m_strip;
    PageHelpers m_helpers;
    TellboxImports m_imports = TellboxImports::bind();
    QString m_strHelpFolder;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<TerminationSignals> m_pTerminationSignals;
};
