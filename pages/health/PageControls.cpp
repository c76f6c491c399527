#include "PageControls.h"

#include "StripPage.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>

namespace PageControls
{

std::vector<ControlSpec> stripTemplate()
{
    return {
        ControlSpec::placeholder(StripPage::LedPlaceholder, 3, 7, 26, 13),
        ControlSpec::placeholder(StripPage::ActivePlaceholder, 101, 6, 221, 13),
        ControlSpec::placeholder(StripPage::SourcePlaceholder, 458, 6, 63, 13),
        ControlSpec::label(-1, QStringLiteral("Active Indicator:"), 40, 10, 60, 8),
        ControlSpec::label(-1, QStringLiteral("Command Source:"), 390, 10, 66, 8),
    };
}

namespace
{
// Shrinks the widget's font until `text` fits `width` pixels on one line.
void shrinkToFit(QWidget* widget, const QString& text, int width)
{
    constexpr double SmallestPoints = 6.0;
    QFont font = widget->font();
    while (font.pointSizeF() > SmallestPoints && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    widget->setFont(font);
}
}

void fitLabels(FormPage* page)
{
    for (QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->metaObject() != &QLabel::staticMetaObject || label->text().isEmpty())
            continue;
        if (label->height() >= 2 * QFontMetricsF(label->font()).lineSpacing())
            continue; // room for a second line: wrapping is meant
        label->setWordWrap(false);
        shrinkToFit(label, label->text(), label->width());
    }
    for (QRadioButton* radio : page->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        const int indicator = radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio)
            + radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
        shrinkToFit(radio, radio->text(), radio->width() - indicator - 2);
    }
}

} // namespace PageControls
