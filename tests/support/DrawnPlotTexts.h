#pragma once

#include "controls/Plot.h"
#include "controls/PlotPainter.h"

#include <QStringList>

#include <vector>

// Every plot painting while it lives, on screen and in pictures alike, with
// the texts it drew; `faults()` names each tick label that runs into another,
// lies under the legend or off the picture, and each label, axis title or
// legend entry that is not drawn whole.
class DrawnPlotTexts
{
public:
    struct Painting {
        QString plotTitle;
        PlotPainter::DrawnTexts texts;
        double topOfFirstYAxis = 0.0; // the value at the plot area's top border
    };

    DrawnPlotTexts()
    {
        PlotPainter::drawnTextsObserver() = [this](const Plot& plot, const PlotPainter::DrawnTexts& texts) {
            m_paintings.push_back({ plot.GetTitle(), texts, plot.yAxes().empty() ? 0.0 : plot.yAxes()[0]->GetMax() });
        };
    }
    ~DrawnPlotTexts() { PlotPainter::drawnTextsObserver() = nullptr; }
    DrawnPlotTexts(const DrawnPlotTexts&) = delete;
    DrawnPlotTexts& operator=(const DrawnPlotTexts&) = delete;

    const std::vector<Painting>& paintings() const { return m_paintings; }
    void clear() { m_paintings.clear(); }

    // Whether a text lies inside the rectangle the painter clipped it to.
    static bool within(const PlotPainter::DrawnText& text)
    {
        return text.clip.adjusted(-0.5, -0.5, 0.5, 0.5).contains(text.box);
    }

    static QStringList faultsOf(const Painting& painting)
    {
        QStringList faults;
        const QString where = QStringLiteral("\"%1\" %2x%3: ")
                                  .arg(painting.plotTitle)
                                  .arg(painting.texts.size.width())
                                  .arg(painting.texts.size.height());
        std::vector<PlotPainter::DrawnText> labels;
        for (const auto& axis : painting.texts.axisLabels)
            labels.insert(labels.end(), axis.begin(), axis.end());
        // Labels that touch read as one number: a pixel between them at least.
        const auto grown = [](const PlotPainter::DrawnText& label) { return label.box.adjusted(-0.5, -0.5, 0.5, 0.5); };
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j)
                if (grown(labels[i]).intersects(grown(labels[j])))
                    faults << where
                            + QStringLiteral("labels \"%1\" and \"%2\" overlap").arg(labels[i].text, labels[j].text);
        // Half a pixel of rounding is not a cut letter.
        const QRectF painted = QRectF(QPointF(0, 0), painting.texts.size).adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const PlotPainter::DrawnText& label : labels)
            if (!painted.contains(label.box))
                faults << where + QStringLiteral("label \"%1\" runs off the picture").arg(label.text);
        for (const PlotPainter::DrawnText& label : labels)
            if (label.box.intersects(painting.texts.legendRoom))
                faults << where + QStringLiteral("label \"%1\" lies under the legend").arg(label.text);
        const QRectF room = painting.texts.legendRoom.adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const PlotPainter::DrawnText& entry : painting.texts.legendEntries)
            if (!room.contains(entry.box) || !within(entry))
                faults << where + QStringLiteral("legend entry \"%1\" is cut").arg(entry.text);
        for (const PlotPainter::DrawnText& label : labels)
            if (!within(label))
                faults << where + QStringLiteral("label \"%1\" is cut").arg(label.text);
        for (const PlotPainter::DrawnText& title : painting.texts.axisTitles)
            if (!within(title))
                faults << where
                        + QStringLiteral("axis title \"%1\" is cut: %2 x %3 in %4 x %5")
                              .arg(title.text)
                              .arg(title.box.width(), 0, 'f', 1)
                              .arg(title.box.height(), 0, 'f', 1)
                              .arg(title.clip.width(), 0, 'f', 1)
                              .arg(title.clip.height(), 0, 'f', 1);
        const auto& entries = painting.texts.legendEntries;
        for (size_t i = 0; i < entries.size(); ++i)
            for (size_t j = i + 1; j < entries.size(); ++j)
                if (entries[i].box.intersects(entries[j].box))
                    faults << where
                            + QStringLiteral("legend entries \"%1\" and \"%2\" overlap")
                                  .arg(entries[i].text, entries[j].text);
        return faults;
    }

    QStringList faults() const
    {
        QStringList all;
        for (const Painting& painting : m_paintings)
            all << faultsOf(painting);
        all.removeDuplicates();
        return all;
    }

    // The paintings of plots with that title.
    std::vector<Painting> titled(const QString& title) const
    {
        std::vector<Painting> found;
        for (const Painting& painting : m_paintings)
            if (painting.plotTitle == title)
                found.push_back(painting);
        return found;
    }

private:
    std::vector<Painting> m_paintings;
};
