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
// on-screen bar left out, at the size of `like`.
inline QImage viewOf(Plot& plot, const QImage& like)
{
    const bool bar = plot.ScreenBar(0)->GetVisible();
    plot.ScreenBar(0)->SetVisible(false);
    const QImage image = plot.renderImage(like.size());
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
};

// For each field, the index of the view (in the order of `fields`) nearest to
// its picture; -1 for a field without a picture. A report that put each
// picture into its own field gives 0, 1, 2, ... The views are taken in the
// order of `fields`, so a plot is left in the view of its last field.
inline std::vector<int> viewsInFields(const ReportDocument& document, Plot& plot, const std::vector<Field>& fields)
{
    std::vector<QImage> pictures;
    for (const Field& field : fields) {
        const ReportPageItem* item = document.find(QString::fromLatin1(field.key));
        pictures.push_back(item ? item->picture : QImage());
    }
    QImage like;
    for (const QImage& picture : pictures) {
        if (!picture.isNull())
            like = picture;
    }
    std::vector<QImage> views;
    for (const Field& field : fields) {
        field.showView();
        views.push_back(
            viewOf(field.plot ? *field.plot : plot, like.isNull() ? QImage(2000, 1060, QImage::Format_RGB32) : like));
    }
    std::vector<int> found;
    for (const QImage& picture : pictures) {
        int nearest = -1;
        double best = std::numeric_limits<double>::max();
        for (size_t v = 0; v < views.size() && !picture.isNull(); ++v) {
            const double d = distance(picture, views[v]);
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
