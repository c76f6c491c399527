// The actuator calibration page and the stroke calibration page driven
// through their buttons against the simulated positioner: the entry checks,
// the bytes of the start and abort, the poll's traffic, the states shown,
// whole runs, the gauges, the faults the valve raises, and the reports.
#include "ActuatorCalibrationPageTest.h"
#include "PageTexts.h"

#include "PageLayoutCheck.h"
#include "ReportRecords.h"
#include "ReportTestSupport.h"
#include "RequestTimes.h"
#include "calibration/CCalib_Actuator.h"
#include "calibration/CCalibrationStroke.h"
#include "core/ReportFrame.h"
#include "health/CAdvDashboard.h"
#include "ui/Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSet>

#include <clocale>
#include <functional>
#include <string>

namespace
{

// The user's locale for the life of a scope, as Qt sets it at start-up.
class UserLocale
{
public:
    explicit UserLocale(const char* name)
        : m_old(std::setlocale(LC_ALL, nullptr))
        , m_ok(std::setlocale(LC_ALL, name) != nullptr)
    {
    }
    ~UserLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
    bool ok() const { return m_ok; }

private:
    std::string m_old;
    bool m_ok;
};

using Act = CCalib_Actuator;
using Stroke = CCalibrationStroke;

// The tips of the six position flags of a calibration, from the first flag's
// id on: the actuator and the stroke calibration give them word for word.
ExpectedToolTips withPositionFlagToolTips(ExpectedToolTips own, int first)
{
    const ExpectedToolTips flags = {
        { first + 0,
            "0% POSITION OUT OF RANGE ALARM indicates that during calibration, the feedback sensor moved beyond "
            "it's range of operation at the 0% (closed) position." },
        { first + 1,
            "100% POSITION OUT OF RANGE ALARM  indicates that during calibration, the feedback sensor moved beyond "
            "it's range of operation at the 100% (open) position." },
        { first + 2,
            "FEEDBACK RANGE TOO SMALL ALARM indicates that during calibration, the range of motion of the position "
            "feedback arm was too small for optimum performance." },
        { first + 3,
            "INNER LOOP OFFSET TIME OUT ALARM During calibration, the Inner Loop Offset value did not settle.  "
            "This could result in less accurate positioning." },
        { first + 4,
            "NO MOTION TIME OUT ALARM indicates that during calibration, there was no motion of the actuator based "
            "on the current stroke time configuration." },
        { first + 5,
            "NON-SETTLE TIME OUT ALARM indicates that during calibration, the position feedback sensor did not "
            "settle." },
    };
    own.insert(own.end(), flags.begin(), flags.end());
    return own;
}

class StrokeCalibrationPages : public ActuatorCalibrationPageTest
{
protected:
    static constexpr int StrokeCode = 52;

    void startOn(const char* path = K90Path)
    {
        clock().setLocalStart(QDateTime(QDate(2031, 2, 3), QTime(9, 41)));
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
    }
    // The device works in kPa, its supply full scale converted as the actuator page's unit Apply does.
    void useKilopascal(const char* path = K90Path)
    {
        device(path).respond(221, QByteArray("\x39\x20\x0C", 3));
        device(path).setMiscLong(0x69, uint32_t(device(path).physics().supplyPsi / 0.145037738 * 100));
    }
    Act& actuator() { return page<Act>(); }
    Stroke& stroke() { return page<Stroke>(); }
    Act& showActuator()
    {
        FormPage* shown = app().ReplaceView("CCalib_Actuator");
        EXPECT_NE(shown, nullptr);
        shown->ActivatePage();
        return actuator();
    }
    Stroke& showStroke()
    {
        select(StrokeCode);
        return stroke();
    }
    // Start answered with `answer`.
    void startRun(FormPage& on, int button, int answer = Prompts::IdYes)
    {
        prompts().answerMessage(answer, Act::MovementQuestion);
        click(on, button);
    }
    // The page's own tick: what was sent from its state read on (the frame's
    // panes refresh their status on timers of their own).
    static std::string tickOf(const QStringList& requests)
    {
        return joined(requests.mid(requests.indexOf(QStringLiteral("224"))));
    }
    static bool enabled(FormPage& on, int id) { return on.control(id)->isEnabled(); }
    static int progress(FormPage& on, int id) { return on.controlAs<QProgressBar>(id)->value(); }
    static bool markShows(FormPage& on, int id, int icon)
    {
        return on.controlAs<QLabel>(id)->pixmap().toImage() == Pictures::load(icon).toImage();
    }
    static std::string calText(uint8_t code, const QByteArray& text)
    {
        QByteArray request("\x11\xE1\x0F", 3);
        request.append(char(code)).append(text);
        return request.toHex(' ').toUpper().toStdString();
    }
    QStringList wordReads(const char* path = K90Path)
    {
        QStringList out;
        for (const QString& request : sent(path))
            out << request;
        return out;
    }
    QString reportField(FormPage& on, const IReportPtr& report, const QString& key)
    {
        (void)on;
        const auto document = report->layoutDocument();
        const ReportPageItem* item = document.find(key);
        return item ? item->text : QStringLiteral("<no such field>");
    }
    // Polls in steps of 100 ms until the page's state reads `text` or `limitMs` passes.
    bool waitForState(FormPage& on, int stateEdit, const QString& text, qint64 limitMs = 300000)
    {
        for (qint64 t = 0; t < limitMs; t += 100) {
            if (on.windowText(stateEdit) == text)
                return true;
            clock().advance(100);
        }
        return on.windowText(stateEdit) == text;
    }
};

} // namespace

TEST_F(StrokeCalibrationPages, EntryChecksMarkInitialsAndPressureAndGateStart)
{
    startOn();
    useKilopascal();
    showActuator(); // the unit read here sets the scale of the next activation
    Act& page = showActuator();
    ASSERT_EQ(data().PressureUnit, 12);
    // What activation filled is not checked: the device's blank initials pass.
    EXPECT_TRUE(markShows(page, Act::InitialsMark, 139));
    EXPECT_TRUE(enabled(page, Act::StartButton));

    const struct {
        int edit;
        const char* text;
        int mark;
        bool valid;
        const char* tip;
    } cases[] = {
        { Act::InitialsEdit, "AB", Act::InitialsMark, false,
            "Please Enter 3 Initials in the New Calibration By field." },
        { Act::InitialsEdit, "XYZ", Act::InitialsMark, true, nullptr },
        { Act::PressureEdit, "1050.01", Act::PressureMark, false,
            "Please enter values between 0 and 1050 in steps of 0.01" },
        { Act::PressureEdit, "1050", Act::PressureMark, true, nullptr },
        { Act::PressureEdit, "-0.01", Act::PressureMark, false,
            "Please enter values between 0 and 1050 in steps of 0.01" },
        { Act::PressureEdit, "", Act::PressureMark, false, "Please enter values between 0 and 1050 in steps of 0.01" },
        { Act::PressureEdit, "1049.995", Act::PressureMark, false,
            "Please enter values between 0 and 1050 in steps of 0.01" },
        { Act::PressureEdit, "0", Act::PressureMark, true, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        page.setWindowText(c.edit, QString::fromLatin1(c.text));
        EXPECT_TRUE(markShows(page, c.mark, c.valid ? 139 : 138));
        EXPECT_EQ(enabled(page, Act::StartButton), c.valid);
        if (c.tip) {
            EXPECT_EQ(page.control(c.mark)->toolTip(), QString::fromLatin1(c.tip));
        }
    }

    // The stroke page's check: exactly three characters, blanks counted.
    Stroke& strokePage = showStroke();
    EXPECT_TRUE(enabled(strokePage, Stroke::StartButton)) << "the device's initials are taken as they are";
    for (const auto& [text, valid] :
        { std::pair { "AB", false }, { " AB", true }, { "ABCD", false }, { "XYZ", true } }) {
        strokePage.setWindowText(Stroke::InitialsEdit, QString::fromLatin1(text));
        EXPECT_EQ(enabled(strokePage, Stroke::StartButton), valid) << text;
        EXPECT_TRUE(markShows(strokePage, Stroke::InitialsMark, valid ? 139 : 138)) << text;
    }
    EXPECT_EQ(strokePage.control(Stroke::InitialsMark)->toolTip(), Stroke::InitialsTip) << "the tip stays once given";

    // An activation that fills the text the edit already holds is absorbed
    // all the same: the next text typed is checked.
    select(1);
    showStroke();
    ASSERT_EQ(strokePage.windowText(Stroke::InitialsEdit), QString()) << "a device never calibrated has none";
    select(1);
    showStroke();
    EXPECT_TRUE(enabled(strokePage, Stroke::StartButton));
    strokePage.setWindowText(Stroke::InitialsEdit, QStringLiteral("AB"));
    EXPECT_FALSE(enabled(strokePage, Stroke::StartButton));
    EXPECT_TRUE(markShows(strokePage, Stroke::InitialsMark, 138));
}

TEST_F(StrokeCalibrationPages, SupplyPressureIsWrittenOnlyAsTheHundredthsTypedWithinTheFullScale)
{
    const struct {
        const char* typed;
        const char* written; // the hundredths of both supply variables; nullptr: refused
    } cases[] = {
        { "abc", nullptr },
        { "45abc", nullptr },
        { "0x20", nullptr },
        { "1,5", nullptr },
        { "nan", nullptr },
        { "-0.01", nullptr },
        { "150.01", nullptr },
        { "-1", nullptr },
        // The device keeps hundredths: what would be rounded into the full
        // scale, or to another hundredth, is refused as typed.
        { "-0.001", nullptr },
        { "150.004", nullptr },
        { "45.555", nullptr },
        { "0", "00 00 00 00" },
        { "150", "00 00 3A 98" },
        { " 45.5 ", "00 00 11 C6" },
        { "45.55", "00 00 11 CB" },
        { "2.5", "00 00 00 FA" },
        { "5.5", "00 00 02 26" },
    };
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        Act& page = showActuator();
        ASSERT_EQ(data().PressureUnit, 6) << "psi, full scale 150";
        page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            const bool valid = c.written != nullptr;
            // Key by key, as the user types.
            auto* edit = page.controlAs<QLineEdit>(Act::PressureEdit);
            edit->clear();
            for (const char* key = c.typed; *key; ++key)
                edit->insert(QString(QLatin1Char(*key)));
            EXPECT_EQ(edit->text(), QString::fromLatin1(c.typed)) << "shown as typed";
            EXPECT_TRUE(markShows(page, Act::PressureMark, valid ? 139 : 138));
            EXPECT_EQ(enabled(page, Act::StartButton), valid);
            if (!valid) {
                EXPECT_EQ(page.control(Act::PressureMark)->toolTip(),
                    QStringLiteral("Please enter values between 0 and 150 in steps of 0.01"));
            }
            device(path).clearRequests();
            // The handler refuses whatever the button's state, before it asks anything.
            if (valid)
                prompts().answerMessage(Prompts::IdYes, Act::MovementQuestion);
            page.OnStartCalibration();
            if (!valid) {
                EXPECT_EQ(joined(sent(path)), "");
                EXPECT_FALSE(page.calibrating());
                EXPECT_TRUE(logTexts().contains(
                    QStringLiteral("Write_Calibration_cmd not sent: the supply pressure \"%1\" is not one of the "
                                   "values between 0 and 150 in steps of 0.01")
                        .arg(QString::fromLatin1(c.typed))));
                continue;
            }
            const std::string words = c.written;
            EXPECT_EQ(hexOf(201, path),
                std::vector<std::string>(
                    { "0C C9 0A EE 00 F6 00 00 69 " + words, "0C C9 0A EE 00 F6 00 00 63 " + words }));
            EXPECT_EQ(hexOf(225, path), std::vector<std::string>({ calText(2, "02/03/2031 XYZ") }));
            click(page, Act::AbortButton);
        }
        m_app.reset();
    }
}

TEST_F(StrokeCalibrationPages, BlankInitialsStartNoCalibration)
{
    startOn();
    // A device never calibrated holds blanks where the initials stand: the
    // page shows no initials, and Start refuses at once, before it asks
    // anything (no answer is queued: a question would fail the test).
    Act& page = showActuator();
    ASSERT_EQ(page.windowText(Act::InitialsEdit), QString());
    ASSERT_EQ(page.windowText(Act::LastByEdit), QString());
    device().clearRequests();
    click(page, Act::StartButton);
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_TRUE(hexOf(225).empty());
    EXPECT_TRUE(hexOf(201).empty()) << "nor is the supply written";
    EXPECT_FALSE(page.calibrating());
    EXPECT_TRUE(markShows(page, Act::InitialsMark, 138));
    EXPECT_EQ(page.control(Act::InitialsMark)->toolTip(), Act::InitialsTip);

    const std::pair<const char*, bool> typed[]
        = { { " AB", true }, { "   ", false }, { "AB ", true }, { "  A", true }, { "\t  ", false } };
    for (const auto& [text, valid] : typed) {
        page.setWindowText(Act::InitialsEdit, QString::fromLatin1(text));
        EXPECT_EQ(enabled(page, Act::StartButton), valid) << '"' << text << '"';
        EXPECT_TRUE(markShows(page, Act::InitialsMark, valid ? 139 : 138)) << '"' << text << '"';
    }

    Stroke& strokePage = showStroke();
    ASSERT_EQ(strokePage.windowText(Stroke::InitialsEdit), QString());
    for (const auto& [text, valid] : typed) {
        strokePage.setWindowText(Stroke::InitialsEdit, QString::fromLatin1(text));
        EXPECT_EQ(enabled(strokePage, Stroke::StartButton), valid) << '"' << text << '"';
        EXPECT_TRUE(markShows(strokePage, Stroke::InitialsMark, valid ? 139 : 138)) << '"' << text << '"';
    }
    strokePage.setWindowText(Stroke::InitialsEdit, QStringLiteral("   "));
    device().clearRequests();
    strokePage.OnStartCalibration(); // the handler refuses whatever the button's state
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_TRUE(hexOf(225).empty());
}

TEST_F(StrokeCalibrationPages, ANeverCalibratedDeviceIsCalibratedWithTheThreeLettersTyped)
{
    // The letters typed key by key into the field the device's blank
    // initials left; Start then asks and sends today's date and them.
    const struct {
        const char* name;
        bool actuatorRun;
        int initialsEdit;
        int lastByEdit;
        int mark;
        int startButton;
        int abortButton;
        const char* request;
    } pages[] = {
        { "actuator", true, Act::InitialsEdit, Act::LastByEdit, Act::InitialsMark, Act::StartButton, Act::AbortButton,
            "11 E1 0F 02 30 32 2F 30 33 2F 32 30 33 31 20 48 45 58" },
        { "stroke", false, Stroke::InitialsEdit, Stroke::LastByEdit, Stroke::InitialsMark, Stroke::StartButton,
            Stroke::AbortButton, "11 E1 0F 01 30 32 2F 30 33 2F 32 30 33 31 20 48 45 58" },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& p : pages) {
            SCOPED_TRACE(std::string(path) + " " + p.name);
            startOn(path);
            FormPage& page = p.actuatorRun ? static_cast<FormPage&>(showActuator()) : showStroke();
            ASSERT_EQ(data().CalText.mid(10), QStringLiteral("    ")) << "never calibrated";
            EXPECT_EQ(page.windowText(p.lastByEdit), QString());
            auto* edit = page.controlAs<QLineEdit>(p.initialsEdit);
            edit->setFocus();
            edit->end(false);
            for (const char* key : { "H", "E", "X" })
                edit->insert(QString::fromLatin1(key));
            EXPECT_EQ(edit->text(), QStringLiteral("HEX"));
            EXPECT_TRUE(markShows(page, p.mark, 139));
            EXPECT_TRUE(enabled(page, p.startButton));

            device(path).clearRequests();
            startRun(page, p.startButton);
            EXPECT_EQ(hexOf(225, path), std::vector<std::string>({ p.request }));
            EXPECT_TRUE(static_cast<CalibrationRunPage&>(page).calibrating());
            click(page, p.abortButton);
            m_app.reset();
        }
    }
}

TEST_F(StrokeCalibrationPages, AStartRefusedForItsInitialsLeavesTheStripStateAndPrintAsTheyWere)
{
    const struct {
        const char* name;
        std::function<CalibrationRunPage&()> show;
        int startButton;
        int initialsEdit;
        int printButton;
    } pages[] = {
        { "actuator",
            [this]() -> CalibrationRunPage& {
                // Reached from the calibration hub, whose timer stops as its buttons leave it.
                select(CalibrationCode);
                page("CCalibrationMain").StopTimers();
                return showActuator();
            },
            Act::StartButton, Act::InitialsEdit, Act::PrintButton },
        { "stroke", [this]() -> CalibrationRunPage& { return showStroke(); }, Stroke::StartButton, Stroke::InitialsEdit,
            Stroke::PrintButton },
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.name);
        // Refused before the movement question: nothing is sent, and the
        // strip goes on reading the status at its 20000 ms period.
        const auto expectRefused = [&](CalibrationRunPage& page, const std::function<void()>& pressStart) {
            const uint8_t state = data().CalState;
            const bool printable = enabled(page, p.printButton);
            device().clearRequests();
            const qint64 refusedAt = clock().elapsedMs();
            const size_t asked = prompts().messages().size();
            pressStart();
            EXPECT_EQ(prompts().messages().size(), asked) << "refused before the movement question";
            EXPECT_TRUE(hexOf(225).empty());
            EXPECT_FALSE(page.calibrating());
            EXPECT_EQ(data().CalState, state);
            EXPECT_EQ(enabled(page, p.printButton), printable);
            clock().advance(20000);
            EXPECT_EQ(requestTimes(device(), QStringLiteral("202"), refusedAt, 20000).size(), 1u);
        };

        startOn(); // never calibrated: blanks stand where the initials go
        CalibrationRunPage& page = p.show();
        clock().advance(2000);
        expectRefused(page, [&] { click(page, p.startButton); });

        // After a whole run Print is offered; initials cleared by hand refuse
        // the next start (the handler checks whatever the button's state).
        page.setWindowText(p.initialsEdit, QStringLiteral("XYZ"));
        startRun(page, p.startButton);
        for (qint64 t = 0; t < 300000 && page.calibrating(); t += 100)
            clock().advance(100);
        ASSERT_FALSE(page.calibrating());
        ASSERT_TRUE(enabled(page, p.printButton));
        page.setWindowText(p.initialsEdit, QStringLiteral("AB"));
        expectRefused(page, [&] { page.OnStartCalibration(); });
        m_app.reset();
    }
}

TEST_F(StrokeCalibrationPages, EndOfAStrokeRunShowsTheDateAndInitialsFromTheirPlacesInTheDevicesText)
{
    struct Case {
        const char* stored; // the device's 14 characters at the end of the run
        const char* lastBy;
        bool startAgain; // the initials shown pass the check
    };
    // The initials are shown without the blanks the device pads them with:
    // what the edit holds is what the user sees, and what the check counts.
    const Case cases[] = {
        { "02/03/2031 XYZ", "XYZ", true },
        { "02/03/2031    ", "", false }, // a text kept without initials
        { "02/03/2031 AB ", "AB", false },
        { "02/03/2031  AB", "AB", false },
    };
    startOn();
    Stroke& page = showStroke();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        page.setWindowText(Stroke::InitialsEdit, QStringLiteral("XYZ"));
        startRun(page, Stroke::StartButton);
        ASSERT_TRUE(page.calibrating());
        scriptData(224, QByteArray(1, '\0') + QByteArray(c.stored));
        clock().advance(Stroke::PollMs);
        ASSERT_FALSE(page.calibrating());
        EXPECT_EQ(page.windowText(Stroke::LastDateEdit), QStringLiteral("02/03/2031"));
        EXPECT_EQ(page.windowText(Stroke::LastByEdit), QString::fromLatin1(c.lastBy));
        EXPECT_EQ(page.windowText(Stroke::InitialsEdit), QString::fromLatin1(c.lastBy));
        EXPECT_EQ(data().CalText, QString::fromLatin1(c.stored)) << "the device's text stays as read";
        EXPECT_EQ(enabled(page, Stroke::StartButton), c.startAgain);
        EXPECT_TRUE(markShows(page, Stroke::InitialsMark, c.startAgain ? 139 : 138));
    }
}

TEST_F(StrokeCalibrationPages, ActuatorStartWritesTheSupplyAndTheStartAndEachTickReadsWhatTheModelHas)
{
    startOn();
    useKilopascal();
    Act& page = showActuator();
    page.setWindowText(Act::PressureEdit, QStringLiteral("310"));
    page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));

    device().clearRequests();
    startRun(page, Act::StartButton, Prompts::IdNo);
    EXPECT_EQ(joined(sent()), "") << "No: nothing sent";
    EXPECT_TRUE(page.timerArmed(StripPage::StripTimerId));
    const Prompts::Message question = prompts().messages().back();
    EXPECT_EQ(Prompts::captionOf(question), QStringLiteral("Serrat XD HART CLIPWELL"));
    EXPECT_EQ(question.buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(question.icon, Prompts::Icon::Question);

    startRun(page, Act::StartButton);
    EXPECT_EQ(hexOf(201),
        std::vector<std::string>(
            { "0C C9 0A EE 00 F6 00 00 69 00 00 79 18", "0C C9 0A EE 00 F6 00 00 63 00 00 11 8F" }));
    EXPECT_EQ(hexOf(225), std::vector<std::string>({ calText(2, "02/03/2031 XYZ") }));
    EXPECT_FALSE(page.timerArmed(StripPage::StripTimerId));
    EXPECT_TRUE(page.calibrating());
    EXPECT_FALSE(enabled(page, Act::StartButton));
    EXPECT_TRUE(enabled(page, Act::AbortButton));
    EXPECT_FALSE(enabled(page, Act::BackButton));
    EXPECT_FALSE(enabled(page, Act::FrictionButton));

    // The K90 drives a spring-return actuator: bit 0x20 of 0x28 says port 2 is not in use.
    ASSERT_TRUE(page.port2Unavailable());
    device().clearRequests();
    clock().advance(Act::PollMs);
    EXPECT_EQ(tickOf(sent()), "224, 228, 200 word 0x62, 200 word 0x5f, 200 word 0x61, 202");

    // The dashboard then shows the supply with the full scale just written.
    select(1);
    clock().advance(5000);
    EXPECT_NEAR(
        AppFrameTest::page<CAdvDashboard>().supplyDial()->value(), device().physics().supplyPsi / 0.145037738, 0.5);
}

TEST_F(StrokeCalibrationPages, ActuatorStartWritesTheSupplyInPsiAsTheWordNearestTheValueTyped)
{
    // Long 0x69 takes the supply in hundredths of the unit shown, long 0x63 in
    // hundredths of a psi: 4.5 bar is 6526.8 (14.504 psi to the bar), 3.37
    // kg/cm2 4792.1 (14.22), 310 kPa 4495 (0.145); the word above or below,
    // whichever is nearer, not the one a rounded-up display value gives.
    struct Case {
        const char* what;
        uint8_t unit;
        const char* typed;
        uint32_t display;
        uint32_t psi;
        const char* requests[2];
    };
    const Case cases[] = {
        { "4.5 bar", 7, "4.5", 450, 6527,
            { "0C C9 0A EE 00 F6 00 00 69 00 00 01 C2", "0C C9 0A EE 00 F6 00 00 63 00 00 19 7F" } },
        { "3.37 kg/cm2", 10, "3.37", 337, 4792,
            { "0C C9 0A EE 00 F6 00 00 69 00 00 01 51", "0C C9 0A EE 00 F6 00 00 63 00 00 12 B8" } },
        { "310 kPa", 12, "310", 31000, 4495,
            { "0C C9 0A EE 00 F6 00 00 69 00 00 79 18", "0C C9 0A EE 00 F6 00 00 63 00 00 11 8F" } },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(path) + " " + c.what);
            startOn(path);
            device(path).respond(221, QByteArray("\x39\x20", 2).append(char(c.unit)));
            Act& page = showActuator();
            page.setWindowText(Act::PressureEdit, QString::fromLatin1(c.typed));
            page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
            device(path).clearRequests();
            startRun(page, Act::StartButton);
            EXPECT_EQ(hexOf(201, path), std::vector<std::string>({ c.requests[0], c.requests[1] }));
            EXPECT_EQ(device(path).miscLong(0x69), c.display);
            EXPECT_EQ(device(path).miscLong(0x63), c.psi);
            m_app.reset();
        }
    }
}

TEST_F(StrokeCalibrationPages, EachRunReadsTheStateEveryPeriodOfItsOwnPollTimer)
{
    // The actuator calibration polls every 4000 ms, the stroke calibration every 2000 ms.
    const std::pair<bool, std::vector<qint64>> runs[]
        = { { true, { 4000, 8000, 12000 } }, { false, { 2000, 4000, 6000, 8000 } } };
    for (const auto& [actuatorRun, at] : runs) {
        SCOPED_TRACE(actuatorRun ? "actuator" : "stroke");
        startOn();
        FormPage& page = actuatorRun ? static_cast<FormPage&>(showActuator()) : showStroke();
        page.setWindowText(actuatorRun ? int(Act::InitialsEdit) : int(Stroke::InitialsEdit), QStringLiteral("XYZ"));
        device().clearRequests();
        startRun(page, actuatorRun ? int(Act::StartButton) : int(Stroke::StartButton));
        const qint64 started = clock().elapsedMs();
        clock().advance(at.back());
        EXPECT_EQ(requestTimes(device(), QStringLiteral("224"), started, at.back()), at);
        m_app.reset();
    }
}

TEST_F(StrokeCalibrationPages, OnTheSmallerModelTheSupplySensorTakesThePortTwoPlace)
{
    startOn(K40Path);
    Act& page = showActuator();
    EXPECT_EQ(page.windowText(Act::Port2Label), QStringLiteral("Supply"));
    EXPECT_FALSE(page.control(Act::FirstFlagLabel + 8)->isVisibleTo(&page));
    EXPECT_EQ(page.windowText(Act::FirstFlagLabel + 2), QStringLiteral("0% Pos Out of Range"));
    EXPECT_EQ(page.flagLed(2), nullptr);
    ASSERT_NE(page.flagLed(3), nullptr);
    EXPECT_EQ(FormPage::idOf(page.flagLed(3).get()), Act::FirstPositionLedK40);
    EXPECT_TRUE(page.control(Act::ZeroSupplyButton)->isVisibleTo(&page));
    EXPECT_TRUE(enabled(page, Act::ZeroSupplyButton));

    page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
    startRun(page, Act::StartButton);
    EXPECT_FALSE(enabled(page, Act::ZeroSupplyButton));
    device(K40Path).clearRequests();
    clock().advance(Act::PollMs);
    EXPECT_EQ(tickOf(sent(K40Path)),
        "224, 228, 200 word 0x62, 200 word 0x5f, 200 word 0x61, 200 word 0x67, "
        "200 word 0x64, 200 word 0x66, 202");
    // Leaving through the tree aborts on the device before the timers stop.
    device(K40Path).clearRequests();
    select(CalibrationCode);
    ASSERT_EQ(hexOf(225, K40Path).size(), 1u);
    EXPECT_EQ(hexOf(225, K40Path).front().substr(0, 11), "11 E1 0F 33");
    EXPECT_FALSE(page.timerArmed(Act::PollTimerId));

    // Zero Supply asks first; OK leads to the zero capture.
    showActuator();
    prompts().answerMessage(Prompts::IdCancel, Act::ZeroSupplyQuestion);
    click(page, Act::ZeroSupplyButton);
    EXPECT_EQ(app().shownPage(), &page);
    prompts().answerMessage(Prompts::IdOk, Act::ZeroSupplyQuestion);
    click(page, Act::ZeroSupplyButton);
    EXPECT_EQ(Prompts::captionOf(prompts().messages().back()), QStringLiteral("ZERO SUPPLY"));
    EXPECT_EQ(prompts().messages().back().buttons, Prompts::Buttons::OkCancel);
    EXPECT_EQ(app().shownPage(), &this->page("CCalibrationZeroSupply"));
}

TEST_F(StrokeCalibrationPages, StrokeStartTrimsTheInitialsAndPadsTheTextAndEachTickReadsStateFlagsAndPosition)
{
    startOn();
    Stroke& page = showStroke();
    page.setWindowText(Stroke::InitialsEdit, QStringLiteral(" AB"));
    device().clearRequests();
    startRun(page, Stroke::StartButton);
    EXPECT_EQ(hexOf(225), std::vector<std::string>({ calText(1, "02/03/2031 AB ") }));
    device().clearRequests();
    clock().advance(Stroke::PollMs);
    EXPECT_EQ(tickOf(sent()), "224, 228, 202, 202");

    // Leaving through the tree aborts on the device before the timers stop,
    // with the text the tick's state read brought (the device's last one).
    device().clearRequests();
    select(1);
    EXPECT_EQ(hexOf(225), std::vector<std::string>({ calText(0x33, QByteArray(14, ' ')) }));
    EXPECT_FALSE(page.calibrating());
    EXPECT_FALSE(page.timerArmed(Stroke::PollTimerId));
    EXPECT_FALSE(page.timerArmed(StripPage::StripTimerId));
    EXPECT_EQ(page.windowText(Stroke::StateEdit), Stroke::AbortedText);
}

TEST_F(StrokeCalibrationPages, ForcedStatesShowTheirTextsAndProgressOnBothPages)
{
    startOn();
    struct Case {
        int state;
        const char* actuatorText;
        const char* strokeText;
        int progress; // -1: unchanged
    };
    const Case cases[] = {
        { 28, "Waiting for valve to stop opening...", "Waiting for valve to stop opening", 8 },
        { 32, "Pressure calibration in progress...", "Pressure calibration in progress", 12 },
        { 39, "Waiting for valve to stop opening", "Waiting for valve to stop opening", 19 },
        { 60, "Friction calibration in progress...", "Friction calibration in progress...", -1 },
        { 44, "Calibration In progress...", "Calibration In progress...", 24 },
        { 48, "Pressure calibration timed out", "Pressure calibration timed out", -1 },
    };
    for (int which = 0; which < 2; ++which) {
        FormPage& page = which == 0 ? static_cast<FormPage&>(showActuator()) : showStroke();
        const int initials = which == 0 ? int(Act::InitialsEdit) : int(Stroke::InitialsEdit);
        const int state = which == 0 ? int(Act::StateEdit) : int(Stroke::StateEdit);
        const int bar = which == 0 ? int(Act::ProgressBar) : int(Stroke::ProgressBar);
        const int poll = which == 0 ? Act::PollTimerId : Stroke::PollTimerId;
        const int ms = which == 0 ? Act::PollMs : Stroke::PollMs;
        page.setWindowText(initials, QStringLiteral("XYZ"));
        startRun(page, which == 0 ? int(Act::StartButton) : int(Stroke::StartButton));
        int last = progress(page, bar);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.state);
            device().forceCalibrationState(c.state);
            clock().advance(ms);
            EXPECT_EQ(page.windowText(state).toStdString(), which == 0 ? c.actuatorText : c.strokeText);
            EXPECT_EQ(progress(page, bar), c.progress < 0 ? last : c.progress);
            EXPECT_TRUE(page.timerArmed(poll)) << "the run goes on";
            last = progress(page, bar);
        }
        click(page, which == 0 ? int(Act::AbortButton) : int(Stroke::AbortButton));
        EXPECT_EQ(page.windowText(state), Act::AbortedText);
    }
}

TEST_F(StrokeCalibrationPages, WholeRunsCalibrateTheValveAndEndWithTheNewDateAndInitials)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        Act& page = showActuator();
        page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
        startRun(page, Act::StartButton);
        QStringList texts;
        double lowest = 100.0, highest = 0.0;
        for (qint64 t = 0; t < 300000 && page.calibrating(); t += 100) {
            clock().advance(100);
            const double position = device(path).valve().positionPercent();
            lowest = std::min(lowest, position);
            highest = std::max(highest, position);
            const QString text = page.windowText(Act::StateEdit);
            if (!text.isEmpty() && (texts.isEmpty() || texts.back() != text))
                texts << text;
        }
        ASSERT_FALSE(page.calibrating());
        // The poll sees some states of each phase; the phases come in their order.
        const QSet<QString> pressureTexts { "Calibrating pressure", "Pressure calibration in progress...",
            "Pressure calibration in progress" };
        const QSet<QString> actuatorStrokeTexts { "Waiting for valve to start closing...", "Valve is closing now",
            "Setting feedback offset", "Waiting for valve to begin opening", "Waiting for valve to stop opening...",
            "Detecting FB direction", "Stroke calibration in progress", "Detecting IL Offset" };
        QString phases;
        for (const QString& text : texts) {
            const QChar phase = pressureTexts.contains(text)                    ? QLatin1Char('P')
                : actuatorStrokeTexts.contains(text)                            ? QLatin1Char('S')
                : text == QStringLiteral("Friction calibration in progress...") ? QLatin1Char('F')
                                                                                : QLatin1Char('?');
            if (phases.isEmpty() || phases.back() != phase)
                phases += phase;
        }
        EXPECT_EQ(phases, QStringLiteral("PSF?")) << joined(texts);
        EXPECT_LT(lowest, 1.0);
        EXPECT_GT(highest, 99.0);
        EXPECT_EQ(texts.back(), Act::CompletedText);
        EXPECT_EQ(progress(page, Act::ProgressBar), 27);
        EXPECT_EQ(page.windowText(Act::LastDateEdit), QStringLiteral("02/03/2031"));
        EXPECT_EQ(page.windowText(Act::LastByEdit), QStringLiteral("XYZ"));
        EXPECT_TRUE(enabled(page, Act::PrintButton));
        EXPECT_TRUE(enabled(page, Act::BackButton));
        EXPECT_TRUE(page.timerArmed(StripPage::StripTimerId));
        clock().advance(Act::PollMs);
        EXPECT_FALSE(page.timerArmed(Act::PollTimerId)) << "one last tick stops the poll";
        // The stroke run: stroke states only, the position edit following the valve.
        Stroke& strokePage = showStroke();
        strokePage.setWindowText(Stroke::InitialsEdit, QStringLiteral("KLM"));
        startRun(strokePage, Stroke::StartButton);
        const QSet<QString> strokeTexts { "Waiting for valve to start closing", "Valve is closing now",
            "Setting feedback offset", "Waiting for valve to begin opening", "Waiting for valve to stop opening",
            "Detecting FB direction", "Stroke calibration in progress", "Detecting IL Offset" };
        int positionsChecked = 0;
        for (qint64 t = 0; t < 300000 && strokePage.calibrating(); t += Stroke::PollMs) {
            clock().advance(Stroke::PollMs);
            if (!strokePage.calibrating())
                break;
            EXPECT_TRUE(strokeTexts.contains(strokePage.windowText(Stroke::StateEdit)))
                << strokePage.windowText(Stroke::StateEdit).toStdString();
            EXPECT_NEAR(strokePage.windowText(Stroke::PositionEdit).toDouble(), int16_t(data().Position) * 0.01, 1e-9);
            EXPECT_NEAR(
                strokePage.windowText(Stroke::PositionEdit).toDouble(), device(path).valve().positionPercent(), 0.01);
            ++positionsChecked;
        }
        EXPECT_GT(positionsChecked, 2);
        EXPECT_EQ(strokePage.windowText(Stroke::StateEdit), Stroke::CompletedText);
        EXPECT_EQ(strokePage.windowText(Stroke::LastByEdit), QStringLiteral("KLM"));
        EXPECT_TRUE(enabled(strokePage, Stroke::PrintButton));
        m_app.reset();
    }
}

TEST_F(StrokeCalibrationPages, GaugesComputeFromTheSignedWordsAndShowAnUnusedPortTwoAsUnavailable)
{
    startOn();
    device().setMiscLong(0x69, 6000);
    device().setMiscWord(0x5F, 3000);
    device().setMiscWord(0x61, 26000);
    Act& page = showActuator();
    // The live count 16000 comes once, for the monitor pass.
    scriptData(200, QByteArray::fromHex("EE0062") + QByteArray::fromHex("3E80") + QByteArray::fromHex("FE00000000"));
    page.UpdateMonitor();
    EXPECT_NEAR(page.gauge(1)->value(), 30.0, 1e-4);
    EXPECT_EQ(page.gauge(1)->valueText(), QStringLiteral("30.00"));
    EXPECT_EQ(page.windowText(Act::Port1CountEdit), QStringLiteral("16000"));

    device().setMiscWord(0x61, 0);
    page.UpdateMonitor();
    EXPECT_EQ(page.gauge(1)->value(), 0.0);
    EXPECT_EQ(page.gauge(1)->valueText(), QStringLiteral("0.00"));

    ASSERT_TRUE(page.port2Unavailable());
    EXPECT_EQ(page.gauge(2)->unitText(), QString());
    EXPECT_EQ(page.gauge(2)->valueText(), QStringLiteral("0"));
    EXPECT_EQ(page.gauge(2)->value(), 0.0);
    EXPECT_EQ(page.windowText(Act::Port2CountEdit), QString());
    EXPECT_EQ(page.flagLed(2)->litColor(), 0x006400u);
    EXPECT_EQ(app().records().m_ActuatorCalibReport.m_strSuppP2Lbl.toQString(), QStringLiteral("Port2 Not Available"));
}

TEST_F(StrokeCalibrationPages, TooLittleSupplyHoldsTheProblemStateUntilAbortWhichKeepsTheOldCalibration)
{
    startOn();
    Act& page = showActuator();
    const QString oldDate = page.windowText(Act::LastDateEdit);
    device().setSupplyPsi(5.0);
    page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
    startRun(page, Act::StartButton);
    ASSERT_TRUE(waitForState(page, Act::StateEdit, QStringLiteral("Pressure problem during stroke calibration")));
    clock().advance(60000);
    EXPECT_EQ(page.windowText(Act::StateEdit), QStringLiteral("Pressure problem during stroke calibration"));
    EXPECT_TRUE(page.flagLed(0)->lit()) << "supply";
    EXPECT_TRUE(page.flagLed(3 + 4)->lit()) << "no motion";
    EXPECT_FALSE(page.flagLed(3 + 2)->lit());
    EXPECT_EQ(app().records().m_ActuatorCalibReport.m_bNoMoTO, 1);

    device().clearRequests();
    click(page, Act::AbortButton);
    ASSERT_EQ(hexOf(225).size(), 1u);
    EXPECT_EQ(hexOf(225).front(), calText(0x33, data().CalText.toLatin1()));
    EXPECT_EQ(page.windowText(Act::StateEdit), QStringLiteral("Calibration Aborted"));
    EXPECT_TRUE(enabled(page, Act::StartButton));
    EXPECT_FALSE(enabled(page, Act::AbortButton));

    device().setSupplyPsi(60.0);
    device().setAnalogCommand(70.0);
    clock().advance(20000);
    EXPECT_NEAR(device().valve().positionPercent(), 70.0, 2.0) << "the valve follows its command again";
    showActuator();
    EXPECT_EQ(page.windowText(Act::LastDateEdit), oldDate);
}

TEST_F(StrokeCalibrationPages, StrokeTooShortLightsItsFlagAndMarksTheReportUntilACleanRun)
{
    startOn();
    ValveModelParams params = device().physics();
    params.strokeIn = 0.2;
    device().setPhysics(params);
    Stroke& page = showStroke();
    page.setWindowText(Stroke::InitialsEdit, QStringLiteral("SHT"));
    startRun(page, Stroke::StartButton);
    ASSERT_TRUE(waitForState(page, Stroke::StateEdit, Stroke::CompletedText));
    EXPECT_TRUE(page.flagLed(2)->lit()) << "Fdbk Range Small";
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
    click(page, Stroke::PrintButton);
    EXPECT_EQ(reportField(page, page.reportControl(), QStringLiteral("StrkCalFdbkSmall")), QStringLiteral("X"));

    params.strokeIn = 1.5;
    device().setPhysics(params);
    startRun(page, Stroke::StartButton);
    EXPECT_FALSE(page.flagLed(2)->lit()) << "a new start clears the flags";
    clock().advance(Stroke::PollMs);
    ASSERT_TRUE(waitForState(page, Stroke::StateEdit, Stroke::CompletedText));
    EXPECT_FALSE(page.flagLed(2)->lit());
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
    click(page, Stroke::PrintButton);
    EXPECT_EQ(reportField(page, page.reportControl(), QStringLiteral("StrkCalFdbkSmall")), QString());
}

TEST_F(StrokeCalibrationPages, PrintedReportsCarryThePagesTextsAndTheDevicesWords)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        useKilopascal(path);
        Act& page = showActuator();
        page.setWindowText(Act::PressureEdit, QStringLiteral("310"));
        page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
        startRun(page, Act::StartButton);
        ASSERT_TRUE(waitForState(page, Act::StateEdit, Act::CompletedText));
        device(path).setMiscWord(0x50, 4100);
        device(path).setMiscWord(0x51, 61000);
        device(path).setMiscWord(0x11, 4951);

        const QString pdf = tempPath(QStringLiteral("Actuator.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save Actuator Calibration ReportAs"));
        prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
        click(page, Act::PrintButton);
        const bool k40 = path == K40Path;
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        const QString friction = QString::number(std::lround(device(path).physics().dynamicFrictionLbf));
        for (const QString& expected : { QStringLiteral("Actuator / Stroke / Friction Calibration Report"),
                 QStringLiteral("Calibrated by:"), QStringLiteral("XYZ"), QStringLiteral("310"), QStringLiteral("kPa"),
                 QStringLiteral("56900"), k40 ? QStringLiteral("Supply") : QStringLiteral("Port2"),
                 // each model's own definition file, by the text only that file holds
                 k40 ? QStringLiteral("K40 positioner") : QStringLiteral("K90 positioner") })
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
        EXPECT_EQ(reportField(page, page.reportControl(), QStringLiteral("StrkCalILO")), QStringLiteral("50"));
        EXPECT_EQ(reportField(page, page.reportControl(), QStringLiteral("StrkCalFricValue")), friction);
        EXPECT_EQ(reportField(page, page.reportControl(), QStringLiteral("StrkCalPort2Lbl")),
            k40 ? QStringLiteral("Supply") : QStringLiteral("Port2"));
        QFile::remove(
            ReportTestSupport::artifactPath(QStringLiteral("ActuatorCalibrationReport_%1.pdf").arg(k40 ? 40 : 90)));
        QFile::copy(pdf,
            ReportTestSupport::artifactPath(QStringLiteral("ActuatorCalibrationReport_%1.pdf").arg(k40 ? 40 : 90)));

        {
            // The stroke report from the stroke page, with the same device words.
            Stroke& strokePage = showStroke();
            const QString strokePdf = tempPath(QStringLiteral("Stroke.pdf"));
            prompts().answerFile(strokePdf, QStringLiteral("Save Stroke Calibration ReportAs"));
            prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
            strokePage.OnPrintReport();
            ScriptedPrompts::Record dialog;
            for (const auto& record : prompts().records())
                if (record.kind == ScriptedPrompts::Kind::File)
                    dialog = record;
            EXPECT_EQ(dialog.dialog.initialName,
                k40 ? QStringLiteral("PV-102_StrokeCalibrationReport_2031_2_3_9h_41m")
                    : QStringLiteral("PV-101_StrokeCalibrationReport_2031_2_3_9h_41m"));
            const QString strokeText = ReportTestSupport::pdfText(strokePdf).simplified();
            for (const char* expected : { "Stroke Calibration Report", "O% Pos Out Of Range", "No Motion time Out",
                     "-56900", k40 ? "K40 positioner" : "K90 positioner" })
                EXPECT_TRUE(strokeText.contains(QString::fromLatin1(expected))) << expected;
            const QString artifact = ReportTestSupport::artifactPath(
                k40 ? QStringLiteral("StrokeCalibrationReport_40.pdf") : QStringLiteral("StrokeCalibrationReport.pdf"));
            QFile::remove(artifact);
            QFile::copy(strokePdf, artifact);
        }
        m_app.reset();
    }
}

TEST_F(StrokeCalibrationPages, GrabbedPageShowsTheFlagColoursAndTheNeedleAtThePortPressure)
{
    startOn();
    device().setSupplyPsi(30.0); // below the low supply alarm
    Act& page = showActuator();
    page.resize(page.sizeHint().expandedTo(QSize(760, 620)));
    const QImage image = page.grab().toImage();
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/pages_calibration");
    QDir().mkpath(dir);
    image.save(dir + QStringLiteral("/actuator_calibration.png"));
    auto colourAt = [&](QWidget* widget) { return image.pixelColor(widget->mapTo(&page, widget->rect().center())); };
    const QColor supply = colourAt(page.flagLed(0).get());
    const QColor port1 = colourAt(page.flagLed(1).get());
    EXPECT_TRUE(supply.red() > 200 && supply.green() < 80) << "lit red";
    EXPECT_TRUE(port1.green() > 180 && port1.red() < 100) << "unlit green";
    // The needle stands at port 1's pressure as the device reports it.
    const double expected = device().valve().port1Psi();
    EXPECT_NEAR(page.gauge(1)->value(), expected, 0.2);
    EXPECT_NE(page.gauge(1)->needleAngle(), 225.0);
}

TEST_F(StrokeCalibrationPages, BackAndFrictionTolerancesLeadOnAndEveryControlHasItsTip)
{
    startOn();
    Act& page = showActuator();
    // The markers beside the initials and the pressure carry a tip only while their entry is refused.
    expectToolTips(page,
        withPositionFlagToolTips(
            {
                { StripPage::LedId, "LED status" },
                { StripPage::ActiveId,
                    "Active Indicator displays the highest priority active status indicator and its respective "
                    "number." },
                { StripPage::SourceId,
                    "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
                { Act::LastDateEdit, "Date of the last calibration." },
                { Act::LastByEdit, "Initials of the person performing the last actuator calibration." },
                { Act::TodayEdit, "System date" },
                { Act::InitialsEdit, "Initials of the person performing the calibration." },
                { Act::PressureEdit, "Supply Pressure - Value of the current supply pressure." },
                { Act::Port1Gauge, "Port1 Pressure" },
                { Act::Port2Gauge, "Port2 Pressure" },
                { Act::Port1CountEdit, "A/D Count value for Port 1." },
                { Act::Port2CountEdit, "A/D Count value for Port 2." },
                { Act::SupplyLed, "Calibration Flag - Loss of Supply" },
                { Act::Port1Led, "Calibration Flag - Port 1" },
                { Act::Port2Led, "Calibration Flag - Port 2" },
                { Act::StateEdit, "Reports the status of the calibration." },
                { Act::ProgressBar, "Indicates progress of the Calibration process." },
                { Act::BackButton, "Back to the Actuator Selection page." },
                { Act::StartButton, "Start new actuator calibration." },
                { Act::AbortButton, "Abort the actuator calibration." },
                { Act::FrictionButton, "Go to the Friction tolerance settings page" },
                { Act::PrintButton, "Print a calibration results to the default printer." },
            },
            Act::FirstPositionLedK90),
        { Act::InitialsMark, Act::PressureMark });
    expectToolTips(stroke(),
        withPositionFlagToolTips(
            {
                { StripPage::LedId, "LED status" },
                { StripPage::ActiveId,
                    "Active Indicator displays the highest priority active status indicator and its respective "
                    "number." },
                { StripPage::SourceId,
                    "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
                { Stroke::LastDateEdit, "Date of the last stroke calibration." },
                { Stroke::LastByEdit, "Initials of the last person to perform a stroke calibration." },
                { Stroke::TodayEdit, "System date" },
                { Stroke::InitialsEdit, "Initials of the person performing the calibration." },
                { Stroke::PositionEdit, "Estimated valve position." },
                { Stroke::StateEdit, "Status of current calibration stage." },
                { Stroke::ProgressBar, "Stroke calibration progress." },
                { Stroke::StartButton, "Start the stroke calibration." },
                { Stroke::AbortButton, "Abort the stroke calibration." },
                { Stroke::PrintButton, "Print a calibration results to the default printer." },
            },
            Stroke::FirstFlagLed),
        { Stroke::InitialsMark });

    click(page, Act::BackButton);
    EXPECT_EQ(app().shownPage(), &this->page("CCalibrationActuatorIntro"));
    EXPECT_FALSE(page.timerArmed(StripPage::StripTimerId));

    showActuator();
    click(page, Act::FrictionButton);
    EXPECT_EQ(app().shownPage(), &this->page("CValveHealthToleranceSettings"));
    EXPECT_FALSE(page.timerArmed(StripPage::StripTimerId));
}

TEST_F(StrokeCalibrationPages, UnderADecimalCommaLocaleTheSupplyShownIsTheSupplyWritten)
{
    startOn();
    device().setMiscLong(0x69, 1250);
    device().setMiscWord(0x5F, 3000);
    device().setMiscWord(0x61, 26000);
    UserLocale locale("de_DE.UTF-8");
    ASSERT_TRUE(locale.ok()) << "the de_DE.UTF-8 locale is missing";
    Act& page = showActuator();
    EXPECT_EQ(page.windowText(Act::PressureEdit), QStringLiteral("12.50"));
    scriptData(200, QByteArray::fromHex("EE0062") + QByteArray::fromHex("3E80") + QByteArray::fromHex("FE00000000"));
    page.UpdateMonitor();
    EXPECT_EQ(page.gauge(1)->valueText(), QStringLiteral(" 6.25"));

    page.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
    device().clearRequests();
    startRun(page, Act::StartButton);
    // 12.50 psi: 1250 hundredths into both supply variables, not the 1200 of a text read back as 12.
    EXPECT_EQ(hexOf(201),
        std::vector<std::string>(
            { "0C C9 0A EE 00 F6 00 00 69 00 00 04 E2", "0C C9 0A EE 00 F6 00 00 63 00 00 04 E2" }));
}

TEST_F(StrokeCalibrationPages, PortOneCountShowsUnsignedAndTheSecondSensorsCountSigned)
{
    startOn(K40Path);
    Act& page = showActuator();
    scriptData(200, QByteArray::fromHex("EE00628000FE00000000"), K40Path);
    page.UpdateMonitor();
    EXPECT_EQ(page.windowText(Act::Port1CountEdit), QStringLiteral("32768"));

    // Every word read answers for 0x67: the others keep their last values.
    QByteArray reply = QByteArray::fromHex("C80C0000");
    reply.append(QByteArray::fromHex("EE00678000FE00000000"));
    SimTestHooks::scriptReply(device(K40Path), 200, reply, -1);
    page.UpdateMonitor();
    SimTestHooks::clearScriptedReplies(device(K40Path));
    EXPECT_EQ(page.windowText(Act::Port2CountEdit), QStringLiteral("-32768"));
    EXPECT_EQ(page.windowText(Act::Port1CountEdit), QStringLiteral("32768"));
}

TEST_F(StrokeCalibrationPages, EveryStateOfWholeRunsShowsItsTextsWholeAndApart)
{
    QStringList faults;
    // The page checked each time its state changes, and once the run is over.
    const auto follow = [&](const char* path, FormPage& page, int stateEdit, auto running) {
        QString last;
        for (qint64 t = 0; t < 300000 && running(); t += 100) {
            clock().advance(100);
            const QString state = page.windowText(stateEdit);
            if (state == last)
                continue;
            last = state;
            for (const QString& fault : PageLayoutCheck::faults(page))
                faults << QStringLiteral("%1 %2 \"%3\": %4").arg(QLatin1String(path), page.className(), state, fault);
        }
        for (const QString& fault : PageLayoutCheck::faults(page))
            faults << QStringLiteral("%1 %2 after the run: %3").arg(QLatin1String(path), page.className(), fault);
    };
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        Act& actuatorPage = showActuator();
        actuatorPage.setWindowText(Act::InitialsEdit, QStringLiteral("XYZ"));
        startRun(actuatorPage, Act::StartButton);
        follow(path, actuatorPage, Act::StateEdit, [&] { return actuatorPage.calibrating(); });
        EXPECT_EQ(actuatorPage.windowText(Act::StateEdit), Act::CompletedText) << path;
        Stroke& strokePage = showStroke();
        strokePage.setWindowText(Stroke::InitialsEdit, QStringLiteral("KLM"));
        startRun(strokePage, Stroke::StartButton);
        follow(path, strokePage, Stroke::StateEdit, [&] { return strokePage.calibrating(); });
        EXPECT_EQ(strokePage.windowText(Stroke::StateEdit), Stroke::CompletedText) << path;
        m_app.reset();
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(StrokeCalibrationPages, InitialsRefusedBeforeTheActuatorPageWasLeftDoNotHoldStartOffWhenItIsShownAgain)
{
    startOn();
    Act& page = showActuator();
    page.setWindowText(Act::InitialsEdit, QStringLiteral("AB"));
    ASSERT_FALSE(enabled(page, Act::StartButton));
    ASSERT_TRUE(markShows(page, Act::InitialsMark, 138));

    // Shown again, the page takes the device's initials as they are: Start
    // is offered, with no mark left to explain it otherwise, and a start the
    // device's blank initials refuse says why on the mark.
    select(1);
    showActuator();
    EXPECT_EQ(page.windowText(Act::InitialsEdit), QString());
    EXPECT_TRUE(markShows(page, Act::InitialsMark, 139));
    EXPECT_TRUE(enabled(page, Act::StartButton));
    device().clearRequests();
    click(page, Act::StartButton);
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_TRUE(hexOf(225).empty());
    EXPECT_TRUE(markShows(page, Act::InitialsMark, 138));
    EXPECT_EQ(page.control(Act::InitialsMark)->toolTip(), Act::InitialsTip);

    // Typed again as three letters, the start goes ahead.
    page.setWindowText(Act::InitialsEdit, QStringLiteral("KLM"));
    EXPECT_TRUE(enabled(page, Act::StartButton));
    startRun(page, Act::StartButton);
    EXPECT_EQ(hexOf(225), std::vector<std::string>({ "11 E1 0F 02 30 32 2F 30 33 2F 32 30 33 31 20 4B 4C 4D" }));
    click(page, Act::AbortButton);
}
