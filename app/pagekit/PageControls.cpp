#include "PageControls.h"

#include "IndicatorColours.h"
#include "ProgramControlFactory.h"
#include "ui/FontToFit.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace PageControls
{

namespace
{
// Shrinks `font` until `text` fits `width` pixels on one line, and gives it
// to the widget.
void shrinkToFit(QWidget* widget, const QString& text, int width, const QFont& font)
{
    widget->setFont(fontToFit(font, width, text));
}

void shrinkToFit(QWidget* widget, const QString& text, int width)
{
    shrinkToFit(widget, text, width, widget->font());
}

// The room a line edit leaves for its text: inside its frame, its text
// margins and the two pixels it keeps on either side.
int textRoom(const QLineEdit* edit)
{
    const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
    const QMargins margins = edit->textMargins();
    return edit->width() - 2 * frame - margins.left() - margins.right() - 4;
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

void setCaption(FormPage* page, int id, const QString& caption)
{
    page->setWindowText(id, caption);
    if (QWidget* label = page->control(id))
        shrinkToFit(label, caption, label->width(), page->font());
}

void fitEdit(FormPage* page, int id, const QStringList& texts)
{
    auto* edit = page->controlAs<QLineEdit>(id);
    if (!edit)
        return;
    const QFontMetricsF metrics(edit->font());
    const auto widest = std::max_element(texts.begin(), texts.end(), [&](const QString& a, const QString& b) {
        return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
    });
    if (widest != texts.end())
        shrinkToFit(edit, *widest, textRoom(edit));
}

bool showHelpRow(FormPage* page, int buttonId, std::span<const HelpRow> rows, int implicationsEdit, int solutionsEdit)
{
    auto* button = page->controlAs<QAbstractButton>(buttonId);
    if (!button || !button->isChecked())
        return false;
    for (const HelpRow& row : rows) {
        if (row.button == buttonId) {
            page->setWindowText(implicationsEdit, QString::fromUtf8(row.implications));
            page->setWindowText(solutionsEdit, QString::fromUtf8(row.solutions));
            return true;
        }
    }
    return false;
}

} // namespace PageControls

ILedRoundPtr CreateRoundLed(FormPage* page, const QRect& screenRect, int id, const AppLog& log)
{
    ILedRoundPtr led = ProgramControlFactory::create<LedRound>(page, screenRect, id, log);
    if (!led)
        return led;
    led->setLitColor(IndicatorColour::Red);
    led->setUnlitColor(IndicatorColour::Green);
    led->setBorderStyle(0);
    led->setLit(true);
    return led;
}

ILinearGaugePtr CreateLinearGauge(FormPage* page, const QRect& screenRect, int id, double maximum, const AppLog& log)
{
    ILinearGaugePtr gauge = ProgramControlFactory::create<LinearGauge>(page, screenRect, id, log);
    if (!gauge)
        return gauge;
    gauge->applyFactoryDefaults();
    gauge->setIndicatorColor(IndicatorColour::Green);
    gauge->setScaleMax(maximum);
    gauge->setScaleMin(0.0);
    // These gauges have no soft-limit band; their limits are the pointers.
    gauge->setBandLow(0.0);
    gauge->setBandHigh(0.0);
    // Pointer 0 shows the live value; only the limits are the user's to move.
    gauge->setPointerColor(0, IndicatorColour::Green);
    gauge->setPointerDraggable(0, false);
    return gauge;
}
