#pragma once

#include "controls/Plot.h"
#include "report/ReportDocument.h"

#include <QImage>
#include <QString>

#include <functional>
#include <limits>
#include <vector>

// Which picture a report put into which field: each picture field against the
// views of the plot it was taken from.
namespace ReportPictures
{

// The plot in the view it shows now, as a report takes its picture: the
// on-screen bar left out, at the size of `like`, laid out across `widths`
// of the plot's own width.
inline QImage viewOf(Plot& plot, const QImage& like, double widths = 1.0)
{
    const bool bar = plot.ScreenBar(0)->GetVisible();
    plot.ScreenBar(0)->SetVisible(false);
    const QImage image = plot.renderImage(like.size(), widths);
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
    for (const Field& field : fields) {
        const ReportPageItem* item = document.find(QString::fromLatin1(field.key));
        pictures.push_back(item ? item->picture : QImage());
    }
    // views[v][p]: view v at the size of picture p.
    std::vector<std::vector<QImage>> views;
    for (const Field& field : fields) {
        field.showView();
        std::vector<QImage> sized;
        for (const QImage& picture : pictures)
            sized.push_back(
                picture.isNull() ? QImage() : viewOf(field.plot ? *field.plot : plot, picture, field.widths));
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

} // namespace ReportPictures
