#include "SwTest.h"

#include "ReportHeaderFill.h"
#include "calibration/ActuatorIntroRules.h"
#include "calibration/ActuatorTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <set>

namespace
{
using namespace ActuatorIntroRules;

std::vector<ActuatorTableEntry> parsed(const QByteArray& bytes)
{
    CActuatorStorage storage;
    ActuatorTable::parse(bytes, storage);
    return storage.entries();
}

QStringList models(const std::vector<ActuatorTableEntry>& entries)
{
    QStringList out;
    for (const ActuatorTableEntry& entry : entries)
        out << entry.Model;
    return out;
}

void expectEntry(
    const ActuatorTableEntry& entry, const char* maker, const char* model, double area, int code, int index)
{
    EXPECT_EQ(entry.Manufacturer, QString::fromLatin1(maker));
    EXPECT_EQ(entry.Model, QString::fromLatin1(model));
    EXPECT_DOUBLE_EQ(entry.Area, area);
    EXPECT_EQ(entry.ModelCode, code);
    EXPECT_EQ(entry.ModelIndex, index);
}
}

TEST(ActuatorTableReader, RowGivesItsFiveFieldsWithTheSeparatorsDropped)
{
    const auto entries = parsed("Ostelm\t!M1 @23.8 #1 ?0\nTevo\tignored!Big Model 2 @123.45 #65 ?7\n");
    ASSERT_EQ(entries.size(), 2u);
    expectEntry(entries[0], "Ostelm", "M1", 23.8, 1, 0);
    expectEntry(entries[1], "Tevo", "Big Model 2", 123.45, 65, 7);
}

TEST(ActuatorTableReader, CommentsBlankLinesLongLinesAndMissingMarkers)
{
    const QByteArray row69 = "Quirrel\t!" + QByteArray(48, 'x') + " @1.5 #54 ?3"; // 69 characters
    ASSERT_EQ(row69.size(), 69);
    const QByteArray row68 = "Quirrel\t!" + QByteArray(47, 'x') + " @1.5 #54 ?3";
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList models;
    };
    const Case cases[] = {
        { "a comment adds nothing", "/ Quirrel\t!Q @1 #1 ?1\nA\t!M1 @1 #1 ?0\n", { "M1" } },
        { "a blank line is an entry", "A\t!M1 @1 #1 ?0\n\nA\t!M2 @2 #2 ?1\n", { "M1", "", "M2" } },
        { "68 characters are one row", row68 + "\n", { QString(47, QLatin1Char('x')) } },
        { "69 characters: the row, then the line end alone", row69 + "\nA\t!M1 @1 #1 ?0\n",
            { QString(48, QLatin1Char('x')), "", "M1" } },
        { "a longer line in pieces of 69", QByteArray(69, 'y') + "\t!M9 @1 #1 ?0\n", { "", "M9" } },
        { "a comment piece of a long line is skipped", QByteArray(69, 'y') + "/ tail\n", { "" } },
        { "no file end after the last line", "A\t!M1 @1 #1 ?0\nA\t!M2 @2 #2 ?12", { "M1", "M2" } },
        { "an empty file", "", {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(models(parsed(c.bytes)), c.models) << c.what;

    // The entries the odd lines give.
    const auto blank = parsed("\n");
    ASSERT_EQ(blank.size(), 1u);
    expectEntry(blank[0], "", "", 0.0, 0, 0);
    const auto noMarkers = parsed("Plain words without markers\n");
    ASSERT_EQ(noMarkers.size(), 1u);
    expectEntry(noMarkers[0], "", "", 0.0, 0, 0);
    const auto lastLine = parsed("A\t!M1 @1 #1 ?0\nA\t!M2 @2.5 #2 ?12");
    expectEntry(lastLine.back(), "A", "M2", 2.5, 2, 12);
    // A missing marker counts as position -1: the cuts run from the line's start.
    const auto noTab = parsed("12abc!M3 @4 #5 ?6\n");
    expectEntry(noTab[0], "", "M3", 4.0, 5, 6);
    const auto noQuestion = parsed("7\t!M3 @4 #5 \n");
    expectEntry(noQuestion[0], "7", "M3", 4.0, 0, 7); // the code ends before "?": nothing
}

TEST(ActuatorTableReader, BlankLineInsideOneMakersRunSplitsItIntoTwoListItems)
{
    CActuatorStorage table;
    ActuatorTable::parse("Tevo\t!P-100 @100 #65 ?0\n\nTevo\t!P-150 @150 #66 ?1\nQuirrel\t!16 @16 #54 ?0\n", table);
    EXPECT_EQ(manufacturerRuns(table), QStringList({ "Tevo", "", "Tevo", "Quirrel" }));
    EXPECT_EQ(modelsOf(table, QStringLiteral("Tevo")), QStringList({ "P-100" })) << "the first run only";
}

TEST(ActuatorTableReader, CrlfCopyGivesTheEntriesOfTheLfFile)
{
    const QByteArray lf = "/ comment\nA\t!M1 @1.5 #1 ?0\n\n" + QByteArray(60, 'z') + "\t!M2 @2 #2 ?1\nB\t!M3 @3 #3 ?12";
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    const auto fromLf = parsed(lf);
    const auto fromCrlf = parsed(crlf);
    ASSERT_EQ(fromCrlf.size(), fromLf.size());
    for (size_t k = 0; k < fromLf.size(); ++k) {
        expectEntry(fromCrlf[k], fromLf[k].Manufacturer.toLatin1().constData(), fromLf[k].Model.toLatin1().constData(),
            fromLf[k].Area, fromLf[k].ModelCode, fromLf[k].ModelIndex);
    }
    // A line end of a lone CR is dropped too.
    EXPECT_EQ(parsed("A\t!M1 @1 #1 ?4\r").back().ModelIndex, 4);
}

TEST(ActuatorTableReader, TableUnderADeepFolderLoadsAndAMissingOneDoesNot)
{
    QTemporaryDir base;
    QString folder = base.path();
    while (folder.size() < 180)
        folder += QStringLiteral("/deeper_folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Actuators.tbl");
    ASSERT_GT(path.size(), 180);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Tevo\t!P-100 @100 #65 ?0\n");
    file.close();

    CActuatorStorage table;
    EXPECT_TRUE(ActuatorTable::load(path, table));
    EXPECT_EQ(table.count(), 1);
    EXPECT_FALSE(ActuatorTable::load(folder + QStringLiteral("/missing.tbl"), table));
    EXPECT_EQ(table.count(), 1) << "nothing added";
}

TEST(ShippedActuatorTable, RunsAreTheReportMakersInCodeOrderAndModelsTheReportTextsOfTheirCodes)
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Actuators.tbl");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    for (const QByteArray& line : bytes.split('\n')) {
        EXPECT_LE(line.size(), 68) << line.constData();
        EXPECT_FALSE(line.contains('\r')) << line.constData();
    }
    EXPECT_TRUE(bytes.endsWith('\n'));
    EXPECT_FALSE(bytes.contains("\n\n")) << "no blank line";

    CActuatorStorage table;
    ActuatorTable::parse(bytes, table);
    const QStringList runs = manufacturerRuns(table);
    ASSERT_EQ(runs.size(), 7);
    for (int maker = 0; maker < runs.size(); ++maker)
        EXPECT_EQ(runs[maker], ReportCatalogue::ActuatorMaker(uint8_t(maker))) << maker;

    std::set<int> codes;
    std::set<QString> names;
    QString run;
    int index = 0;
    for (const ActuatorTableEntry& entry : table.entries()) {
        EXPECT_LT(entry.ModelCode, 96);
        EXPECT_EQ(entry.Model, ReportCatalogue::ActuatorModelSize(uint8_t(entry.ModelCode))) << entry.ModelCode;
        EXPECT_TRUE(codes.insert(entry.ModelCode).second) << "code twice: " << entry.ModelCode;
        EXPECT_TRUE(names.insert(entry.Model).second) << "name twice: " << entry.Model.toStdString();
        index = entry.Manufacturer == run ? index + 1 : 0;
        run = entry.Manufacturer;
        EXPECT_EQ(entry.ModelIndex, index) << entry.Model.toStdString();
        EXPECT_GT(entry.Area, 0.0) << entry.Model.toStdString();
        EXPECT_EQ(modelItemOfCode(table, uint8_t(entry.ModelCode)), index);
    }
}

TEST(ActuatorIntroRules, PressureUnitItemsAndTheUnitsAChoiceLeadsTo)
{
    struct Case {
        int deviceUnit;
        int item; // selected for it
        std::optional<uint8_t> targets[4]; // Apply's target with items 0..3
    };
    const std::optional<uint8_t> none;
    const Case cases[] = {
        { 6, 0, { 6, 7, 10, 12 } },
        { 7, 1, { 6, 7, 10, 12 } },
        { 10, 2, { 6, 7, 10, 12 } },
        { 12, 3, { 6, 7, 10, 12 } },
        { 57, -1, { none, none, none, none } },
        { 0, 0, { none, none, none, none } },
        { 8, 0, { none, none, none, none } },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(unitItemOfCode(c.deviceUnit), c.item) << c.deviceUnit;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(targetUnit(c.deviceUnit, k), c.targets[k]) << c.deviceUnit << " item " << k;
        EXPECT_EQ(targetUnit(c.deviceUnit, -1), none) << "nothing selected";
    }
    EXPECT_EQ(QString::fromUtf8(PressureUnits[0].text), QStringLiteral("lbs/in\u00b2 (psi)"));
    EXPECT_EQ(QString::fromUtf8(PressureUnits[3].text), QStringLiteral("kiloPascals (kPa)"));
}

TEST(ActuatorIntroRules, ConvertedFullScaleAndAreaTenthsLoseNoUnitAndSaturate)
{
    // 6.895 x 80 x 100 is 55159.99... in binary.
    EXPECT_EQ(convertedFullScale(6.895, double(80.0f)), 55160u);
    EXPECT_EQ(convertedFullScale(14.5038, 1.0), 1450u);
    EXPECT_EQ(convertedFullScale(1.0e12, 1.0), 0xFFFFFFFFu);
    EXPECT_EQ(convertedFullScale(0.06895, -5.0), 0u);
    // The nearest hundredth of the new unit, not the one below: 60 psi is
    // 4.137 bar, 4.22 kg/cm2 is 60.008 psi.
    EXPECT_EQ(convertedFullScale(0.06895, 60.0), 414u);
    EXPECT_EQ(convertedFullScale(14.22, double(4.22f)), 6001u);
    EXPECT_EQ(convertedFullScale(0.0101972, 413.0), 421u);

    struct Case {
        float area;
        uint16_t tenths;
    };
    const Case cases[] = { { 12.34f, 123 }, { 23.8f, 238 }, { 45.6f, 456 }, { 12.35f, 124 }, { 0.0f, 0 },
        { 6553.5f, 65535 }, { 7000.0f, 65535 }, { -5.0f, 0 }, { std::numeric_limits<float>::infinity(), 65535 },
        { std::nanf(""), 0 } };
    for (const Case& c : cases)
        EXPECT_EQ(areaTenths(c.area), c.tenths) << c.area;

    // An area goes to the device only as typed, a tenth from 1 to the word's
    // end: nothing is rounded into the range or to another tenth.
    const std::pair<double, bool> acceptable[] = { { 0.1, true }, { 0.05, false }, { 0.04, false }, { 0.0, false },
        { -5.0, false }, { 12.3, true }, { 12.34, false }, { 6553.5, true }, { 6553.54, false }, { 6553.6, false },
        { std::numeric_limits<double>::infinity(), false }, { std::nan(""), false } };
    for (const auto& [area, ok] : acceptable)
        EXPECT_EQ(areaAcceptable(area), ok) << area;
}

TEST(ActuatorIntroRules, AUnitChangeConvertsFromTheHeldPsiOrTheSupplyInPsiWhileTheFullScaleIsThatSupply)
{
    // Factors from psi: to bar 0.06895, to kg/cm2 0.07031, to kPa 6.895; back
    // to psi by their reciprocals. Units: 6 psi, 7 bar, 10 kg/cm2, 12 kPa.
    struct Case {
        const char* what;
        uint32_t word; // the device's full scale, hundredths of `unit`
        uint8_t unit;
        std::optional<double> supplyPsi;
        std::optional<HeldFullScale> held;
        uint8_t target;
        uint32_t written;
    };
    const Case cases[] = {
        { "psi to bar", 6000, 6, 60.0, std::nullopt, 7, 414 },
        { "bar to kPa, 4.14 bar being 60 psi", 414, 7, 60.0, std::nullopt, 12, 41370 },
        { "kPa to kg/cm2", 41370, 12, 60.0, std::nullopt, 10, 422 },
        { "kg/cm2 back to psi", 422, 10, 60.0, std::nullopt, 6, 6000 },
        { "150 psi through bar back", 1034, 7, 150.0, std::nullopt, 6, 15000 },
        // 80 psi in bar is 5.516: 5.52 is that supply, 5.51 another one.
        { "5.52 bar is 80 psi", 552, 7, 80.0, std::nullopt, 6, 8000 },
        { "5.51 bar is another supply", 551, 7, 80.0, std::nullopt, 6, 7991 },
        // kPa: within 0.05 % of the supply converted (413.63 for 59.99 psi).
        { "413.70 kPa is 59.99 psi", 41370, 12, 59.99, std::nullopt, 6, 5999 },
        { "414.00 kPa is not", 41400, 12, 59.99, std::nullopt, 6, 6004 },
        { "psi other than the supply", 8000, 6, 60.0, std::nullopt, 12, 55160 },
        { "no supply read", 414, 7, std::nullopt, std::nullopt, 6, 6004 },
        { "a supply of 0", 0, 7, 0.0, std::nullopt, 12, 0 },
        // 20 psi is 1.379 bar, held as 1.38: converted from the word it would be 138.00 kPa.
        { "the held psi while the device holds its word and unit", 138, 7, 60.0, HeldFullScale { 20.0, 138, 7 }, 12,
            13790 },
        { "the held psi without a supply", 138, 7, std::nullopt, HeldFullScale { 20.0, 138, 7 }, 12, 13790 },
        { "the held psi before the supply", 414, 7, 60.0, HeldFullScale { 60.02, 414, 7 }, 6, 6002 },
        { "another word than the one held", 139, 7, 60.0, HeldFullScale { 20.0, 138, 7 }, 12, 13900 },
        { "another unit than the one held", 138, 10, 60.0, HeldFullScale { 20.0, 138, 7 }, 6, 1963 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fullScaleWord(fullScalePsi(c.word, c.unit, c.supplyPsi, c.held), c.target), c.written) << c.what;
    }

    // A change into a unit and back multiplies to one; a unit without a factor converts to nothing.
    for (const int unit : { 6, 7, 10, 12 })
        EXPECT_NEAR(unitsPerPsi(unit) * psiPerUnit(unit), 1.0, 1e-15) << unit;
    EXPECT_EQ(unitsPerPsi(57), 0.0);
    EXPECT_EQ(psiPerUnit(57), 0.0);
}
