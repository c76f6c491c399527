#include "core/ReportFrame.h"

#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "core/ResultFile.h"
#include "report/ReportPictureFolder.h"
#include "ui/HandlerGuard.h"
#include "ui/Prompts.h"
#include "ui/TimerService.h"

#include <algorithm>
#include <cmath>

QSize ReportPictureSizeFor(const QSize& field)
{
    const int width = ReportPictureSize.width();
    if (field.width() <= 0 || field.height() <= 0)
        return ReportPictureSize;
    // A needle of a field still gets a picture a plot can be drawn in.
    const double tall = std::round(double(width) * field.height() / field.width());
    return QSize(width, std::max(ReportPictureSize.height(), static_cast<int>(std::min(tall, 4.0 * width))));
}

void ReportFrameFields::setText(const QString& section, const QString& key, const QString& text) const
{
    m_report->Sections()->Section(QVariant(section))->Fields()->Field(QVariant(key))->SetText(text);
}

void ReportFrameFields::setText(const QString& key, const QString& text) const
{
    setText(ReportFrameText::DetailSection, key, text);
}

void SetCompareFileInformation(const ReportFrameFields& fields, const AutoString& tag1, const AutoString& tag2,
    const AutoString& date1, const AutoString& date2, const AutoString& name1, const AutoString& name2)
{
    const std::pair<const char*, QString> texts[] = {
        { "FIleSettingsLbl", QStringLiteral("File Information") },
        { "File1TagLbl", QStringLiteral("Tag:") },
        { "File1DateLbl", QStringLiteral("File Date:") },
        { "File1NameLbl", QStringLiteral("File Name:") },
        { "File1Lbl", QStringLiteral("File #1") },
        { "File2Lbl", QStringLiteral("File #2") },
        { "Tag1Value", tag1.toQString() },
        { "Tag2Value", tag2.toQString() },
        { "TestDate1Value", date1.toQString() },
        { "TestDate2Value", date2.toQString() },
        { "FileName1Value", name1.toQString() },
        { "FileName2Value", name2.toQString() },
    };
    for (const auto& [key, text] : texts)
        fields.setText(QString::fromLatin1(key), text);
}

void LeaveOutSecondFile(const ReportFrameFields& fields, std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        fields.setText(QString::fromLatin1(key), QString());
}

void ReportFrameFields::setPicture(const QString& key, const QString& path) const
{
    m_report->Sections()
        ->Section(QVariant(ReportFrameText::DetailSection))
        ->Fields()
        ->Field(QVariant(key))
        ->SetPicture(QVariant(path));
}

namespace
{

// Hides the tool strip of every plot that is pictured and shows it again on
// every way out, a failed picture included, so no page is left without it.
class ScreenBarsHidden
{
public:
    ScreenBarsHidden() = default;
    // Each plot is taken on before its strip is hidden, so a plot that fails
    // halfway still gets its strip back.
    void hide(const std::vector<ReportFramePicture>& pictures)
    {
        for (const ReportFramePicture& picture : pictures) {
            if (std::find(m_plots.begin(), m_plots.end(), picture.plot) != m_plots.end())
                continue;
            m_plots.push_back(picture.plot);
            picture.plot->ScreenBar(0)->SetVisible(false);
        }
    }
    ~ScreenBarsHidden()
    {
        for (const IPlotPtr& plot : m_plots) {
            try {
                plot->ScreenBar(0)->SetVisible(true);
            } catch (...) {
                // A plot that is gone has no strip to show.
            }
        }
    }
    ScreenBarsHidden(const ScreenBarsHidden&) = delete;
    ScreenBarsHidden& operator=(const ScreenBarsHidden&) = delete;

private:
    std::vector<IPlotPtr> m_plots;
};

// Each picture file at the shape of the field it goes into, from the loaded definition.
ReportPictureSizes pictureSizes(const ReportFrameDescriptor& descriptor, const IReportPtr& report)
{
    return [&descriptor, &report](const QString& fileName) {
        const ReportSectionDefinition* detail = report->definition().section(ReportFrameText::DetailSection);
        for (const ReportFramePicture& picture : descriptor.pictures) {
            if (picture.fileName != fileName || !detail)
                continue;
            for (const ReportItem& item : detail->items)
                if (item.key == picture.fieldKey) {
                    // The report prints the picture as large as its field
                    // holds, keeping its shape.
                    const QSize pixels = ReportPictureSizeFor(item.rect.size());
                    const QSizeF printed
                        = QSizeF(pixels).scaled(QSizeF(item.rect.size()), Qt::KeepAspectRatio); // twips
                    return ReportPictureTaken { pixels, printed.width() / 20.0 };
                }
        }
        return ReportPictureTaken { ReportPictureSize, 0.0 };
    };
}

// How many of its plot's widths a picture is laid out across: its field's
// width over the narrowest picture field of the report, for a picture that
// widens its layout; 1 for every other.
double layoutWidths(const ReportFrameDescriptor& descriptor, const IReportPtr& report, const ReportFramePicture& shown)
{
    const ReportSectionDefinition* detail = report->definition().section(ReportFrameText::DetailSection);
    if (!shown.widensLayout || !detail)
        return 1.0;
    int own = 0;
    int narrowest = 0;
    for (const ReportFramePicture& picture : descriptor.pictures)
        for (const ReportItem& item : detail->items) {
            if (item.key != picture.fieldKey || item.rect.width() <= 0)
                continue;
            if (picture.fieldKey == shown.fieldKey)
                own = item.rect.width();
            narrowest = narrowest == 0 ? item.rect.width() : std::min(narrowest, item.rect.width());
        }
    return own > 0 && narrowest > 0 ? double(own) / narrowest : 1.0;
}

void takePictures(const ReportFrameDescriptor& descriptor, const QString& folder, const IReportPtr& report)
{
    const ReportPictureSizes sizeOf = pictureSizes(descriptor, report);
    if (descriptor.takePictures) {
        descriptor.takePictures(folder, sizeOf);
    } else {
        for (const ReportFramePicture& picture : descriptor.pictures) {
            if (picture.showView)
                picture.showView();
            const ReportPictureTaken taken = sizeOf(picture.fileName);
            picture.plot->SaveImage(
                folder + picture.fileName, taken.pixels, layoutWidths(descriptor, report, picture), taken.paperPoints);
        }
    }
    if (descriptor.afterPictures)
        descriptor.afterPictures();
}

void putPictures(
    const ReportFrameFields& fields, const std::vector<ReportFramePicture>& pictures, const QString& folder)
{
    for (const ReportFramePicture& picture : pictures)
        fields.setPicture(picture.fieldKey, folder + picture.fileName);
}

QString text(const char* constant)
{
    return QString::fromUtf8(constant);
}

// The one reading of the local clock a report makes: the date line, when
// there is one, and the default name come from the same moment.
class ClockReading
{
public:
    const QDateTime& now()
    {
        if (!m_now)
            m_now = TimerService::instance().localNow();
        return *m_now;
    }

private:
    std::optional<QDateTime> m_now;
};

void fillReport(const ReportFrameDescriptor& descriptor, const CReportHeader& header, const ReportFrameFields& fields,
    const QString& pictureFolder, ClockReading& clock)
{
    using Place = ReportFrameDescriptor::PicturePlace;
    if (descriptor.picturePlace == Place::BeforeFields)
        takePictures(descriptor, pictureFolder, fields.report());

    fields.setText(ReportFrameText::PageHeaderSection, text(descriptor.row.pageLineKey), ReportFrameText::PageLine);
    if (descriptor.row.titleKey)
        fields.setText(text(descriptor.row.titleKey), text(descriptor.row.titleText));
    if (descriptor.headerBlock) {
        fields.setText(QStringLiteral("DeviceLine"), ReportFrame::deviceLine(header));
        fields.setText(QStringLiteral("ActInfoLine"), ReportFrame::actuatorLine(header));
        fields.setText(QStringLiteral("BodInfoLine"), ReportFrame::bodyLine(header));
    }
    if (descriptor.fields)
        descriptor.fields(fields);
    if (descriptor.picturePlace == Place::AfterFields) {
        takePictures(descriptor, pictureFolder, fields.report());
        putPictures(fields, descriptor.pictures, pictureFolder);
    }
    if (!descriptor.dateLabelKey.isEmpty())
        fields.setText(descriptor.dateLabelKey, descriptor.dateLabelText);
    if (!descriptor.dateValueKeys.isEmpty()) {
        const QString date = ReportFrame::dateLineText(clock.now());
        for (const QString& key : descriptor.dateValueKeys)
            fields.setText(key, date);
    }
    for (const auto& [key, date] : descriptor.resultDates)
        fields.setText(key, date);
    if (descriptor.picturePlace == Place::BeforeFields)
        putPictures(fields, descriptor.pictures, pictureFolder);
}

} // namespace

namespace ReportFrame
{

void Generate(const ReportFrameDescriptor& descriptor, CReportHeader header, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    try {
        const QString path = definitionPath.toQString();
        report->LoadReport(path, QStringLiteral("New Report"));
        // The pictures go into a folder of this report's own, removed with
        // them once the report is saved and printed, on every way out.
        std::optional<ReportPictureFolder> pictures;
        if (!descriptor.pictures.empty()) {
            pictures.emplace();
            if (!pictures->isValid())
                throw ComError(ComError::Failure, QStringLiteral("No folder for the report's pictures"));
        }
        const QString pictureFolder = pictures ? pictures->path() : QString();
        const ReportFrameFields fields(report);
        ClockReading clock;
        // The plots are put in their first view and their strips hidden before
        // anything is filled, under this outer handler: a plot that cannot be
        // prepared ends the report with the one box. The strips come back on
        // every way out.
        ScreenBarsHidden hidden;
        if (!descriptor.pictures.empty()) {
            if (descriptor.pictures.front().showView)
                descriptor.pictures.front().showView();
            hidden.hide(descriptor.pictures);
        }

        if (descriptor.innerCatch) {
            try {
                fillReport(descriptor, header, fields, pictureFolder, clock);
            } catch (...) {
                Prompts::show(ReportFrameText::InnerFailure, QString(), Prompts::Buttons::Ok);
            }
        } else {
            fillReport(descriptor, header, fields, pictureFolder, clock);
        }

        const QString tag = (descriptor.fileTag ? *descriptor.fileTag : header.m_strTag).toQString();
        Prompts::FileDialog dialog;
        dialog.save = true;
        dialog.title = text(descriptor.row.saveTitle);
        dialog.filter = ReportFrameText::PdfFilter;
        dialog.defaultExt = QStringLiteral("pdf");
        dialog.initialName = defaultPdfName(tag, text(descriptor.row.namePiece), clock.now());
        dialog.confirmOverwrite = true;
        bool pdfWritten = false;
        if (const std::optional<QString> chosen = Prompts::instance().file(dialog)) {
            // The definition served by now: a PDF that cannot be written (a
            // missing folder, a full disk) is a file that could not be saved.
            try {
                report->RenderToFile(*chosen, ReportControl::FormatPdf);
                pdfWritten = true;
            } catch (const ComError& error) {
                HandlerGuard::log(QStringLiteral("Report PDF not written to %1: %2").arg(*chosen, error.text()));
                Prompts::show(ExportFailureText::FileSave, QString(), Prompts::Buttons::Ok);
            }
        }

        if (Prompts::show(ReportFrameText::PrintQuestion, ReportFrameText::PrintCaption, Prompts::Buttons::YesNo,
                Prompts::Icon::None, page)
            == Prompts::IdYes) {
            // The definition served by now: a print that fails (no printer, no
            // printer control) is told as such, with whether the PDF is there.
            try {
                report->Render(printer);
                printer->PrintDocument();
            } catch (...) {
                Prompts::show(ReportFrameText::PrintFailure + (pdfWritten ? ReportFrameText::PdfSaved : QString()),
                    text(descriptor.row.failureCaption), Prompts::Buttons::Ok);
            }
        }
    } catch (...) {
        Prompts::show(ExportFailureText::ReportDefinition, text(descriptor.row.failureCaption), Prompts::Buttons::Ok);
    }
}

QString deviceLine(const CReportHeader& header)
{
    return QStringLiteral("DEVICE TAG ID:") + QStringLiteral(" ") + header.m_strTag.toQString()
        + QStringLiteral("           ") + QStringLiteral("DEVICE VERSION: ") + header.m_strDeviceVersion.toQString();
}

QString actuatorLine(const CReportHeader& header)
{
    // A header that holds nothing of the actuator (a loaded result's, whose
    // file does not keep it) prints no line rather than one of empty names.
    if (header.m_strActSize.toQString().isEmpty() && header.m_strActManufacturer.toQString().isEmpty()
        && header.m_strActType.toQString().isEmpty() && header.m_strSpringType.toQString().isEmpty())
        return QString();
    return QStringLiteral("ACTUATOR INFO --> Size: ") + header.m_strActSize.toQString()
        + QStringLiteral(", Manufacturer: ") + header.m_strActManufacturer.toQString() + QStringLiteral(", Type: ")
        + header.m_strActType.toQString() + QStringLiteral(", Spring Type: ") + header.m_strSpringType.toQString();
}

QString bodyLine(const CReportHeader& header)
{
    if (header.m_strBodyModel.toQString().isEmpty() && header.m_strBodySize.toQString().isEmpty()
        && header.m_strFlowDirection.toQString().isEmpty() && header.m_strFailPosition.toQString().isEmpty())
        return QString();
    return QStringLiteral("VALVE BODY INFO --> Model: ") + header.m_strBodyModel.toQString()
        + QStringLiteral(", Body Size: ") + header.m_strBodySize.toQString() + QStringLiteral(", Flow Direction: ")
        + header.m_strFlowDirection.toQString() + QStringLiteral(", Fail Position: ")
        + header.m_strFailPosition.toQString();
}

QString defaultPdfName(const QString& tag, const QString& namePiece, const QDateTime& now)
{
    const QString safeTag = ProposedNameTag(tag);
    const QDate date = now.date();
    const QTime time = now.time();
    return safeTag + namePiece
        + QStringLiteral("%1_%2_%3_%4h_%5m")
              .arg(date.year())
              .arg(date.month())
              .arg(date.day())
              .arg(time.hour())
              .arg(time.minute());
}

QString dateLineText(const QDateTime& now)
{
    const QDate date = now.date();
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

} // namespace ReportFrame
