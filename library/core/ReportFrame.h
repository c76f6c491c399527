#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

// What differs between the printed reports of the calibration, trend, data
// logger, multi-test and alarm pages: the field of the page line, the title,
// the save dialog's title, the piece of the default PDF name and the caption
// of the failure box. The texts are the program's own, blanks and spelling
// included.
struct ReportFrameRow {
    const char* pageLineKey; // in "Page Header"
    const char* titleKey; // in "Detail"; nullptr: the definition keeps its own title
    const char* titleText;
    const char* saveTitle;
    const char* namePiece;
    const char* failureCaption;
};

namespace ReportFrameRows
{
inline constexpr ReportFrameRow ActuatorCalibration { "PageLine", "ActStrkFricCalTitleLbl",
    "Actuator / Stroke / Friction Calibration Report", "Save Actuator Calibration ReportAs", "_ActCalibrationReport_",
    "" };
inline constexpr ReportFrameRow StrokeCalibration { "PageLine", "StrokeTitleLbl", "Stroke Calibration Report",
    "Save Stroke Calibration ReportAs", "_StrokeCalibrationReport_", "" };
inline constexpr ReportFrameRow AICalibration { "PageLine", "TitleLbl", "Analog Input Calibration Report",
    "Save AI Calibration ReportAs", "_AICalibrationReport_", "" };
inline constexpr ReportFrameRow AOCalibration { "PageLine", "TitleLbl", "Analog Output Calibration Report",
    "Save AO Calibration ReportAs", "_AOCalibrationReport_", "" };
inline constexpr ReportFrameRow Trends { "PageLine1", "TitleLbl", "Trend Report", "Save Trend Report As",
    "_TrendReport_", "" };
inline constexpr ReportFrameRow DataLogger { "PageLine1", "TitleLbl", "Data Logger Report",
    "Save Data Logger Report As", "_DataLoggerReport_", "" };
inline constexpr ReportFrameRow MultiTest { "PageLine1", nullptr, nullptr, "Save MultiTest Report As",
    "_MultiTestReport_", "MULTI-TEST REPORT" };
inline constexpr ReportFrameRow AlarmStatus { "PageLine", "TitleLbl", "Alarm Status Report",
    "Save Alarm Status Report As", "_AlarmStatusReport_", "" };
inline constexpr ReportFrameRow AlarmAnnunciator { "PageLine", "TitleLbl", "Alarm / Alerts Report",
    "Save Alarm Annunce Report As", "_AlarmAnnuncReport_", "" };

// Every row, in the order above.
inline constexpr ReportFrameRow All[] = { ActuatorCalibration, StrokeCalibration, AICalibration, AOCalibration, Trends,
    DataLogger, MultiTest, AlarmStatus, AlarmAnnunciator };
} // namespace ReportFrameRows

namespace ReportFrameText
{
inline const QString PageLine = QStringLiteral(R"(" Page " & [Page] & "/" & [Pages])");
inline const QString PrintQuestion = QStringLiteral("Do you want to print the Report?");
inline const QString PrintCaption = QStringLiteral("Print Report");
inline const QString InnerFailure = QStringLiteral("Report may not be generated due to some error.");
inline const QString PrintFailure = QStringLiteral("The report could not be printed.");
inline const QString PdfSaved = QStringLiteral(" The PDF file was saved.");
inline const QString PdfFilter = QStringLiteral("(*.pdf)|*.pdf|");
inline const QString TestDate = QStringLiteral("TestDate:");
inline const QString DetailSection = QStringLiteral("Detail");
inline const QString PageHeaderSection = QStringLiteral("Page Header");
} // namespace ReportFrameText

// The pictures are always this wide and at least this tall, however large the
// plot is on screen, so every printed report looks the same. A picture for a
// field of a squarer shape is taken as tall as that shape asks: the plot is laid
// out at its own width, so only a taller picture gives its axes the room the
// field offers (a long axis title beside a short axis is otherwise cut).
inline constexpr QSize ReportPictureSize { 2000, 1060 };

// The size of a picture for a field of `field`'s shape (twips, any scale).
QSize ReportPictureSizeFor(const QSize& field);

// How a picture file of a report is taken: its size in pixels and the width
// it prints at, in points (0 when the report has no field for it).
struct ReportPictureTaken {
    QSize pixels;
    double paperPoints = 0.0;
};

// How each picture file of a report is taken, by file name.
using ReportPictureSizes = std::function<ReportPictureTaken(const QString& fileName)>;

// Fills fields of the loaded report. Each text goes the whole way down from
// the report to the field, and every pointer on the way is let go at once.
class ReportFrameFields
{
public:
    explicit ReportFrameFields(const IReportPtr& report)
        : m_report(report)
    {
    }

    void setText(const QString& section, const QString& key, const QString& text) const;
    // A field of "Detail".
    void setText(const QString& key, const QString& text) const;
    void setPicture(const QString& key, const QString& path) const;
    const IReportPtr& report() const { return m_report; }

private:
    const IReportPtr& m_report;
};

// The file information block of a compare report: its captions, then both
// files' tag, date and name.
void SetCompareFileInformation(const ReportFrameFields& fields, const AutoString& tag1, const AutoString& tag2,
    const AutoString& date1, const AutoString& date2, const AutoString& name1, const AutoString& name2);

// Empties the fields of file 2 and of the differences in a compare report
// printed with one file: the report shows what was loaded, and no "NO" or
// "0.0" of a file that is not there.
void LeaveOutSecondFile(const ReportFrameFields& fields, std::initializer_list<const char*> keys);

// One plot picture of a report: the plot is switched to its view (when one
// is named), saved as `fileName` in the picture folder, and the picture
// field `fieldKey` then shows it. A picture is laid out at the plot's own
// width; one that `widensLayout` is laid out as many times wider as its
// field is wider than the report's narrowest picture field, so a wide field
// gives a crowded view room while its texts print at the others' size.
struct ReportFramePicture {
    IPlotPtr plot;
    std::function<void()> showView;
    QString fileName;
    QString fieldKey;
    bool widensLayout = false;
};

// One report's departures from the common frame.
struct ReportFrameDescriptor {
    enum class PicturePlace {
        BeforeFields, // taken before anything is filled, put in after the date line
        AfterFields, // taken and put in right after the report's own fields
    };

    explicit ReportFrameDescriptor(const ReportFrameRow& reportRow)
        : row(reportRow)
    {
    }

    ReportFrameRow row;
    bool headerBlock = true;
    // The date of printing: the label text into the label key (when named),
    // month/day/year into every value key.
    QString dateLabelKey;
    QString dateLabelText = ReportFrameText::TestDate;
    QStringList dateValueKeys;
    // The dates of the results the report shows, each put into its value key
    // as the result keeps it ("12/3/2024"): a report of a result is dated by
    // when it was recorded, not printed. An empty date leaves its field
    // empty, as for a section that shows no result.
    std::vector<std::pair<QString, QString>> resultDates;
    // The tag that names the PDF; none: the header's device tag.
    std::optional<AutoString> fileTag;
    std::vector<ReportFramePicture> pictures;
    PicturePlace picturePlace = PicturePlace::AfterFields;
    // Takes the pictures itself, in place of the walk through `pictures`
    // (which then only names the files and the fields they go into): for a
    // report that puts each plot back in its first view as soon as that
    // plot's pictures are taken.
    std::function<void(const QString& folder, const ReportPictureSizes& sizeOf)> takePictures;
    // Run once every picture is taken (a plot put back in the view the page shows).
    std::function<void()> afterPictures;
    // The report's own fields.
    std::function<void(const ReportFrameFields&)> fields;
    // With the inner catch, a failure while the page line, title, header,
    // fields or pictures are filled shows its own box and the report is still
    // offered for saving and printing with what was filled.
    bool innerCatch = false;
};

namespace ReportFrame
{

// Runs the whole report: load "New Report" of the definition, fill it, offer
// the PDF, ask whether to print. Everything the user needs to know is shown
// in boxes; nothing is returned. The arguments are the frame's own copies
// and are let go on every way out.
void Generate(const ReportFrameDescriptor& descriptor, CReportHeader header, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page);

// The three lines at the head of the report.
QString deviceLine(const CReportHeader& header);
QString actuatorLine(const CReportHeader& header);
QString bodyLine(const CReportHeader& header);

// "<tag><piece>2028_2_29_14h_8m": numbers unpadded; characters of the tag
// that would lead into another folder become '_'.
QString defaultPdfName(const QString& tag, const QString& namePiece, const QDateTime& now);
// "2/29/2028".
QString dateLineText(const QDateTime& now);

} // namespace ReportFrame
