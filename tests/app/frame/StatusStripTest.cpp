#include "AppFrameTest.h"

#include <QLabel>

#include "CForm2.h"
#include "CMainFrame.h"
#include "CNavigationView.h"
#include "StatusText.h"
#include "StripPage.h"

#include "SimulatedPositioner.h"
#include "StatusPriorities.h"

#include "automation/ComError.h"
#include "ui/ControlRegistry.h"
#include "ui/DialogUnits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class StatusStripTest : public AppFrameTest
{
protected:
    StripPage& shown() { return *qobject_cast<StripPage*>(app().shownPage()); }
    QString indicator() { return shown().activeIndicator()->value(); }
    uint32_t ledColour() { return shown().led()->litColor(); }
    QString paneText() { return frame().connectionPane()->windowText(CForm2::StateTextId); }
    // Paints the shown page's strip for an active status, connected.
    void paint(int status, int controlMode = 0)
    {
        app().deviceData().Connected = 1;
        app().deviceData().ActiveStatus = uint8_t(status);
        app().deviceData().ControlMode = uint8_t(controlMode);
        shown().EvaluateStrip();
    }
    size_t statusReads() { return device().requestsFor(202).size(); }
};

TEST_F(StatusStripTest, StripShowsTheActiveStatusInThePriorityColourOfTheShippedFile)
{
    startK90();
    for (int n = 0; n < 80; ++n)
        ASSERT_EQ(app().deviceData().StatusPriority[n], StatusPriorities::of(n)) << "loaded at start-up, status " << n;

    struct Case {
        int status;
        const char* text;
        uint32_t colour;
    };
    const Case cases[] = {
        { 255, "System Nominal", StatusStrip::Green },
        { 1, "1 - Factory Reset State - Calibrate.", StatusStrip::Green }, // priority 26
        { 15, "15 - Error History Reset Alert", StatusStrip::Yellow }, // 28
        { 17, "17 - Pneumatic Inability to Fail Safe Warning", StatusStrip::Yellow }, // 50
        { 8, "8 - Position Deviation Alarm", StatusStrip::Red }, // 70
        { 6, "6 - ", StatusStrip::Green }, // unused number
        { 200, "200 - ", StatusStrip::Green }, // beyond the priorities
    };
    for (const Case& c : cases) {
        paint(c.status);
        EXPECT_EQ(indicator(), QLatin1String(c.text)) << c.status;
        EXPECT_EQ(ledColour(), c.colour) << c.status;
        EXPECT_EQ(app().strip().StatusLedFlag, c.colour == StatusStrip::Green ? 1 : 0) << c.status;
    }
    EXPECT_EQ(app().strip().StatusNumberText, QStringLiteral("200"));
    paint(255);
    EXPECT_EQ(app().strip().StatusNumberText, QStringLiteral("None"));
}

TEST_F(StatusStripTest, PriorityBandsChangeColourAt27And54)
{
    startK90();
    for (auto [priority, colour] : { std::pair { 26, StatusStrip::Green }, std::pair { 27, StatusStrip::Yellow },
             std::pair { 53, StatusStrip::Yellow }, std::pair { 54, StatusStrip::Red },
             std::pair { 0, StatusStrip::Green }, std::pair { -5, StatusStrip::Green } }) {
        app().deviceData().StatusPriority[40] = priority;
        paint(40);
        EXPECT_EQ(ledColour(), colour) << priority;
    }
}

TEST_F(StatusStripTest, CommandSourceAndStatus44FollowTheDevice)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    paint(44, 64);
    EXPECT_EQ(indicator(), QStringLiteral("44 - Supply Port Out Of Range Warning"));
    EXPECT_EQ(shown().commandSource()->value(), QStringLiteral("Digital"));
    paint(44, 0);
    EXPECT_EQ(shown().commandSource()->value(), QStringLiteral("Analog"));
    EXPECT_EQ(GetStatusText(44, 5), QStringLiteral("Pressure Port 2 Out Of Range Warning"));
    EXPECT_EQ(GetStatusText(44, 0), QStringLiteral("Pressure Port 2 Out Of Range Warning"));
    for (int unused : { 7, 29, 38, 55, 63, 71, 79, 80, -1 })
        EXPECT_EQ(GetStatusText(unused, 5), QString()) << unused;
    EXPECT_EQ(GetStatusText(75, 6), QStringLiteral("Feedback Pot Rotation Reversed/Normal"));
}

TEST_F(StatusStripTest, SilentDeviceShowsDisconnectedAndLossOfCommunicationThenRecovers)
{
    startK90();
    page("CAdvDashboard").StopTimers(); // the dashboard's own refresh reads the status too
    clock().advance(2000);
    EXPECT_EQ(paneText(), QStringLiteral("Connected"));
    paint(255);
    EXPECT_EQ(indicator(), QStringLiteral("System Nominal"));

    SimTestHooks::faults(device()).goSilent();
    app().dispatch().DispatchRead(202);
    EXPECT_EQ(app().deviceData().Connected, 1) << "the flag lags one transaction";
    app().dispatch().DispatchRead(202);
    ASSERT_EQ(app().deviceData().Connected, 0);

    device().clearRequests();
    clock().advance(2000);
    EXPECT_EQ(paneText(), QStringLiteral("Disconnected"));
    EXPECT_EQ(ledColour(), StatusStrip::Red);
    EXPECT_EQ(indicator(), QStringLiteral("Loss of Communication"));
    EXPECT_EQ(frame().connectionPane()->shownState(), 1);

    SimTestHooks::faults(device()).comeBack();
    app().dispatch().DispatchRead(202);
    app().dispatch().DispatchRead(202);
    ASSERT_EQ(app().deviceData().Connected, 1);
    device().clearRequests();
    clock().advance(2000);
    EXPECT_EQ(paneText(), QStringLiteral("Connected"));
    EXPECT_EQ(indicator(), QStringLiteral("System Nominal"));
    EXPECT_EQ(ledColour(), StatusStrip::Green);
    EXPECT_EQ(statusReads(), 2u) << "each of the two connection panes refreshes the shown strip once";
    device().clearRequests();
    clock().advance(2000);
    EXPECT_EQ(statusReads(), 0u) << "no flip, no refresh";
}

TEST_F(StatusStripTest, ShownPageReadsItsStatusOneSecondAfterActivationThenEveryTwentySeconds)
{
    startK90();
    clock().advance(2000); // the connection panes' first flip
    tree().SelectItem(tree().itemForCode(2));
    device().clearRequests();
    clock().advance(999);
    EXPECT_EQ(statusReads(), 0u);
    clock().advance(1);
    EXPECT_EQ(statusReads(), 1u);
    clock().advance(19999);
    EXPECT_EQ(statusReads(), 1u);
    clock().advance(1);
    EXPECT_EQ(statusReads(), 2u);

    // Activating again while the timer is pending leaves one timer, due 1000 ms later.
    clock().advance(500);
    tree().SelectItem(tree().itemForCode(2));
    EXPECT_EQ(clock().dueIn(&page("CAlarmsView"), StripPage::StripTimerId), 1000);

    // Leaving a page before its first tick reads nothing for it.
    tree().SelectItem(tree().itemForCode(21));
    tree().SelectItem(tree().itemForCode(1)); // the dashboard keeps no timer 100
    device().clearRequests();
    clock().advance(60000);
    EXPECT_EQ(statusReads(), 9u) << "only the dashboard's own cycle: 9 status ticks of 12";
}

TEST_F(StatusStripTest, EveryPageCarriesTheStripInTheSamePlace)
{
    startK90();
    const QRect led = DialogUnits::toPx(3, 7, 26, 13);
    const QRect active = DialogUnits::toPx(101, 6, 221, 13);
    const QRect source = DialogUnits::toPx(458, 6, 63, 13);
    int pages = 0;
    for (FormPage* candidate : app().pageTable()) {
        auto* page = qobject_cast<StripPage*>(candidate);
        if (!page)
            continue;
        ++pages;
        const std::string name = page->className().toStdString();
        EXPECT_EQ(page->controlRect(StripPage::LedPlaceholder), led) << name;
        EXPECT_EQ(page->controlRect(StripPage::ActivePlaceholder), active) << name;
        EXPECT_EQ(page->controlRect(StripPage::SourcePlaceholder), source) << name;
        QStringList captions;
        for (const QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            captions << label->text();
        EXPECT_TRUE(captions.contains(QStringLiteral("Active Indicator:"))) << name;
        EXPECT_TRUE(captions.contains(QStringLiteral("Command Source:"))) << name;
    }
    EXPECT_EQ(pages, 37) << "every page but the two panes";
}

TEST_F(StatusStripTest, StripControlsSitOnTheirPlaceholders)
{
    startK90();
    for (const char* index :
        { "CAlarmsView", "CPressureDisablePage", "CStepCompareView", "CActuatorHealth", "CCalibrationZeroSupply" }) {
        auto* page = qobject_cast<StripPage*>(&this->page(index));
        ASSERT_NE(page, nullptr) << index;
        ASSERT_TRUE(page->led()) << index;
        EXPECT_EQ(page->control(StripPage::LedId), page->led().get());
        EXPECT_EQ(page->led()->geometry(), page->controlRect(StripPage::LedPlaceholder)) << index;
        EXPECT_TRUE(page->led()->lit());
        EXPECT_EQ(page->activeIndicator()->geometry(), page->controlRect(StripPage::ActivePlaceholder)) << index;
        EXPECT_EQ(page->commandSource()->geometry(), page->controlRect(StripPage::SourcePlaceholder)) << index;
        EXPECT_EQ(page->activeIndicator()->backgroundColor(), 0xC0C0C0u);
    }
}

TEST_F(StatusStripTest, MissingStripControlsAreLoggedAndTheProgramGoesOn)
{
    ControlRegistry::instance().remove(QStringLiteral("DigitalLib.LedRound"));
    ControlRegistry::instance().remove(QStringLiteral("AnalogLib.NumEdit"));
    startK90();
    EXPECT_TRUE(prompts().records().empty()) << "no message box";
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator")));
    tree().SelectItem(tree().itemForCode(2));
    clock().advance(25000);
    EXPECT_EQ(app().shownPage(), &page("CAlarmsView"));
    EXPECT_FALSE(shown().led());
}

TEST_F(StatusStripTest, MissingErrorDefinitionFileMakesEveryStatusGreen)
{
    QTemporaryDir emptyHome;
    qputenv("STROKEWISE_HOME", emptyHome.path().toLocal8Bit());
    // The actuator table is missing from that folder too.
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Error reading Actuator list file."));
    startK90();
    qunsetenv("STROKEWISE_HOME");
    paint(8);
    EXPECT_EQ(ledColour(), StatusStrip::Green);
    EXPECT_EQ(indicator(), QStringLiteral("8 - Position Deviation Alarm"));
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("error definitions not found: ") + emptyHome.path() + QStringLiteral("/SerratK90Errors.dlm")));
}

TEST_F(StatusStripTest, PageWithoutItsLedStillShowsTheStatusAndKeepsItsRefreshCycle)
{
    ControlRegistry::instance().remove(QStringLiteral("DigitalLib.LedRound"));
    startK90();
    tree().SelectItem(tree().itemForCode(2));
    ASSERT_EQ(app().shownPage(), &page("CAlarmsView"));
    EXPECT_FALSE(shown().led());
    ASSERT_TRUE(shown().activeIndicator()) << "the edits are created after the missing LED";
    ASSERT_TRUE(shown().commandSource());

    paint(8, 64);
    EXPECT_EQ(indicator(), QStringLiteral("8 - Position Deviation Alarm"));
    EXPECT_EQ(shown().commandSource()->value(), QStringLiteral("Digital"));

    device().clearRequests();
    clock().advance(1000);
    EXPECT_EQ(statusReads(), 1u) << "activation still armed the strip's timer";
    app().deviceData().Connected = 0;
    shown().EvaluateStrip();
    EXPECT_EQ(indicator(), QStringLiteral("Loss of Communication"));
    for (const QString& line : logTexts())
        EXPECT_FALSE(line.contains(QStringLiteral("automation error"))) << line.toStdString();
}

TEST_F(StatusStripTest, HandlerThatFailsIsWrittenToTheProgramsLog)
{
    startK90();
    EXPECT_FALSE(
        page("CAlarmsView").guard("OnTimer", [] { throw ComError(ComError::Failure, QStringLiteral("test")); }));
    bool logged = false;
    for (const QString& line : logTexts())
        logged = logged || line.startsWith(QStringLiteral("CAlarmsView OnTimer: automation error"));
    EXPECT_TRUE(logged) << logTexts().join('\n').toStdString();
}

TEST_F(StatusStripTest, DamagedErrorDefinitionFileIsReadAllTheSameAndItsFirstBadLineIsLoggedOncePerLoad)
{
    startK90();
    QFile shippedFile(QCoreApplication::applicationDirPath() + QStringLiteral("/SerratK90Errors.dlm"));
    ASSERT_TRUE(shippedFile.open(QIODevice::ReadOnly));
    const QByteArray shipped = shippedFile.readAll();
    QList<QByteArray> lines = shipped.split('\n');
    ASSERT_EQ(lines.takeLast(), QByteArray()) << "the file ends with its 85th line";
    ASSERT_EQ(lines.size(), 85);
    ASSERT_TRUE(lines[5].startsWith("0\t")) << "status n is on line n + 6";
    const auto joined = [](const QList<QByteArray>& kept) { return kept.join('\n') + '\n'; };

    QByteArray binary;
    for (int k = 0; k < 512; ++k)
        binary.append(char(k % 256));
    QList<QByteArray> cutAt40 = lines.mid(0, 45);
    cutAt40 << lines[45].left(lines[45].indexOf('\t') + 7);
    QList<QByteArray> without5 = lines;
    without5.removeAt(10);
    QByteArray crlf = shipped;
    crlf.replace("\n", "\r\n");

    struct Case {
        const char* name;
        QByteArray text;
        const char* logged; // after "error definitions damaged: <path>"; nullptr: nothing logged
        int priorityOf8; // as read: 70 in the shipped file
    };
    const Case cases[] = {
        { "shipped", shipped, nullptr, 70 },
        { "Windows line ends", crlf, nullptr, 70 },
        { "truncated in status 40", cutAt40.join('\n'),
            " line 46: 6 TAB-separated fields expected, 2 found; 41 status lines, the model has 80", 70 },
        { "binary", binary, " line 1: bytes that are not text; 3 status lines, the model has 80", 0 },
        { "commas for TABs", QByteArray(shipped).replace('\t', ','),
            " line 6: 6 TAB-separated fields expected, 1 found", 0 },
        { "empty", QByteArray(), ": no status lines, the model has 80", 0 },
        { "last status missing", joined(lines.mid(0, 84)), ": 79 status lines, the model has 80", 70 },
        { "one status too many", shipped + "80\tSpare\tUnused\tNone\t0\t0\n",
            " line 86: a status line beyond the model's; 81 status lines, the model has 80", 70 },
        // Every later status takes its neighbour's priority: the wrong colours a user sees.
        { "status 5 missing", joined(without5),
            " line 11: status 6 where status 5 belongs; 79 status lines, the model has 80", 30 },
        { "mask class out of range",
            QByteArray(shipped).replace("\n8\tPosition Deviation Alarm\tAlarm\tControl\t1\t70\n",
                "\n8\tPosition Deviation Alarm\tAlarm\tControl\t300\t70\n"),
            " line 14: mask class 300 outside 0 to 255", 70 },
        { "priority missing",
            QByteArray(shipped).replace(
                "\n3\tSquawk Mode On/Off\tMode\tDevice\t2\t8\n", "\n3\tSquawk Mode On/Off\tMode\tDevice\t2\thigh\n"),
            " line 9: no priority", 70 },
    };
    for (const Case& c : cases) {
        const QString folder = tempPath(QString::fromLatin1(c.name)) + QLatin1Char('/');
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("SerratK90Errors.dlm");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.name;
        file.write(c.text);
        file.close();

        for (int load = 0; load < 2; ++load) {
            app().deviceData().StatusPriority.fill(0);
            const qsizetype before = logTexts().size();
            app().strip().LoadErrorDefinitions(folder);
            const QStringList added = logTexts().mid(before);
            if (c.logged)
                EXPECT_EQ(added,
                    QStringList {
                        QStringLiteral("error definitions damaged: ") + path + QString::fromLatin1(c.logged) })
                    << c.name;
            else
                EXPECT_TRUE(added.isEmpty()) << c.name << ": " << added.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(app().deviceData().StatusPriority[8], c.priorityOf8) << c.name;
        }
    }
}
