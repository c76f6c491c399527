#include "AppFrameTest.h"

#include "CForm2.h"
#include "CIdentificationArea.h"
#include "CMainFrame.h"
#include "CNavigationView.h"

#include "SimTestHooks.h"
#include "SimulatedPositioner.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace
{
QString rootText(CNavigationView& tree)
{
    return tree.topLevelItem(0) ? tree.topLevelItem(0)->text(0) : QString();
}
}

TEST_F(AppFrameTest, ServerOnAnotherMachineThatCannotBeReachedStillOpensTheWindowDisconnected)
{
    start({ QStringLiteral("/dHART/ABC"), QStringLiteral("/sPLANT1") });
    EXPECT_EQ(app().devicePath(), QStringLiteral("HART/ABC"));
    EXPECT_EQ(app().serverMachine(), QStringLiteral("PLANT1"));
    EXPECT_EQ(frame().m_strItemId, QStringLiteral("HART/ABC/Param/HART_Frame"));
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(app().deviceData().DeviceType, 0);
    EXPECT_EQ(rootText(tree()), QStringLiteral("Serrat K90"));
    EXPECT_TRUE(app().helpFolder().endsWith(QStringLiteral("/SerratK90Clipwell/")));
    clock().advance(2000);
    EXPECT_EQ(frame().connectionPane()->windowText(CForm2::StateTextId), QStringLiteral("Disconnected"));
    EXPECT_TRUE(prompts().records().empty()) << "no box when the server cannot be created";
}

TEST_F(AppFrameTest, SmallerModelChoosesItsTreeRootHelpAndPictures)
{
    start({ QStringLiteral("/dSim/K40/X") });
    EXPECT_EQ(app().deviceData().DeviceType, 6);
    EXPECT_EQ(rootText(tree()), QStringLiteral("Serrat K40"));
    EXPECT_TRUE(app().helpFolder().endsWith(QStringLiteral("/SerratK40Clipwell/")));
    EXPECT_EQ(frame().identityStrip()->image(0)->imageResource(), 161);
    EXPECT_EQ(frame().identityStrip()->image(1)->imageResource(), 162);
    EXPECT_EQ(frame().identityStrip()->image(2)->imageResource(), 131);
}

TEST_F(AppFrameTest, ItemTheServerRejectsShowsCommunicationError)
{
    SimTestHooks::rejectItems(true);
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Communication Error."));
    start({ QStringLiteral("/dSim/K90/PV-101") });
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("MainFrm"));
    EXPECT_EQ(prompts().messages()[0].buttons, Prompts::Buttons::Ok);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(app().deviceData().DeviceType, 0);
}

TEST_F(AppFrameTest, IdentityStripShowsTagPollAddressAndDeviceIdAndTitlesTheWindow)
{
    startK90();
    CIdentificationArea& strip = *frame().identityStrip();
    const QString tag = strip.windowText(CIdentificationArea::TagId);
    EXPECT_EQ(tag.size(), 8);
    EXPECT_EQ(strip.windowText(CIdentificationArea::PollAddressId), QString::number(device().pollAddress()));
    EXPECT_EQ(strip.windowText(CIdentificationArea::DeviceIdId), QStringLiteral("-101"))
        << "the path from its 11th character";
    EXPECT_EQ(frame().windowTitle(), tag + QStringLiteral(" CLIPWELL - Serrat XD HART Clipwell"));
    EXPECT_EQ(strip.image(0)->imageResource(), 130);
    EXPECT_EQ(strip.image(1)->imageResource(), 136);
    // The strip's own reads are neither counted nor logged.
    EXPECT_EQ(app().deviceData().FailureCount, 0);
    for (const QString& line : logTexts())
        EXPECT_FALSE(line.startsWith(QStringLiteral("<- 1   13 "))) << line.toStdString();
}

TEST_F(AppFrameTest, ShortIdentityRepliesShowNothingFromAbsentBytes)
{
    m_app = std::make_unique<CSerratK90ClipwellApp>();
    // The device exists only once the server does; script it through a first start.
    m_app->InitInstance({ QStringLiteral("/dSim/K90/PV-101") });
    SimTestHooks::scriptReply(device(), 13, QByteArray::fromHex("0d0a0000"), -1);
    SimTestHooks::scriptReply(device(), 200, QByteArray::fromHex("c80300"), -1);
    CIdentificationArea& strip = *frame().identityStrip();
    strip.setWindowText(CIdentificationArea::TagId, QString());
    strip.setWindowText(CIdentificationArea::PollAddressId, QString());
    strip.ReadIdentity();
    EXPECT_EQ(strip.windowText(CIdentificationArea::TagId), QString());
    EXPECT_EQ(strip.windowText(CIdentificationArea::PollAddressId), QString());
}

TEST_F(AppFrameTest, WithoutParametersTheItemIsRejectedAndTheCaptionShowsClipwellOnly)
{
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Communication Error."));
    start({});
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("CLIPWELL - Serrat XD HART Clipwell"));
    EXPECT_EQ(frame().identityStrip()->windowText(CIdentificationArea::DeviceIdId), QString());
}

TEST_F(AppFrameTest, HelpOpensTheModelPageOfTheSelectedItem)
{
    startK90();
    frame().OnPageHelp();
    tree().SelectItem(tree().itemForCode(431));
    frame().OnPageHelp();
    tree().SelectItem(app().treeItemHandles().front());
    frame().OnPageHelp();
    std::vector<QString> pages;
    for (const auto& record : prompts().records()) {
        if (record.kind == ScriptedPrompts::Kind::Help)
            pages.push_back(record.url.toLocalFile());
    }
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pages[0].endsWith(QStringLiteral("/SerratK90Clipwell/1.html")));
    EXPECT_TRUE(pages[1].endsWith(QStringLiteral("/SerratK90Clipwell/431.html")));
    EXPECT_TRUE(pages[2].endsWith(QStringLiteral("/SerratK90Clipwell/0.html")));
    for (const QString& page : pages)
        EXPECT_TRUE(QFileInfo::exists(page)) << page.toStdString();
}

TEST(Program, ParameterThatIsNoSwitchEndsWithUsageAndExitCodeOne)
{
    const QString binary = QCoreApplication::applicationDirPath() + QStringLiteral("/strokewise");
    if (!QFileInfo::exists(binary))
        GTEST_SKIP() << "the program is not built beside the tests";
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(binary, { QStringLiteral("/dSim/K90/PV-101"), QStringLiteral("results.pst") });
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    const QStringList lines = QString::fromLocal8Bit(program.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("usage: strokewise")));
}

TEST_F(AppFrameTest, LibraryFunctionsImportedByNumberAreBoundAtStartUp)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    const TellboxImports& imports = app().imports();
    EXPECT_TRUE(imports.complete());
    // Each number reaches the function of its name, not a neighbour's.
    EXPECT_EQ(imports.CreatePlotControl, &::CreatePlotControl);
    EXPECT_EQ(imports.CreateRampPlotControl, &::CreateRampPlotControl);
    EXPECT_EQ(imports.ConfigureStepTestPlotControl, &::ConfigureStepTestPlotControl);
    EXPECT_EQ(imports.ConfigurePSTPlotControl, &::ConfigurePSTPlotControl);
    EXPECT_EQ(imports.ConfigureRampPlotControl, &::ConfigureRampPlotControl);
    EXPECT_EQ(imports.CreateReportControl, &::CreateReportControl);
    EXPECT_EQ(imports.CreatePrintControl, &::CreatePrintControl);
    EXPECT_EQ(imports.ConfigureHDRLPlotControl, &::ConfigureHDRLPlotControl);
}
