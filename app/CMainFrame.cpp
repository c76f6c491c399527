#include "CMainFrame.h"

#include "CForm1.h"
#include "CForm2.h"
#include "CIdentificationArea.h"
#include "CMySplitterWnd.h"
#include "CNavigationView.h"
#include "CSerratK90ClipwellApp.h"

#include "pages/calibration/CCalib_Actuator.h"
#include "pages/calibration/CCalibrationActuatorIntro.h"
#include "pages/calibration/CCalibrationAnalogIn.h"
#include "pages/calibration/CCalibrationAnalogIn1.h"
#include "pages/calibration/CCalibrationAnalogIn2.h"
#include "pages/calibration/CCalibrationAnalogIn3.h"
#include "pages/calibration/CCalibrationAnalogIn4.h"
#include "pages/calibration/CCalibrationAnalogIn5.h"
#include "pages/calibration/CCalibrationMain.h"
#include "pages/calibration/CCalibrationStroke.h"
#include "pages/calibration/CCalibrationZeroSupply.h"
#include "pages/calibration/CConfigMain.h"
#include "pages/calibration/CCustCharacterization.h"
#include "pages/calibration/CCustCharacterization_Info.h"
#include "pages/calibration/CPressureDisablePage.h"
#include "pages/health/CActuatorHealth.h"
#include "pages/health/CAdvDashboard.h"
#include "pages/health/CAlarmAnnunciator.h"
#include "pages/health/CAlarmConfig.h"
#include "pages/health/CAlarmStatus.h"
#include "pages/health/CAlarmsView.h"
#include "pages/health/CControlHealth.h"
#include "pages/health/CHealthMain.h"
#include "pages/health/CPositionerHealth.h"
#include "pages/health/CValveHealth.h"
#include "pages/health/CValveHealthToleranceSettings.h"
#include "pages/tests/CDataLogger.h"
#include "pages/tests/CDiagnosticsMain.h"
#include "pages/tests/CHDRLCompareView.h"
#include "pages/tests/CHDRLTest.h"
#include "pages/tests/CPSTCompare.h"
#include "pages/tests/CPartialStrokeTest.h"
#include "pages/tests/CRampTest.h"
#include "pages/tests/CRampTestCompare.h"
#include "pages/tests/CStepCompareView.h"
#include "pages/tests/CStepTest.h"
#include "pages/tests/CTrends.h"

#include "ui/Prompts.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <functional>
#include <utility>

namespace
{
constexpr int DashboardIndex = 3;

// The class of every slot of the page table; slots 0, 8 and 27 hold no page.
FormPage* createPage(int index, CSerratK90ClipwellApp& app)
{
    switch (index) {
    case 1:
        return new CForm1;
    case 2:
        return new CForm2(app);
    case 3:
        return new CAdvDashboard;
    case 4:
        return new CAlarmsView;
    case 5:
        return new CAlarmStatus;
    case 6:
        return new CAlarmAnnunciator;
    case 7:
        return new CAlarmConfig;
    case 9:
        return new CPressureDisablePage;
    case 10:
        return new CCalibrationMain;
    case 11:
        return new CCalibrationActuatorIntro;
    case 12:
        return new CCalib_Actuator;
    case 13:
        return new CCalibrationStroke;
    case 14:
        return new CCalibrationAnalogIn;
    case 15:
        return new CCalibrationAnalogIn1;
    case 16:
        return new CCalibrationAnalogIn2;
    case 17:
        return new CCalibrationAnalogIn3;
    case 18:
        return new CCalibrationAnalogIn4;
    case 19:
        return new CCalibrationAnalogIn5;
    case 20:
        return new CDiagnosticsMain;
    case 21:
        return new CStepTest;
    case 22:
        return new CStepCompareView;
    case 23:
        return new CHDRLTest;
    case 24:
        return new CHDRLCompareView;
    case 25:
        return new CDataLogger;
    case 26:
        return new CTrends;
    case 28:
        return new CHealthMain;
    case 29:
        return new CValveHealth;
    case 30:
        return new CValveHealthToleranceSettings;
    case 31:
        return new CPositionerHealth;
    case 32:
        return new CActuatorHealth;
    case 33:
        return new CControlHealth;
    case 34:
        return new CPartialStrokeTest;
    case 35:
        return new CPSTCompare;
    case 36:
        return new CRampTestCompare;
    case 37:
        return new CRampTest;
    case 38:
        return new CConfigMain;
    case 39:
        return new CCustCharacterization_Info;
    case 40:
        return new CCustCharacterization;
    case 41:
        return new CCalibrationZeroSupply;
    default:
        return nullptr;
    }
}

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
    m_strFrameTitle = QStringLiteral("Serrat XD HART Clipwell");
    m_document.setTitleChanged([this] { updateCaption(); });
    setWindowTitle(m_strFrameTitle);
    setMenuWidget(nullptr);
    // The frame starts as large as the screen allows, so the tree's quarter
    // of the width is taken from the size the window will have.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OnPageHelp(); });
}

CMainFrame::~CMainFrame()
{
    // The pages go with the window; the application's pointers to them go first.
    m_app.PageTable.fill(nullptr);
    m_app.m_pNavigationView = nullptr;
    m_app.m_pPageSplitter = nullptr;
    m_app.TreeItemHandles.clear();
    m_app.link().parser().setStatusHook(nullptr);
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

    m_app.m_pPageSplitter = m_wndSplitter2;
    m_wndSplitter2->setPageTable(&m_app.PageTable);
    m_wndSplitter2->setActiveViewHook([this](FormPage* page) { m_pActiveView = page; });
    createPages();

    m_wndSplitter2->ReplaceView(0, 1, DashboardIndex, false);
    connectDevice();
}

void CMainFrame::createPages()
{
    QWidget* pane = m_wndSplitter2->pagePane();
    for (int index = 1; index < CSerratK90ClipwellApp::PageCount; ++index)
        m_app.PageTable[index] = createPage(index, m_app);
    for (int index = 1; index < CSerratK90ClipwellApp::PageCount; ++index) {
        FormPage* page = m_app.PageTable[index];
        if (!page)
            continue;
        page->setParent(pane);
        page->hide();
        CMySplitterWnd::setChildId(page, index);
    }
    auto* dashboard = static_cast<CAdvDashboard*>(m_app.PageTable[DashboardIndex]);
    m_app.link().parser().setStatusHook([dashboard] { dashboard->UpdateFromStatus(); });
}

void CMainFrame::connectDevice()
{
    m_strItemId = m_app.m_strDevicePath + QStringLiteral("/Param/HART_Frame");
    int failedStep = 0;
    m_app.link().Open(m_app.m_strDevicePath, m_app.m_strServerMachine, &failedStep);
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
    for (FormPage* page : m_app.PageTable)
        firstUpdate(page);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    OnSize(event->size().width(), event->size().height());
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
