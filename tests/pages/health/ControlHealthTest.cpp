#include "HealthPageTest.h"

#include "health/CControlHealth.h"

#include "automation/NumberText.h"
#include "ui/ControlRegistry.h"
#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <cmath>

class ControlHealthTest : public HealthPageTest
{
protected:
    static constexpr int ControlHealthCode = 34;

    CControlHealth& page() { return HealthPageTest::page<CControlHealth>(); }
    double spinValue(int spinId) { return page().spin(spinId)->value(); }
    QString text(int id) { return page().windowText(id); }

    // Start-up, then the page shown, past its first reads, with an empty record.
    void showPage()
    {
        startK90();
        clock().advance(2000);
        select(ControlHealthCode);
        device().clearRequests();
    }
    // The device's position alerts, read by Retrieve: words 0 and 1 (travel
    // alerts, which the page never edits), the band and the time frame.
    void retrieve(uint16_t upper, uint16_t lower, uint16_t band, uint16_t frame)
    {
        scriptData(218, words({ upper, lower, band, frame }));
        page().OnRetrieve();
    }
    // What the user does: types into a spin's field; leaving it takes the text.
    void type(int spinId, const QString& typed)
    {
        auto* field = page().spin(spinId)->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        field->selectAll();
        for (const QChar c : typed) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(field, &key);
        }
        emit field->editingFinished();
    }
    void click(int button) { page().controlAs<QAbstractButton>(button)->click(); }
    bool marked(int mark)
    {
        return page().controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(138).toImage();
    }
    // The data bytes of the last 219 sent, as hex.
    std::string written() { return lastRequest(219).mid(2).toHex().toStdString(); }
    // A status reply (202) with this deviation word.
    QByteArray statusWithDeviation(uint16_t deviation)
    {
        return QByteArray(1, '\0') + words({ 0, 5000, 5000, 5000, deviation, 0 }) + QByteArray(4, '\0')
            + QByteArray(1, char(255));
    }
};

TEST_F(ControlHealthTest, ActivationReadsStatusAndLimitsThenTheDeviationEveryTenSeconds)
{
    startK90();
    clock().advance(2000);
    device().clearRequests();
    select(ControlHealthCode);
    EXPECT_EQ(joined(sent()), "202, 218");
    device().clearRequests();
    clock().advance(1000);
    EXPECT_EQ(joined(sent()), "202") << "the strip";
    device().clearRequests();
    clock().advance(9000);
    EXPECT_EQ(joined(sent()), "202") << "the deviation at 10 s";
    device().clearRequests();
    clock().advance(10000);
    EXPECT_EQ(joined(sent()), "202") << "the deviation at 20 s";
    device().clearRequests();
    clock().advance(1000);
    EXPECT_EQ(joined(sent()), "202") << "the strip at 21 s";

    // Leaving stops both timers; coming back arms them and reads again.
    select(ActuatorHealthCode);
    for (int id : { StripPage::StripTimerId, CControlHealth::DeviationTimerId })
        EXPECT_FALSE(page().timerArmed(id)) << id;
    device().clearRequests();
    select(ControlHealthCode);
    EXPECT_EQ(joined(sent()), "202, 218");
    for (int id : { StripPage::StripTimerId, CControlHealth::DeviationTimerId })
        EXPECT_TRUE(page().timerArmed(id)) << id;
}

TEST_F(ControlHealthTest, RetrieveShowsTheBandInPercentAndTheTimeFrameInSeconds)
{
    showPage();
    EXPECT_EQ(spinValue(CControlHealth::ToleranceSpin), 5.0) << "the simulated device: 500";
    EXPECT_EQ(spinValue(CControlHealth::TimeFrameSpin), 10.0) << "and 100 tenths";
    struct Case {
        uint16_t band;
        uint16_t frame;
        double tolerance;
        double timeFrame;
    };
    const Case cases[] = {
        { 1575, 455, 15.75, 45.5 },
        { 250, 300, 2.5, 30.0 },
        { 0xFFFF, 0xFFFF, -0.01, 6553.5 }, // the band is signed, the time frame not
        { 0, 0, 0.0, 0.0 },
    };
    for (const Case& c : cases) {
        device().clearRequests();
        retrieve(10100, 0, c.band, c.frame);
        EXPECT_EQ(joined(sent()), "218, 202");
        EXPECT_DOUBLE_EQ(spinValue(CControlHealth::ToleranceSpin), c.tolerance) << c.band;
        EXPECT_DOUBLE_EQ(spinValue(CControlHealth::TimeFrameSpin), c.timeFrame) << c.frame;
    }
}

TEST_F(ControlHealthTest, ApplyWritesTheBandAndTimeFrameAndSendsTheTravelAlertsAsRead)
{
    showPage();
    struct Case {
        const char* tolerance; // typed, or nullptr for untouched
        const char* timeFrame;
        const char* sent; // data of 219
        double shownTolerance;
        double shownTimeFrame;
    };
    // Travel alerts 95.00 % and 5.00 % (251c, 01f4); band 15.75 % (0627), time frame 45.5 s (01c7).
    const Case cases[] = {
        { nullptr, nullptr, "251c01f4062701c7", 15.75, 45.5 }, // untouched: the words as read
        { "33", "61", "251c01f40ce40258", 33, 60 },
        { "150", "75", "251c01f427100258", 100, 60 },
        { "-5", "30", "251c01f40000012c", 0, 30 },
        { "12", nullptr, "251c01f404b001c7", 12, 45.5 },
        { "2", "0", "251c01f400c80000", 2, 0 },
        { nullptr, "45.5", "251c01f4062701c7", 15.75, 45.5 }, // typed back as read
        // Text that is not a plain number changes nothing: the spins keep what they showed.
        { "abc", "1e999", "251c01f4062701c7", 15.75, 45.5 },
        { "12abc", "0x20", "251c01f4062701c7", 15.75, 45.5 },
        { "1,5", "nan", "251c01f4062701c7", 15.75, 45.5 },
    };
    for (const Case& c : cases) {
        retrieve(9500, 500, 1575, 455);
        if (c.tolerance)
            type(CControlHealth::ToleranceSpin, QString::fromLatin1(c.tolerance));
        if (c.timeFrame)
            type(CControlHealth::TimeFrameSpin, QString::fromLatin1(c.timeFrame));
        device().clearRequests();
        click(CControlHealth::ApplyButton);
        EXPECT_EQ(joined(sent()), "219") << "nothing is read back";
        EXPECT_EQ(written(), c.sent) << (c.tolerance ? c.tolerance : "-") << " " << (c.timeFrame ? c.timeFrame : "-");
        EXPECT_DOUBLE_EQ(spinValue(CControlHealth::ToleranceSpin), c.shownTolerance);
        EXPECT_DOUBLE_EQ(spinValue(CControlHealth::TimeFrameSpin), c.shownTimeFrame);
    }
}

TEST_F(ControlHealthTest, AWholeNumberTypedPastItsBoundsIsHeldThereAtOnce)
{
    showPage();
    struct Case {
        int spin;
        const char* typed;
        const char* shown; // before any Apply
    };
    const Case cases[] = {
        { CControlHealth::ToleranceSpin, "150", "100.00" },
        { CControlHealth::ToleranceSpin, "1e300", "100.00" },
        { CControlHealth::ToleranceSpin, "-5", "0.00" },
        { CControlHealth::ToleranceSpin, "99", "99.00" },
        { CControlHealth::TimeFrameSpin, "75", "60.0" },
        { CControlHealth::TimeFrameSpin, "1e300", "60.0" },
        { CControlHealth::TimeFrameSpin, "-1", "0.0" },
        { CControlHealth::TimeFrameSpin, "60", "60.0" },
    };
    for (const Case& c : cases) {
        type(c.spin, QString::fromLatin1(c.typed));
        EXPECT_EQ(page().spin(c.spin)->text(), QLatin1String(c.shown)) << c.typed;
    }
    // What is shown is what goes out: 99 %, 60 s.
    click(CControlHealth::ApplyButton);
    EXPECT_EQ(written().substr(8), "26ac0258");
}

// The device keeps the band in whole percent and the time frame in whole
// seconds as Apply writes them: a typed value finer than that is marked
// beside its spin with a tip naming the range and the step, and Apply writes
// nothing; a whole number goes out exactly, one past the bounds held there.
TEST_F(ControlHealthTest, ATypedFractionIsMarkedAndNothingIsWritten)
{
    showPage();
    using P = CControlHealth;
    struct Case {
        int spin;
        const char* typed; // key by key; "up", "down": that arrow clicked; "Up key", "Down key", "PgDn key"
        const char* shown;
        const char* written; // the spin's word in 219 (tenths of a second for the time frame), or nullptr
    };
    const Case cases[] = {
        // From the device's 15.75 % and 45.5 s a step lands on the whole number that way.
        { P::ToleranceSpin, "up", "16.00", "0640" },
        { P::ToleranceSpin, "down", "15.00", "05dc" },
        { P::ToleranceSpin, "Up key", "16.00", "0640" },
        { P::ToleranceSpin, "PgDn key", "6.00", "0258" },
        { P::TimeFrameSpin, "down", "45.0", "01c2" },
        { P::TimeFrameSpin, "up", "46.0", "01cc" },
        { P::TimeFrameSpin, "Down key", "45.0", "01c2" },
        { P::ToleranceSpin, "12.5", "12.50", nullptr },
        { P::ToleranceSpin, ".5", "0.50", nullptr },
        { P::ToleranceSpin, "12.34", "12.34", nullptr },
        { P::ToleranceSpin, "100.4", "100.40", nullptr },
        { P::ToleranceSpin, "-1", "0.00", "0000" },
        { P::ToleranceSpin, "2.5", "2.50", nullptr },
        { P::ToleranceSpin, "5.5", "5.50", nullptr },
        { P::ToleranceSpin, "0", "0.00", "0000" },
        { P::ToleranceSpin, "100", "100.00", "2710" },
        { P::ToleranceSpin, "12", "12.00", "04b0" },
        { P::TimeFrameSpin, "59.9", "59.9", nullptr },
        { P::TimeFrameSpin, "0.5", "0.5", nullptr },
        { P::TimeFrameSpin, "60.4", "60.4", nullptr },
        { P::TimeFrameSpin, "-1", "0.0", "0000" },
        { P::TimeFrameSpin, "2.5", "2.5", nullptr },
        { P::TimeFrameSpin, "5.5", "5.5", nullptr },
        { P::TimeFrameSpin, "0", "0.0", "0000" },
        { P::TimeFrameSpin, "60", "60.0", "0258" },
        { P::TimeFrameSpin, "59", "59.0", "024e" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const bool tolerance = c.spin == P::ToleranceSpin;
        const int mark = tolerance ? P::ToleranceMark : P::TimeFrameMark;
        retrieve(9500, 500, 1575, 455);
        EXPECT_FALSE(marked(mark)) << "the device's own value";
        const std::string action = c.typed;
        QWidget& spin = *page().control(c.spin);
        auto* field = spin.findChild<QLineEdit*>();
        auto key = [field](int code) {
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
            QCoreApplication::sendEvent(field, &press);
        };
        if (action == "up" || action == "down") {
            // The arrows stand at the spin's right end, the upper one above its middle.
            const QPointF at(spin.width() - 4, action == "up" ? 2 : spin.height() - 2);
            QMouseEvent press(
                QEvent::MouseButtonPress, at, spin.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&spin, &press);
        } else if (action == "Up key") {
            key(Qt::Key_Up);
        } else if (action == "Down key") {
            key(Qt::Key_Down);
        } else if (action == "PgDn key") {
            key(Qt::Key_PageDown);
        } else {
            type(c.spin, QString::fromLatin1(c.typed));
        }
        EXPECT_EQ(page().spin(c.spin)->text(), QLatin1String(c.shown));
        EXPECT_EQ(page().spin(c.spin)->shownText(), QLatin1String(c.shown));
        EXPECT_EQ(marked(mark), c.written == nullptr);
        if (!c.written) {
            EXPECT_EQ(page().control(mark)->toolTip(),
                tolerance ? QStringLiteral("Please enter whole numbers between 0 and 100")
                          : QStringLiteral("Please enter whole numbers between 0 and 60"));
        }
        device().clearRequests();
        click(P::ApplyButton);
        if (!c.written) {
            EXPECT_EQ(joined(sent()), "");
            EXPECT_EQ(page().spin(c.spin)->text(), QLatin1String(c.shown)) << "kept as typed";
            continue;
        }
        // The other spin's word goes back as the device gave it.
        EXPECT_EQ(written(),
            tolerance ? "251c01f4" + std::string(c.written) + "01c7" : "251c01f40627" + std::string(c.written));
    }
    EXPECT_TRUE(logTexts().contains(QStringLiteral(
        "Write_Position_Alrt_cmd not sent: the tolerable error is not one of the whole numbers between 0 and 100")));
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Position_Alrt_cmd not sent: the deviation time frame is not "
                                                   "one of the whole numbers between 0 and 60")));
}

TEST_F(ControlHealthTest, AfterApplyTheDeviceHoldsTheNewAlertAndItsTravelAlertsUnchanged)
{
    showPage();
    type(CControlHealth::ToleranceSpin, QStringLiteral("3"));
    type(CControlHealth::TimeFrameSpin, QStringLiteral("20"));
    click(CControlHealth::ApplyButton);
    click(CControlHealth::ApplyButton); // a second Apply of the same values writes the same words
    const auto requests = device().requestsFor(219);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].bytes, requests[1].bytes);

    select(DashboardCode);
    select(ControlHealthCode);
    EXPECT_EQ(data().PositionAlerts[0], 10100);
    EXPECT_EQ(data().PositionAlerts[1], 0);
    EXPECT_EQ(spinValue(CControlHealth::ToleranceSpin), 3.0);
    EXPECT_EQ(spinValue(CControlHealth::TimeFrameSpin), 20.0);
}

TEST_F(ControlHealthTest, ApplyWithoutAnAlertsReplySinceActivationSendsNothingAndLogsIt)
{
    startK90();
    clock().advance(2000);
    select(ControlHealthCode); // one good reply, then the page left
    select(DashboardCode);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 218);
    select(ControlHealthCode);
    device().clearRequests();
    click(CControlHealth::ApplyButton);
    EXPECT_EQ(joined(sent()), "");
    EXPECT_TRUE(
        logTexts().contains(QStringLiteral("Write_Position_Alrt_cmd not sent: no Read_Position_Alrt_cmd reply")))
        << logTexts().join(QLatin1Char('\n')).toStdString();

    // Retrieve brings the reply: Apply writes again.
    page().OnRetrieve();
    device().clearRequests();
    click(CControlHealth::ApplyButton);
    EXPECT_EQ(joined(sent()), "219");
}

TEST_F(ControlHealthTest, WithoutAReplyTheSpinsShowWhatThePageLastWrote)
{
    showPage();
    type(CControlHealth::TimeFrameSpin, QStringLiteral("61"));
    click(CControlHealth::ApplyButton);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 218);
    page().OnRetrieve();
    EXPECT_EQ(spinValue(CControlHealth::TimeFrameSpin), 60.0) << "whole seconds, never read as tenths";
}

TEST_F(ControlHealthTest, ActualValueShowsTheDeviationOfTheStatusReply)
{
    showPage();
    struct Case {
        uint16_t word;
        const char* shown;
    };
    const Case cases[] = {
        { uint16_t(-240), "-2.4" },
        { uint16_t(-125), "-1.25" },
        { 0, "0" },
        { 0xFFFF, "-0.01" },
        { 1234, "12.34" },
    };
    for (const Case& c : cases) {
        scriptData(202, statusWithDeviation(c.word));
        page().ReadActualDeviation();
        EXPECT_EQ(text(CControlHealth::ActualValueEdit), QLatin1String(c.shown)) << c.word;
    }
}

TEST_F(ControlHealthTest, ActualValueFollowsTheSimulatedValveOnTheTenSecondTick)
{
    showPage();
    device().setAnalogCommand(80.0);
    clock().advance(50); // the loop command reaches the positioner
    page().ReadActualDeviation();
    const double away = NumberText::toDouble(text(CControlHealth::ActualValueEdit));
    EXPECT_GT(std::abs(away), 10.0) << "the valve has not moved yet";
    clock().advance(CControlHealth::DeviationMs * 6);
    const double settled = NumberText::toDouble(text(CControlHealth::ActualValueEdit));
    EXPECT_LT(std::abs(settled), 2.0) << "a minute later it has reached the command";
}

TEST_F(ControlHealthTest, HelpTextsAndTipsStandFromTheFirstDisplay)
{
    startK90();
    EXPECT_TRUE(page().controlAs<QAbstractButton>(CControlHealth::HelpButton)->isChecked());
    EXPECT_EQ(text(CControlHealth::SolutionsEdit),
        QStringLiteral("Review active alarms and warnings to find root causes of this alarm."));
    EXPECT_EQ(text(CControlHealth::ImplicationsEdit),
        QStringLiteral("POSITION DEVIATION ALARM (user set) indicates the difference between the command and the "
                       "actual position has been greater than the user-set limit for longer than a user-set time."));
    page().setWindowText(CControlHealth::SolutionsEdit, QString());
    click(CControlHealth::HelpButton);
    EXPECT_FALSE(text(CControlHealth::SolutionsEdit).isEmpty()) << "a click while checked fills them again";

    struct Case {
        int id;
        const char* tip;
    };
    const Case cases[] = {
        { StripPage::LedId, "LED status" },
        { StripPage::ActiveId,
            "Active Indicator displays the highest priority active status indicator and its respective number." },
        { StripPage::SourceId,
            "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
        { CControlHealth::ToleranceSpin, "Information about the tolerable error +/-." },
        { CControlHealth::TimeFrameSpin, "Information about the deviation time frame." },
        { CControlHealth::ActualValueEdit, "Deviation" },
        { CControlHealth::HelpButton,
            "Select this button to display the Implications and Possible Solutions related to Control Settings (See "
            "boxes to your right)." },
        { CControlHealth::ImplicationsEdit, "Implications" },
        { CControlHealth::SolutionsEdit, "Possible Solutions" },
        { CControlHealth::ApplyButton, "Saves your changes to device." },
        { CControlHealth::RetrieveButton, "Retrieve information from the device." },
    };
    for (const Case& c : cases)
        EXPECT_EQ(page().control(c.id)->toolTip(), QLatin1String(c.tip)) << c.id;
    int tips = 0;
    for (const QWidget* widget : page().findChildren<QWidget*>())
        tips += FormPage::idOf(widget) > 0 && !widget->toolTip().isEmpty();
    EXPECT_EQ(tips, 11) << "the strip's three and eight controls";
}

TEST_F(ControlHealthTest, PageShowsTheIllustrationAndTheValuesRead)
{
    showPage();
    retrieve(10100, 0, 1575, 455);
    scriptData(202, statusWithDeviation(uint16_t(-240)));
    page().ReadActualDeviation();
    const QImage picture = page().grab().toImage();
    picture.save(artifactPath(QStringLiteral("control-health.png")));

    // The illustration fills its place with a drawing, not one flat colour.
    ASSERT_TRUE(page().illustration());
    const QRect place = page().controlRect(CControlHealth::IllustrationHost);
    QSet<QRgb> colours;
    for (int y = place.top(); y < place.bottom(); y += 3)
        for (int x = place.left(); x < place.right(); x += 3)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 3);

    // The spins and the deviation show their texts in ink on their fields.
    EXPECT_EQ(page().spin(CControlHealth::ToleranceSpin)->text(), QStringLiteral("15.75"));
    EXPECT_EQ(page().spin(CControlHealth::TimeFrameSpin)->text(), QStringLiteral("45.5"));
    for (int id : { CControlHealth::ToleranceSpin, CControlHealth::TimeFrameSpin, CControlHealth::ActualValueEdit }) {
        const QRect field = page().controlRect(id);
        int darkest = 255;
        for (int y = field.top() + 2; y < field.bottom() - 2; ++y)
            for (int x = field.left() + 2; x < field.right() - 2; ++x)
                darkest = std::min(darkest, qGray(picture.pixel(x, y)));
        EXPECT_LT(darkest, 100) << id;
    }
}

TEST_F(ControlHealthTest, AnIllustrationThatCannotBeCreatedIsLoggedAndThePageGoesOn)
{
    ControlRegistry::instance().remove(QString::fromLatin1(ImageDisplay::ProgId));
    startK90();
    ControlRegistry::instance().restoreAll();
    EXPECT_FALSE(page().illustration());
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator")));
    clock().advance(2000);
    select(ControlHealthCode);
    retrieve(10100, 0, 1575, 455);
    EXPECT_EQ(spinValue(CControlHealth::ToleranceSpin), 15.75);
    device().clearRequests();
    click(CControlHealth::ApplyButton);
    EXPECT_EQ(joined(sent()), "219");
}
