#include "ReportTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <utility>

namespace ReportTestSupport
{

namespace
{
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}
}

QString dependenciesDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Dependencies");
}

QString shippedDefinition(const QString& fileName)
{
    return dependenciesDir() + QLatin1Char('/') + fileName;
}

QString fixtureDefinition(const QString& fileName)
{
    return QStringLiteral(SW_TEST_SOURCE_DIR "/definitions/") + fileName;
}

void setText(const IReportPtr& report, const QString& section, const QString& key, const QString& text)
{
    report->Sections()->Section(section)->Fields()->Field(key)->SetText(text);
}

void setPicture(const IReportPtr& report, const QString& key, const QString& path)
{
    report->Sections()->Section(QStringLiteral("Detail"))->Fields()->Field(key)->SetPicture(path);
}

void writeSamplePicture(const QString& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 6));
    painter.drawRect(image.rect().adjusted(40, 40, -40, -40));
    painter.setPen(QPen(Qt::darkBlue, 8));
    for (int x = 40; x < size.width() - 40; x += 8)
        painter.drawPoint(x, size.height() / 2 + static_cast<int>((size.height() / 3) * std::sin(x / 90.0)));
    painter.fillRect(QRect(QPoint(size.width() / 3, size.height() / 3), size / 4), Qt::darkRed);
    painter.end();
    ASSERT_TRUE(image.save(path));
}

QString pdfText(const QString& pdf, int page)
{
    QStringList arguments { QStringLiteral("-layout") };
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    arguments << pdf << QStringLiteral("-");
    // The PDF's font may join letters such as "fi" into one ligature glyph,
    // which pdftotext gives back as U+FB01; tests compare plain letters (a
    // temporary folder's random name can hold "fi").
    QString text = run(QStringLiteral("pdftotext"), arguments);
    static const std::pair<QChar, QLatin1String> Ligatures[] = { { QChar(0xFB00), QLatin1String("ff") },
        { QChar(0xFB01), QLatin1String("fi") }, { QChar(0xFB02), QLatin1String("fl") },
        { QChar(0xFB03), QLatin1String("ffi") }, { QChar(0xFB04), QLatin1String("ffl") } };
    for (const auto& [ligature, letters] : Ligatures)
        text.replace(ligature, letters);
    return text;
}

namespace
{
QString pdfInfoLine(const QString& pdf, const QString& name)
{
    const QString info = run(QStringLiteral("pdfinfo"), { pdf });
    const QRegularExpression line(QStringLiteral("^%1:\\s+(.*)$").arg(name), QRegularExpression::MultilineOption);
    const auto match = line.match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}
}

int pdfPages(const QString& pdf)
{
    bool ok = false;
    const int pages = pdfInfoLine(pdf, QStringLiteral("Pages")).toInt(&ok);
    return ok ? pages : -1;
}

QString pdfPageSize(const QString& pdf)
{
    return pdfInfoLine(pdf, QStringLiteral("Page size"));
}

QImage pdfFirstPageImage(const QString& pdf, const QString& pngPath, int dpi)
{
    QString prefix = pngPath;
    prefix.chop(4); // pdftoppm adds ".png"
    run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"), QString::number(dpi),
            QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, prefix });
    return QImage(pngPath);
}

QString artifactPath(const QString& fileName)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/report");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + fileName;
}

} // namespace ReportTestSupport
