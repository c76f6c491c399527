#include "ErrorDefinitions.h"

#include "StatusPriorities.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace
{
QString programFolder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}
}

TEST(ErrorDefinitions, ReadsPrioritiesAndMaskClassesFromDataLinesInFileOrder)
{
    const ErrorDefinitions definitions = ErrorDefinitions::parse(QByteArray("// a comment\n"
                                                                            "0\tName\tKind\tGroup\t1\t20\n"
                                                                            "/ another comment\r\n"
                                                                            "1\tName\tKind\tGroup\t3\t54\r\n"
                                                                            "2\tName\tKind\tGroup\t0\t27\tmore\n"));
    ASSERT_EQ(definitions.lines().size(), 3u);
    EXPECT_EQ(definitions.priority(0), 20);
    EXPECT_EQ(definitions.priority(1), 54);
    EXPECT_EQ(definitions.priority(2), 27);
    EXPECT_EQ(definitions.lines()[1].maskClass, 3);
    EXPECT_EQ(definitions.lines()[2].statusNumber, 2);
    EXPECT_EQ(definitions.priority(3), 0) << "beyond the lines read";
}

TEST(ErrorDefinitions, MalformedLinesStillCountAsStatusLines)
{
    struct Case {
        const char* line;
        int statusNumber;
        int maskClass;
        int priority;
    };
    const Case cases[] = {
        { "7\tonly\tthree", 7, 0, 0 }, // fewer than five TABs
        { "8\ta\tb\tc\t2\t61", 8, 2, 61 }, // no sixth TAB: the field runs to the end
        { "9\ta\tb\tc\t2\t", 9, 2, 0 }, // empty priority
        { "x\ta\tb\tc\tclass\thigh", -1, 0, 0 }, // text where numbers belong
        { "10\ta\tb\tc\t999\t40abc", 10, 255, 40 }, // class clamped, leading number taken
        { "11\ta\tb\tc\t-4\t-3", 11, 0, -3 }, { "", -1, 0, 0 }, // an empty line is a data line too
    };
    for (const Case& c : cases) {
        const ErrorDefinitions definitions = ErrorDefinitions::parse(QByteArray(c.line) + '\n');
        ASSERT_EQ(definitions.lines().size(), 1u) << c.line;
        EXPECT_EQ(definitions.lines()[0].statusNumber, c.statusNumber) << c.line;
        EXPECT_EQ(definitions.lines()[0].maskClass, c.maskClass) << c.line;
        EXPECT_EQ(definitions.lines()[0].priority, c.priority) << c.line;
    }
}

TEST(ErrorDefinitions, LongLinesStayOneLineAndOnlyAHundredAreKept)
{
    QByteArray text = "0\t" + QByteArray(5000, 'n') + "\tk\tg\t1\t33\n1\ta\tb\tc\t1\t44\n";
    for (int n = 2; n < 130; ++n)
        text += QByteArray::number(n) + "\ta\tb\tc\t1\t" + QByteArray::number(n) + "\n";
    const ErrorDefinitions definitions = ErrorDefinitions::parse(text);
    ASSERT_EQ(definitions.lines().size(), size_t(ErrorDefinitions::MaxLines));
    EXPECT_EQ(definitions.priority(0), 33);
    EXPECT_EQ(definitions.priority(1), 44) << "a long line must not shift the statuses after it";
    EXPECT_EQ(definitions.priority(99), 99);
}

TEST(ErrorDefinitions, MissingFileGivesNoLines)
{
    bool opened = true;
    const ErrorDefinitions definitions
        = ErrorDefinitions::load(QStringLiteral("/nonexistent/SerratK90Errors.dlm"), &opened);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(definitions.lines().empty());
}

TEST(ErrorDefinitions, FileIsChosenByModel)
{
    EXPECT_EQ(ErrorDefinitions::fileName(6), QStringLiteral("SerratK40Errors.dlm"));
    for (int type : { 0, 5, 7, 255 })
        EXPECT_EQ(ErrorDefinitions::fileName(type), QStringLiteral("SerratK90Errors.dlm"));
}

TEST(ErrorDefinitions, ShippedFilesDescribeEightyStatusesWithTheDevicePriorities)
{
    for (const char* name : { "SerratK90Errors.dlm", "SerratK40Errors.dlm" }) {
        bool opened = false;
        const ErrorDefinitions definitions = ErrorDefinitions::load(programFolder() + QLatin1String(name), &opened);
        ASSERT_TRUE(opened) << name;
        ASSERT_EQ(definitions.lines().size(), 80u) << name;
        EXPECT_EQ(definitions.damage(QLatin1String(name), 80), QString()) << name;
        for (int n = 0; n < 80; ++n) {
            const ErrorDefinitionLine& line = definitions.lines()[n];
            EXPECT_EQ(line.statusNumber, n) << name;
            EXPECT_EQ(line.priority, StatusPriorities::of(n)) << name << " status " << n;
            if (StatusPriorities::of(n) == 0 && n < StatusPriorities::FirstDeviceInformation) {
                EXPECT_EQ(line.maskClass, 0) << name << " unused status " << n;
            }
        }
        for (int n : { 18, 19, 20, 21, 44, 46 })
            EXPECT_EQ(definitions.lines()[n].maskClass, 3) << name << " status " << n;
    }
}

TEST(ErrorDefinitions, FirstLineThatDidNotParseIsNamedWithWhatIsWrong)
{
    // A two-status model; the line under test describes status 1.
    struct Case {
        const char* line;
        const char* damage; // nullptr: the line parses
    };
    const Case cases[] = {
        { "1\tName\tKind\tGroup\t3\t54", nullptr },
        { " 1 \tName\tKind\tGroup\t+3\t-54\tmore\tfields", nullptr }, // spaces, signs and extra fields are fine
        { "", "f line 3: empty" },
        { "1\tName\tKind\tGroup\t3\t5\x01", "f line 3: bytes that are not text" },
        { "1\tName\tKind\tGroup\t3\t54\x7f", "f line 3: bytes that are not text" },
        { "1 Name Kind Group 3 54", "f line 3: 6 TAB-separated fields expected, 1 found" },
        { "1\tName\tKind\tGroup\t3", "f line 3: 6 TAB-separated fields expected, 5 found" },
        { "one\tName\tKind\tGroup\t3\t54", "f line 3: no status number" },
        { "1a\tName\tKind\tGroup\t3\t54", "f line 3: no status number" },
        { "2\tName\tKind\tGroup\t3\t54", "f line 3: status 2 where status 1 belongs" },
        { "1\tName\tKind\tGroup\t\t54", "f line 3: no mask class" },
        { "1\tName\tKind\tGroup\t256\t54", "f line 3: mask class 256 outside 0 to 255" },
        { "1\tName\tKind\tGroup\t-1\t54", "f line 3: mask class -1 outside 0 to 255" },
        { "1\tName\tKind\tGroup\t3\t40abc", "f line 3: no priority" },
        { "1\tName\tKind\tGroup\t3\t", "f line 3: no priority" },
    };
    for (const Case& c : cases) {
        const ErrorDefinitions definitions
            = ErrorDefinitions::parse("// status 0, then 1\n0\tName\tKind\tGroup\t1\t20\n" + QByteArray(c.line) + "\n");
        ASSERT_EQ(definitions.lines().size(), 2u) << c.line;
        const QString damage = definitions.damage(QStringLiteral("f"), 2);
        if (c.damage)
            EXPECT_EQ(damage, QStringLiteral("error definitions damaged: ") + QLatin1String(c.damage)) << c.line;
        else
            EXPECT_TRUE(damage.isEmpty()) << c.line << ": " << damage.toStdString();
    }
}

TEST(ErrorDefinitions, CountBeyondTheLinesKeptIsToldAsMore)
{
    QByteArray text;
    for (int n = 0; n < ErrorDefinitions::MaxLines + 5; ++n)
        text += QByteArray::number(n) + "\ta\tb\tc\t1\t2\n";
    EXPECT_EQ(ErrorDefinitions::parse(text).damage(QStringLiteral("f"), 80),
        QStringLiteral("error definitions damaged: f line 81: a status line beyond the model's; more than 100 status "
                       "lines, the model has 80"));
    EXPECT_TRUE(
        ErrorDefinitions::parse(text).damage(QStringLiteral("f"), 105).contains(QLatin1String("more than 100")));
}
