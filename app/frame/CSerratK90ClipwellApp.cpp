#include "CSerratK90ClipwellApp.h"

#include "CMainFrame.h"
#include "CMyCCommandLineInfo.h"
#include "CMySplitterWnd.h"
#include "CNavigationView.h"
#include "StripPage.h"
#include "TerminationSignals.h"

#include "ui/FormPage.h"

#include "ui/HandlerGuard.h"
#include "ui/Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include <cstdio>

namespace
{
const char* const ProfileKey = "Local AppWizard-Generated Applications";
constexpr int RecentFileCount = 4;
}

CSerratK90ClipwellApp::CSerratK90ClipwellApp()
    : m_link(m_DeviceData, m_log)
    , m_strip(m_DeviceData, m_link.dispatch(), m_log)
{
    // A handler that failed is an event the user may have to report: it goes
    // into the program's own log, not to the developer's console.
    HandlerGuard::setLogHook([log = m_log](const QString& line) { log.WriteLog(line); });
    Prompts::setDefaultCaption(CMainFrame::ApplicationTitle);
    m_link.parser().setStatusHook([this] {
        // A follower that is gone is dropped; one may be added while the others are told.
        std::erase_if(m_statusFollowers, [](const auto& follower) { return follower.first.isNull(); });
        const auto followers = m_statusFollowers;
        for (const auto& [follower, follow] : followers)
            if (follower)
                follow();
    });
}

CSerratK90ClipwellApp::~CSerratK90ClipwellApp()
{
    // The frame and its pages go first: they still use the device link.
    m_pTerminationSignals.reset();
    m_pMainFrame.reset();
    HandlerGuard::setLogHook(nullptr);
    Prompts::setDefaultCaption(QString());
}

bool CSerratK90ClipwellApp::InitInstance(const QStringList& arguments)
{
    loadProfileSettings();

    CMyCCommandLineInfo commandLine;
    QString badParameter;
    if (!commandLine.ParseCommandLine(arguments, &badParameter)) {
        std::fprintf(stderr, "%s\n", qPrintable(CMyCCommandLineInfo::usage()));
        return false;
    }
    m_strDevicePath = commandLine.m_strDevicePath;
    m_strDevicePath2 = commandLine.m_strDevicePath;
    m_strServerMachine = commandLine.m_strServerMachine;

    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    m_pMainFrame->OnCreateClient();
    m_pMainFrame->InitialUpdateFrame();
    m_pMainFrame->showMaximized();

    const QString model
        = m_DeviceData.DeviceType == 6 ? QStringLiteral("SerratK40Clipwell/") : QStringLiteral("SerratK90Clipwell/");
    m_strHelpFolder = GetAppFolder() + model;

    m_pMainFrame->SelectPageCode(PageRegistry::rowForSlot(PageRegistry::homeSlot())->treeCode);
    m_pTerminationSignals = std::make_unique<TerminationSignals>([this] {
        if (m_pMainFrame && m_pMainFrame->close())
            QCoreApplication::quit();
    });
    return true;
}

void CSerratK90ClipwellApp::CloseBegun()
{
    if (m_pTerminationSignals)
        m_pTerminationSignals->closeBegun();
}

void CSerratK90ClipwellApp::loadProfileSettings()
{
    QSettings profile(QString::fromLatin1(ProfileKey), QStringLiteral("Strokewise"));
    m_RecentFiles.clear();
    for (int i = 1; i <= RecentFileCount; ++i) {
        const QString file = profile.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!file.isEmpty())
            m_RecentFiles << file;
    }
}

void CSerratK90ClipwellApp::OpenHelp(int context) const
{
    QString page = m_strHelpFolder + QString::number(context) + QStringLiteral(".html");
    if (!QFileInfo::exists(page))
        page = m_strHelpFolder + QStringLiteral("index.html");
    Prompts::instance().openHelp(QUrl::fromLocalFile(page));
}

int CSerratK90ClipwellApp::selectedPageCode() const
{
    return m_pNavigationView ? m_pNavigationView->selectedPageCode() : 0;
}

FormPage* CSerratK90ClipwellApp::shownPage() const
{
    if (!m_pPageSplitter)
        return nullptr;
    return m_pPageSplitter->currentPage();
}

void CSerratK90ClipwellApp::setNavigation(CNavigationView* navigation, CMySplitterWnd* pageSplitter)
{
    m_pNavigationView = navigation;
    m_pPageSplitter = pageSplitter;
}

QString CSerratK90ClipwellApp::MessageCaption() const
{
    // The tag comes blank-padded to its eight characters; the questions'
    // caption shows it without the padding.
    static const QString Suffix = QStringLiteral(" CLIPWELL");
    const QString title = m_strDocumentTitle.toQString();
    if (!title.endsWith(Suffix))
        return title;
    QString tag = title.chopped(Suffix.size());
    while (tag.endsWith(QLatin1Char(' ')))
        tag.chop(1);
    return tag.isEmpty() ? QStringLiteral("CLIPWELL") : tag + Suffix;
}

void CSerratK90ClipwellApp::SelectPageCode(int pageCode)
{
    if (m_pMainFrame)
        m_pMainFrame->SelectPageCode(pageCode);
}

FormPage* CSerratK90ClipwellApp::ReplaceView(const char* pageClass)
{
    const PageRow* row = PageRegistry::rowForClass(pageClass);
    if (!row || !m_pPageSplitter)
        return nullptr;
    return m_pPageSplitter->ReplaceView(0, 1, row->slot);
}

void CSerratK90ClipwellApp::followStatusReplies(QObject* follower, std::function<void()> follow)
{
    if (follower)
        m_statusFollowers.emplace_back(follower, std::move(follow));
}

void CSerratK90ClipwellApp::RefreshAllStatusStrips()
{
    if (auto* page = qobject_cast<StripPage*>(shownPage()))
        page->RefreshStrip();
}

void CSerratK90ClipwellApp::LoadErrorDefinitions()
{
    m_strip.LoadErrorDefinitions(GetAppFolder());
}
