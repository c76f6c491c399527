// A duration the field marks is not one the user gave: Start starts no run
// with it, whatever its number and unit, on either model, and leaving the
// field keeps it as typed and marked instead of putting the value held back
// in its place unseen.
#include "DataLoggerPageTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace
{

using L = CDataLogger;

const char* const Units[] = { "Minute(s)", "Hour(s)", "Day(s)" };

class DataLoggerMarkedDurationTest : public DataLoggerPageTest
{
protected:
    static constexpr const char* Models[] = { K90Path, K40Path };

    QLineEdit& field() { return *logger().durationField()->findChild<QLineEdit*>(); }

    // The user types over the whole field, key by key; nothing typed erases it.
    void typeOver(const char* text)
    {
        field().selectAll();
        if (!*text) {
            QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QCoreApplication::sendEvent(&field(), &erase);
        }
        for (const char* key = text; *key; ++key) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QLatin1Char(*key)));
            QCoreApplication::sendEvent(&field(), &press);
        }
    }
    // The user moves on to the units combo, as Tab does.
    void leaveField()
    {
        QApplication::setActiveWindow(logger().window());
        field().setFocus();
        logger().control(L::UnitsCombo)->setFocus();
    }
    // What the device received that is not the status strip's read: a run's samples.
    QStringList sampleReads(const char* path)
    {
        QStringList reads = sent(path);
        reads.removeAll(QStringLiteral("202"));
        return reads;
    }
    static QString notStarted(const char* typed)
    {
        return QStringLiteral("CDataLogger data logging not started: \"%1\" is not one of the whole numbers between 1 "
                              "and 60")
            .arg(QString::fromLatin1(typed));
    }
    // No run: the idle buttons, not a sample read in two minutes, nothing drawn.
    void expectNoRun(const char* path)
    {
        EXPECT_FALSE(logger().logging());
        EXPECT_FALSE(button(L::StopButton).isEnabled());
        EXPECT_TRUE(button(L::StartButton).isEnabled());
        EXPECT_TRUE(logger().durationField()->isEnabled());
        clock().advance(120000);
        EXPECT_EQ(sampleReads(path).join(QStringLiteral(", ")).toStdString(), "");
        EXPECT_EQ(channel("Position").Count(), 0);
    }
};

} // namespace

TEST_F(DataLoggerMarkedDurationTest, AMarkedDurationStartsNoRunWhateverItsNumberInEveryUnitOnBothModels)
{
    // Past either end, a fraction, a fraction past an end, junk, nothing.
    const char* const marked[] = { "60.9", ".5", "1.5", "0", "61", "-1", "1e300", "30.5", "12abc", "" };
    for (const char* path : Models) {
        showPage(path);
        for (const char* unit : Units) {
            for (const char* text : marked) {
                SCOPED_TRACE(std::string(path) + " " + unit + " \"" + text + "\"");
                choose("3", 12, unit);
                typeOver(text);
                ASSERT_TRUE(logger().durationField()->typedTextMarked());
                device(path).clearRequests();
                const qsizetype logged = logTexts().count(notStarted(text));
                click(L::StartButton);
                EXPECT_EQ(field().text(), QString::fromLatin1(text)) << "kept as typed";
                EXPECT_TRUE(logger().durationField()->typedTextMarked());
                EXPECT_EQ(field().toolTip(), QStringLiteral("Please enter whole numbers between 1 and 60"));
                EXPECT_EQ(logger().durationField()->value(), 12.0);
                EXPECT_EQ(logTexts().count(notStarted(text)), logged + 1);
                expectNoRun(path);
            }
        }
    }
}

TEST_F(DataLoggerMarkedDurationTest, LeavingTheFieldKeepsWhatItDoesNotTakeMarkedAndStartRunsOnlyWhatItShows)
{
    // Typed over a held 12, then the field left for the units combo, then
    // Start: text the field does not take, a fraction past an end as much as
    // one within them, stays as typed and marked and starts nothing; a whole
    // number past an end shows that end, and that runs.
    const struct {
        const char* typed;
        const char* unit;
        const char* shown; // once the field is left
        bool marked;
        int seconds; // of the run Start starts; 0: none
    } cases[] = {
        { "1.5", "Minute(s)", "1.5", true, 0 },
        { "30.5", "Hour(s)", "30.5", true, 0 },
        { "abc", "Day(s)", "abc", true, 0 },
        { "", "Minute(s)", "", true, 0 },
        { ".5", "Minute(s)", ".5", true, 0 },
        { "60.9", "Hour(s)", "60.9", true, 0 },
        { "0.9", "Day(s)", "0.9", true, 0 },
        { "61", "Hour(s)", "60", false, 216000 },
        { "0", "Day(s)", "1", false, 86400 },
        { "30", "Day(s)", "30", false, 2592000 },
    };
    for (const char* path : Models) {
        showPage(path);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(path) + " \"" + c.typed + "\" " + c.unit);
            choose("3", 12, c.unit);
            typeOver(c.typed);
            leaveField();
            EXPECT_EQ(field().text(), QString::fromLatin1(c.shown));
            EXPECT_EQ(logger().durationField()->typedTextMarked(), c.marked);
            EXPECT_EQ(field().toolTip(),
                c.marked ? QStringLiteral("Please enter whole numbers between 1 and 60") : QString());
            device(path).clearRequests();
            const qsizetype logged = logTexts().count(notStarted(c.typed));
            click(L::StartButton);
            if (c.seconds == 0) {
                EXPECT_EQ(field().text(), QString::fromLatin1(c.typed));
                EXPECT_EQ(logger().durationField()->value(), 12.0);
                EXPECT_EQ(logTexts().count(notStarted(c.typed)), logged + 1);
                expectNoRun(path);
                continue;
            }
            EXPECT_TRUE(logger().logging());
            EXPECT_EQ(logger().durationSeconds(), c.seconds);
            EXPECT_EQ(logger().plot()->XAxis(0)->GetSpan(), double(c.seconds));
            nextSample();
            EXPECT_EQ(sampleReads(path).join(QStringLiteral(", ")).toStdString(), "204, 200 word 0x12, 200 word 0x34");
            click(L::StopButton);
            logger().plot()->ClearAllData();
        }
    }
}
