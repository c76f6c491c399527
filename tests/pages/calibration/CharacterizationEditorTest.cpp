#include "CharacterizationPageTest.h"

#include "SimFaults.h"

#include "controls/WinColor.h"
#include "ui/Pictures.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

namespace
{
class CharacterizationEditorTest : public CharacterizationPageTest
{
protected:
    std::vector<double> plotted()
    {
        std::vector<double> out;
        const IPlotChannelPtr curve = editor().plot()->ChannelByName(QStringLiteral("CharCurve"));
        for (int i = 0; i < curve->Count(); ++i)
            out.push_back(curve->GetY(i));
        return out;
    }
    QStringList rows()
    {
        QStringList out;
        for (int k = 1; k <= Editor::PointRows; ++k)
            out << row(k);
        return out;
    }
};
} // namespace

TEST_F(CharacterizationEditorTest, FirstVisitReadsTheActuatorThenTheDeviceCurveAndRetrieveStopsTheActuatorRead)
{
    showSelection();
    click(info(), Info::CustomizeButton);
    EXPECT_EQ(joined(sent()), "230, 246, 173, 220, 202, 212, 244");
    EXPECT_EQ(text(Editor::RangeabilityEdit), QStringLiteral("30"));
    EXPECT_EQ(text(Editor::SettingEdit), QStringLiteral("Linear"));
    EXPECT_EQ(text(Editor::StrokeLengthEdit), QStringLiteral("1.50"));
    EXPECT_EQ(text(Editor::StrokeUnitLabel), data().TravelUnitLabel);
    EXPECT_EQ(row(1), QStringLiteral(" 5.00")) << "the simulated device's curve is linear";
    EXPECT_EQ(row(19), QStringLiteral("95.00"));
    EXPECT_EQ(spin(10), 5000.0);
    EXPECT_EQ(plotted().size(), 21u);
    EXPECT_EQ(editor().progress()->value(), 19);

    // A second visit before Retrieve reads the actuator again and resets the rangeability.
    type(Editor::RangeabilityEdit, QStringLiteral("77"));
    click(editor(), Editor::BackButton);
    device().clearRequests();
    click(info(), Info::CustomizeButton);
    EXPECT_EQ(joined(sent()), "230, 246, 173, 220, 202, 212, 244");
    EXPECT_EQ(text(Editor::RangeabilityEdit), QStringLiteral("30"));

    device().clearRequests();
    click(editor(), Editor::RetrieveButton);
    EXPECT_EQ(joined(sent()), "246, 173, 220, 202, 212, 244");
    EXPECT_TRUE(editor().retrieved());
    type(Editor::RangeabilityEdit, QStringLiteral("77"));
    click(editor(), Editor::BackButton);
    device().clearRequests();
    click(info(), Info::CustomizeButton);
    EXPECT_EQ(joined(sent()), "246, 173, 220, 202, 212, 244");
    EXPECT_EQ(text(Editor::RangeabilityEdit), QStringLiteral("77"));
}

TEST_F(CharacterizationEditorTest, EditsSpinsAndPlotFollowEachOther)
{
    showEditor();
    struct Case {
        int row;
        const char* typed;
        double plottedValue;
        double spinValue;
    };
    const Case cases[] = {
        { 2, "8.25", 8.25, 825 },
        { 9, "135", 100, 10000 },
        { 4, "-3", 0, 0 },
        // A text that is no number moves neither: they keep the device's point.
        { 6, "abc", 30, 3000 },
        { 7, "12abc", 35, 3500 },
        { 8, "0x20", 40, 4000 },
        { 5, "1,5", 25, 2500 },
    };
    for (const Case& c : cases) {
        typeRow(c.row, QString::fromLatin1(c.typed));
        EXPECT_EQ(curveY(editor().plot(), c.row), c.plottedValue) << c.typed;
        EXPECT_EQ(spin(c.row), c.spinValue) << c.typed;
        EXPECT_EQ(row(c.row), QString::fromLatin1(c.typed)) << "the edit keeps what was typed";
    }
    // A step of the spin writes its value into the edit, once.
    editor().pointSpin(3)->setValue(1250);
    EXPECT_EQ(row(3), QStringLiteral("12.5"));
    EXPECT_EQ(curveY(editor().plot(), 3), 12.5);
    EXPECT_EQ(spin(3), 1250.0);
}

TEST_F(CharacterizationEditorTest, RangeabilityIsHeldToItsRangeWhenTheEditIsLeft)
{
    showEditor();
    QWidget* edit = editor().control(Editor::RangeabilityEdit);
    const std::pair<const char*, const char*> cases[]
        = { { "7", "30" }, { "301", "300" }, { "88.9", "88" }, { "500", "300" }, { "45.7", "45" }, { "x", "45" },
              // A text that is no number leaves the value held before.
              { "0x20", "45" }, { "12abc", "45" }, { "1,5", "45" } };
    for (const auto& [typed, kept] : cases) {
        type(Editor::RangeabilityEdit, QString::fromLatin1(typed));
        leave(edit);
        EXPECT_EQ(text(Editor::RangeabilityEdit), QString::fromLatin1(kept)) << typed;
        EXPECT_EQ(editor().rangeabilitySpin()->intValue(), QString::fromLatin1(kept).toInt()) << typed;
    }
    // The spin's own steps show in the edit.
    editor().rangeabilitySpin()->setIntValue(50);
    EXPECT_EQ(text(Editor::RangeabilityEdit), QStringLiteral("50"));
    click(editor(), Editor::EqualPercentButton);
    EXPECT_EQ(row(10), QStringLiteral("12.14"));
    EXPECT_EQ(row(19), QStringLiteral("80.23"));
    EXPECT_EQ(editor().progress()->value(), 95);

    // Out of range, the button only refreshes the edits from the plot.
    editor().rangeabilitySpin()->setValueSilently(500);
    typeRow(10, QStringLiteral("33"));
    click(editor(), Editor::EqualPercentButton);
    EXPECT_EQ(row(10), QStringLiteral("33.00"));
}

TEST_F(CharacterizationEditorTest, DefaultEqualPercentLoadAndResetTheCurve)
{
    showEditor();
    const std::vector<double> read = plotted();
    click(editor(), Editor::DefaultButton);
    EXPECT_EQ(row(1), QStringLiteral(" 8.66"));
    EXPECT_EQ(row(10), QStringLiteral("58.47"));
    EXPECT_EQ(row(19), QStringLiteral("94.45"));
    EXPECT_EQ(spin(2), double(16.24f) * 100.0);
    click(editor(), Editor::ResetButton);
    EXPECT_EQ(plotted(), read);
    EXPECT_EQ(row(1), QStringLiteral(" 5.00"));

    // After Apply the reset restores the curve applied, the one the device holds.
    typeRow(10, QStringLiteral("70"));
    click(editor(), Editor::ApplyButton);
    click(editor(), Editor::DefaultButton);
    click(editor(), Editor::ResetButton);
    EXPECT_EQ(row(10), QStringLiteral("70.00"));
    EXPECT_EQ(row(9), QStringLiteral("45.00"));
}

TEST_F(CharacterizationEditorTest, ResetAfterApplyingTheDefaultCurveBringsBackTheCurveTheDeviceHolds)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        showSelection(path);
        click(info(), Info::CustomizeButton);
        ASSERT_EQ(row(1), QStringLiteral(" 5.00"));
        click(editor(), Editor::DefaultButton);
        click(editor(), Editor::ApplyButton);
        click(editor(), Editor::ResetButton);
        const QStringList reset = rows();
        EXPECT_EQ(reset.first(), QStringLiteral(" 8.66"));
        EXPECT_EQ(reset[9], QStringLiteral("58.47"));
        EXPECT_EQ(reset.last(), QStringLiteral("94.45"));
        // The device holds just that: Retrieve shows the same rows, and
        // Apply after the reset writes the default curve again.
        const std::vector<double> drawn = plotted();
        click(editor(), Editor::RetrieveButton);
        EXPECT_EQ(rows(), reset);
        EXPECT_EQ(plotted(), drawn);
        click(editor(), Editor::ResetButton);
        device(path).clearRequests();
        click(editor(), Editor::ApplyButton);
        EXPECT_EQ(hexOf(213, path),
            std::vector<std::string>({ "16 D5 14 00 00 03 62 06 58 09 0D 0B C3 0D CB 0F D3 11 BE 13 AA 15 40" }));
        EXPECT_EQ(hexOf(245, path),
            std::vector<std::string>({ "18 F5 16 16 D7 18 5F 19 E7 1B 73 1C FF 1E 89 20 13 21 66 22 B9 24 E5 27 10" }));
        m_app.reset();
    }
}

TEST_F(CharacterizationEditorTest, ApplyWritesTheStrokeThenThePointsAsTyped)
{
    showEditor();
    typeRow(2, QStringLiteral("8.29"));
    typeRow(5, QStringLiteral("0"));
    typeRow(12, QStringLiteral("100"));
    typeRow(3, QStringLiteral("16.24"));
    click(editor(), Editor::ApplyButton);
    EXPECT_TRUE(prompts().records().empty()) << "no question asked";
    EXPECT_EQ(joined(sent()), "201 word 0x74, 213, 245");
    EXPECT_EQ(hexOf(201), std::vector<std::string>({ "0C C9 0A EE 00 74 00 96 FE 00 00 00 00" }));
    EXPECT_EQ(hexOf(213),
        std::vector<std::string>({ "16 D5 14 00 00 01 F4 03 3D 06 58 07 D0 00 00 0B B8 0D AC 0F A0 11 94" }));
    EXPECT_EQ(hexOf(245),
        std::vector<std::string>({ "18 F5 16 13 88 15 7C 27 10 19 64 1B 58 1D 4C 1F 40 21 34 23 28 25 1C 27 10" }));
    // The device now holds that stroke and that curve.
    device().clearRequests();
    click(editor(), Editor::BackButton);
    click(info(), Info::CustomizeButton);
    EXPECT_EQ(text(Editor::StrokeLengthEdit), QStringLiteral("1.50"));
    EXPECT_EQ(row(2), QStringLiteral(" 8.29"));
    EXPECT_EQ(row(12), QStringLiteral("100.00"));
}

TEST_F(CharacterizationEditorTest, APointTheDeviceCannotTakeIsMarkedAndApplyWritesNothing)
{
    showSelection(K40Path);
    click(info(), Info::CustomizeButton);
    const QLabel* mark = editor().controlAs<QLabel>(Editor::PointMarks[4]);
    auto marked = [mark](int icon) { return mark->pixmap().toImage() == Pictures::load(icon).toImage(); };
    ASSERT_TRUE(marked(139));
    // The device keeps hundredths of a percent: what would be cut into the
    // range, or to another hundredth, is refused as typed, key by key.
    for (const char* typed : { "abc", "150", "-50", "100.01", "-0.01", "", "12abc", "1e300", "0x20", "1,5", "nan", "-1",
             "-0.001", "100.001", "12.345" }) {
        SCOPED_TRACE(typed);
        typeRowKeys(5, typed);
        EXPECT_EQ(row(5), QString::fromLatin1(typed)) << "the edit keeps what was typed";
        EXPECT_TRUE(marked(138));
        EXPECT_EQ(mark->toolTip(), QStringLiteral("Please enter values between 0 and 100 in steps of 0.01"));
        device(K40Path).clearRequests();
        click(editor(), Editor::ApplyButton);
        EXPECT_EQ(joined(sent(K40Path)), "");
        EXPECT_EQ(row(5), QString::fromLatin1(typed)) << "the edit keeps what was typed";
    }
    EXPECT_TRUE(logTexts().contains(QStringLiteral(
        "Write_Charact_cmd not sent: a point is not one of the values between 0 and 100 in steps of 0.01")));

    // Put right, the 25 % point goes out as typed: 2500 hundredths.
    const std::pair<const char*, const char*> taken[] = { { "25", "09 C4" }, { "0", "00 00" }, { "2.5", "00 FA" },
        { "5.5", "02 26" }, { "12.34", "04 D2" }, { "100", "27 10" } };
    for (const auto& [typed, word] : taken) {
        SCOPED_TRACE(typed);
        typeRowKeys(5, typed);
        EXPECT_TRUE(marked(139));
        device(K40Path).clearRequests();
        click(editor(), Editor::ApplyButton);
        EXPECT_EQ(joined(sent(K40Path)), "201 word 0x74, 213, 245");
        EXPECT_EQ(hexOf(213, K40Path).back().substr(3 * 13, 5), word);
    }
}

TEST_F(CharacterizationEditorTest, StrokeIsWrittenOnlyWhenReadSinceActivationOrTyped)
{
    startK90();
    clock().advance(2000);
    select(CharacterizationCode);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 173);
    click(info(), Info::CustomizeButton);
    device().clearRequests();
    click(editor(), Editor::ApplyButton);
    EXPECT_EQ(joined(sent()), "213, 245");
    EXPECT_TRUE(logTexts().contains(QStringLiteral("Write_Misc_cmd not sent: no Read_Valve_Travel_Cycle_Count reply")));

    // A stroke the user typed is written, read as a decimal.
    type(Editor::StrokeLengthEdit, QStringLiteral("1.99"));
    device().clearRequests();
    click(editor(), Editor::ApplyButton);
    EXPECT_EQ(hexOf(201), std::vector<std::string>({ "0C C9 0A EE 00 74 00 C7 FE 00 00 00 00" }));
    EXPECT_EQ(device().miscWord(0x74), 199);
}

TEST_F(CharacterizationEditorTest, AppliedCustomCurveMovesTheSimulatedValve)
{
    showEditor();
    // A well-kept valve: little stick-slip to carry it past where the curve puts it.
    ValveModelParams smooth = device().physics();
    smooth.staticFrictionLbf = 40.0;
    smooth.dynamicFrictionLbf = 30.0;
    device().setPhysics(smooth);
    typeRow(10, QStringLiteral("70"));
    click(editor(), Editor::ApplyButton);
    click(editor(), Editor::BackButton);
    info().overrideToggle()->setValue(true);
    emit info().overrideToggle()->changed();
    info().combo()->setCurrentIndex(2);
    emit info().combo()->activated(2);
    click(info(), Info::ApplyButton);
    device().setAnalogCommand(50);
    clock().advance(20000);
    EXPECT_NEAR(device().valve().positionPercent(), 70.0, 0.5);
    device().setAnalogCommand(100);
    clock().advance(20000);
    EXPECT_GT(device().valve().positionPercent(), 99.0);
}

TEST_F(CharacterizationEditorTest, SavedCurveLoadsBackAndAForeignFileIsRefused)
{
    startK90();
    device().setTag(QByteArray("LV/7"));
    clock().setLocalStart(QDateTime(QDate(2032, 1, 9), QTime(6, 7, 0)));
    clock().advance(2000);
    select(CharacterizationCode);
    click(info(), Info::CustomizeButton);
    click(editor(), Editor::DefaultButton);
    const QStringList defaults = rows();
    const std::vector<double> drawn = plotted();
    const QString path = tempPath(QStringLiteral("default.curve"));
    prompts().answerFile(path, QStringLiteral("Save Stroke Characterization As"));
    device().clearRequests();
    click(editor(), Editor::SaveButton);
    EXPECT_EQ(joined(sent()), "13");
    ASSERT_EQ(prompts().records().size(), 1u);
    const Prompts::FileDialog dialog = prompts().records()[0].dialog;
    EXPECT_EQ(dialog.initialName, QStringLiteral("LV_7_2032_1_9_6h_7m.curve"));
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.curve)|*.curve|"));
    EXPECT_TRUE(app().records().m_StrokeCharacterizationReport.m_strTag.toQString().startsWith(QStringLiteral("LV/7")));
    // The file is a seed of the plot data file fuzzer's corpus.
    keepAsFuzzSeed(path, QStringLiteral("default_curve.curve"));

    click(editor(), Editor::ResetButton);
    EXPECT_NE(rows(), defaults);
    prompts().answerFile(std::nullopt, QStringLiteral("Open Stroke Characterization"));
    click(editor(), Editor::LoadButton);
    EXPECT_NE(rows(), defaults) << "Cancel changes nothing";
    prompts().answerFile(path, QStringLiteral("Open Stroke Characterization"));
    click(editor(), Editor::LoadButton);
    EXPECT_EQ(rows(), defaults);
    EXPECT_EQ(plotted(), drawn);

    // A curve file whose point lies beyond 100 %: refused, the rows stay.
    Plot spike;
    spike.LoadDataFile(path);
    spike.ChannelByName(QStringLiteral("CharCurve"))->SetY(5, 1e300);
    const QString spiked = tempPath(QStringLiteral("spike.curve"));
    spike.SaveDataFile(spiked);
    prompts().clearRecords();
    prompts().answerFile(spiked);
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    click(editor(), Editor::LoadButton);
    EXPECT_EQ(prompts().messageTexts(), QStringList { QStringLiteral("File open error.") });
    EXPECT_EQ(rows(), defaults) << "the rows stay";
    EXPECT_EQ(plotted(), drawn) << "and so does the curve drawn beside them";
    device().clearRequests();
    click(editor(), Editor::ApplyButton);
    EXPECT_EQ(hexOf(213).back().substr(3 * 13, 5), "0D CB") << "the default 35.31 % at 25 %, not 100 %";

    // Another program's file under the curve's name.
    Plot trends;
    trends.AddChannel();
    trends.Channel(0)->SetName(QStringLiteral("Position"));
    trends.Channel(0)->AddXY(1, 2);
    const QString foreign = tempPath(QStringLiteral("trends.curve"));
    trends.SaveDataFile(foreign);
    prompts().answerFile(foreign);
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    click(editor(), Editor::LoadButton);
    EXPECT_EQ(plotted(), drawn) << "the curve stays";
    EXPECT_EQ(rows(), defaults) << "the rows stay";
    // The page still works.
    click(editor(), Editor::EqualPercentButton);
    EXPECT_EQ(curvePoints(editor().plot()), 21);
    EXPECT_EQ(row(10), QStringLiteral("14.92"));
}

TEST_F(CharacterizationEditorTest, GrabbedEditorShowsTheCurveColourAtItsPlottedPoint)
{
    showEditor();
    editor().resize(editor().sizeHint().expandedTo(QSize(900, 760)));
    typeRow(10, QStringLiteral("70"));
    const IPlotPtr plot = editor().plot();
    const QRectF area = plot->plotArea();
    const QPoint at(qRound(area.left() + area.width() * 0.5), qRound(area.bottom() - area.height() * 0.7));
    const QImage image = editor().grab().toImage();
    const QPoint onPage = plot->mapTo(&editor(), at);
    const QColor expected = WinColor::toQColor(CharacterizationCurve::Colour);
    bool found = false;
    for (int dx = -2; dx <= 2 && !found; ++dx) {
        for (int dy = -2; dy <= 2 && !found; ++dy)
            found = image.pixelColor(onPage + QPoint(dx, dy)) == expected;
    }
    EXPECT_TRUE(found) << "no CharCurve colour near (50, 70)";
    image.save(tempPath(QStringLiteral("editor.png")));
}

TEST_F(CharacterizationEditorTest, TheWarningStandsAboveItsTextAndBothColumnHeadsShareThePageFont)
{
    showEditor();
    const QRect banner = editor().control(Editor::WarningLabel)->geometry();
    const QRect warning = editor().control(Editor::WarningText)->geometry();
    EXPECT_LE(banner.bottom(), warning.top()) << "the banner is above its text";
    EXPECT_EQ(banner.left(), warning.left()) << "both start at the same left edge";

    QList<QLabel*> heads;
    for (QLabel* label : editor().findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text() == QLatin1String("Input Signal %") || label->text() == QLatin1String("Output Signal %"))
            heads << label;
    }
    ASSERT_EQ(heads.size(), 2);
    for (QLabel* head : heads) {
        EXPECT_EQ(head->font(), editor().font()) << head->text().toStdString();
        EXPECT_LE(QFontMetrics(head->font()).horizontalAdvance(head->text()), head->width())
            << head->text().toStdString() << " on one line";
    }
}
