#include "automation/AutoString.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(AutoString, NullAndEmptyAreDifferentValues)
{
    const AutoString null;
    const AutoString empty("");
    EXPECT_TRUE(null.isNull());
    EXPECT_FALSE(empty.isNull());
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_NE(null, empty);
    EXPECT_EQ(null, AutoString::null());
    EXPECT_EQ(empty, AutoString(QString::fromLatin1("")));
    EXPECT_EQ(AutoString(static_cast<const char*>(nullptr)), null);
    EXPECT_EQ(AutoString(QString()), null);
}

TEST(AutoString, NullSurvivesCopiesAndConversions)
{
    const AutoString null;
    const AutoString copy = null;
    AutoString assigned("x");
    assigned = copy;
    EXPECT_TRUE(copy.isNull());
    EXPECT_TRUE(assigned.isNull());
    EXPECT_TRUE(null.toQString().isNull());
    EXPECT_TRUE(AutoString(null.toQString()).isNull());
    EXPECT_TRUE(AutoString::fromLatin1(QByteArray()).isNull());

    // A present empty string stays present the same way.
    const AutoString empty("");
    EXPECT_FALSE(empty.toQString().isNull());
    EXPECT_FALSE(AutoString(empty.toQString()).isNull());
    EXPECT_FALSE(AutoString::fromLatin1(QByteArray("")).isNull());
}

TEST(AutoString, CopiesShareOneBuffer)
{
    const AutoString original(QStringLiteral("TAG-101"));
    const AutoString copy = original;
    EXPECT_EQ(copy.constData(), original.constData());
    AutoString changed = copy;
    changed = changed + AutoString("x");
    EXPECT_EQ(original, AutoString("TAG-101"));
    EXPECT_EQ(changed, AutoString("TAG-101x"));
}

TEST(AutoString, EqualityIsCaseSensitiveAndUntrimmed)
{
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        { "Valve", "Valve", true },
        { "Valve", "valve", false },
        { "Valve", "Valve ", false },
        { " ", "", false },
        { "", "", true },
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutoString(c.a) == AutoString(c.b), c.equal) << c.a << " vs " << c.b;
}

TEST(AutoString, NarrowFormIsLatin1)
{
    const AutoString text = AutoString::fromLatin1(QByteArray("caf\xe9"));
    EXPECT_EQ(text.length(), 4);
    EXPECT_EQ(text.toQString().at(3), QChar(0xe9));
    EXPECT_EQ(text.toLatin1(), QByteArray("caf\xe9"));
    EXPECT_EQ(AutoString(u"caf\u00e9"), text);
}

TEST(AutoString, JoiningTwoStrings)
{
    EXPECT_EQ(AutoString("ab") + AutoString("cd"), AutoString("abcd"));
    EXPECT_TRUE((AutoString() + AutoString()).isNull());
    EXPECT_EQ(AutoString() + AutoString(""), AutoString(""));
}
