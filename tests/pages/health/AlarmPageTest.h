#pragma once

#include "HealthPageTest.h"

#include "ReportRecords.h"
#include "health/CAlarmAnnunciator.h"
#include "health/CAlarmConfig.h"
#include "health/CAlarmStatus.h"
#include "health/CAlarmsView.h"

#include "report/RecordingPrintBackend.h"
#include "report/ReportControl.h"

#include <QProcess>

// The alarm pages against the simulated positioner, with the printer
// recorded and PDFs read back.
class AlarmPageTest : public HealthPageTest
{
protected:
    static constexpr int HubCode = 2;
    static constexpr int StatusCode = 21;
    static constexpr int AnnunciatorCode = 22;
    static constexpr int ConfigCode = 23;

    void SetUp() override
    {
        HealthPageTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        HealthPageTest::TearDown();
        PrintBackend::install(nullptr);
    }

    CAlarmAnnunciator& annunciator() { return page<CAlarmAnnunciator>(); }
    CAlarmConfig& config() { return page<CAlarmConfig>(); }
    CAlarmStatus& status() { return page<CAlarmStatus>(); }
    CAlarmsView& hub() { return page<CAlarmsView>(); }
    CAlarmAnnunciatorReport& annunciatorRecord() { return app().records().m_AlarmAnnunciatorReport; }

    // Start-up on a model, settled, with an empty request record.
    void startOn(const char* path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        device(path).clearRequests();
    }

    // The device's own mask write, as another tool would have made it.
    void writeDeviceMask(const QByteArray& mask, const char* path = K90Path) { device(path).respond(167, mask); }

    // The text the report control of a page holds in a field now.
    static QString reportField(QWidget& page, const QString& key)
    {
        auto* report = page.findChild<ReportControl*>();
        if (!report)
            return QStringLiteral("<no report control>");
        const auto document = report->layoutDocument();
        const ReportPageItem* item = document.find(key);
        return item ? item->text : QStringLiteral("<no such field>");
    }

    static QString pdfText(const QString& pdf)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Saves the next report's PDF at `pdf` and declines the print question.
    void expectReport(const QString& pdf, const QString& saveTitle)
    {
        prompts().answerFile(pdf, saveTitle);
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    }

    RecordingPrintBackend m_printed;
};
