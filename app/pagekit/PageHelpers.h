#pragma once

#include "FieldRange.h"
#include "automation/AutoString.h"
#include "controls/ImageDisplay.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>

class AppLog;
class FormPage;

// Services many pages share, kept by the application object: the program
// folder, the pressure-unit conversion factor with its target unit, and the
// pressure label of the last gauge scale asked for.
class PageHelpers
{
public:
    // The folder of the running program with its trailing "/", or the
    // STROKEWISE_HOME folder when that is set (a "/" is added when missing).
    static QString programFolder();

    // Stores and returns the program folder.
    QString GetAppFolder();

    // The factor that turns a value in `fromUnit` (6 psi, 7 bar, 10 kg/cm2,
    // 12 kPa) into the unit of `toIndex` (0 psi, 1 bar, 2 kg/cm2, 3 kPa); 1.0
    // for any other pair, leaving the target unit unchanged. Stored.
    double GetPressureConversionFactor(int fromUnit, int toIndex);

    // The full scale of a pressure gauge in `unit`, setting the pressure
    // unit label: psi 150, bar 12, kg/cm2 12, kPa 1050, anything else "%" 100.
    int GetPressureGaugeScale(int unit);

    QString m_AppFolder;
    double m_PressureConversionFactor = 1.0;
    int m_TargetPressureUnit = 0;
    AutoString m_PressureUnitLabel;
};

// The number a window's text holds: the whole text, blanks around it aside,
// as one plain decimal number in the C locale; none for an empty text or
// anything else ("abc", "12abc", "0x20", "1,5", "nan").
std::optional<double> WindowNumber(const QWidget* window);
// The same, only when the number lies in `range`.
std::optional<double> WindowNumberIn(const QWidget* window, const FieldRange& range);

// Whether a text the user typed is the one the page showed, blanks around
// either aside: a value shown padded (" 40.0") and typed bare ("40.0") is the
// value the page showed for the device's word, and goes back as that word
// rather than as the rounded number it reads.
bool TypedAsShown(const QString& typed, const QString& shown);

// The device tag without the blanks that pad it to its eight characters.
QString UnpaddedTag(QString tag);

// Creates the image display control ("DisplayLib.ImageDisplay") on `page` at
// the screen rectangle, with the child id, sized to the rectangle, showing the
// picture `imageId`. Empty when the control cannot be created; the failure is
// logged, never shown.
IImageDisplayPtr CreateImageDisplayControl(
    FormPage* page, const QRect& screenRect, int childId, int imageId, const AppLog& log);
