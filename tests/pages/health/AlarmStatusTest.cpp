#include "AlarmPageTest.h"

#include "SimTestHooks.h"

#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace
{
using P = CAlarmStatus;
}

class AlarmStatusTest : public AlarmPageTest
{
protected:
    GridControl& history() { return *status().historyGrid(); }
    GridControl& log() { return *status().eventLogGrid(); }
    QStringList logRows()
    {
        QStringList rows;
        for (int r = 0; r < log().Rows(); ++r)
            rows << log().TextMatrix(r, 0);
        return rows;
    }
    void click(int id) { status().controlAs<QAbstractButton>(id)->click(); }
    // The local time is `at` when the clock is next read.
    void localTimeIs(const QDateTime& at) { clock().setLocalStart(at.addMSecs(-clock().elapsedMs())); }
    // Shows the page with nothing logged yet (what the device has active at
    // start-up is logged at the first refresh, then cleared).
    void showCleared()
    {
        select(StatusCode);
        click(P::ClearLogButton);
        device().clearRequests();
    }
};

TEST_F(AlarmStatusTest, HistoryShowsTheNewestStatusesWithNamesAndTheClickedOnesHelp)
{
    startOn(K90Path);
    showCleared();
    device().setStatus(40, true); // supply pressure low alarm
    clock().advance(30000);
    device().setStatus(43, true); // port 1 out of range
    clock().advance(30000);
    EXPECT_EQ(history().TextMatrix(1, 0), QStringLiteral("43"));
    EXPECT_EQ(history().TextMatrix(1, 1), QStringLiteral("Pressure Port 1 Out Of Range Warning"));
    EXPECT_EQ(history().TextMatrix(2, 0), QStringLiteral("40"));
    EXPECT_EQ(history().TextMatrix(2, 1), QStringLiteral("Supply Pressure Low Alarm"));
    EXPECT_EQ(history().TextMatrix(3, 0), QStringLiteral("255"));
    EXPECT_EQ(history().TextMatrix(3, 1), QString());
    const CAlarmStatusReport& record = app().records().m_AlarmStatusReport;
    EXPECT_EQ(record.m_strErrorCode[1].toQString(), QStringLiteral("40"));
    EXPECT_EQ(record.m_strDescription[1].toQString(), QStringLiteral("Supply Pressure Low Alarm"));

    history().clickCell(2, 1);
    EXPECT_TRUE(
        status().description()->toPlainText().startsWith(QStringLiteral("SUPPLY PRESSURE LOW ALARM (user set)")))
        << status().description()->toPlainText().toStdString();
    history().clickCell(3, 0); // 255: no status
    EXPECT_EQ(status().description()->toPlainText(), QString());
}

TEST_F(AlarmStatusTest, ACodeCellThatHoldsNoStatusNumberShowsNoHelp)
{
    startOn(K90Path);
    showCleared();
    for (const char* code : { "12abc", "", "256", "0x20", "1.5", "-1" }) {
        history().Select(1, 0);
        history().SetText(QString::fromLatin1(code));
        history().clickCell(1, 1);
        EXPECT_EQ(status().description()->toPlainText(), QString()) << '"' << code << '"';
    }
    history().Select(1, 0);
    history().SetText(QStringLiteral("0"));
    history().clickCell(1, 1);
    EXPECT_TRUE(status().description()->toPlainText().startsWith(QStringLiteral("INITIALIZING MODE")));
}

TEST_F(AlarmStatusTest, EventLogStampsEachChangeAndClearLogKeepsTheBitsSeen)
{
    startOn(K90Path);
    showCleared();
    device().setStatus(40, true);
    localTimeIs(QDateTime(QDate(2030, 1, 5), QTime(7, 4, 9)));
    status().RefreshErrorHistory();
    EXPECT_EQ(logRows(), QStringList { QStringLiteral("01/05/2030  7:04:09 Supply Pressure Low Alarm Start") });

    device().setStatus(40, false);
    clock().advance(30000);
    ASSERT_EQ(log().Rows(), 2);
    EXPECT_EQ(log().TextMatrix(1, 0), QStringLiteral("01/05/2030  7:04:39 Supply Pressure Low Alarm End"));

    click(P::ClearLogButton);
    clock().advance(30000);
    EXPECT_EQ(log().Rows(), 0);

    // Statuses above 55 never enter the log, even when active.
    device().setStatus(60, true);
    clock().advance(30000);
    EXPECT_EQ(log().Rows(), 0);
}

TEST_F(AlarmStatusTest, ResetHistoryShowsTheWriteReplyWithoutReadingAgain)
{
    startOn(K90Path);
    device().setStatus(47, true);
    select(StatusCode);
    EXPECT_EQ(history().TextMatrix(1, 0), QStringLiteral("47"));
    device().clearRequests();
    click(P::ResetHistoryButton);
    EXPECT_EQ(joined(sent()), "229");
    EXPECT_EQ(lastRequest(229).mid(2).toHex().toStdString(), "00");
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(history().TextMatrix(k, 0), QStringLiteral("255")) << k;
        EXPECT_EQ(history().TextMatrix(k, 1), QString()) << k;
    }
}

TEST_F(AlarmStatusTest, ShowingThePageArmsItsTwoTimersAndLeavingKillsThem)
{
    startOn(K90Path);
    select(StatusCode);
    EXPECT_EQ(joined(sent()), "228");
    EXPECT_EQ(clock().period(&status(), StripPage::StripTimerId), 1000);
    EXPECT_EQ(clock().period(&status(), P::HistoryTimerId), 30000);
    select(HubCode);
    EXPECT_FALSE(status().timerArmed(StripPage::StripTimerId));
    EXPECT_FALSE(status().timerArmed(P::HistoryTimerId));
}

TEST_F(AlarmStatusTest, ExportProposesTheSanitisedTagAndWritesOneLogRowPerLine)
{
    startOn(K90Path);
    device().setTag("LV/9");
    showCleared();
    device().setStatus(40, true);
    localTimeIs(QDateTime(QDate(2030, 1, 5), QTime(7, 4, 9)));
    status().RefreshErrorHistory();
    device().setStatus(43, true);
    status().RefreshErrorHistory();

    const QString path = tempPath(QStringLiteral("exported.txt"));
    prompts().answerFile(path, QStringLiteral("Alarm Error Log"));
    click(P::SaveToDiskButton);
    const auto records = prompts().records();
    ASSERT_FALSE(records.empty());
    const Prompts::FileDialog& dialog = records.back().dialog;
    EXPECT_TRUE(dialog.save);
    EXPECT_TRUE(dialog.initialName.startsWith(QStringLiteral("LV_9"))) << dialog.initialName.toStdString();
    EXPECT_TRUE(dialog.initialName.endsWith(QStringLiteral("_Errorlog_2030_1_5_7h_4m.txt")))
        << dialog.initialName.toStdString();
    EXPECT_EQ(translateFileFilter(dialog.filter), QStringLiteral("(*.txt)"));
    EXPECT_EQ(dialog.defaultExt, QStringLiteral("txt"));
    EXPECT_EQ(dialog.owner, nullptr);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
        QStringLiteral("01/05/2030  7:04:09 Supply Pressure Low Alarm Start\n"
                       "01/05/2030  7:04:09 Pressure Port 1 Out Of Range Warning Start\n"));
}

TEST_F(AlarmStatusTest, AnExportThatCannotBeWrittenIsLoggedAndShowsFileSaveError)
{
    startOn(K90Path);
    showCleared();
    device().setStatus(40, true);
    status().RefreshErrorHistory();

    const QString path = tempPath(QStringLiteral("no/such/folder/log.txt"));
    prompts().answerFile(path, QStringLiteral("Alarm Error Log"));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File save error."));
    click(P::SaveToDiskButton);

    ASSERT_EQ(prompts().messages().size(), 1u);
    const Prompts::Message box = prompts().messages().back();
    EXPECT_EQ(box.text, QStringLiteral("File save error."));
    EXPECT_EQ(box.caption, QString());
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.buttons, Prompts::Buttons::Ok);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(logTexts().filter(QStringLiteral("Alarm Error Log not saved")).size(), 1)
        << logTexts().join('\n').toStdString();
}

TEST_F(AlarmStatusTest, PrintTakesTheModelsDefinitionAndEveryLogRow)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        startOn(path);
        select(StatusCode);
        click(P::ClearLogButton);
        device(path).setStatus(43, true);
        status().RefreshErrorHistory();
        const QString pdf = tempPath(QStringLiteral("status.pdf"));
        expectReport(pdf, QStringLiteral("Save Alarm Status Report As"));
        click(P::PrintButton);
        const QString printed = pdfText(pdf);
        EXPECT_TRUE(printed.contains(QStringLiteral("Alarm Status Report"))) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QStringLiteral("Pressure Port 1 Out Of Range Warning Start")));
        EXPECT_EQ(reportField(status(), QStringLiteral("IECode1Lbl")), QStringLiteral("43"));
        m_app.reset();
    }
}

TEST_F(AlarmStatusTest, PrintWithoutAKnownModelShowsOneFailureBox)
{
    startOn(K90Path);
    select(StatusCode);
    data().DeviceType = 0;
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    click(P::PrintButton);
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages().front().caption, QString());
}

TEST_F(AlarmStatusTest, BothGridsShowTheRowsTheirRectanglesAreMadeForWithoutAHorizontalScrollBar)
{
    startOn(K90Path);
    showCleared();
    // Six status changes, each noticed at its own refresh: six log lines.
    for (int status : { 40, 43, 44 }) {
        device().setStatus(status, true);
        clock().advance(30000);
    }
    for (int status : { 40, 43, 44 }) {
        device().setStatus(status, false);
        clock().advance(30000);
    }
    const struct {
        GridControl* grid;
        int firstRow; // below the header
        int rows;
        const char* header;
    } cases[] = {
        { &history(), 1, 8, "Error" }, // the header row plus eight rows
        { &log(), 0, 6, nullptr }, // no header: six lines
    };
    for (const auto& c : cases) {
        auto* table = c.grid->findChild<QTableWidget*>();
        ASSERT_NE(table, nullptr);
        ASSERT_GE(c.grid->Rows(), c.firstRow + c.rows);
        const QRect shown = table->viewport()->rect();
        for (int r = c.firstRow; r < c.firstRow + c.rows; ++r) {
            const QRect cell = table->visualItemRect(table->item(r, 0));
            EXPECT_TRUE(shown.contains(cell)) << FormPage::idOf(c.grid) << " row " << r;
        }
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << FormPage::idOf(c.grid) << ": nothing to scroll to";
        EXPECT_EQ(table->horizontalHeader()->isVisibleTo(table), c.header != nullptr) << FormPage::idOf(c.grid);
        const QTableWidgetItem* head = table->horizontalHeaderItem(0);
        if (c.header) {
            EXPECT_EQ(head ? head->text() : QString(), QLatin1String(c.header));
        }
    }
}
