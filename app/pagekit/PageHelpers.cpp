#include "PageHelpers.h"

#include "AppLog.h"
#include "ProgramControlFactory.h"

#include "automation/NumberText.h"
#include "ui/FormPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

#include <algorithm>
#include <climits>

namespace
{

struct PressureUnitRow {
    int code;
    std::array<double, 4> to; // psi, bar, kg/cm2, kPa
};

constexpr PressureUnitRow PressureFactors[] = {
    { 6, { 1.0, 0.06895, 0.07031, 6.895 } },
    { 7, { 14.5038, 1.0, 1.01972, 100.0 } },
    { 10, { 14.22, 0.98067, 1.0, 98.067 } },
    { 12, { 0.145038, 0.01, 0.0101972, 1.0 } },
};
constexpr int TargetUnits[] = { 6, 7, 10, 12 };

// The text a window shows, whatever kind of window it is.
QString textOf(const QWidget* window)
{
    if (!window)
        return QString();
    if (auto* edit = qobject_cast<const QLineEdit*>(window))
        return edit->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(window))
        return edit->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(window))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(window))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(window))
        return box->title();
    if (auto* combo = qobject_cast<const QComboBox*>(window))
        return combo->currentText();
    // Our own controls offer their text as a property.
    const QVariant text = window->property("text");
    return text.canConvert<QString>() ? text.toString() : QString();
}

} // namespace

QString PageHelpers::programFolder()
{
    QString folder = qEnvironmentVariable("STROKEWISE_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString PageHelpers::GetAppFolder()
{
    m_AppFolder = programFolder();
    return m_AppFolder;
}

double PageHelpers::GetPressureConversionFactor(int fromUnit, int toIndex)
{
    m_PressureConversionFactor = 1.0;
    if (toIndex < 0 || toIndex > 3)
        return m_PressureConversionFactor;
    for (const PressureUnitRow& row : PressureFactors) {
        if (row.code == fromUnit) {
            m_PressureConversionFactor = row.to[static_cast<size_t>(toIndex)];
            m_TargetPressureUnit = TargetUnits[toIndex];
        }
    }
    return m_PressureConversionFactor;
}

int PageHelpers::GetPressureGaugeScale(int unit)
{
    switch (unit) {
    case 6:
        m_PressureUnitLabel = AutoString("psi");
        return 150;
    case 7:
        m_PressureUnitLabel = AutoString("bar");
        return 12;
    case 10:
        m_PressureUnitLabel = AutoString(u"Kg/cm\u00B2");
        return 12;
    case 12:
        m_PressureUnitLabel = AutoString("kPa");
        return 1050;
    default:
        m_PressureUnitLabel = AutoString("%");
        return 100;
    }
}

std::optional<double> WindowNumber(const QWidget* window)
{
    return NumberText::toNumber(textOf(window));
}

std::optional<double> WindowNumberIn(const QWidget* window, const FieldRange& range)
{
    return range.take(WindowNumber(window));
}

IImageDisplayPtr CreateImageDisplayControl(
    FormPage* page, const QRect& screenRect, int childId, int imageId, const AppLog& log)
{
    IImageDisplayPtr display = ProgramControlFactory::create<ImageDisplay>(page, screenRect, childId, log);
    if (!display)
        return display;
    display->clear();
    display->loadImageResource(imageId);
    return display;
}

bool TypedAsShown(const QString& typed, const QString& shown)
{
    return typed.trimmed() == shown.trimmed();
}

QString UnpaddedTag(QString tag)
{
    while (tag.endsWith(QLatin1Char(' ')))
        tag.chop(1);
    return tag;
}
