#include "automation/NumberText.h"
#include "QtPrinters.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>

namespace
{

// Every conversion, checked once in the C locale and once with a
// decimal-comma locale set in the process: the results must not differ.
void checkConversions()
{
    struct DoubleCase {
        double value;
        const char* text;
    } doubles[] = {
        { 50, "50" },
        { 6.0, "6" },
        { 0.125, "0.125" },
        { static_cast<double>(12.3f), "12.3000001907349" },
        { 4567 * 0.01, "45.67" },
        { 1480 * 0.1, "148" },
        { -2.5, "-2.5" },
        { 112.5, "112.5" },
    };
    for (const DoubleCase& c : doubles)
        EXPECT_EQ(NumberText::fromDouble(c.value), QString::fromLatin1(c.text)) << c.text;

    struct FloatCase {
        float value;
        const char* text;
    } floats[] = {
        { 10.0f, "10" },
        { 12.5f, "12.5" },
        { 23.5f, "23.5" },
        { 12.3f, "12.3" },
        { 0.1f, "0.1" },
        // Seven significant digits, all shown; none beyond the seventh.
        { 1234.567f, "1234.567" },
        { 1234567.0f, "1234567" },
        { 0.3f, "0.3" },
    };
    for (const FloatCase& c : floats)
        EXPECT_EQ(NumberText::fromFloat(c.value), QString::fromLatin1(c.text)) << c.text;

    EXPECT_EQ(NumberText::format("%5.2f", 3.14159), QStringLiteral(" 3.14"));
    EXPECT_EQ(NumberText::format("%3.1f", 12.25), QStringLiteral("12.2"));
    EXPECT_EQ(NumberText::format("%.2d/%.2d/%d", 2, 3, 2024), QStringLiteral("02/03/2024"));
    EXPECT_EQ(NumberText::format("%1.4f", 0.5), QStringLiteral("0.5000"));

    struct ParseCase {
        const char* text;
        double value;
    } parses[] = {
        { "12abc", 12 },
        { "", 0 },
        { "  12.5", 12.5 },
        { "abc", 0 },
        { "-3.25", -3.25 },
        { "1e3", 1000 },
        { "12,5", 12 },
        { "\t7", 7 },
        { ".5", 0.5 },
    };
    for (const ParseCase& c : parses)
        EXPECT_DOUBLE_EQ(NumberText::toDouble(QString::fromLatin1(c.text)), c.value) << c.text;

    EXPECT_EQ(NumberText::toSingle(QStringLiteral("12.3")), static_cast<double>(12.3f));
    EXPECT_EQ(NumberText::fromDouble(NumberText::toSingle(QStringLiteral("12.3"))), QStringLiteral("12.3000001907349"));

    struct IntCase {
        const char* text;
        int value;
    } ints[] = { { "42", 42 }, { " 7x", 7 }, { "", 0 }, { "-12", -12 }, { "3.9", 3 }, { "99999999999", 2147483647 } };
    for (const IntCase& c : ints)
        EXPECT_EQ(NumberText::toInt(QString::fromLatin1(c.text)), c.value) << c.text;

    // A typed number is the whole text or nothing.
    struct TypedCase {
        const char* text;
        double value;
    } plain[] = {
        { "12", 12 },
        { " 12.5 ", 12.5 },
        { "-3.25", -3.25 },
        { "+7", 7 },
        { ".5", 0.5 },
        { "5.", 5 },
        { "1e3", 1000 },
        { "2.5E-1", 0.25 },
        { "1e+2", 100 },
        { "\t60\n", 60 },
        { "-0", 0 },
    };
    for (const TypedCase& c : plain) {
        const std::optional<double> read = NumberText::toNumber(QString::fromLatin1(c.text));
        ASSERT_TRUE(read.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*read, c.value) << c.text;
    }
    for (const char* text : { "", "  ", "abc", "12abc", "5\t5", "0x20", "0X1A", "1,5", "nan", "NaN", "inf", "-infinity",
             "1e300000", "1e", "1e+", "e5", ".", "-", "+-1", "--1", "1.2.3", "12 3", "1_000" }) {
        EXPECT_FALSE(NumberText::toNumber(QString::fromLatin1(text)).has_value()) << text;
    }
    EXPECT_FALSE(NumberText::toNumber(QStringLiteral("\u0661\u0662")).has_value()) << "digits of another script";
}

TEST(NumberText, ASinglePrecisionValueReadsAsTheShortestTextOfThatValue)
{
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        { double(0.29f), "0.29" },
        { double(12.3f), "12.3" },
        { double(12.345f), "12.345" },
        { double(50.0f), "50" },
        { double(655.35f), "655.35" },
        { double(0.0001f), "0.0001" },
        { double(1e10f), "10000000000" },
        { double(-7.7f), "-7.7" },
        { double(16777216.0f), "16777216" },
        // A whole number keeps all its digits, not the shortest that reads back.
        { double(2147483520.0f), "2147483520" },
        { -double(2147483520.0f), "-2147483520" },
        { double(3.4028235e38f), "3.4028235e+38" },
        { double(1e-45f), "1e-45" },
        // Not single precision: fromDouble's text.
        { 0.29, "0.29" },
        { 0.123456789012, "0.123456789012" },
        { 12.3000001, "12.3000001" },
        { 1e300, "1e+300" },
        { -1e39, "-1e+39" },
    };
    for (const Case& c : cases) {
        const QString text = NumberText::fromSingle(c.value);
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.text;
        if (std::fabs(c.value) <= 3.4028235e38)
            EXPECT_EQ(NumberText::toSingle(text), NumberText::roundToSingle(c.value)) << c.text;
    }
    EXPECT_EQ(NumberText::fromSingle(std::nan("")), NumberText::fromDouble(std::nan("")));
}

class LocaleScope
{
public:
    explicit LocaleScope(const char* name)
        : m_old(std::setlocale(LC_ALL, nullptr))
        , m_ok(std::setlocale(LC_ALL, name) != nullptr)
        , m_oldQt(QLocale())
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(name).section(QLatin1Char('.'), 0, 0)));
    }
    ~LocaleScope()
    {
        std::setlocale(LC_ALL, m_old.c_str());
        QLocale::setDefault(m_oldQt);
    }
    bool ok() const { return m_ok; }

private:
    std::string m_old;
    bool m_ok;
    QLocale m_oldQt;
};

} // namespace

TEST(NumberText, ConversionsInTheCLocale)
{
    LocaleScope scope("C");
    ASSERT_TRUE(scope.ok());
    checkConversions();
}

TEST(NumberText, ConversionsIgnoreADecimalCommaLocale)
{
    LocaleScope scope("de_DE.UTF-8");
    // The suite's set-up generates this locale; without it the check is not made.
    ASSERT_TRUE(scope.ok()) << "the de_DE.UTF-8 locale is missing";
    ASSERT_EQ(std::atof("1.5"), 1.0) << "the locale did not take effect";
    checkConversions();
}
