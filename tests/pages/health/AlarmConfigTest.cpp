#include "AlarmPageTest.h"

#include "MiscAccessors.h"
#include "PageLayoutCheck.h"
#include "SimTestHooks.h"
#include "health/AlarmConfigRules.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTableWidget>

namespace
{
using P = CAlarmConfig;
}

class AlarmConfigTest : public AlarmPageTest
{
protected:
    GridControl& grid() { return *config().grid(); }
    int rowOf(int status)
    {
        for (int r = 1; r < grid().Rows(); ++r)
            if (grid().TextMatrix(r, 0) == QString::number(status))
                return r;
        return -1;
    }
    QAbstractButton* button(int id) { return config().controlAs<QAbstractButton>(id); }
    void click(int id) { button(id)->click(); }
};

TEST_F(AlarmConfigTest, ListsTheModelsConfigurableStatusesByMaskClass)
{
    struct Case {
        const char* path;
        uint8_t config28; // before the pages are built
        int rows;
    };
    for (const Case& c : { Case { K90Path, 0x20, 63 }, Case { K40Path, 0x00, 57 }, Case { K40Path, 0x20, 63 } }) {
        SCOPED_TRACE(testing::Message() << c.path << " 0x28 = " << int(c.config28));
        start({ QStringLiteral("/d") + QString::fromLatin1(c.path) });
        device(c.path).setMiscByte(0x28, c.config28);
        app().misc().ReadMiscByte28Bit5(); // as the tree reads it before the pages are built
        CAlarmConfig built(app());
        built.OnInitialUpdate();
        GridControl& list = *built.grid();
        EXPECT_EQ(list.Rows() - 1, c.rows);
        EXPECT_EQ(list.TextMatrix(0, 2), QStringLiteral("Alarm Status"));
        EXPECT_EQ(list.TextMatrix(1, 0), QStringLiteral("0"));
        EXPECT_EQ(list.TextMatrix(1, 1), QStringLiteral("Initializing Mode"));
        m_app.reset();
    }
}

TEST_F(AlarmConfigTest, DisableThenApplyWritesTheWholeMaskWithoutReadingItAgain)
{
    startOn(K90Path);
    select(ConfigCode);
    const int failures = data().FailureCount;
    const int row = rowOf(21);
    ASSERT_GT(row, 0);
    grid().clickCell(row, 1);
    EXPECT_FALSE(button(P::EnableButton)->isEnabled());
    EXPECT_TRUE(button(P::DisableButton)->isEnabled());
    device().clearRequests();
    click(P::DisableButton);
    EXPECT_EQ(grid().TextMatrix(row, 2), QStringLiteral("Disabled"));
    EXPECT_TRUE(button(P::EnableButton)->isEnabled());
    EXPECT_FALSE(button(P::DisableButton)->isEnabled());
    EXPECT_EQ(joined(sent()), "") << "nothing is sent before Apply";

    click(P::ApplyButton);
    EXPECT_EQ(joined(sent()), "167");
    EXPECT_EQ(lastRequest(167).mid(2).toHex(' ').toStdString(), "ff ff df ff ff ff ff ff ff ff");
    EXPECT_EQ(grid().TextMatrix(row, 2), QStringLiteral("Disabled"));
    EXPECT_EQ(data().FailureCount, failures);
    EXPECT_EQ(data().Connected, 1);
    EXPECT_EQ(config().selectedRow(), 1);

    // Shown again, the device is read and row 1 is current.
    select(HubCode);
    select(ConfigCode);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().TextMatrix(row, 2), QStringLiteral("Disabled"));
}

TEST_F(AlarmConfigTest, EnableAndDisableChangeNothingOnTheHeaderRow)
{
    startOn(K90Path);
    writeDeviceMask(QByteArray(10, char(0x00)));
    select(ConfigCode);
    const auto before = config().workingStatusMask();
    grid().SetRow(0);
    click(P::EnableButton);
    click(P::DisableButton);
    EXPECT_EQ(config().workingStatusMask(), before);
    EXPECT_EQ(grid().TextMatrix(0, 0), QStringLiteral("Alarm"));
    EXPECT_EQ(grid().TextMatrix(0, 2), QStringLiteral("Alarm Status"));
    EXPECT_EQ(grid().TextMatrix(1, 2), QStringLiteral("Disabled"));

    // An edit not applied is dropped when the page is shown again.
    grid().clickCell(rowOf(12), 0);
    click(P::EnableButton);
    EXPECT_TRUE(AlarmConfigRules::maskBit(config().workingStatusMask(), 12));
    select(HubCode);
    select(ConfigCode);
    EXPECT_FALSE(AlarmConfigRules::maskBit(config().workingStatusMask(), 12));
    EXPECT_EQ(grid().TextMatrix(rowOf(12), 2), QStringLiteral("Disabled"));
}

TEST_F(AlarmConfigTest, DisabledStatusIsNoLongerNamedByTheStrip)
{
    startOn(K90Path);
    device().setStatus(47, true); // pneumatic leak warning
    select(ConfigCode);
    clock().advance(1000);
    EXPECT_TRUE(config().activeIndicator()->value().startsWith(QStringLiteral("47")))
        << config().activeIndicator()->value().toStdString();
    grid().clickCell(rowOf(47), 0);
    click(P::DisableButton);
    click(P::ApplyButton);
    clock().advance(20000);
    EXPECT_FALSE(config().activeIndicator()->value().contains(QStringLiteral("47")))
        << config().activeIndicator()->value().toStdString();
    EXPECT_NE(data().ActiveStatus, 47);
}

TEST_F(AlarmConfigTest, ApplyWithoutAMaskReadSinceActivationSendsNothingAndSaysSo)
{
    startOn(K90Path);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 166);
    select(ConfigCode);
    device().clearRequests();
    click(P::ApplyButton);
    EXPECT_FALSE(sent().contains(QStringLiteral("167"))) << joined(sent());
    EXPECT_TRUE(logTexts().contains(
        QStringLiteral("Write_Status_Mask_LDXD_Mode not sent: no Read_Status_Mask_LDXD_Mode reply")));
}

TEST_F(AlarmConfigTest, WithoutItsDefinitionFileThePageListsNothingAndSaysSoInTheGrid)
{
    startOn(K90Path);
    const QString emptyFolder = tempPath(QStringLiteral("no_definitions"));
    QDir().mkpath(emptyFolder);
    qputenv("STROKEWISE_HOME", emptyFolder.toUtf8());
    CAlarmConfig built(app());
    built.OnInitialUpdate();
    qunsetenv("STROKEWISE_HOME");
    GridControl& list = *built.grid();
    ASSERT_EQ(list.Rows(), 2);
    EXPECT_EQ(list.TextMatrix(1, 0), QStringLiteral("unable to open input file"));
    built.ActivatePage();
    EXPECT_EQ(list.TextMatrix(1, 2), QString());
    built.StopTimers();
}

TEST_F(AlarmConfigTest, EachRowShowsItsStatusNumberAsTheDefinitionFileWritesIt)
{
    startOn(K90Path);
    // The shipped file with status 8 written with a leading zero.
    QFile shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/SerratK90Errors.dlm"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArray text = shipped.readAll();
    ASSERT_TRUE(text.contains("\n8\tPosition Deviation Alarm"));
    text.replace("\n8\tPosition Deviation Alarm", "\n08\tPosition Deviation Alarm");
    const QString folder = tempPath(QStringLiteral("zero_padded"));
    QDir().mkpath(folder);
    QFile fixture(folder + QStringLiteral("/SerratK90Errors.dlm"));
    ASSERT_TRUE(fixture.open(QIODevice::WriteOnly));
    fixture.write(text);
    fixture.close();
    qputenv("STROKEWISE_HOME", folder.toUtf8());
    CAlarmConfig built(app());
    built.OnInitialUpdate();
    qunsetenv("STROKEWISE_HOME");
    GridControl& list = *built.grid();
    ASSERT_EQ(list.Rows() - 1, 63);
    EXPECT_EQ(list.TextMatrix(7, 0), QStringLiteral("08"));
    EXPECT_EQ(list.TextMatrix(7, 1), QStringLiteral("Position Deviation Alarm"));

    // The row still stands for status 8.
    writeDeviceMask(QByteArray(10, char(0x00)));
    built.ActivatePage();
    list.clickCell(7, 0);
    built.controlAs<QAbstractButton>(P::EnableButton)->click();
    EXPECT_EQ(built.workingStatusMask()[1], 0x01);
    EXPECT_EQ(list.TextMatrix(7, 2), QStringLiteral("Enabled"));
    built.StopTimers();
}

TEST_F(AlarmConfigTest, TheHeaderStaysInViewAndApplyLeavesTheEditedRowWhereTheUserSeesIt)
{
    startOn(K90Path);
    select(ConfigCode);
    auto* table = grid().findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    const auto inView
        = [&](int row) { return table->viewport()->rect().intersects(table->visualItemRect(table->item(row, 0))); };
    // The user scrolls to a row in the middle of the list and edits it.
    const int row = rowOf(34);
    ASSERT_GT(row, 0);
    table->scrollToItem(table->item(row, 0), QAbstractItemView::PositionAtCenter);
    ASSERT_TRUE(inView(row));
    ASSERT_FALSE(inView(1));
    grid().clickCell(row, 1);
    click(P::DisableButton);

    // The header row does not scroll away with the rows.
    EXPECT_TRUE(table->horizontalHeader()->isVisibleTo(table));
    QStringList heads;
    for (int c = 0; c < 3; ++c) {
        const QTableWidgetItem* head = table->horizontalHeaderItem(c);
        heads << (head ? head->text() : QString());
    }
    EXPECT_EQ(heads, (QStringList { "Alarm", "Description", "Alarm Status" }));

    click(P::ApplyButton);
    EXPECT_EQ(grid().TextMatrix(row, 2), QStringLiteral("Disabled"));
    EXPECT_TRUE(inView(row)) << "the edited row stays in view";
    EXPECT_FALSE(inView(grid().Rows() - 1)) << "the list does not jump to its last row";
}

TEST_F(AlarmConfigTest, AfterApplyTheListAndItsButtonsShowTheirTextsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        select(ConfigCode);
        const int row = rowOf(34);
        ASSERT_GT(row, 0) << path;
        grid().clickCell(row, 1);
        click(P::DisableButton);
        click(P::ApplyButton);
        ASSERT_EQ(grid().TextMatrix(row, 2), QStringLiteral("Disabled")) << path;
        const QStringList faults = PageLayoutCheck::faults(config());
        EXPECT_TRUE(faults.isEmpty()) << path << "\n" << faults.join(QLatin1Char('\n')).toStdString();
        m_app.reset();
    }
}
