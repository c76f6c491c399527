#include "AlarmReports.h"

#include "core/ReportFrame.h"

#include "report/ReportField.h"

void GenerateAlarmStausReport(CReportHeader header, CAlarmStatusReport record, IGridPtr eventLog, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, AutoString model, QWidget* parent)
{
    using namespace AlarmReportLayout;
    const QString modelText = model.toQString();
    const bool k95 = modelText == QLatin1String("SerratK95");

    ReportFrameDescriptor descriptor { ReportFrameRows::AlarmStatus };
    descriptor.fields = [&](const ReportFrameFields& fields) {
        fields.setText(QStringLiteral("AlarmHistLbl"), QStringLiteral("ALARM HISTORY"));
        fields.setText(QStringLiteral("IECLbl"), QStringLiteral("Error Code"));
        fields.setText(QStringLiteral("IECDescLbl"), QStringLiteral("Description"));
        const int rows = k95 ? 16 : 8;
        for (int k = 1; k <= rows; ++k) {
            fields.setText(QStringLiteral("IECode%1Lbl").arg(k), record.m_strErrorCode[k - 1].toQString());
            fields.setText(QStringLiteral("IEDesc%1").arg(k), record.m_strDescription[k - 1].toQString());
        }
        fields.setText(QStringLiteral("ErrLogLbl"), QStringLiteral("Alarm Log(While Connected to Device)"));

        // Any model string but the largest model's starts where the K90's does,
        // so no caller can leave the lines without a place.
        const int start = k95 ? LogStartK95 : LogStart;
        const IReportFieldsPtr detail
            = fields.report()->Sections()->Section(QVariant(ReportFrameText::DetailSection))->Fields();
        for (unsigned r = 0; r < unsigned(eventLog->Rows()); ++r) {
            IReportFieldPtr line
                = detail->AddField(QString(), QString(), LogLeft, start + double(LogStep) * r, LogWidth, LogHeight);
            line->SetFieldAttribute(ReportField::SingleLineClipped);
            eventLog->Select(int(r), 0);
            line->SetText(eventLog->Text());
        }
    };
    ReportFrame::Generate(
        descriptor, std::move(header), std::move(report), std::move(printer), std::move(definitionPath), parent);
}
