// One whole report through the frame: four pictures (2000 x 1060 px) of a
// plot holding 100 000 points, the fields filled and the PDF written, with
// the save dialog answered at once and No to the print question. What the
// user waits for between pressing the print button and the print question.
#include "BenchApplication.h"
#include "core/ReportFrame.h"
#include "ui/Prompts.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace
{

// Chooses one PDF path and answers No, as a user who only saves.
class SaveOnlyPrompts : public Prompts
{
public:
    explicit SaveOnlyPrompts(QString pdf)
        : m_pdf(std::move(pdf))
    {
    }
    int message(const Message&) override { return IdNo; }
    std::optional<QString> file(const FileDialog&) override { return m_pdf; }
    void openHelp(const QUrl&) override { }
    bool choosePrinter(QPrinter&, QWidget*) override { return false; }

private:
    QString m_pdf;
};

QByteArray fourPictureDefinition()
{
    QByteArray xml = "<reportDefinition version=\"1\"><report name=\"New Report\">"
                     "<section name=\"Page Header\" height=\"560\"><field key=\"PageLine1\" left=\"6306\" top=\"60\" "
                     "width=\"5000\" height=\"285\" align=\"right\" expression=\"true\">\" Page \" &amp; [Page] &amp; "
                     "\"/\" &amp; [Pages]</field></section><section name=\"Detail\">"
                     "<field key=\"TitleLbl\" left=\"0\" top=\"0\" width=\"11306\" height=\"480\" size=\"16\" "
                     "bold=\"true\" align=\"center\">Trend Report</field>"
                     "<field key=\"DeviceLine\" left=\"100\" top=\"660\" width=\"11106\" height=\"285\"/>"
                     "<field key=\"ActInfoLine\" left=\"100\" top=\"960\" width=\"11106\" height=\"285\"/>"
                     "<field key=\"BodInfoLine\" left=\"100\" top=\"1260\" width=\"11106\" height=\"285\"/>";
    for (int k = 1; k <= 4; ++k)
        xml += QStringLiteral("<field key=\"RampGrph%1\" kind=\"picture\" left=\"0\" top=\"%2\" width=\"11306\" "
                              "height=\"6500\"/>")
                   .arg(k)
                   .arg(1800 + (k - 1) * 6700)
                   .toUtf8();
    return xml + "</section></report></reportDefinition>";
}

void FrameRunWithFourPicturesOfALargePlot(benchmark::State& state)
{
    BenchApplication::ensure("bench_report_frame");
    QTemporaryDir dir;
    const QString definition = dir.filePath(QStringLiteral("TrendRept.xml"));
    QFile file(definition);
    file.open(QIODevice::WriteOnly);
    file.write(fourPictureDefinition());
    file.close();

    Plot plot;
    plot.resize(900, 480);
    for (int c = 0; c < 4; ++c)
        plot.AddChannel();
    for (int k = 0; k < 25000; ++k)
        for (int c = 0; c < 4; ++c)
            plot.Channel(c)->AddXY(k * 0.1, 50 + 40 * std::sin(k / (300.0 + 70 * c)));
    const IPlotPtr plotPtr(&plot);

    ReportFrameDescriptor descriptor { ReportFrameRows::Trends };
    const char* views[] = { "Hours", "Days", "Months", "Years" };
    for (int k = 0; k < 4; ++k) {
        const QString view = QString::fromUtf8(views[k]);
        descriptor.pictures.push_back({ plotPtr, [&plot, view] { plot.SetTitle(view); },
            QStringLiteral("Trend") + view + QStringLiteral(".bmp"), QStringLiteral("RampGrph%1").arg(k + 1) });
    }
    const QString pdf = dir.filePath(QStringLiteral("Trend.pdf"));
    SaveOnlyPrompts prompts(pdf);
    Prompts::install(&prompts);
    CReportHeader header;
    header.m_strTag = AutoString("FCV-7");
    ReportControl reportControl;
    PrinterControl printerControl;

    for (auto _ : state)
        ReportFrame::Generate(descriptor, header, IReportPtr(&reportControl), IPrinterPtr(&printerControl),
            AutoString(definition), nullptr);

    Prompts::install(nullptr);
    if (!QFileInfo::exists(pdf))
        state.SkipWithError("no PDF was written");
    state.counters["pdf_kB"] = QFileInfo(pdf).size() / 1024.0;
}

} // namespace

BENCHMARK(FrameRunWithFourPicturesOfALargePlot)->Unit(benchmark::kMillisecond);
