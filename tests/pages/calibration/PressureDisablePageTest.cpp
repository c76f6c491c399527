#include "ActuatorCalibrationPageTest.h"

#include "IndicatorColours.h"
#include "calibration/CPressureDisablePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>

namespace
{
class PressureDisablePageTest : public ActuatorCalibrationPageTest
{
protected:
    CPressureDisablePage& disabledPage() { return page<CPressureDisablePage>(); }
};
}

TEST_F(PressureDisablePageTest, PageSaysWhatIsMissing)
{
    startK90();
    CPressureDisablePage& page = disabledPage();
    QStringList texts;
    for (QLabel* label : page.findChildren<QLabel*>())
        texts << label->text();
    for (QGroupBox* group : page.findChildren<QGroupBox*>())
        texts << group->title();
    for (const char* text :
        { "Page Disabled", "Requirements", "Pressure Sensor", "Pressure Sensor Disabled or Unplugged" })
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    // The page has no tooltips, not even on its strip.
    for (int id : { int(StripPage::LedId), int(StripPage::ActiveId), int(StripPage::SourceId) })
        EXPECT_TRUE(page.control(id)->toolTip().isEmpty()) << id;
}

TEST_F(PressureDisablePageTest, ItsOwnTimerReadsTheStatusEveryThreeSecondsAndShowsALostLinkInRed)
{
    startK90();
    clock().advance(2000);
    select(CalibrationCode); // a page that reads its strip once in 20 s
    clock().advance(1000);
    // Its timer as start-up arms it, before the first stop of all pages.
    CPressureDisablePage page(app());
    page.OnInitialUpdate();
    device().clearRequests();
    clock().advance(999);
    EXPECT_EQ(joined(sent()), "");
    clock().advance(1);
    EXPECT_EQ(joined(sent()), "202");
    EXPECT_EQ(page.activeIndicator()->value().contains(QStringLiteral("Loss of Communication")), false);
    device().clearRequests();
    clock().advance(2999);
    EXPECT_EQ(joined(sent()), "");
    clock().advance(1);
    EXPECT_EQ(joined(sent()), "202") << "re-armed at 3000 ms";

    SimTestHooks::faults(device()).goSilent();
    clock().advance(3000);
    clock().advance(3000); // the link's flag lags one transaction
    EXPECT_EQ(page.led()->litColor(), IndicatorColour::Red);
    EXPECT_EQ(page.activeIndicator()->value(), QStringLiteral("Loss of Communication"));
    EXPECT_EQ(page.activeIndicator()->textColor(), IndicatorColour::Red);
    SimTestHooks::faults(device()).comeBack();
    clock().advance(3000);
    clock().advance(3000);
    EXPECT_EQ(page.led()->litColor(), IndicatorColour::Green);
    EXPECT_EQ(page.activeIndicator()->textColor(), IndicatorColour::Green);
    EXPECT_EQ(page.activeIndicator()->value(), QStringLiteral("System Nominal"));
    page.StopTimers();
    EXPECT_FALSE(page.timerArmed(CPressureDisablePage::StatusTimerId));
}

TEST_F(PressureDisablePageTest, NextWithoutASensorShowsThePageOnBothModels)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        device(path).setMiscByte(0x82, 0x02); // the AO board, no pressure board
        clock().advance(2000);
        select(ActuatorIntroCode);
        clock().advance(1000);
        click(page("CCalibrationActuatorIntro"), 801);
        CPressureDisablePage& shown = disabledPage();
        ASSERT_EQ(app().shownPage(), &shown);
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/pages_calibration");
        QDir().mkpath(dir);
        const QImage picture = shown.grab().toImage();
        EXPECT_TRUE(picture.save(dir + QStringLiteral("/page_disabled_") + QString::fromLatin1(path).section('/', 1, 1)
            + QStringLiteral(".png")));
        EXPECT_TRUE(shown.control(CPressureDisablePage::SensorStateLabelId)->isVisible());
        m_app.reset();
    }
}
