#include "CharacterizationPageTest.h"

#include "SimFaults.h"
#include "calibration/LinkageGeometry.h"

#include <QAbstractButton>
#include <QLabel>

#include "ui/Pictures.h"

namespace
{
class LinkageLinearizationTest : public CharacterizationPageTest
{
protected:
    void deviceActuatorKind(uint8_t kind)
    {
        const char bytes[6] = { 1, char(kind), 3, 1, 0, 100 };
        device().respond(231, QByteArray(bytes, 6));
    }
    QAbstractButton* box(int id) { return editor().controlAs<QAbstractButton>(id); }
    bool enabled(int id) { return editor().control(id)->isEnabled(); }
    // The user's tick: the box changes, then its handler runs.
    void tick(int id) { box(id)->click(); }
    // Steps 1 to 4 done with this arm.
    void walkSteps(const char* arm)
    {
        tick(Editor::Step1Check);
        tick(Editor::Step2Check);
        tick(Editor::Step3Check);
        type(Editor::ArmLengthEdit, QString::fromLatin1(arm));
        tick(Editor::Step4Check);
    }
};
} // namespace

TEST(LinkageGeometry, ChecksTheArmAndTheCollarAndComputesTheCurve)
{
    using LinkageGeometry::Message;
    struct Case {
        double arm;
        int stroke;
        int position;
        bool answered;
        Message message;
        double point10; // -1: no curve; -2: a curve of any values
    };
    const Case cases[] = {
        { 2.0, 3, 40, true, Message::Ok, 46.46 },
        { 1.7, 3, 40, true, Message::UseLongerArm, -1 },
        { 1.6, 2, 40, true, Message::Ok, -2 }, // 2.9 in. is a whole 2: ratio 1.25
        // The length check refuses a ratio of 1.73 and above, the shorter arm is advised up to 0.35.
        { 100.01, 173, 50, true, Message::Ok, -2 },
        { 100.0, 173, 50, true, Message::UseLongerArm, -1 },
        { 99.99, 173, 50, true, Message::UseLongerArm, -1 },
        { 99.99, 35, 50, true, Message::Ok, -2 },
        { 100.0, 35, 50, true, Message::ShorterArm, -2 },
        { 100.01, 35, 50, true, Message::ShorterArm, -2 },
        { 2.0, 3, 20, true, Message::CollarTowardsOpen, -1 },
        { 2.0, 3, 70, true, Message::CollarTowardsClosed, -1 },
        { 10.0, 3, 50, true, Message::ShorterArm, 49.98 },
        { 2.0, 3, 100, false, Message::Ok, -1 },
        { 2.0, 0, 40, false, Message::Ok, -1 },
        { 0.0, 3, 40, false, Message::Ok, -1 },
        { 2.0, 3, 0, false, Message::Ok, -1 },
        { -1.0, 3, 40, false, Message::Ok, -1 },
    };
    for (const Case& c : cases) {
        const auto result = LinkageGeometry::Linearize(c.arm, c.stroke, c.position);
        ASSERT_EQ(result.has_value(), c.answered) << c.arm << " " << c.stroke << " " << c.position;
        if (!result)
            continue;
        EXPECT_EQ(result->message, c.message) << c.arm << " " << c.position;
        EXPECT_EQ(result->curve.has_value(), c.point10 != -1) << c.arm << " " << c.position;
        if (result->curve && c.point10 >= 0) {
            EXPECT_NEAR((*result->curve)[10], c.point10, 0.005);
            EXPECT_EQ((*result->curve)[0], 0.0);
            EXPECT_EQ((*result->curve)[20], 100.0);
            for (int k = 1; k <= 19; ++k)
                EXPECT_LT((*result->curve)[size_t(k - 1)], (*result->curve)[size_t(k)]) << k;
        }
    }
    EXPECT_EQ(LinkageGeometry::text(Message::CollarTowardsOpen),
        QStringLiteral("Adjust feedback collar towards open position"));
}

TEST_F(LinkageLinearizationTest, CalculateWritesTheStrokeFirstThenShowsTheMessageAndTheCurve)
{
    showEditor();
    walkSteps("2.0");
    ASSERT_TRUE(enabled(Editor::CalculateButton));
    struct Case {
        const char* arm;
        const char* stroke;
        const char* position;
        uint16_t strokeWord;
        const char* message;
        const char* row10; // nullptr: the rows stay
    };
    const Case cases[] = {
        { "2.0", "3.4", "40", 340, "OK", "46.46" },
        { "1.7", "3.0", "40", 300, "Use Longer Feedback arm", nullptr },
        { "2.0", "3.9", "20", 390, "Adjust feedback collar towards open position", nullptr },
        { "2.0", "3.4", "70", 340, "Adjust feedback collar towards closed position", nullptr },
        { "10", "3", "50", 300, "We suggest using a shorter Feedback arm", "49.98" },
        { "2.0", "3.4", "100", 340, "Invalid geometry", nullptr },
        { "2.0", "0.8", "40", 80, "Invalid geometry", nullptr },
    };
    for (const Case& c : cases) {
        click(editor(), Editor::DefaultButton);
        const QString before = row(10);
        type(Editor::ErrorEdit, QStringLiteral("previous"));
        type(Editor::ArmLengthEdit, QString::fromLatin1(c.arm));
        type(Editor::StrokeLengthEdit, QString::fromLatin1(c.stroke));
        type(Editor::PositionEdit, QString::fromLatin1(c.position));
        device().clearRequests();
        click(editor(), Editor::CalculateButton);
        ASSERT_FALSE(device().requests().empty()) << c.stroke;
        EXPECT_EQ(describe(device().requests().front()), QStringLiteral("201 word 0x74")) << c.stroke;
        EXPECT_EQ(device().miscWord(0x74), c.strokeWord) << c.stroke;
        EXPECT_EQ(text(Editor::ErrorEdit), QString::fromLatin1(c.message)) << c.arm << " " << c.position;
        EXPECT_EQ(row(10), c.row10 ? QString::fromLatin1(c.row10) : before) << c.arm << " " << c.position;
        if (c.row10) {
            EXPECT_NEAR(editor().workingCurve()[10], curveY(editor().plot(), 10), 0.005);
        }
    }

    // The computed curve reaches the device through Apply.
    type(Editor::ArmLengthEdit, QStringLiteral("2.0"));
    type(Editor::StrokeLengthEdit, QStringLiteral("3.4"));
    type(Editor::PositionEdit, QStringLiteral("40"));
    click(editor(), Editor::CalculateButton);
    device().clearRequests();
    click(editor(), Editor::ApplyButton);
    const std::vector<SimRequest> second = device().requestsFor(245);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(uint8_t(second[0].bytes[2]) << 8 | uint8_t(second[0].bytes[3]), 4646);
}

TEST_F(LinkageLinearizationTest, RefusedGeometryShowsInvalidGeometryAfterAnEarlierOkAndStillWritesTheStroke)
{
    showEditor();
    walkSteps("2.0");
    struct Case {
        const char* arm;
        const char* stroke;
        const char* position;
        uint16_t strokeWord;
    };
    // A stroke or position that gives the linkage no shape (an arm of 0
    // locks Calculate on this actuator).
    const Case cases[] = {
        { "2.0", "3.4", "0", 340 },
        { "2.0", "3.4", "-5", 340 },
        { "2.0", "3.4", "abc", 340 },
        { "2.0", "3.4", "120", 340 },
        { "2.0", "0.5", "40", 50 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.arm) + " " + c.stroke + " " + c.position);
        type(Editor::ArmLengthEdit, QStringLiteral("2.0"));
        type(Editor::StrokeLengthEdit, QStringLiteral("3.4"));
        type(Editor::PositionEdit, QStringLiteral("40"));
        click(editor(), Editor::CalculateButton);
        ASSERT_EQ(text(Editor::ErrorEdit), QStringLiteral("OK"));
        const QString curve = row(10);

        type(Editor::ArmLengthEdit, QString::fromLatin1(c.arm));
        type(Editor::StrokeLengthEdit, QString::fromLatin1(c.stroke));
        type(Editor::PositionEdit, QString::fromLatin1(c.position));
        device().clearRequests();
        click(editor(), Editor::CalculateButton);
        EXPECT_EQ(text(Editor::ErrorEdit), QStringLiteral("Invalid geometry"));
        EXPECT_EQ(row(10), curve) << "the curve stays";
        ASSERT_EQ(device().requestsFor(201).size(), 1u);
        EXPECT_EQ(device().miscWord(0x74), c.strokeWord);
    }
}

TEST_F(LinkageLinearizationTest, StepsEnableTheNextOnlyWhileTheyAreTickedAndTheActuatorKindDecidesTheStart)
{
    startK90();
    clock().advance(2000);
    struct Case {
        uint8_t kind;
        bool step1;
        bool armEdit;
        bool strokeEdit;
    };
    const Case cases[] = {
        { 0, true, false, false },
        { 2, false, false, false },
        { 3, false, false, false },
        { 99, false, false, false },
    };
    for (const Case& c : cases) {
        deviceActuatorKind(c.kind);
        select(ConfigurationCode);
        select(CharacterizationCode);
        click(info(), Info::CustomizeButton);
        EXPECT_EQ(enabled(Editor::Step1Check), c.step1) << int(c.kind);
        for (int later : { Editor::Step2Check, Editor::Step3Check, Editor::Step4Check }) {
            EXPECT_FALSE(enabled(later)) << int(c.kind);
            EXPECT_FALSE(box(later)->isChecked()) << int(c.kind);
        }
        EXPECT_FALSE(enabled(Editor::CalculateButton)) << int(c.kind);
        EXPECT_EQ(enabled(Editor::ArmLengthEdit), c.armEdit) << int(c.kind);
        EXPECT_EQ(enabled(Editor::StrokeLengthEdit), c.strokeEdit) << int(c.kind);
        click(editor(), Editor::BackButton);
    }

    // On a linear actuator the chain opens step by step; an arm of 0 locks step 4 again.
    deviceActuatorKind(1);
    select(ConfigurationCode);
    select(CharacterizationCode);
    click(info(), Info::CustomizeButton);
    EXPECT_EQ(text(Editor::ArmLengthEdit), QStringLiteral("0"));
    walkSteps("2.5");
    EXPECT_TRUE(box(Editor::Step4Check)->isChecked());
    EXPECT_TRUE(enabled(Editor::CalculateButton));
    EXPECT_TRUE(enabled(Editor::StrokeLengthEdit));
    type(Editor::ArmLengthEdit, QStringLiteral("0"));
    EXPECT_FALSE(box(Editor::Step4Check)->isChecked());
    EXPECT_FALSE(enabled(Editor::Step4Check));
    EXPECT_FALSE(enabled(Editor::CalculateButton));
    // Unticking step 1 locks everything after it.
    type(Editor::ArmLengthEdit, QStringLiteral("2.5"));
    tick(Editor::Step4Check);
    tick(Editor::Step1Check);
    for (int later : { Editor::Step2Check, Editor::Step3Check, Editor::Step4Check })
        EXPECT_FALSE(box(later)->isChecked());
    EXPECT_FALSE(enabled(Editor::ArmLengthEdit));
    EXPECT_FALSE(enabled(Editor::CalculateButton));
    // After Retrieve the kind is not read again and the steps stay as they are.
    walkSteps("2.5");
    click(editor(), Editor::RetrieveButton);
    tick(Editor::Step1Check);
    walkSteps("2.5");
    device().clearRequests();
    click(editor(), Editor::BackButton);
    click(info(), Info::CustomizeButton);
    EXPECT_TRUE(device().requestsFor(230).empty());
    EXPECT_TRUE(box(Editor::Step4Check)->isChecked());
    EXPECT_TRUE(enabled(Editor::CalculateButton));
}

TEST_F(LinkageLinearizationTest, CalculateWritesTheStrokeOnlyWhenReadSinceActivationOrTyped)
{
    startK90();
    clock().advance(2000);
    select(CharacterizationCode);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 173);
    click(info(), Info::CustomizeButton);
    walkSteps("2.0");
    type(Editor::PositionEdit, QStringLiteral("40"));
    device().clearRequests();
    click(editor(), Editor::CalculateButton);
    EXPECT_TRUE(device().requestsFor(201).empty()) << "the edit does not hold the device's stroke";
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Misc_cmd not sent: no Read_Valve_Travel_Cycle_Count reply")));

    // A stroke the user typed is the user's: it is written, and the curve follows it.
    type(Editor::StrokeLengthEdit, QStringLiteral("3.4"));
    click(editor(), Editor::CalculateButton);
    EXPECT_EQ(hexOf(201), std::vector<std::string>({ "0C C9 0A EE 00 74 01 54 FE 00 00 00 00" }));
    EXPECT_EQ(text(Editor::ErrorEdit), QStringLiteral("OK"));
    EXPECT_EQ(row(10), QStringLiteral("46.46"));
}

TEST_F(LinkageLinearizationTest, ArmAndStrokeLengthsCountOnlyAsOneWholeNumberInTheirRange)
{
    struct Case {
        int edit; // the field typed into; the other keeps arm 2.0 or stroke 3.4
        const char* typed;
        const char* word; // the bytes of word 0x74 that Calculate and Apply write; nullptr: marked and refused
        const char* message; // Calculate's message when it runs
    };
    const int arm = Editor::ArmLengthEdit;
    const int stroke = Editor::StrokeLengthEdit;
    const Case cases[] = {
        { stroke, "abc", nullptr, "" },
        { stroke, "12abc", nullptr, "" },
        { stroke, "0x20", nullptr, "" },
        { stroke, "1,5", nullptr, "" },
        { stroke, "nan", nullptr, "" },
        { stroke, "-1", nullptr, "" },
        { stroke, "-0.01", nullptr, "" },
        { stroke, "655.36", nullptr, "" },
        { stroke, "99999999", nullptr, "" },
        // Word 0x74 holds hundredths: what would be cut into the range, or to
        // another hundredth, is refused as typed.
        { stroke, "655.351", nullptr, "" },
        { stroke, "3.405", nullptr, "" },
        { stroke, "0", "00 00", "Invalid geometry" },
        { stroke, "655.35", "FF FF", "Use Longer Feedback arm" },
        { stroke, " 3.4 ", "01 54", "OK" },
        { arm, "abc", nullptr, "" },
        { arm, "12abc", nullptr, "" },
        { arm, "0x20", nullptr, "" },
        { arm, "1,5", nullptr, "" },
        { arm, "nan", nullptr, "" },
        { arm, "-0.01", nullptr, "" },
        { arm, "655.36", nullptr, "" },
        { arm, "0", "01 54", "Invalid geometry" },
        { arm, "655.35", "01 54", "We suggest using a shorter Feedback arm" },
    };
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        showSelection(path);
        device(path).respond(231, QByteArray("\x01\x00\x03\x01\x00\x64", 6)); // a linear actuator
        click(info(), Info::CustomizeButton);
        walkSteps("2.0");
        ASSERT_TRUE(enabled(Editor::CalculateButton));
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.edit == arm ? "arm " : "stroke ") + c.typed);
            type(arm, QStringLiteral("2.0"));
            type(stroke, QStringLiteral("3.4"));
            type(Editor::PositionEdit, QStringLiteral("40"));
            type(Editor::ErrorEdit, QStringLiteral("previous"));
            type(c.edit, QString::fromLatin1(c.typed));
            const int markId = c.edit == arm ? Editor::ArmLengthMark : Editor::StrokeLengthMark;
            const auto* mark = editor().controlAs<QLabel>(markId);
            EXPECT_EQ(mark->pixmap().toImage(), Pictures::load(c.word ? 139 : 138).toImage());
            if (!c.word) {
                EXPECT_EQ(mark->toolTip(),
                    c.edit == arm ? QStringLiteral("Please enter values between 0 and 655.35")
                                  : QStringLiteral("Please enter values between 0 and 655.35 in steps of 0.01"));
            }

            device(path).clearRequests();
            editor().OnCalculate(); // the handler refuses whatever the button's state
            const std::string written = std::string("0C C9 0A EE 00 74 ") + (c.word ? c.word : "") + " FE 00 00 00 00";
            EXPECT_EQ(hexOf(201, path), c.word ? std::vector<std::string>({ written }) : std::vector<std::string>());
            EXPECT_EQ(joined(sent(path)), c.word ? "201 word 0x74" : "");
            EXPECT_EQ(text(Editor::ErrorEdit), QString::fromLatin1(c.message));

            // Apply needs the stroke, not the arm.
            device(path).clearRequests();
            click(editor(), Editor::ApplyButton);
            const bool applied = c.word || c.edit == arm;
            EXPECT_EQ(joined(sent(path)), applied ? "201 word 0x74, 213, 245" : "");
            if (applied) {
                EXPECT_EQ(hexOf(201, path).front().substr(18, 5), c.edit == arm ? "01 54" : c.word);
            }
        }
        const QStringList log = logTexts();
        for (const char* line :
            { "Write_Misc_cmd not sent: the stroke length \"3.405\" is not one of the values between 0 and 655.35 in "
              "steps of 0.01",
                "Write_Misc_cmd not sent: the arm length \"655.36\" is not one of the values between 0 and 655.35",
                "Write_Charact_cmd not sent: the stroke length \"3.405\" is not one of the values between 0 and "
                "655.35 in steps of 0.01" })
            EXPECT_TRUE(log.contains(QString::fromLatin1(line))) << line;
        m_app.reset();
    }
}
