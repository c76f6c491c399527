// The analog input calibration wizard driven through its buttons against the
// simulated positioner: what each page sends and when, what its indicators
// show, and what the positioner's loop calibration ends up holding.
#include "AnalogInputWizardTest.h"
#include "PageTexts.h"

#include "CCalibrationStorage.h"
#include "ReportRecords.h"
#include "ReportTestSupport.h"
#include "SimFaults.h"
#include "StripPage.h"
#include "health/CAdvDashboard.h"

#include "core/ReportFrame.h"
#include "ui/Pictures.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <string>

namespace
{
using Start = CCalibrationAnalogIn;
using Step1 = CCalibrationAnalogIn1;
using Step2 = CCalibrationAnalogIn2;
using Step3 = CCalibrationAnalogIn3;
using Step4 = CCalibrationAnalogIn4;
using Step5 = CCalibrationAnalogIn5;

constexpr int CountsPerMilliamp = 1600; // the simulated converter

class AnalogInputWizard : public AnalogInputWizardTest
{
protected:
    // From the tree item through the steps, the loop current set before each
    // Accept, up to the final step.
    void walkToFinalStep(double at4mAStep, double at0Step, double at100Step, const char* path = K90Path)
    {
        select(AnalogInputCode);
        click(step(0), Start::NextButton);
        click(step(1), Step1::NextButton);
        device(path).setLoopCurrent(at4mAStep);
        click(step(2), Step2::AcceptButton);
        click(step(2), Step2::NextButton);
        device(path).setLoopCurrent(at0Step);
        click(step(3), Step3::AcceptButton);
        click(step(3), Step3::NextButton);
        device(path).setLoopCurrent(at100Step);
        click(step(4), Step4::AcceptButton);
        click(step(4), Step4::NextButton);
    }
    void finishWith(const char* initials)
    {
        step(5).setWindowText(Step5::InitialsEdit, QString::fromLatin1(initials));
        click(step(5), Step5::FinishButton);
    }
    // Print with the save dialog cancelled and the print question answered No.
    void printWithoutSaving()
    {
        prompts().answerFile(std::nullopt);
        prompts().answerMessage(Prompts::IdNo);
        click(step(5), Step5::PrintButton);
    }
    // Print Report on the final step into a PDF, the print question answered
    // No; the PDF's text, or an empty text with a failure when none was written.
    QString printedText()
    {
        const QString pdf = tempPath(QStringLiteral("AIReport.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QStringLiteral("Save AI Calibration ReportAs"));
        prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
        click(step(5), Step5::PrintButton);
        EXPECT_TRUE(QFileInfo::exists(pdf));
        return QFileInfo::exists(pdf) ? ReportTestSupport::pdfText(pdf).simplified() : QString();
    }
    QString reportField(const QString& key)
    {
        const auto document = static_cast<Step5&>(step(5)).reportControl()->layoutDocument();
        const ReportPageItem* item = document.find(key);
        return item ? item->text : QStringLiteral("<no such field>");
    }
    QString stateText(int number) { return step(number).stateIndicator()->value(); }
    uint32_t stateColour(int number) { return step(number).stateIndicator()->color(); }
};

} // namespace

TEST_F(AnalogInputWizard, StartPageReadsTheReferenceLiveValuesFlagsAndStateOnShowingAndThenOnlyTheLiveValues)
{
    startOn();
    device().clearRequests();
    // The 4 mA reference the device keeps: 1234 (the reply echoes the slots).
    scriptData(200, QByteArray::fromHex("ee0057 04d2 fe00000000"));
    select(AnalogInputCode);

    EXPECT_EQ(joined(sent()), "200 word 0x57, 200 word 0x58, 200 word 0x01, 228, 226");
    // [200][3][byte slot unused][word 0x57][long slot unused], after the count byte 05.
    EXPECT_EQ(device().requestsFor(200).front().bytes.toHex(' ').toStdString(), "c8 03 ee 57 fe");
    EXPECT_TRUE(enabled(step(0), Start::NextButton));
    EXPECT_EQ(step(0).windowText(Start::CommandEdit), QStringLiteral("19200")); // 12 mA
    EXPECT_EQ(step(0).windowText(Start::CurrentEdit), QStringLiteral("12"));
    EXPECT_EQ(app().calibrationStorage().m_wVariable57, 1234);
    device().setLoopCurrent(4.01);

    device().clearRequests();
    clock().advance(999);
    EXPECT_TRUE(sent().isEmpty()) << joined(sent());
    clock().advance(1);
    EXPECT_EQ(joined(sent()), "200 word 0x58, 200 word 0x01, 202");
    EXPECT_EQ(step(0).windowText(Start::CurrentEdit), QStringLiteral("4.01"));
    for (int period = 0; period < 2; ++period) {
        device().clearRequests();
        clock().advance(19999);
        EXPECT_TRUE(sent().isEmpty()) << joined(sent());
        clock().advance(1);
        EXPECT_EQ(joined(sent()), "200 word 0x58, 200 word 0x01, 202");
    }
}

TEST_F(AnalogInputWizard, IndicatorsShowTheDevicesStateAndFlagsInTheirColoursOnEveryPage)
{
    startOn();
    select(AnalogInputCode);
    const struct {
        int step;
        uint8_t state;
        bool fourMilliampSet;
        const char* text;
        uint32_t colour;
    } cases[] = {
        { 1, 8, false, "Loop calibration error...", Red },
        { 0, 13, false, "Waiting to set previous command...", Yellow },
        { 0, 3, false, "Loop calibration error...", Red },
        { 0, 11, false, "Waiting to set 4mA...", Yellow },
        { 0, 11, true, "Waiting to set 0%...", Yellow },
        { 1, 3, false, "Initializing calibration...", Green },
        { 2, 3, false, "Reference point set...", Green },
        { 2, 8, false, "Setting reference point...", Green },
        { 2, 11, false, "Waiting to set 4mA...", Yellow },
        { 4, 11, false, "Waiting to set 0%...", Yellow },
        { 5, 12, false, "Waiting to set 100%...", Yellow },
        { 5, 14, false, "Saving final values...", Yellow },
        { 0, 0, false, "Ready", Green },
        { 0, 200, false, "Loop calibration error...", Red },
        { 1, 200, false, "Loop calibration error...", Red },
        { 2, 200, false, "Loop calibration error...", Red },
        { 3, 200, false, "Loop calibration error...", Red },
        { 4, 200, false, "Loop calibration error...", Red },
        { 5, 200, false, "Loop calibration error...", Red },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.step) + " state " + std::to_string(c.state));
        // Steps 1 and 5 read the state twice: for the last calibration's text and for the indicator.
        scriptLoopState(c.state, c.step == 1 || c.step == 5 ? 2 : 1);
        scriptLoopFlags(0x06);
        AnalogInputWizardPage& shown = show(c.step);
        // Step 3 clears the 4 mA mark on showing; the start page and steps 1 and 2 read it.
        app().calibrationStorage().m_bFourMilliampSet = c.fourMilliampSet;
        if (c.fourMilliampSet) {
            scriptLoopState(c.state);
            shown.ShowLoopCalState();
        }
        EXPECT_EQ(shown.stateIndicator()->value().toStdString(), c.text);
        EXPECT_EQ(shown.stateIndicator()->color(), c.colour);
        EXPECT_TRUE(near(drawnColour(shown, FormPage::idOf(shown.stateIndicator().get())), windowsColour(c.colour)));
        // Byte 8 = 0x06: both out-of-range flags red, the range flag green.
        const uint32_t flagColours[3] = { Red, Red, Green };
        for (int flag = 0; flag < 3; ++flag) {
            const int id = FormPage::idOf(shown.flagIndicator(flag).get());
            EXPECT_EQ(shown.flagIndicator(flag)->color(), flagColours[flag]) << flag;
            EXPECT_TRUE(near(drawnColour(shown, id), windowsColour(flagColours[flag])))
                << flag << " drawn " << drawnColour(shown, id).name().toStdString();
        }
        shown.StopTimers();
    }
}

TEST_F(AnalogInputWizard, ARunWithDetoursSendsEachButtonsCodesAndTheDeviceKeepsTheLastPoints)
{
    startOn();
    select(AnalogInputCode);
    click(step(0), Start::NextButton);
    click(step(1), Step1::PreviousButton); // nothing sent
    EXPECT_EQ(shownPage(), &step(0));
    click(step(0), Start::NextButton);
    click(step(1), Step1::NextButton);
    device().setLoopCurrent(4);
    click(step(2), Step2::AcceptButton);
    click(step(2), Step2::NextButton);
    device().setLoopCurrent(20);
    click(step(3), Step3::AcceptButton);
    click(step(3), Step3::NextButton);
    click(step(4), Step4::PreviousButton);
    EXPECT_EQ(shownPage(), &step(3));
    click(step(3), Step3::AcceptButton);
    click(step(3), Step3::NextButton);
    device().setLoopCurrent(4);
    click(step(4), Step4::AcceptButton);
    click(step(4), Step4::NextButton);
    device().setLoopCurrent(12);
    click(step(5), Step5::PreviousButton);
    EXPECT_EQ(shownPage(), &step(4));
    device().setLoopCurrent(8);
    click(step(4), Step4::AcceptButton);
    click(step(4), Step4::NextButton);
    finishWith("KLM");
    click(step(5), Step5::BackButton); // nothing sent
    EXPECT_EQ(shownPage(), &step(0));

    EXPECT_EQ(loopCodes(), (std::vector<int> { 3, 8, 3, 12, 11, 12, 13, 12, 13, 14 }));
    EXPECT_EQ(device().miscWord(0x55), 20 * CountsPerMilliamp);
    EXPECT_EQ(device().miscWord(0x56), 8 * CountsPerMilliamp);
}

TEST_F(AnalogInputWizard, AFinishedRunCalibratesTheLoopAndTheValveFollowsTheLoopCurrentThroughIt)
{
    startOn();
    walkToFinalStep(4, 20, 4);
    finishWith("KLM");

    EXPECT_EQ(device().miscWord(0x55), 20 * CountsPerMilliamp);
    EXPECT_EQ(device().miscWord(0x56), 4 * CountsPerMilliamp);
    device().setLoopCurrent(8);
    select(1);
    clock().advance(30000);
    // The analog command's pointer on the dashboard's command gauge, and the command the valve follows.
    const ILinearGaugePtr& gauge = page<CAdvDashboard>().commandGauge();
    ASSERT_TRUE(gauge);
    EXPECT_NEAR(gauge->pointerPosition(1), 75.0, 0.2);
    EXPECT_NEAR(int16_t(data().Command) * 0.01, 75.0, 0.2);
}

TEST_F(AnalogInputWizard, AcceptOnStepTwoSendsBothCodesThenOnlyTheStateIsReadEveryThreeSeconds)
{
    startOn();
    select(AnalogInputCode);
    click(step(0), Start::NextButton);
    click(step(1), Step1::NextButton);
    clock().advance(1000);
    device().clearRequests();
    clock().advance(3000);
    EXPECT_EQ(joined(sent()), "200 word 0x58, 200 word 0x01, 228, 202");

    device().clearRequests();
    click(step(2), Step2::AcceptButton);
    EXPECT_EQ(joined(sent()), "227, 227");
    EXPECT_EQ(stateText(2), QStringLiteral("Reference point set..."));
    EXPECT_TRUE(enabled(step(2), Step2::NextButton));
    EXPECT_FALSE(enabled(step(2), Step2::AcceptButton));
    EXPECT_TRUE(app().calibrationStorage().m_bFourMilliampSet);
    // The live timer, armed before Accept, runs out once more; from then on
    // each state read re-arms it at 5000 ms, so the live values rest while
    // the page waits for Next.
    device().clearRequests();
    clock().advance(3000);
    EXPECT_EQ(joined(sent()), "200 word 0x58, 200 word 0x01, 228, 202, 226");
    for (int period = 0; period < 3; ++period) {
        device().clearRequests();
        clock().advance(3000);
        EXPECT_EQ(joined(sent()), "226") << period;
    }
    // Leaving the wizard through the tree stops its timers and takes the
    // device out of its loop calibration.
    device().clearRequests();
    select(1);
    const std::vector<int> codesOnLeaving = loopCodes();
    clock().advance(6000);
    EXPECT_FALSE(sent().contains(QStringLiteral("226")));
    EXPECT_EQ(codesOnLeaving, std::vector<int>({ 51 }));
}

TEST_F(AnalogInputWizard, FinalStepShowsTheCommandTakenWhenStepOneWasShownAsTheStartingPercentage)
{
    startOn();
    select(AnalogInputCode);
    const struct {
        int16_t command;
        const char* shown;
    } cases[] = { { 3725, "37.25 %" }, { -150, "-1.5 %" }, { 4550, "45.5 %" }, { 0, "0 %" } };
    for (const auto& c : cases) {
        scriptCommand(c.command);
        show(1);
        show(5);
        EXPECT_EQ(step(5).windowText(Step5::StartPercentEdit).toStdString(), c.shown);
        step(5).StopTimers();
    }
    // The actual percentage is the command read when the final step is shown.
    scriptCommand(-150);
    show(5);
    EXPECT_EQ(step(5).windowText(Step5::ActualPercentEdit), QStringLiteral("-1.5 %"));
}

TEST_F(AnalogInputWizard, FinishSendsTheDateOfStepOneWithThreeInitialsAndRefusesOthers)
{
    startOn();
    walkToFinalStep(4, 4, 20);
    Step5& last = static_cast<Step5&>(step(5));
    const QImage invalid = Pictures::load(138).toImage();
    const QImage valid = Pictures::load(139).toImage();
    auto markShows
        = [&](const QImage& icon) { return last.controlAs<QLabel>(Step5::InitialsMark)->pixmap().toImage() == icon; };

    const size_t before = device().requestsFor(227).size();
    for (const char* refused : { "KL", "", "KLMN" }) {
        last.setWindowText(Step5::InitialsEdit, QString::fromLatin1(refused));
        EXPECT_FALSE(enabled(last, Step5::FinishButton)) << refused;
        EXPECT_TRUE(markShows(invalid)) << refused;
        last.OnFinish(); // the handler itself refuses, whatever the button's state
        EXPECT_EQ(device().requestsFor(227).size(), before) << refused;
        EXPECT_EQ(last.control(Step5::InitialsMark)->toolTip(), Step5::InitialsTip);
    }

    finishWith("KLM");
    EXPECT_TRUE(markShows(valid));
    ASSERT_EQ(device().requestsFor(227).size(), before + 1);
    // [227][15][code 14] and the 14 characters, after the count byte 17 (0x11).
    EXPECT_EQ(device().requestsFor(227).back().bytes, QByteArray("\xE3\x0F\x0E", 3) + "11/30/2029 KLM");
    EXPECT_EQ(stateText(5), QStringLiteral("Saving final values..."));
    EXPECT_EQ(stateColour(5), Yellow);
    EXPECT_TRUE(enabled(last, Step5::PrintButton));
    EXPECT_EQ(app().records().m_AICalibReport.m_strState.toQString(), QStringLiteral("Calibration completed"));
}

TEST_F(AnalogInputWizard, InitialsOfTheLastCalibrationAllowFinishAtOnce)
{
    startOn();
    walkToFinalStep(4, 4, 20);
    finishWith("ABC");
    // Shown again later, the final step offers the initials the device keeps.
    show(0);
    show(1);
    show(5);
    EXPECT_EQ(step(5).windowText(Step5::InitialsEdit), QStringLiteral("ABC"));
    EXPECT_TRUE(enabled(step(5), Step5::FinishButton));
    click(step(5), Step5::FinishButton);
    EXPECT_EQ(device().requestsFor(227).back().bytes.mid(3), QByteArray("11/30/2029 ABC"));
}

TEST_F(AnalogInputWizard, ALoopNeverCalibratedShowsNoInitialsAndIsFinishedWithTheThreeLettersTyped)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        walkToFinalStep(4, 4, 20, path);
        ASSERT_EQ(data().LoopCalText.mid(10), QStringLiteral("    ")) << "never calibrated";
        EXPECT_EQ(step(1).windowText(Step1::LastByEdit), QString());
        Step5& last = static_cast<Step5&>(step(5));
        auto* edit = last.controlAs<QLineEdit>(Step5::InitialsEdit);
        // The device's blanks are no initials: the edit is empty, Finish is
        // not offered and the mark says why.
        EXPECT_EQ(edit->text(), QString());
        EXPECT_FALSE(enabled(last, Step5::FinishButton));
        EXPECT_EQ(last.controlAs<QLabel>(Step5::InitialsMark)->pixmap().toImage(), Pictures::load(138).toImage());
        EXPECT_EQ(last.control(Step5::InitialsMark)->toolTip(),
            QStringLiteral("Please Enter 3 Initials in the New Calibration By field."));

        // Refused, the step changes nothing and leaves the ways back on.
        device(path).clearRequests();
        last.OnFinish(); // the handler refuses whatever the button's state
        EXPECT_EQ(joined(sent(path)), "");
        EXPECT_EQ(data().CalState, 13) << "the state the device gave, not the final code";
        EXPECT_TRUE(enabled(last, Step5::PreviousButton));
        EXPECT_TRUE(enabled(last, Step5::BackButton));

        // Three letters typed key by key into the empty edit are the initials.
        edit->setFocus();
        for (const char* key : { "H", "E", "X" })
            edit->insert(QString::fromLatin1(key));
        EXPECT_EQ(edit->text(), QStringLiteral("HEX"));
        EXPECT_EQ(last.controlAs<QLabel>(Step5::InitialsMark)->pixmap().toImage(), Pictures::load(139).toImage());
        ASSERT_TRUE(enabled(last, Step5::FinishButton));
        click(last, Step5::FinishButton);
        ASSERT_EQ(device(path).requestsFor(227).size(), 1u);
        EXPECT_EQ(device(path).requestsFor(227).back().bytes, QByteArray("\xE3\x0F\x0E", 3) + "11/30/2029 HEX");
        show(0);
        show(1);
        EXPECT_EQ(step(1).windowText(Step1::LastByEdit), QStringLiteral("HEX"));
        m_app.reset();
    }
}

TEST_F(AnalogInputWizard, TheLastInitialsAreShownWithoutTheDevicesBlanksAndCheckedAsShown)
{
    startOn();
    // Blanks the user types count as typed: a blank and two letters are
    // three initials, sent as they are.
    walkToFinalStep(4, 4, 20);
    finishWith(" AB");
    EXPECT_EQ(device().requestsFor(227).back().bytes.mid(3), QByteArray("11/30/2029  AB"));

    // What the device holds after its date, what steps 1 and 5 show of it,
    // and whether Finish is offered with it at once.
    const struct {
        const char* held;
        const char* shown;
        bool finish;
    } cases[] = {
        { "XYZ", "XYZ", true },
        { "   ", "", false },
        { " AB", "AB", false },
        { "AB ", "AB", false },
        { "A B", "A B", true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.held);
        const QByteArray text = QByteArray("05/17/2027 ") + c.held;
        scriptLoopState(0, 2, text);
        show(1);
        EXPECT_EQ(step(1).windowText(Step1::LastByEdit), QString::fromLatin1(c.shown));
        scriptLoopState(12, 2, text);
        show(5);
        EXPECT_EQ(step(5).windowText(Step5::InitialsEdit), QString::fromLatin1(c.shown));
        EXPECT_EQ(enabled(step(5), Step5::FinishButton), c.finish);
    }
}

TEST_F(AnalogInputWizard, PointsTheDeviceRefusesTurnTheirFlagsRedAndPrintAnX)
{
    startOn();
    const uint16_t oldZero = device().miscWord(0x55);
    const uint16_t oldSpan = device().miscWord(0x56);

    walkToFinalStep(4, 2, 20); // the 0 % point at 2 mA
    EXPECT_EQ(step(5).flagIndicator(0)->color(), Red);
    EXPECT_EQ(step(5).flagIndicator(1)->color(), Green);
    EXPECT_EQ(step(5).flagIndicator(2)->color(), Green);
    printWithoutSaving();
    EXPECT_EQ(reportField(QStringLiteral("StrkCal0PosOutChk")), QStringLiteral("X"));
    EXPECT_EQ(reportField(QStringLiteral("StrkCal100PosOutChk")), QString());
    EXPECT_EQ(reportField(QStringLiteral("StrkCalFdbkSmall")), QString());
    click(step(5), Step5::BackButton);

    walkToFinalStep(4, 10, 11.5); // points 1.5 mA apart
    const uint16_t zeroBefore = device().miscWord(0x55);
    const uint16_t spanBefore = device().miscWord(0x56);
    finishWith("KLM");
    show(5);
    EXPECT_EQ(step(5).flagIndicator(0)->color(), Green);
    EXPECT_EQ(step(5).flagIndicator(2)->color(), Red);
    EXPECT_TRUE(near(drawnColour(step(5), Step5::RangeFlag), windowsColour(Red)));
    EXPECT_EQ(device().miscWord(0x55), zeroBefore);
    EXPECT_EQ(device().miscWord(0x56), spanBefore);
    EXPECT_EQ(zeroBefore, oldZero); // the first run went back before Finish
    EXPECT_EQ(spanBefore, oldSpan);
}

TEST_F(AnalogInputWizard, PrintOnTheSmallerModelReadsTheCountsInOrderAndPrintsItsOwnDefinition)
{
    startOn(K40Path);
    select(AnalogInputCode);
    click(step(0), Start::NextButton);
    click(step(1), Step1::NextButton);
    device(K40Path).setLoopCurrent(4);
    click(step(2), Step2::AcceptButton);
    click(step(2), Step2::NextButton);
    device(K40Path).setLoopCurrent(20);
    click(step(3), Step3::AcceptButton);
    click(step(3), Step3::NextButton);
    device(K40Path).setLoopCurrent(4);
    click(step(4), Step4::AcceptButton);
    click(step(4), Step4::NextButton);
    finishWith("KLM");
    device(K40Path).setLoopCurrent(4.5);

    const QString pdf = tempPath(QStringLiteral("AIReport.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save AI Calibration ReportAs"));
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
    device(K40Path).clearRequests();
    click(step(5), Step5::PrintButton);

    QStringList wordReads;
    for (const QString& request : sent(K40Path))
        if (request.startsWith(QStringLiteral("200 word")))
            wordReads << request;
    EXPECT_EQ(joined(wordReads), "200 word 0x58, 200 word 0x55, 200 word 0x55, 200 word 0x56, 200 word 0x56");

    ScriptedPrompts::Record dialog;
    for (const auto& record : prompts().records())
        if (record.kind == ScriptedPrompts::Kind::File)
            dialog = record;
    EXPECT_EQ(dialog.dialog.title, QStringLiteral("Save AI Calibration ReportAs"));
    // The device tag without the blanks it is padded with, then the name piece and the time.
    EXPECT_EQ(data().Tag, QStringLiteral("PV-102  "));
    EXPECT_EQ(dialog.dialog.initialName, QStringLiteral("PV-102_AICalibrationReport_2029_11_30_16h_5m"));
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(reportField(QStringLiteral("NewCalByLbl")), QStringLiteral(" Calibration By:"));
    EXPECT_EQ(reportField(QStringLiteral("AICalADRangeLbl")), QStringLiteral(" A/D Range:"));
    EXPECT_EQ(reportField(QStringLiteral("AICal4mAValue")), QString::number(int(4.5 * CountsPerMilliamp)));
    EXPECT_EQ(reportField(QStringLiteral("AICal0Value")), QString::number(20 * CountsPerMilliamp));
    EXPECT_EQ(reportField(QStringLiteral("AICal100Value")), QString::number(4 * CountsPerMilliamp));
    EXPECT_EQ(reportField(QStringLiteral("AICalADRangeValue")), QString::number(-16 * CountsPerMilliamp));
    EXPECT_EQ(reportField(QStringLiteral("LastCalDate")), QStringLiteral("11/30/2029"));
    EXPECT_EQ(reportField(QStringLiteral("NewCalBy")), QStringLiteral("KLM"));

    const QString text = ReportTestSupport::pdfText(pdf).simplified();
    for (const char* expected : { "Analog Input Calibration Report", "Calibration completed",
             "A/D Value at 4mA:", "K40", "DEVICE TAG ID: PV-102", "32000", "6400", "-25600", "7200" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(AnalogInputWizard, TheADRangeIsTheSpanFromTheZeroCountToTheFullCountNegativeForAReversedLoop)
{
    const struct {
        double zeroMa, fullMa;
        const char* range;
    } cases[] = {
        { 4, 20, "25600" }, // 6400 to 32000
        { 20, 4, "-25600" }, // reversed: 32000 to 6400
        { 5, 19, "22400" }, // 8000 to 30400
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.range);
        startOn();
        walkToFinalStep(4, c.zeroMa, c.fullMa);
        finishWith("KLM");
        printWithoutSaving();
        EXPECT_EQ(reportField(QStringLiteral("AICalADRangeValue")).toStdString(), c.range);
        m_app.reset();
    }
}

TEST_F(AnalogInputWizard, TheReportStatesWhatThisPassCameToWithTheCountsTheDeviceHolds)
{
    // The device starts at 0 % = 6400 (4 mA) and 100 % = 32000 (20 mA).
    const struct {
        const char* name;
        std::function<void()> pass;
        const char* state;
        const char* zero;
        const char* full;
        const char* range;
        const char* rangeSmallMark;
    } cases[] = {
        { "a Finish the device takes",
            [this] {
                walkToFinalStep(4, 5, 19);
                finishWith("KLM");
            },
            "Calibration completed", "8000", "30400", "22400", "" },
        { "finished once, then through the steps again to the last one without Finish",
            [this] {
                walkToFinalStep(4, 5, 19);
                finishWith("KLM");
                click(step(5), Step5::BackButton);
                walkToFinalStep(4, 6, 18);
                EXPECT_EQ(stateText(5), QStringLiteral("Waiting to set previous command..."));
            },
            "Calibration not completed: not finished", "8000 (held by device)", "30400 (held by device)",
            "22400 (held by device)", "" },
        { "finished once, then back from the last step to the 100 % step and on again without Finish",
            [this] {
                walkToFinalStep(4, 5, 19);
                finishWith("KLM");
                click(step(5), Step5::PreviousButton);
                device().setLoopCurrent(17);
                click(step(4), Step4::AcceptButton);
                click(step(4), Step4::NextButton);
            },
            "Calibration not completed: not finished", "8000 (held by device)", "30400 (held by device)",
            "22400 (held by device)", "" },
        { "0 % and 100 % accepted at the same current",
            [this] {
                walkToFinalStep(4, 10, 10);
                finishWith("KLM");
            },
            "Calibration not completed: range too small", "6400 (held by device)", "32000 (held by device)",
            "25600 (held by device)", "X" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startOn();
        c.pass();
        const QString text = printedText();

        EXPECT_EQ(reportField(QStringLiteral("CalState")).toStdString(), c.state);
        EXPECT_EQ(reportField(QStringLiteral("AICal0Value")).toStdString(), c.zero);
        EXPECT_EQ(reportField(QStringLiteral("AICal100Value")).toStdString(), c.full);
        EXPECT_EQ(reportField(QStringLiteral("AICalADRangeValue")).toStdString(), c.range);
        EXPECT_EQ(reportField(QStringLiteral("StrkCalFdbkSmall")).toStdString(), c.rangeSmallMark);
        for (const char* expected : { c.state, c.zero, c.full, c.range })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
        if (std::string(c.state) != "Calibration completed") {
            EXPECT_FALSE(text.contains(QStringLiteral("Calibration completed"))) << text.toStdString();
        } else {
            EXPECT_FALSE(text.contains(QStringLiteral("not completed"))) << text.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("held by device"))) << text.toStdString();
        }
        m_app.reset();
    }
}

TEST_F(AnalogInputWizard, AFinishTheDeviceRefusesForItsRangeSaysSoAndKeepsTheOldZeroAndSpan)
{
    startOn();
    walkToFinalStep(4, 10, 11); // 1 mA apart
    device().clearRequests();
    finishWith("KLM");
    EXPECT_EQ(loopCodes(), std::vector<int>({ 14 }));
    EXPECT_EQ(device().miscWord(0x55), 4 * CountsPerMilliamp);
    EXPECT_EQ(device().miscWord(0x56), 20 * CountsPerMilliamp);
    // What the device said, not the final code's "Saving final values...".
    EXPECT_EQ(stateText(5), QStringLiteral("Command Loop Range Too Small"));
    EXPECT_EQ(stateColour(5), Red);
    EXPECT_TRUE(near(drawnColour(step(5), Step5::StateIndicator), windowsColour(Red)));
    EXPECT_EQ(step(5).flagIndicator(2)->color(), Red);
    EXPECT_EQ(app().records().m_AICalibReport.m_strState.toQString(),
        QStringLiteral("Calibration not completed: range too small"));
    EXPECT_EQ(app().records().m_AICalibReport.m_bCommSmall, 1);
    EXPECT_TRUE(enabled(step(5), Step5::PrintButton));

    // Through the steps again with a range the device takes: completed.
    click(step(5), Step5::BackButton);
    walkToFinalStep(4, 4, 16);
    finishWith("KLM");
    EXPECT_EQ(stateText(5), QStringLiteral("Saving final values..."));
    EXPECT_EQ(step(5).flagIndicator(2)->color(), Green);
    EXPECT_EQ(app().records().m_AICalibReport.m_strState.toQString(), QStringLiteral("Calibration completed"));
    EXPECT_EQ(device().miscWord(0x56), 16 * CountsPerMilliamp);
}

namespace
{
// The tips every page of the wizard gives its strip, live values, flags and state.
template <class Page> ExpectedToolTips sharedWizardTips(ExpectedToolTips own)
{
    ExpectedToolTips tips = {
        { StripPage::LedId, "LED status" },
        { StripPage::ActiveId,
            "Active Indicator displays the highest priority active status indicator and its respective number." },
        { StripPage::SourceId,
            "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
        { Page::CommandEdit, "Raw internal value representing analog input level." },
        { Page::CurrentEdit, "Derived value representing ~4-20 mA value." },
        { Page::ZeroFlag,
            "COMMAND LOOP 0% SIGNAL OUT OF RANGE WARNING indicates that during Command Loop Calibration, the 0% "
            "signal was out of range." },
        { Page::SpanFlag,
            "COMMAND LOOP 100% SIGNAL OUT OF RANGE WARNING indicates that during Command Loop Calibration, the 100% "
            "signal was out of range." },
        { Page::RangeFlag,
            "COMMAND LOOP RANGE TOO SMALL WARNING indicates that during a Command Loop Calibration, the difference "
            "between the signal at 0% and the signal at 100% was too small.  The system is designed to accept a "
            "difference greater than 2 mA." },
        { Page::StateIndicator, "Status of current calibration stage." },
    };
    tips.insert(tips.end(), own.begin(), own.end());
    return tips;
}
} // namespace

TEST_F(AnalogInputWizard, ControlsCarryTheirToolTipsOnEveryPage)
{
    startOn();
    const char* previous = "Return to previous stage of Analog Input Calibration.";
    const char* next = "Proceed to next stage of Analog Input Calibration.";
    const char* accept = "Accept the current value and enable the Next button.";
    const char* count = "Raw internal value representing analog input level.";
    expectToolTips(step(0), sharedWizardTips<Start>({ { Start::NextButton, next } }));
    expectToolTips(step(1),
        sharedWizardTips<Step1>({
            { Step1::LastDateEdit, "Date of the last Analog Input Calibration." },
            { Step1::LastByEdit, "Initials of the last person to perform an Analog Input Calibration." },
            { Step1::TodayEdit, "System date" },
            { Step1::PreviousButton, previous },
            { Step1::NextButton, next },
        }));
    expectToolTips(step(2),
        sharedWizardTips<Step2>({
            { Step2::AcceptButton, accept },
            { Step2::PreviousButton, previous },
            { Step2::NextButton, next },
        }));
    expectToolTips(step(3),
        sharedWizardTips<Step3>({
            { Step3::CountEdit, count },
            { Step3::AcceptButton, accept },
            { Step3::PreviousButton, previous },
            { Step3::NextButton, next },
        }));
    expectToolTips(step(4),
        sharedWizardTips<Step4>({
            { Step4::CountEdit, count },
            { Step4::AcceptButton, accept },
            { Step4::PreviousButton, previous },
            { Step4::NextButton, next },
        }));
    // The initials marker carries a tip only while the initials are refused.
    expectToolTips(step(5),
        sharedWizardTips<Step5>({
            { Step5::StartPercentEdit, "Percent analog input at the beginning of this calibration." },
            { Step5::ActualPercentEdit, "Current analog input setting to be matched with beginning value." },
            { Step5::InitialsEdit, "Initials of the person performing the Analog Input Calibration." },
            { Step5::PreviousButton, previous },
            { Step5::FinishButton, "Finish Analog Input Calibration." },
        }),
        { Step5::InitialsMark });
}

TEST_F(AnalogInputWizard, EachStepReadsInItsOwnOrderWhenShownAndThenOnItsOwnTimer)
{
    startOn();
    select(AnalogInputCode);
    step(0).StopTimers();
    const struct {
        int step;
        const char* onShowing;
        int timerId;
        int firstMs;
        const char* onTimer;
        int periodMs;
    } cases[] = {
        { 1, "226, 202, 228, 226", 5003, 1000, "200 word 0x58, 200 word 0x01, 202", 5000 },
        { 2, "200 word 0x58, 200 word 0x01, 228, 226", 5004, 1000, "200 word 0x58, 200 word 0x01, 228, 202", 3000 },
        { 3, "226, 228", 5005, 1000, "200 word 0x58, 200 word 0x01, 228, 202", 3000 },
        { 4, "200 word 0x58, 200 word 0x01, 226, 228", 5006, 1000, "200 word 0x58, 200 word 0x01, 228, 202", 5000 },
        { 5, "200 word 0x58, 200 word 0x01, 226, 226, 228, 202", 100, 20000, "202", 20000 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        device().clearRequests();
        AnalogInputWizardPage& shown = show(c.step);
        EXPECT_EQ(joined(sent()), c.onShowing);
        EXPECT_TRUE(shown.timerArmed(c.timerId));
        for (int ms : { c.firstMs, c.periodMs, c.periodMs }) {
            device().clearRequests();
            clock().advance(ms - 1);
            EXPECT_TRUE(sent().isEmpty()) << joined(sent());
            clock().advance(1);
            EXPECT_EQ(joined(sent()), c.onTimer);
        }
        shown.StopTimers();
        EXPECT_FALSE(shown.timerArmed(c.timerId));
        EXPECT_TRUE(loopCodes().empty()); // showing a step writes nothing
    }
}

TEST_F(AnalogInputWizard, StepOneShowsTheLastCalibrationAndTodaysDate)
{
    startOn();
    select(AnalogInputCode);
    scriptLoopState(0, 1, QByteArray("05/17/2027 XYZ"));
    show(1);
    EXPECT_EQ(step(1).windowText(Step1::LastDateEdit), QStringLiteral("05/17/2027"));
    EXPECT_EQ(step(1).windowText(Step1::LastByEdit), QStringLiteral("XYZ"));
    EXPECT_EQ(step(1).windowText(Step1::TodayEdit), QStringLiteral("11/30/2029"));
    EXPECT_TRUE(enabled(step(1), Step1::NextButton));
}

TEST_F(AnalogInputWizard, AfterAcceptOnStepThreeTheLiveValuesReturnTwoSecondsAfterEachStateRead)
{
    startOn();
    select(AnalogInputCode);
    click(step(0), Start::NextButton);
    click(step(1), Step1::NextButton);
    click(step(2), Step2::AcceptButton);
    click(step(2), Step2::NextButton);
    // Shown at t; the live timer runs at t + 1000 and then every 3000 ms.
    clock().advance(1500);
    device().clearRequests();
    click(step(3), Step3::AcceptButton);
    EXPECT_EQ(joined(sent()), "227");
    EXPECT_EQ(stateText(3), QStringLiteral("Waiting to set 100%..."));
    EXPECT_TRUE(enabled(step(3), Step3::NextButton));
    EXPECT_FALSE(enabled(step(3), Step3::AcceptButton));
    device().clearRequests();
    clock().advance(2500); // the live timer armed before Accept, once more
    EXPECT_EQ(joined(sent()), "200 word 0x58, 200 word 0x01, 228, 202");
    device().clearRequests();
    clock().advance(500); // 3000 ms after Accept
    EXPECT_EQ(joined(sent()), "226");
    for (int period = 0; period < 3; ++period) {
        SCOPED_TRACE(period);
        device().clearRequests();
        clock().advance(1999);
        EXPECT_TRUE(sent().isEmpty()) << joined(sent());
        clock().advance(1);
        EXPECT_EQ(joined(sent()), "200 word 0x58, 200 word 0x01, 228, 202");
        device().clearRequests();
        clock().advance(1000);
        EXPECT_EQ(joined(sent()), "226");
    }
    EXPECT_TRUE(step(3).timerArmed(5005));
    EXPECT_TRUE(step(3).timerArmed(5009));
}

TEST_F(AnalogInputWizard, AfterAcceptOnStepFourOnlyTheStateIsReadAndTheTreeStopsBothTimers)
{
    startOn();
    select(AnalogInputCode);
    click(step(0), Start::NextButton);
    click(step(1), Step1::NextButton);
    click(step(2), Step2::AcceptButton);
    click(step(2), Step2::NextButton);
    click(step(3), Step3::AcceptButton);
    click(step(3), Step3::NextButton);
    clock().advance(1500); // the live timer ran at 1000 ms, next at 6000 ms
    device().clearRequests();
    click(step(4), Step4::AcceptButton);
    EXPECT_EQ(joined(sent()), "227");
    EXPECT_EQ(stateText(4), QStringLiteral("Waiting to set previous command..."));
    EXPECT_TRUE(enabled(step(4), Step4::NextButton));
    EXPECT_FALSE(enabled(step(4), Step4::AcceptButton));
    device().clearRequests();
    clock().advance(3000); // the first state read, before the live timer was due
    EXPECT_EQ(joined(sent()), "226");
    // From the first state read on: 15 s of nothing but the state, every 3000 ms.
    for (int period = 0; period < 5; ++period) {
        SCOPED_TRACE(period);
        device().clearRequests();
        clock().advance(2999);
        EXPECT_TRUE(sent().isEmpty()) << joined(sent());
        clock().advance(1);
        EXPECT_EQ(joined(sent()), "226");
    }
    EXPECT_TRUE(step(4).timerArmed(5006));
    EXPECT_TRUE(step(4).timerArmed(5010));

    // Leaving through the tree: both timers stopped, the loop calibration
    // aborted, no more state reads.
    device().clearRequests();
    select(1);
    EXPECT_FALSE(step(4).timerArmed(5006));
    EXPECT_FALSE(step(4).timerArmed(5010));
    clock().advance(10000);
    EXPECT_FALSE(sent().contains(QStringLiteral("226"))) << joined(sent());
    EXPECT_EQ(loopCodes(), std::vector<int>({ 51 }));
}

TEST_F(AnalogInputWizard, LeavingAfterACodeAndBeforeFinishEndsTheLoopCalibrationOnceAndOtherwiseSendsNothing)
{
    const struct {
        const char* where;
        std::function<void(const char* path)> walk;
        std::vector<int> codesOnLeaving;
    } cases[] = {
        { "after step 1's Next",
            [this](const char*) {
                select(AnalogInputCode);
                click(step(0), Start::NextButton);
                click(step(1), Step1::NextButton);
            },
            { 51 } },
        { "on step 5 before Finish", [this](const char* path) { walkToFinalStep(4, 20, 4, path); }, { 51 } },
        { "after Finish",
            [this](const char* path) {
                walkToFinalStep(4, 20, 4, path);
                finishWith("KLM");
            },
            {} },
        { "on step 1 before its Next",
            [this](const char*) {
                select(AnalogInputCode);
                click(step(0), Start::NextButton);
            },
            {} },
        { "back on step 1 after step 2's Previous",
            [this](const char*) {
                select(AnalogInputCode);
                click(step(0), Start::NextButton);
                click(step(1), Step1::NextButton);
                click(step(2), Step2::PreviousButton);
            },
            {} },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& c : cases) {
            for (const bool closing : { false, true }) {
                SCOPED_TRACE(std::string(path) + ", " + c.where + (closing ? ", closing" : ", through the tree"));
                startOn(path);
                c.walk(path);
                clock().advance(2000);
                EXPECT_EQ(device(path).statusActive(25), !c.codesOnLeaving.empty()) << "Command Loop Calibration Mode";
                device(path).clearRequests();
                if (closing)
                    frame().close();
                else
                    select(1);
                EXPECT_EQ(loopCodes(path), c.codesOnLeaving);
                EXPECT_FALSE(device(path).statusActive(25));
                clock().advance(10000);
                EXPECT_EQ(loopCodes(path), c.codesOnLeaving) << "once";
                if (!closing) {
                    auto* strip = qobject_cast<StripPage*>(app().shownPage());
                    ASSERT_NE(strip, nullptr);
                    EXPECT_FALSE(strip->activeIndicator()->value().startsWith(QStringLiteral("25 - ")))
                        << strip->activeIndicator()->value().toStdString();
                }
                m_app.reset();
            }
        }
    }
}

TEST_F(AnalogInputWizard, EveryButtonThatLeavesAStepSendsItsCodeStopsItsTimersAndForgetsWhatTheStepsBehindAccepted)
{
    startOn();
    select(AnalogInputCode);
    CCalibrationStorage& storage = app().calibrationStorage();
    click(step(0), Start::NextButton);
    click(step(1), Step1::NextButton);
    click(step(2), Step2::AcceptButton);
    ASSERT_TRUE(storage.m_bFourMilliampSet);
    const struct {
        int from;
        int button;
        int code; // -1: nothing written
        int shownAfter;
        int stoppedTimer;
    } cases[] = {
        { 2, Step2::PreviousButton, 51, 1, 5008 },
        { 3, Step3::PreviousButton, 11, 2, 5005 },
        { 4, Step4::PreviousButton, 11, 3, 5006 },
        { 5, Step5::PreviousButton, 12, 4, 100 },
        { 1, Step1::PreviousButton, -1, 0, 5003 },
        { 5, Step5::BackButton, -1, 0, 100 },
        { 0, Start::NextButton, -1, 1, 100 },
        { 1, Step1::NextButton, 3, 2, 5003 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.shownAfter));
        AnalogInputWizardPage& from = show(c.from);
        // What the steps behind would have accepted.
        storage.m_bFourMilliampSet = true;
        storage.m_bKeepState12Text = true;
        device().clearRequests();
        click(from, c.button);
        EXPECT_EQ(loopCodes(), c.code < 0 ? std::vector<int>() : std::vector<int>({ c.code }));
        EXPECT_EQ(shownPage(), &step(c.shownAfter));
        EXPECT_FALSE(from.timerArmed(c.stoppedTimer));
        if (c.from == 2) {
            EXPECT_FALSE(storage.m_bFourMilliampSet);
        }
        if (c.from == 3 || c.from == 4) {
            EXPECT_FALSE(storage.m_bFourMilliampSet);
            EXPECT_FALSE(storage.m_bKeepState12Text);
        }
        if (c.from == 5 && c.code == 12) {
            EXPECT_FALSE(storage.m_bKeepState12Text);
        }
        step(c.shownAfter).StopTimers();
    }
    // The Next buttons of the middle steps write nothing either.
    const struct {
        int from;
        int next;
    } nexts[] = { { 2, Step2::NextButton }, { 3, Step3::NextButton }, { 4, Step4::NextButton } };
    for (const auto [from, next] : nexts) {
        SCOPED_TRACE(from);
        AnalogInputWizardPage& shown = show(from);
        shown.enableControl(next, true);
        device().clearRequests();
        click(shown, next);
        EXPECT_TRUE(loopCodes().empty());
        EXPECT_EQ(shownPage(), &step(from + 1));
        step(from + 1).StopTimers();
    }
}

TEST_F(AnalogInputWizard, BackFromTheFinalStepBeforeFinishEndsTheLoopCalibrationOnceAndTheStartPageShowsItReady)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        walkToFinalStep(4, 20, 4, path);
        clock().advance(2000);
        ASSERT_TRUE(device(path).statusActive(25)) << "Command Loop Calibration Mode";
        device(path).clearRequests();
        click(step(5), Step5::BackButton);
        EXPECT_EQ(shownPage(), &step(0));
        EXPECT_EQ(loopCodes(path), std::vector<int>({ 51 }));
        // The start page reads the state after the abort and shows the device out of its calibration.
        const QStringList requests = sent(path);
        EXPECT_LT(requests.indexOf(QStringLiteral("227")), requests.indexOf(QStringLiteral("226"))) << joined(requests);
        EXPECT_EQ(stateText(0), QStringLiteral("Ready"));
        EXPECT_EQ(stateColour(0), Green);

        // Nothing is left to end: through the first step and back, and out by the tree.
        click(step(0), Start::NextButton);
        click(step(1), Step1::PreviousButton);
        select(1);
        clock().advance(10000);
        EXPECT_EQ(loopCodes(path), std::vector<int>({ 51 })) << "once";
        EXPECT_FALSE(device(path).statusActive(25));
        m_app.reset();
    }
}

TEST_F(AnalogInputWizard, AFinishTheDeviceDidNotAnswerLeavesTheCalibrationOpenAndLeavingEndsItOnce)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        walkToFinalStep(4, 20, 4, path);
        SimTestHooks::faults(device(path)).inject(SimFault::NoResponse, 1, 227);
        device(path).clearRequests();
        finishWith("KLM");
        ASSERT_EQ(loopCodes(path), std::vector<int>({ 14 }));
        // Not taken: the state the device still reports, and a report that says so.
        EXPECT_EQ(stateText(5), QStringLiteral("Waiting to set previous command..."));
        EXPECT_EQ(app().records().m_AICalibReport.m_strState.toQString(),
            QStringLiteral("Calibration not completed: not finished"));
        clock().advance(2000);
        ASSERT_TRUE(device(path).statusActive(25)) << "the device never took the Finish";
        select(1);
        EXPECT_EQ(loopCodes(path), std::vector<int>({ 14, 51 }));
        clock().advance(10000);
        EXPECT_EQ(loopCodes(path), std::vector<int>({ 14, 51 })) << "once";
        EXPECT_FALSE(device(path).statusActive(25));
        m_app.reset();
    }
}

TEST_F(AnalogInputWizard, AFinishWhoseFlagsTheDeviceDoesNotReportBackIsNotCompletedAndPrintsTheCountsItLastReported)
{
    // The device starts at 0 % = 6400 (4 mA) and 100 % = 32000 (20 mA).
    const struct {
        const char* name;
        std::function<void()> pass;
        const char* state;
        const char* now;
        const char* zero;
        const char* full;
        const char* range;
        const char* rangeSmallMark; // as the device reported its flags before the Finish
    } cases[] = {
        { "a range the device takes, its flags read back with no reply",
            [this] {
                walkToFinalStep(4, 5, 19);
                SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 228);
                finishWith("KLM");
            },
            "Calibration not completed: not confirmed by device", "30400", "8000 (held by device)",
            "30400 (held by device)", "22400 (held by device)", "" },
        { "a range the device refuses, its flags read back with no reply",
            [this] {
                walkToFinalStep(4, 10, 11); // 1 mA apart: the flag is up from the 100 % point on
                SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 228);
                finishWith("KLM");
            },
            "Calibration not completed: not confirmed by device", "17600", "6400 (held by device)",
            "32000 (held by device)", "25600 (held by device)", "X" },
        { "a range the device takes, its flags read back cut short before them",
            [this] {
                walkToFinalStep(4, 5, 19);
                SimTestHooks::faults(device()).inject(SimFault::ShortReply, 1, 228, 10);
                finishWith("KLM");
            },
            "Calibration not completed: not confirmed by device", "30400", "8000 (held by device)",
            "30400 (held by device)", "22400 (held by device)", "" },
        { "a range the device takes, its flags read back answered by another command",
            [this] {
                walkToFinalStep(4, 5, 19);
                SimTestHooks::faults(device()).inject(SimFault::WrongEcho, 1, 228);
                finishWith("KLM");
            },
            "Calibration not completed: not confirmed by device", "30400", "8000 (held by device)",
            "30400 (held by device)", "22400 (held by device)", "" },
        { "printed once before Finish, then silent from the flags read back on",
            [this] {
                walkToFinalStep(4, 5, 19);
                printWithoutSaving();
                SimTestHooks::faults(device()).goSilent(2);
                finishWith("KLM");
            },
            "Calibration not completed: not confirmed by device", "30400 (last reported)", "6400 (last reported)",
            "32000 (last reported)", "25600 (last reported)", "" },
        { "silent from the flags read back on, the counts never read",
            [this] {
                walkToFinalStep(4, 5, 19);
                SimTestHooks::faults(device()).goSilent(2);
                finishWith("KLM");
            },
            "Calibration not completed: not confirmed by device", "30400 (last reported)", "No reply from device",
            "No reply from device", "No reply from device", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startOn();
        c.pass();
        ASSERT_EQ(loopCodes(), std::vector<int>({ 3, 8, 3, 12, 13, 14 }));
        EXPECT_EQ(stateText(5), QStringLiteral("Finish not confirmed by device"));
        EXPECT_EQ(stateColour(5), Yellow);

        const QString text = printedText();

        EXPECT_EQ(reportField(QStringLiteral("CalState")).toStdString(), c.state);
        EXPECT_EQ(reportField(QStringLiteral("AICal4mAValue")).toStdString(), c.now);
        EXPECT_EQ(reportField(QStringLiteral("AICal0Value")).toStdString(), c.zero);
        EXPECT_EQ(reportField(QStringLiteral("AICal100Value")).toStdString(), c.full);
        EXPECT_EQ(reportField(QStringLiteral("AICalADRangeValue")).toStdString(), c.range);
        EXPECT_EQ(reportField(QStringLiteral("StrkCalFdbkSmall")).toStdString(), c.rangeSmallMark);
        for (const char* expected : { c.state, c.zero, c.full, c.range })
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Calibration completed"))) << text.toStdString();
        SimTestHooks::faults(device()).comeBack();
        m_app.reset();
    }
}
