#include "report/PageExpression.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(PageExpression, EvaluatesThePageLineAndLeavesOtherTextsAlone)
{
    struct Case {
        const char* text;
        int page;
        int pages;
        std::optional<const char*> value; // nothing: printed as it stands
    };
    const Case cases[] = {
        { "\" Page \" & [Page] & \"/\" & [Pages]", 1, 1, " Page 1/1" },
        { "\" Page \" & [Page] & \"/\" & [Pages]", 12, 30, " Page 12/30" },
        { "[Page]&[Pages]", 2, 3, "23" },
        { "  \"a\"\"b\"  ", 1, 1, "a\"b" },
        { "[ Page ]", 4, 9, "4" },
        { "\"\"", 1, 1, "" },
        { "Page [Page]", 1, 1, std::nullopt },
        { "[Page", 1, 1, std::nullopt },
        { "\"unterminated", 1, 1, std::nullopt },
        { "[Date]", 1, 1, std::nullopt },
        { "\"a\" & ", 1, 1, std::nullopt },
        { "\"a\" \"b\"", 1, 1, std::nullopt },
        { "", 1, 1, std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto value = PageExpression::evaluate(QString::fromUtf8(c.text), c.page, c.pages);
        ASSERT_EQ(value.has_value(), c.value.has_value());
        if (value) {
            EXPECT_EQ(*value, QString::fromUtf8(*c.value));
        }
    }
}
