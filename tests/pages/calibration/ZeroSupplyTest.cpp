#include "ActuatorCalibrationPageTest.h"

#include "PressureSensors.h"
#include "calibration/CCalibrationMain.h"
#include "calibration/CCalibrationZeroSupply.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <algorithm>

namespace
{
using Zero = CCalibrationZeroSupply;

class ZeroSupplyTest : public ActuatorCalibrationPageTest
{
protected:
    Zero& zeroPage() { return page<Zero>(); }
    SimulatedPositioner& k40() { return device(K40Path); }
    QString shownCount() { return zeroPage().windowText(Zero::CountEdit); }
    bool enabled(int id) { return zeroPage().control(id)->isEnabled(); }
    QStringList sentK40() { return sent(K40Path); }

    void startPage()
    {
        startK40();
        clock().advance(2000);
    }
    // Swapped in and activated as the actuator calibration's Zero Supply
    // button does, from the calibration hub; an empty record after it.
    void showZeroSupply()
    {
        select(CalibrationCode);
        page<CCalibrationMain>().StopTimers();
        FormPage* shown = app().ReplaceView("CCalibrationZeroSupply");
        ASSERT_EQ(shown, &zeroPage());
        shown->ActivatePage();
        k40().clearRequests();
    }
    // The next Read_Misc_cmd reply carries `count` for word 0x67 (or for `address`).
    void scriptCount(uint16_t count, uint8_t address = 0x67)
    {
        const char reply[10]
            = { char(238), 0, char(address), char(count >> 8), char(count & 0xFF), char(254), 0, 0, 0, 0 };
        scriptData(200, QByteArray(reply, 10), K40Path);
    }
    // The supply as 204 gives it, in psi.
    double reportedSupplyPsi()
    {
        app().dispatch().DispatchRead(HartCommand::ReadPressure);
        return data().SupplyPressure / 10000.0 * (k40().miscLong(0x69) / 100.0);
    }
    std::vector<std::string> wordWrites()
    {
        std::vector<std::string> out;
        for (const SimRequest& request : k40().requestsFor(201))
            out.push_back(describe(request).toStdString() + " = "
                + std::to_string(uint8_t(request.bytes[5]) << 8 | uint8_t(request.bytes[6])));
        return out;
    }
};
}

TEST_F(ZeroSupplyTest, ActivationReadsTheCalibrationThenTheCountOneSecondLaterAndEveryTwentySeconds)
{
    startPage();
    select(CalibrationCode);
    page<CCalibrationMain>().StopTimers();
    k40().clearRequests();
    app().ReplaceView("CCalibrationZeroSupply")->ActivatePage();
    EXPECT_EQ(joined(sentK40()), "200 word 0x66, 200 word 0x64, 200 word 0x65");
    EXPECT_EQ(zeroPage().span(), k40().miscWord(0x66));
    EXPECT_EQ(zeroPage().zero(), k40().miscWord(0x64));
    EXPECT_EQ(zeroPage().full(), k40().miscWord(0x65));
    EXPECT_FALSE(enabled(Zero::FinishButton));
    EXPECT_TRUE(enabled(Zero::BackButton));
    k40().clearRequests();
    clock().advance(999);
    EXPECT_EQ(joined(sentK40()), "");
    clock().advance(1);
    EXPECT_EQ(joined(sentK40()), "202, 200 word 0x67");
    EXPECT_EQ(shownCount(), QString::number(k40().miscWord(0x67)));
    k40().clearRequests();
    clock().advance(19999);
    EXPECT_EQ(joined(sentK40()), "");
    clock().advance(1);
    EXPECT_EQ(joined(sentK40()), "202, 200 word 0x67");
}

TEST_F(ZeroSupplyTest, CaptureWithTheSupplyRemovedCorrectsASensorWhoseZeroDrifted)
{
    startPage();
    const double supply = k40().physics().supplyPsi;
    k40().setSensorZeroShift(2, 500);
    EXPECT_GT(std::abs(reportedSupplyPsi() - supply), 0.5) << "the drifted sensor reads wrong";

    showZeroSupply();
    clock().advance(1000); // read with the supply on
    const int full = k40().miscWord(0x67);
    EXPECT_EQ(zeroPage().runningMaximum(), full);
    k40().setSupplyPsi(0.0);
    clock().advance(20000); // read with the supply off
    const int zero = k40().miscWord(0x67);
    EXPECT_EQ(shownCount(), QString::number(zero));
    EXPECT_EQ(zeroPage().runningMaximum(), full) << "the maximum stays";

    k40().clearRequests();
    click(zeroPage(), Zero::CaptureButton);
    EXPECT_EQ(wordWrites(),
        std::vector<std::string>({ "201 word 0x66 = " + std::to_string(full - zero),
            "201 word 0x65 = " + std::to_string(full), "201 word 0x64 = " + std::to_string(zero) }));
    EXPECT_TRUE(enabled(Zero::FinishButton));
    EXPECT_FALSE(enabled(Zero::BackButton));
    k40().clearRequests();
    clock().advance(60000);
    EXPECT_EQ(joined(sentK40()), "") << "the timer stopped: no further count read";

    k40().setSupplyPsi(supply);
    EXPECT_NEAR(reportedSupplyPsi(), supply, 0.2);

    // Finish goes back to the actuator calibration and activates it.
    click(zeroPage(), Zero::FinishButton);
    FormPage& calibration = page("CCalib_Actuator");
    EXPECT_EQ(app().shownPage(), &calibration);
    EXPECT_TRUE(calibration.timerArmed(StripPage::StripTimerId));
}

TEST_F(ZeroSupplyTest, CaptureNeedsASpanAboveOneHundredCountsAndCountsAreSigned)
{
    // A refused capture says why and leaves Back on: the user may capture
    // again once the count has fallen, or go back to the calibration.
    const QString tooSmall = QStringLiteral(
        "The A/D Count shown (%1) is not more than 100 counts below the highest count read while the air supply was "
        "on (%2), so the zero cannot be captured from it. Remove the air supply, wait until the A/D Count has "
        "settled and click Capture Zero again, or click Back to return to the calibration.");
    const QString noCount = QStringLiteral(
        "No A/D Count has been read from the supply sensor yet, so there is no zero to capture. Wait until the A/D "
        "Count is shown, then click Capture Zero again, or click Back to return to the calibration.");
    struct Case {
        int reads; // counts read before the capture: none, or the first and the second
        uint16_t first;
        uint16_t second;
        const char* shown;
        int maximum;
        bool written;
        QString refusal;
    };
    const Case cases[] = {
        { 2, 20100, 20000, "20000", 20100, false, tooSmall.arg(QStringLiteral("20000"), QStringLiteral("20100")) },
        { 2, 20101, 20000, "20000", 20101, true, QString() },
        // no maximum, and no capture from it
        { 2, 20000, 40000, "-25536", 20000, false, tooSmall.arg(QStringLiteral("-25536"), QStringLiteral("20000")) },
        { 2, 100, 0, "0", 100, false, tooSmall.arg(QStringLiteral("0"), QStringLiteral("100")) },
        { 0, 0, 0, "", 0, false, noCount },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        startPage();
        showZeroSupply();
        if (c.reads) {
            scriptCount(c.first);
            clock().advance(1000);
            scriptCount(c.second);
            clock().advance(20000);
        }
        EXPECT_EQ(shownCount(), QString::fromLatin1(c.shown));
        EXPECT_EQ(zeroPage().runningMaximum(), c.maximum);
        k40().clearRequests();
        prompts().clearRecords();
        if (!c.written)
            prompts().answerMessage(Prompts::IdOk, c.refusal);
        const uint16_t held[] = { zeroPage().zero(), zeroPage().full(), zeroPage().span() };
        click(zeroPage(), Zero::CaptureButton);
        EXPECT_EQ(wordWrites().size(), c.written ? 3u : 0u);
        EXPECT_EQ(enabled(Zero::BackButton), !c.written) << "Back is off only once the zero is written";
        EXPECT_EQ(enabled(Zero::FinishButton), c.written);
        EXPECT_TRUE(enabled(Zero::CaptureButton));
        if (!c.written) {
            ASSERT_EQ(prompts().messages().size(), 1u);
            const Prompts::Message refused = prompts().messages().front();
            EXPECT_EQ(Prompts::captionOf(refused), QStringLiteral("ZERO SUPPLY"));
            EXPECT_EQ(refused.buttons, Prompts::Buttons::Ok);
            const uint16_t kept[] = { zeroPage().zero(), zeroPage().full(), zeroPage().span() };
            EXPECT_TRUE(std::equal(std::begin(held), std::end(held), std::begin(kept))) << "a refusal keeps the words";
            clock().advance(20000);
            EXPECT_TRUE(sentK40().contains(QStringLiteral("200 word 0x67"))) << "the timer runs on";
            click(zeroPage(), Zero::BackButton);
            EXPECT_EQ(app().shownPage(), &page("CCalib_Actuator"));
        } else {
            EXPECT_TRUE(prompts().messages().empty());
        }
        m_app.reset();
    }
}

TEST_F(ZeroSupplyTest, CountReplyForAnotherVariableChangesNeitherTheCountShownNorTheMaximum)
{
    startPage();
    showZeroSupply();
    scriptCount(20000);
    clock().advance(1000);
    ASSERT_EQ(shownCount(), QStringLiteral("20000"));
    scriptCount(30000, 0x66);
    clock().advance(20000);
    EXPECT_EQ(shownCount(), QStringLiteral("20000"));
    EXPECT_EQ(zeroPage().runningMaximum(), 20000);
    SimTestHooks::faults(k40()).inject(SimFault::NoResponse, 2, 200);
    clock().advance(20000);
    EXPECT_EQ(shownCount(), QStringLiteral("20000"));
    EXPECT_TRUE(zeroPage().timerArmed(Zero::CountTimerId));
}

TEST_F(ZeroSupplyTest, MaximumFromAnEarlierVisitStillCounts)
{
    startPage();
    showZeroSupply();
    clock().advance(1000);
    const int full = k40().miscWord(0x67);
    select(CalibrationCode); // left by the tree
    EXPECT_FALSE(zeroPage().timerArmed(Zero::CountTimerId)) << "stopped with every page on the K40";

    k40().setSupplyPsi(0.0);
    showZeroSupply();
    clock().advance(1000);
    const int zero = k40().miscWord(0x67);
    click(zeroPage(), Zero::CaptureButton);
    EXPECT_EQ(wordWrites(),
        std::vector<std::string>({ "201 word 0x66 = " + std::to_string(full - zero),
            "201 word 0x65 = " + std::to_string(full), "201 word 0x64 = " + std::to_string(zero) }));

    // Back, before a capture, goes to the actuator calibration too.
    showZeroSupply();
    click(zeroPage(), Zero::BackButton);
    EXPECT_EQ(app().shownPage(), &page("CCalib_Actuator"));
    EXPECT_FALSE(zeroPage().timerArmed(Zero::CountTimerId));
}

namespace
{
bool isGreenPixel(const QColor& c)
{
    return c.green() > 180 && c.red() < 100 && c.blue() < 100;
}
bool isRedPixel(const QColor& c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}
}

TEST_F(ZeroSupplyTest, GrabbedPageShowsTheCountAndTheStripLedColour)
{
    startPage();
    showZeroSupply();
    scriptCount(12345);
    clock().advance(1000);
    Zero& page = zeroPage();
    page.resize(page.sizeHint().expandedTo(QSize(800, 320)));
    QWidget* edit = page.control(Zero::CountEdit);
    QWidget* led = page.led().get();
    ASSERT_NE(led, nullptr);

    auto picture = [&page](const char* name) {
        const QImage image = page.grab().toImage();
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/pages_calibration");
        QDir().mkpath(dir);
        image.save(dir + QLatin1Char('/') + QString::fromLatin1(name));
        return image;
    };
    auto region = [&page](const QImage& image, QWidget* widget) {
        return image.copy(QRect(widget->mapTo(&page, QPoint(0, 0)), widget->size()));
    };
    const QImage shown = picture("zero_supply_count.png");
    EXPECT_TRUE(isGreenPixel(shown.pixelColor(led->mapTo(&page, led->rect().center()))));
    const QImage withCount = region(shown, edit);

    // The same edit drawn with another count, and empty, looks otherwise.
    page.setWindowText(Zero::CountEdit, QStringLiteral("54321"));
    EXPECT_NE(region(picture("zero_supply_other_count.png"), edit), withCount);
    page.setWindowText(Zero::CountEdit, QStringLiteral("12345"));
    EXPECT_EQ(region(picture("zero_supply_count_again.png"), edit), withCount) << "the picture is the count's";

    SimTestHooks::faults(k40()).goSilent();
    clock().advance(40000);
    const QImage silent = picture("zero_supply_silent.png");
    EXPECT_TRUE(isRedPixel(silent.pixelColor(led->mapTo(&page, led->rect().center()))));
    EXPECT_EQ(page.windowText(Zero::CountEdit), QStringLiteral("12345")) << "no reply, no new count";
}

TEST_F(ZeroSupplyTest, PageShowsItsInstructionsAndButtonsAndTheStripTooltips)
{
    startPage();
    const QStringList texts = shownTexts(zeroPage());
    for (const char* text :
        { "If it is possible to SAFELY remove the air supply from the positioner, do so at this time so that the "
          "system can capture the zero value for the supply sensor.  Otherwise click the Back button to proceed "
          "with this calibration.",
            "After removing the air supply and the  the A/D Count has settled, click Capture Zero.",
            "Restore the air supply; then, click Finish.", "A/D Count:", "Capture Zero", "Back", "Finish" })
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    EXPECT_EQ(zeroPage().windowText(Zero::CaptureButton), QStringLiteral("Capture Zero"));
    EXPECT_EQ(zeroPage().windowText(Zero::BackButton), QStringLiteral("Back"));
    EXPECT_EQ(zeroPage().windowText(Zero::FinishButton), QStringLiteral("Finish"));
    EXPECT_FALSE(enabled(Zero::FinishButton)) << "created disabled";
    auto* count = zeroPage().controlAs<QLineEdit>(Zero::CountEdit);
    ASSERT_NE(count, nullptr);
    EXPECT_TRUE(count->isReadOnly());
    EXPECT_EQ(count->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    const std::pair<int, const char*> tips[] = {
        { StripPage::LedId, "LED status" },
        { StripPage::ActiveId,
            "Active Indicator displays the highest priority active status indicator and its respective number." },
        { StripPage::SourceId,
            "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
    };
    for (const auto& [id, text] : tips)
        EXPECT_EQ(zeroPage().control(id)->toolTip(), QString::fromLatin1(text)) << id;
}
