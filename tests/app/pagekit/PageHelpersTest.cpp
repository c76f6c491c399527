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
#include <optional>
#include <tuple>

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

TEST_F(PageHelpers_, AWindowsTextIsItsNumberOnlyWhenTheWholeTextIsOne)
{
    const std::pair<QString, std::optional<double>> cases[] = {
        { "  12.5 ", 12.5 },
        { "-3e2", -300.0 },
        { "60", 60.0 },
        { "", std::nullopt },
        { "abc", std::nullopt },
        { "12abc", std::nullopt },
        { "5\t5", std::nullopt },
        { "0x20", std::nullopt },
        { "12,5", std::nullopt },
        { "nan", std::nullopt },
        { "1e999", std::nullopt },
    };
    QLineEdit edit;
    for (const auto& [text, number] : cases) {
        edit.setText(text);
        EXPECT_EQ(WindowNumber(&edit), number) << text.toStdString();
    }
    EXPECT_EQ(WindowNumber(new QLabel("7.25 mm", &edit)), std::nullopt) << "a unit after the number is not a number";
    EXPECT_EQ(WindowNumber(nullptr), std::nullopt);
}

TEST_F(PageHelpers_, AWindowsNumberInARangeIsCheckedWithItsFraction)
{
    const FieldRange minutes { 1, 60, FieldStep::Whole };
    const FieldRange percent { -5, 105 };
    const FieldRange area { 0.1, 6553.5, FieldStep::Tenths };
    const FieldRange stroke { 0.01, 100, FieldStep::Hundredths };
    const FieldRange counts { 0, 400000000, FieldStep::Whole };
    const FieldRange leak { 0, 65.535, FieldStep::Thousandths };
    const std::tuple<FieldRange, QString, std::optional<double>> cases[] = {
        { minutes, "1", 1.0 },
        { minutes, "60", 60.0 },
        { minutes, "0", std::nullopt },
        { minutes, "61", std::nullopt },
        { minutes, "60.9", std::nullopt },
        { minutes, "12.5", std::nullopt },
        { percent, "-5", -5.0 },
        { percent, "105", 105.0 },
        { percent, "-5.01", std::nullopt },
        { percent, "105.01", std::nullopt },
        { percent, "50.5", 50.5 },
        { percent, "50abc", std::nullopt },
        { area, "0.1", 0.1 },
        { area, "12.3", 12.3 },
        { area, "6553.5", 6553.5 },
        { area, "12.34", std::nullopt },
        { area, "0.05", std::nullopt },
        { area, "6553.51", std::nullopt },
        { stroke, "0.01", 0.01 },
        { stroke, "10.55", 10.55 },
        { stroke, "0.29", 0.29 },
        { stroke, "100", 100.0 },
        { stroke, "10.555", std::nullopt },
        { stroke, "0.005", std::nullopt },
        { counts, "399999999", 399999999.0 },
        { counts, "399999999.5", std::nullopt },
        { counts, "1000.5", std::nullopt },
        { counts, "4e8", 400000000.0 },
        { leak, "0.001", 0.001 },
        { leak, "65.535", 65.535 },
        { leak, "12.345", 12.345 },
        { leak, "0.0005", std::nullopt },
        { leak, "65.5355", std::nullopt },
    };
    QLineEdit edit;
    for (const auto& [range, text, number] : cases) {
        edit.setText(text);
        EXPECT_EQ(WindowNumberIn(&edit, range), number) << text.toStdString();
    }
}

TEST_F(PageHelpers_, ARangeNamesItsEndsAndTheStepItsValuesTake)
{
    EXPECT_EQ((FieldRange { 2, 655, FieldStep::Whole }.describe()), "whole numbers between 2 and 655");
    EXPECT_EQ(
        (FieldRange { 0.1, 6553.5, FieldStep::Tenths }.describe()), "values between 0.1 and 6553.5 in steps of 0.1");
    EXPECT_EQ(
        (FieldRange { 0, 99.99, FieldStep::Hundredths }.describe()), "values between 0 and 99.99 in steps of 0.01");
    EXPECT_EQ(
        (FieldRange { 0, 65.535, FieldStep::Thousandths }.describe()), "values between 0 and 65.535 in steps of 0.001");
    EXPECT_EQ((FieldRange { -5, 105 }.describe()), "values between -5 and 105");
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
