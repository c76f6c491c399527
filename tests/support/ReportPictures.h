#pragma once

#include "DrawnPlotTexts.h"

#include "controls/Plot.h"
#include "report/ReportControl.h"
#include "report/ReportDocument.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <limits>
#include <vector>

// Which picture a report put into which field: each picture field against the
// views of the plot it was taken from.
namespace ReportPictures
{

// Where a picture lies on paper: as large as its field holds, keeping its
// shape (twips).
inline QSizeF printedSize(const ReportPageItem& item)
{
    return QSizeF(item.picture.size()).scaled(QSizeF(item.rect.size()), Qt::KeepAspectRatio);
}

// The plot in the view it shows now, as a report takes its picture: the
// on-screen bar left out, at the size of `like`, laid out across `widths`
// of the plot's own width, for paper `paperPoints` wide.
inline QImage viewOf(Plot& plot, const QImage& like, double widths = 1.0, double paperPoints = 0.0)
{
    const bool bar = plot.ScreenBar(0)->GetVisible();
    plot.ScreenBar(0)->SetVisible(false);
    const QImage image = plot.renderImage(like.size(), widths, paperPoints);
    plot.ScreenBar(0)->SetVisible(bar);
    return image.convertToFormat(QImage::Format_RGB32);
}

// How far two pictures lie apart, compared at a small common size.
inline double distance(const QImage& a, const QImage& b)
{
    const QSize small(400, 212);
    const QImage x
        = a.convertToFormat(QImage::Format_RGB32).scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y
        = b.convertToFormat(QImage::Format_RGB32).scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int row = 0; row < small.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < small.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum;
}

// The picture the report put into the field `key`; a null image when the
// field got none (or the report has no such field).
inline QImage pictureIn(const ReportDocument& document, const char* key)
{
    const ReportPageItem* item = document.find(QString::fromLatin1(key));
    return item ? item->picture : QImage();
}

// The report a page printed last, as laid out: its hidden report control's
// document (an empty one when the page has no report control).
inline ReportDocument reportOf(const QObject& page)
{
    const ReportControl* report = page.findChild<ReportControl*>();
    return report ? report->layoutDocument() : ReportDocument();
}

// Which of `keys` got a picture, in the order given.
inline QStringList picturedFields(const ReportDocument& document, std::initializer_list<const char*> keys)
{
    QStringList pictured;
    for (const char* key : keys)
        if (!pictureIn(document, key).isNull())
            pictured << QString::fromLatin1(key);
    return pictured;
}

struct Field {
    const char* key;
    std::function<void()> showView; // puts the plot into the view the field's picture shows
    Plot* plot = nullptr; // the plot the picture was taken of, when not the report's one plot
    double widths = 1.0; // how many of the plot's widths the picture is laid out across
};

// For each field, the index of the view (in the order of `fields`) nearest to
// its picture; -1 for a field without a picture. A report that put each
// picture into its own field gives 0, 1, 2, ... Each view is taken at the
// size of each picture, laid out as its own field's picture is. The views are
// taken in the order of `fields`, so a plot is left in the view of its last
// field.
inline std::vector<int> viewsInFields(const ReportDocument& document, Plot& plot, const std::vector<Field>& fields)
{
    std::vector<QImage> pictures;
    std::vector<double> paperPoints;
    for (const Field& field : fields) {
        const ReportPageItem* item = document.find(QString::fromLatin1(field.key));
        pictures.push_back(item ? item->picture : QImage());
        paperPoints.push_back(item && !item->picture.isNull() ? printedSize(*item).width() / 20.0 : 0.0);
    }
    // views[v][p]: view v at the size of picture p.
    std::vector<std::vector<QImage>> views;
    for (const Field& field : fields) {
        field.showView();
        std::vector<QImage> sized;
        for (size_t p = 0; p < pictures.size(); ++p)
            sized.push_back(pictures[p].isNull()
                    ? QImage()
                    : viewOf(field.plot ? *field.plot : plot, pictures[p], field.widths, paperPoints[p]));
        views.push_back(std::move(sized));
    }
    std::vector<int> found;
    for (size_t p = 0; p < pictures.size(); ++p) {
        int nearest = -1;
        double best = std::numeric_limits<double>::max();
        for (size_t v = 0; v < views.size() && !pictures[p].isNull(); ++v) {
            const double d = distance(pictures[p], views[v][p]);
            if (d < best) {
                best = d;
                nearest = int(v);
            }
        }
        found.push_back(nearest);
    }
    return found;
}

// Counting from 0: what viewsInFields gives when every picture is in its own field.
inline std::vector<int> inOrder(size_t count)
{
    std::vector<int> out;
    for (size_t k = 0; k < count; ++k)
        out.push_back(int(k));
    return out;
}

// The smallest the legend is to be read on paper, against the report's 9 pt body text.
constexpr double ReadableLegendPoints = 7.0;

// Each report picture whose legend prints below ReadableLegendPoints: the
// painting's legend size taken to paper through the field the picture went
// into (found by its shape; a picture is laid out 96 pixels to the inch).
inline QStringList legendsPrintedTooSmall(
    const ReportDocument& document, const std::vector<DrawnPlotTexts::Painting>& paintings)
{
    QStringList faults;
    for (const DrawnPlotTexts::Painting& painting : paintings) {
        const QSizeF laidOut = painting.texts.size;
        if (!painting.texts.picture || painting.texts.legendPoints <= 0.0 || laidOut.isEmpty())
            continue;
        for (const ReportPage& page : document.pages)
            for (const ReportPageItem& item : page.items) {
                if (item.kind != ReportItemKind::Picture || item.picture.isNull())
                    continue;
                const double shape = double(item.picture.width()) / item.picture.height();
                if (std::abs(shape / (laidOut.width() / laidOut.height()) - 1.0) > 0.005)
                    continue;
                const double printedPoints = printedSize(item).width() / 20.0;
                const double legend = painting.texts.legendPoints * printedPoints / (laidOut.width() * 0.75);
                if (legend < ReadableLegendPoints - 0.01)
                    faults << QStringLiteral("\"%1\" in %2: the legend prints at %3 pt")
                                  .arg(painting.plotTitle, item.key)
                                  .arg(legend, 0, 'f', 1);
            }
    }
    faults.removeDuplicates();
    return faults;
}

// The boxes printed round picture fields that got no picture: empty frames.
inline QStringList emptyFrames(const ReportDocument& document)
{
    QStringList frames;
    for (const ReportPage& page : document.pages)
        for (const ReportPageItem& box : page.items) {
            if (box.kind != ReportItemKind::Box)
                continue;
            QStringList empty;
            bool content = false;
            for (const ReportPageItem& item : page.items) {
                if (&item == &box || !box.rect.normalized().contains(item.rect.normalized()))
                    continue;
                if (item.kind == ReportItemKind::Picture && item.picture.isNull())
                    empty << item.key;
                else
                    content = true;
            }
            if (!empty.isEmpty() && !content)
                frames << empty.join(QStringLiteral(", "));
        }
    return frames;
}

} // namespace ReportPictures
