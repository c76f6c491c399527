// Rendering a two-page report with four plot-sized pictures (2000 x 1060 px)
// to PDF: what the user waits for after choosing the file name.
#include "BenchApplication.h"
#include "report/ReportControl.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace
{

QByteArray twoPageDefinition()
{
    QByteArray xml = "<reportDefinition version=\"1\"><report name=\"New Report\">"
                     "<section name=\"Page Header\" height=\"560\"><field key=\"PageLine1\" left=\"6306\" top=\"60\" "
                     "width=\"5000\" height=\"285\" align=\"right\" expression=\"true\">\" Page \" &amp; [Page] &amp; "
                     "\"/\" &amp; [Pages]</field></section><section name=\"Detail\">"
                     "<field key=\"TitleLbl\" left=\"0\" top=\"0\" width=\"11306\" height=\"480\" size=\"16\" "
                     "bold=\"true\" align=\"center\">Ramp Test Report</field>";
    for (int k = 0; k < 4; ++k)
        xml += QStringLiteral("<field key=\"Graph%1\" kind=\"picture\" left=\"0\" top=\"%2\" width=\"11306\" "
                              "height=\"6500\"/>")
                   .arg(k)
                   .arg(600 + k * 6700)
                   .toUtf8();
    return xml + "</section></report></reportDefinition>";
}

void writePlotPicture(const QString& path)
{
    QImage image(2000, 1060, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 1));
    for (int x = 100; x < 2000; x += 100)
        painter.drawLine(x, 0, x, 1060);
    painter.setPen(QPen(Qt::darkBlue, 3));
    QPointF last(0, 530);
    for (int x = 1; x < 2000; ++x) {
        const QPointF next(x, 530 + 400 * std::sin(x / 130.0) * std::cos(x / 700.0));
        painter.drawLine(last, next);
        last = next;
    }
    painter.end();
    image.save(path);
}

void RenderTwoPageReportWithFourPictures(benchmark::State& state)
{
    BenchApplication::ensure("bench_report_pdf");
    QTemporaryDir dir;
    const QString definition = dir.filePath(QStringLiteral("Bench.xml"));
    QFile file(definition);
    file.open(QIODevice::WriteOnly);
    file.write(twoPageDefinition());
    file.close();
    for (int k = 0; k < 4; ++k)
        writePlotPicture(dir.filePath(QStringLiteral("Graph%1.bmp").arg(k)));

    ReportControl control;
    const IReportPtr report(&control);
    for (auto _ : state) {
        report->LoadReport(definition, QStringLiteral("New Report"));
        const IReportFieldsPtr fields = report->Sections()->Section(QStringLiteral("Detail"))->Fields();
        for (int k = 0; k < 4; ++k) {
            const QString picture = dir.filePath(QStringLiteral("Graph%1.bmp").arg(k));
            fields->Field(QStringLiteral("Graph%1").arg(k))->SetPicture(picture);
        }
        report->RenderToFile(dir.filePath(QStringLiteral("Bench.pdf")), ReportControl::FormatPdf);
    }
    state.counters["pages"] = report->layoutDocument().pageCount();
    state.counters["pdf_kB"] = QFileInfo(dir.filePath(QStringLiteral("Bench.pdf"))).size() / 1024.0;
}

} // namespace

BENCHMARK(RenderTwoPageReportWithFourPictures)->Unit(benchmark::kMillisecond);
