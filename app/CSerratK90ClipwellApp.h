#pragma once

#include "AppLog.h"
#include "CSigDataStorage.h"
#include "DeviceData.h"
#include "DeviceLink.h"
#include "PageHelpers.h"
#include "StatusStrip.h"
#include "TellboxImports.h"

#include "automation/AutoString.h"
#include "core/CAICalibReport.h"
#include "core/CAOCalibReport.h"
#include "core/CActuatorCalibReport.h"
#include "core/CAlarmAnnunciatorReport.h"
#include "core/CAlarmStatusReport.h"
#include "core/CDataLoggerReport.h"
#include "core/CHDRLCompareReport.h"
#include "core/CHDRLReport.h"
#include "core/CPSTCompareReport.h"
#include "core/CPSTReport.h"
#include "core/CRampCompareReport.h"
#include "core/CRampReport.h"
#include "core/CReportHeader.h"
#include "core/CStepTestCompareReport.h"
#include "core/CStepTestReport.h"
#include "core/CStrokeCalibReport.h"
#include "core/CStrokeCharacterizationReport.h"
#include "core/CTrendsReport.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class CMainFrame;
class CMySplitterWnd;
class CNavigationView;
class FormPage;
class QTreeWidgetItem;

// The one application object of the program: it starts the program for one
// device and owns what the pages share for the whole run: the device data
// block with the device link, the status strip state, the page table, the
// navigation tree's handles, one instance of every report record and the
// command-line strings. Pages reach it through theApp().
class CSerratK90ClipwellApp
{
public:
    static constexpr int PageCount = 42; // index 0 holds no page

    CSerratK90ClipwellApp();
    ~CSerratK90ClipwellApp();
    CSerratK90ClipwellApp(const CSerratK90ClipwellApp&) = delete;
    CSerratK90ClipwellApp& operator=(const CSerratK90ClipwellApp&) = delete;

    // The live application object (there is one at a time).
    static CSerratK90ClipwellApp& instance();

    // Start-up for the parameters (without the program name): parses them,
    // builds the main window with every page, connects to the device, shows
    // the window maximised, picks the help folder and selects the dashboard.
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
    // Refreshes the strip of the page shown, with one Read_Status_cmd.
    void RefreshAllStatusStrips();
    // Loads the model's error-definition priorities (once, by the page that owns that step).
    void LoadErrorDefinitions();

    DeviceData& deviceData() { return m_DeviceData; }
    DeviceLink& link() { return m_link; }
    CommandDispatch& dispatch() { return m_link.dispatch(); }
    MiscAccessors& misc() { return m_link.misc(); }
    StatusStrip& strip() { return m_strip; }
    const AppLog& log() const { return m_log; }
    void WriteLog(const QString& text) const { m_log.WriteLog(text); }
    PageHelpers& helpers() { return m_helpers; }
    // The library functions the program imports by number.
    const TellboxImports& imports() const { return m_imports; }
    QString GetAppFolder() { return m_helpers.GetAppFolder(); }
    CMainFrame* mainFrame() const { return m_pMainFrame.get(); }

    // ---- members the pages share, in the order of their lifetimes ----
    QString m_strDevicePath;
    QString m_strDevicePath2;
    QString m_strServerMachine;

    std::array<FormPage*, PageCount> PageTable {};

    CReportHeader m_ReportHeader;
    CPSTReport m_PSTReport;
    CStepTestReport m_StepTestReport;
    CPSTCompareReport m_PSTCompareReport;
    CStepTestCompareReport m_StepTestCompareReport;
    CRampReport m_RampReport;
    CRampCompareReport m_RampCompareReport;
    CHDRLReport m_HDRLReport;
    CHDRLCompareReport m_HDRLCompareReport;
    CActuatorCalibReport m_ActuatorCalibReport;
    CStrokeCalibReport m_StrokeCalibReport;
    CAICalibReport m_AICalibReport;
    CAOCalibReport m_AOCalibReport;
    CTrendsReport m_TrendsReport;
    CAlarmStatusReport m_AlarmStatusReport;
    CAlarmAnnunciatorReport m_AlarmAnnunciatorReport;
    CStrokeCharacterizationReport m_StrokeCharacterizationReport;
    CDataLoggerReport m_DataLoggerReport;

    CNavigationView* m_pNavigationView = nullptr;
    // Root first, then every item in tree order; items the model does not offer are absent.
    std::vector<QTreeWidgetItem*> TreeItemHandles;
    CMySplitterWnd* m_pPageSplitter = nullptr;

    // "CLIPWELL", or "<tag> CLIPWELL" once the identity strip has read the tag.
    AutoString m_strDocumentTitle { "CLIPWELL" };

    CSigDataStorage m_SigDataStorage;

    // The profile's recent-file list (four entries; nothing shows it).
    QStringList m_RecentFiles;

private:
    void loadProfileSettings();

    DeviceData m_DeviceData;
    AppLog m_log;
    DeviceLink m_link;
    StatusStrip m_strip;
    PageHelpers m_helpers;
    TellboxImports m_imports = TellboxImports::bind();
    QString m_strHelpFolder;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

// The application object, as the pages know it.
inline CSerratK90ClipwellApp& theApp()
{
    return CSerratK90ClipwellApp::instance();
}
