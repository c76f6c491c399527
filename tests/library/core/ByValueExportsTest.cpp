#include "SwTest.h"
#include "automation/ComError.h"
#include "core/GuardedExport.h"
#include "core/Tellbox.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

// A string's buffer is detached when no other handle shares it: every copy
// made for a call has then been destroyed again.
bool unshared(const AutoString& text)
{
    return text.toQString().isDetached();
}

// Stand-ins for exports that take records by value, as the generators do.
bool copiesWereSharedInside = false;
ModuleStateGuard::Module stateInside = ModuleStateGuard::Module::Program;

void ChangesItsCopy(CReportHeader header, CPSTReport report)
{
    ModuleStateGuard moduleState;
    stateInside = ModuleStateGuard::current();
    header.m_byModel = 6;
    header.m_strTag = AutoString("OTHER");
    report.m_strResult = AutoString("Fail");
    report.m_nResult = 0;
}

void ThrowsInside(CReportHeader header, CPSTReport report)
{
    ModuleStateGuard moduleState;
    copiesWereSharedInside = !unshared(header.m_strTag) && !unshared(report.m_strTag);
    throw ComError(ComError::Failure, QStringLiteral("plot call failed"));
}

struct Caller {
    CReportHeader header;
    CPSTReport report;

    Caller()
    {
        header.m_strTag = AutoString("PV-101");
        report.m_strTag = AutoString("PV-101");
        report.m_strResult = AutoString("Pass");
    }
};

TEST(ByValueRecords, AnExportChangingItsCopyLeavesTheCallersRecord)
{
    Caller caller;
    ChangesItsCopy(caller.header, caller.report);

    EXPECT_EQ(stateInside, ModuleStateGuard::Module::Tellbox);
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
    EXPECT_EQ(caller.header.m_byModel, 5);
    EXPECT_EQ(caller.header.m_strTag, AutoString("PV-101"));
    EXPECT_EQ(caller.report.m_strResult, AutoString("Pass"));
    EXPECT_EQ(caller.report.m_nResult, 1);
    EXPECT_TRUE(unshared(caller.header.m_strTag));
    EXPECT_TRUE(unshared(caller.report.m_strResult));
}

TEST(ByValueRecords, AnExportThatThrowsStillDestroysItsCopiesAndRestoresTheModuleState)
{
    Caller caller;
    copiesWereSharedInside = false;
    EXPECT_THROW(ThrowsInside(caller.header, caller.report), ComError);

    EXPECT_TRUE(copiesWereSharedInside);
    EXPECT_TRUE(unshared(caller.header.m_strTag));
    EXPECT_TRUE(unshared(caller.report.m_strTag));
    EXPECT_TRUE(unshared(caller.report.m_strResult));
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

// The same through a real export: renaming a channel that no name finds
// raises, and the plot pointer and the strings it took by value are all
// released again. After a call that succeeds the plot pointer is released
// too; the channel keeps its new name and title, so those stay shared.
TEST(ByValueArguments, AnExportReleasesItsPlotAndStringsOnEveryWayOut)
{
    Plot plot;
    plot.AddChannel();
    const IPlotPtr pointer(&plot);
    const AutoString unknown("Channel 9");
    const AutoString known("Channel 1");
    const AutoString strings[] = { "Port1", "Port1 Pressure", "Time", "Pressure" };
    const auto createNamed = [&](const AutoString& currentName) {
        CreateChannels(pointer, currentName, strings[0], strings[1], 0x0000FF, strings[2], strings[3], 12);
    };

    EXPECT_THROW(createNamed(unknown), ComError);
    EXPECT_EQ(pointer.useCount(), 1);
    EXPECT_TRUE(unshared(unknown));
    for (const AutoString& text : strings)
        EXPECT_TRUE(unshared(text)) << text.toQString().toStdString();
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);

    createNamed(known);
    EXPECT_EQ(pointer.useCount(), 1);
    EXPECT_TRUE(unshared(known));
    EXPECT_EQ(plot.Channel(0)->GetName(), QStringLiteral("Port1"));
}

TEST(ModuleState, NestedExportsGiveEachCallerItsOwnStateBack)
{
    ASSERT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
    {
        ModuleStateGuard outer;
        {
            ModuleStateGuard inner;
            EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Tellbox);
        }
        EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Tellbox);
    }
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

TEST(TellboxApp, IsReadyOnceTheLibraryIsLoaded)
{
    EXPECT_TRUE(CTellboxApp::instance().initialised());
    EXPECT_EQ(&CTellboxApp::instance(), &CTellboxApp::instance());
    EXPECT_TRUE(CTellboxApp::instance().InitInstance());
}

class GuardedExports : public SwTest
{
};

TEST_F(GuardedExports, AFailingLoaderShowsFileOpenErrorAndReturnsFalse)
{
    Caller caller;
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    ModuleStateGuard::Module stateInBody = ModuleStateGuard::Module::Program;

    const auto load = [](CPSTReport copy, ModuleStateGuard::Module& seen) {
        return RunGuardedExport(ExportFailureText::FileOpen, [&]() -> bool {
            seen = ModuleStateGuard::current();
            copy.m_strTag = AutoString("FROM FILE");
            throw ComError(ComError::Failure, QStringLiteral("file unreadable"));
        });
    };
    EXPECT_FALSE(load(caller.report, stateInBody));

    EXPECT_EQ(stateInBody, ModuleStateGuard::Module::Tellbox);
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
    EXPECT_TRUE(unshared(caller.report.m_strTag));
    EXPECT_EQ(caller.report.m_strTag, AutoString("PV-101"));
    ASSERT_EQ(prompts().messages().size(), 1u);
    const Prompts::Message box = prompts().messages().front();
    EXPECT_EQ(box.caption, std::optional<QString>(QString()));
    EXPECT_EQ(box.buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(box.owner, nullptr);
}

TEST_F(GuardedExports, EveryKindOfFailureIsCaught)
{
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File save error."));
    EXPECT_FALSE(RunGuardedExport(ExportFailureText::ReportDefinition, [] { throw std::runtime_error("no file"); }));
    EXPECT_FALSE(RunGuardedExport(ExportFailureText::FileSave, [] { throw 42; }));
}

TEST_F(GuardedExports, ASucceedingExportShowsNothingAndKeepsItsResult)
{
    EXPECT_TRUE(RunGuardedExport(ExportFailureText::FileSave, [] {}));
    EXPECT_TRUE(RunGuardedExport(ExportFailureText::FileOpen, [] { return true; }));
    EXPECT_FALSE(RunGuardedExport(ExportFailureText::FileOpen, [] { return false; }));
    EXPECT_TRUE(prompts().messages().empty());
}

} // namespace
