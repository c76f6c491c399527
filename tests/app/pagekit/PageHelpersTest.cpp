#include "PageHelpers.h"
#include "AppLog.h"
#include "CSigDataStorage.h"
#include "SwTest.h"

#include "ui/ControlRegistry.h"
#include "ui/FormPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <climits>
#include <cmath>

using PageHelpers_ = SwTest;

TEST_F(PageHelpers_, PressureConversionFactorByUnitPair)
{
    struct Case {
        int from, toIndex;
        double factor;
        int target;
    };
    const Case cases[] = {
        { 6, 3, 6.895, 12 },
        { 6, 1, 0.06895, 7 },
        { 7, 0, 14.5038, 6 },
        { 10, 3, 98.067, 12 },
        { 12, 2, 0.0101972, 10 },
        { 12, 3, 1.0, 12 },
        // Any other pair gives 1 and keeps the target unit.
        { 57, 0, 1.0, 12 },
        { 6, 4, 1.0, 12 },
        { 6, -1, 1.0, 12 },
    };
    PageHelpers helpers;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << "->" << c.toIndex);
        helpers.m_PressureConversionFactor = 42.0;
        EXPECT_DOUBLE_EQ(helpers.GetPressureConversionFactor(c.from, c.toIndex), c.factor);
        EXPECT_DOUBLE_EQ(helpers.m_PressureConversionFactor, c.factor);
        EXPECT_EQ(helpers.m_TargetPressureUnit, c.target);
    }
}

TEST_F(PageHelpers_, PressureGaugeScaleAndLabelByUnit)
{
    const std::tuple<int, int, QString> cases[] = { { 6, 150, "psi" }, { 7, 12, "bar" },
        { 10, 12, QString::fromUtf8("Kg/cm\u00B2") }, { 12, 1050, "kPa" }, { 57, 100, "%" }, { 0, 100, "%" } };
    PageHelpers helpers;
    for (const auto& [unit, scale, label] : cases) {
        EXPECT_EQ(helpers.GetPressureGaugeScale(unit), scale) << unit;
        EXPECT_EQ(helpers.m_PressureUnitLabel.toQString(), label);
    }
}

TEST_F(PageHelpers_, WindowTextReadsAsItsLeadingNumberInTheCLocale)
{
    const std::pair<QString, double> cases[]
        = { { "  12.5", 12.5 }, { "", 0.0 }, { "abc", 0.0 }, { "12abc", 12.0 }, { "-3e2", -300.0 }, { "12,5", 12.0 } };
    QLineEdit edit;
    for (const auto& [text, number] : cases) {
        edit.setText(text);
        EXPECT_DOUBLE_EQ(GetWindowNumber(&edit), number) << text.toStdString();
    }
    QLabel label("7.25 mm");
    EXPECT_DOUBLE_EQ(GetWindowNumber(&label), 7.25);
    EXPECT_EQ(GetWindowNumber(nullptr), 0.0);
}

TEST_F(PageHelpers_, WindowTextReadsAsItsLeadingWholeNumber)
{
    const std::pair<QString, int> cases[] = { { "  12", 12 }, { "", 0 }, { "abc", 0 }, { "12.9", 12 }, { "-7", -7 },
        { "+5x", 5 }, { "3e2", 3 }, { "99999999999", INT_MAX }, { "-99999999999", INT_MIN } };
    QLineEdit edit;
    for (const auto& [text, number] : cases) {
        edit.setText(text);
        EXPECT_EQ(GetWindowInt(&edit), number) << text.toStdString();
    }
    EXPECT_EQ(GetWindowInt(nullptr), 0);
}

TEST_F(PageHelpers_, WindowFloatIsRoundedToSinglePrecision)
{
    QLineEdit edit("0.1");
    const double widened = GetWindowFloat(&edit);
    EXPECT_EQ(widened, double(0.1f));
    EXPECT_NE(widened, 0.1);
    edit.setText("1e39");
    EXPECT_TRUE(std::isinf(GetWindowFloat(&edit))) << "beyond the float range becomes infinity";
}

TEST_F(PageHelpers_, WindowIntReadsTheLeadingWholeNumberAndStopsAtTheEndsOfAnInt)
{
    const std::pair<QString, int> cases[] = {
        { "", 0 },
        { "abc", 0 },
        { "350", 350 },
        { "  42", 42 },
        { "+7", 7 },
        { "-7", -7 },
        { "12.9", 12 },
        { "2500000 counts", 2500000 },
        { "99999999999999999999", 2147483647 },
        { "-99999999999999999999", -2147483647 - 1 },
    };
    QLineEdit edit;
    for (const auto& [text, number] : cases) {
        edit.setText(text);
        EXPECT_EQ(GetWindowInt(&edit), number) << text.toStdString();
    }
    EXPECT_EQ(GetWindowInt(nullptr), 0);
}

TEST_F(PageHelpers_, ProgramFolderEndsInASlashAndCanBeMovedByTheEnvironment)
{
    qunsetenv("STROKEWISE_HOME");
    PageHelpers helpers;
    EXPECT_EQ(helpers.GetAppFolder(), QCoreApplication::applicationDirPath() + "/");
    qputenv("STROKEWISE_HOME", "/opt/strokewise");
    EXPECT_EQ(helpers.GetAppFolder(), "/opt/strokewise/");
    EXPECT_EQ(helpers.m_AppFolder, "/opt/strokewise/");
    qunsetenv("STROKEWISE_HOME");
}

TEST_F(PageHelpers_, ImageDisplayIsCreatedAtTheRectangleWithItsPicture)
{
    FormPage page("CTestPage", 1);
    page.resize(400, 300);
    AppLog log;
    const QRect screen(page.mapToGlobal(QPoint(10, 20)), QSize(100, 50));
    IImageDisplayPtr image = CreateImageDisplayControl(&page, screen, 5115, 132, log);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->geometry(), QRect(10, 20, 100, 50));
    EXPECT_EQ(page.control(5115), image.get());
    EXPECT_EQ(image->imageResource(), 132);

    ControlRegistry::instance().remove("DisplayLib.ImageDisplay");
    EXPECT_FALSE(CreateImageDisplayControl(&page, screen, 5116, 132, log));
    QFile file(AppLog::filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        file.readAll().contains("Failed to instantiate the ActiveX control. Contact your system administrator"));
}

TEST(SigDataStorage, RowsAccumulateScaledDifferencesPerDirection)
{
    CSigDataStorage storage;
    storage.SetScale(2.0);
    int status = -1;
    storage.AddOpenDataRow(1.0, 5.0, 3.0, status);
    EXPECT_EQ(status, 0);
    storage.AddOpenDataRow(2.0, 1.0, 3.0, status);
    storage.AddCloseDataRow(3.0, 4.0, 4.0, status);
    EXPECT_EQ(storage.OpenRowCount(), 2);
    EXPECT_EQ(storage.CloseRowCount(), 1);
    EXPECT_EQ(storage.OpenRows().back().value, -4.0);
    EXPECT_EQ(storage.OpenRows().front().x, 1.0);
    storage.Clear();
    EXPECT_EQ(storage.OpenRowCount(), 0);
    EXPECT_TRUE(storage.CloseRows().empty());
}
