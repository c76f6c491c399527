#pragma once

#include "automation/InterfacePtr.h"

#include <QObject>
#include <QString>

#include <limits>
#include <vector>

class Plot;

// One named X or Y axis of a plot. The axis shows GetMin() to GetMin() +
// GetSpan(). Changing anything repaints the plot that owns it.
class PlotAxis : public QObject
{
    Q_OBJECT

public:
    enum class Orientation { X, Y };

    PlotAxis(Orientation orientation, const QString& name, Plot* owner);

    Orientation orientation() const { return m_orientation; }

    void SetName(const QString& name);
    QString GetName() const { return m_name; }
    void SetTitle(const QString& title);
    QString GetTitle() const { return m_title; }

    // The range shown. On a plot whose axes fit their shown traces (see
    // Plot::SetAxesFitShownTraces) the range set here is shown only while no
    // shown trace is drawn against the axis; the range then follows the
    // traces (see FitRange), whatever was set before.
    void SetMin(double min);
    double GetMin() const { return shownRange().min; }
    void SetSpan(double span);
    double GetSpan() const { return shownRange().span; }
    double GetMax() const
    {
        const Range range = shownRange();
        return range.min + range.span;
    }

    // How an axis fits its shown traces. A value axis keeps room at both
    // ends; a time axis starts at 0 when its traces start there or later
    // (the start of a test stands on the border) and keeps room at its end.
    enum class Fit { Value, Time };
    void SetFit(Fit fit);
    Fit GetFit() const;
    // Ends a family keeps where its shown points lie inside them with room
    // (a pressure axis from 0, say); NaN keeps no end. The other end, or an
    // end the points reach, follows the points to a round value beyond them.
    void SetKeptRange(double lower, double upper);
    double GetKeptLower() const { return m_keptLower; }
    double GetKeptUpper() const { return m_keptUpper; }

    // Visibility hides the whole axis; the second switch hides only its title.
    // Callers set both alike to show or hide an axis.
    void SetVisible(bool visible);
    bool GetVisible() const { return m_visible; }
    void SetTitleVisible(bool visible);
    bool GetTitleVisible() const { return m_titleVisible; }
    // The axis display option: whether the tick labels are shown.
    void SetLabelsVisible(bool visible);
    bool GetLabelsVisible() const { return m_labelsVisible; }

    // The range becomes the smallest to the largest value that the channels
    // drawn against this axis hold now (kept inside the limits when they are
    // on). Without any point the range stays as it is.
    void FitToData();

    // Tick spacing and the first tick; an increment of 0 or less chooses
    // round steps by itself.
    void SetIncrement(double increment);
    double GetIncrement() const { return m_increment; }
    void SetStartValue(double value);
    double GetStartValue() const { return m_startValue; }

    // The minimum the axis returns to when a page resets it.
    void SetResetMin(double value) { m_resetMin = value; }
    double GetResetMin() const { return m_resetMin; }

    // Limits bound only FitToData: a range that a page sets explicitly is
    // shown as it is.
    void SetLimits(double lower, double upper);
    double GetLowerLimit() const { return m_lowerLimit; }
    double GetUpperLimit() const { return m_upperLimit; }
    void SetLimitsEnabled(bool enabled) { m_limitsEnabled = enabled; }
    bool GetLimitsEnabled() const { return m_limitsEnabled; }

    void SetFontBold(bool bold);
    bool GetFontBold() const { return m_fontBold; }
    void SetFontSize(double points);
    double GetFontSize() const { return m_fontSize; }

    // Automatic ticks, labels shown, default font; name, title and range stay.
    void applyFactoryDefaults();

    struct Range {
        double min;
        double span;
        double step = 0.0; // the label step a fit chose; 0 when the range was set
    };
    // The range of an axis that fits its traces, given the smallest and
    // largest value its shown points take: every point at least a few
    // hundredths of the range clear of both borders, ends on round labels.
    static Range FitRange(double lo, double hi, Fit fit, double keptLower, double keptUpper, double increment,
        double startValue);

    // The span used for drawing: a span of 0, a negative or a non-finite one
    // would make every point land on one line or nowhere.
    double drawSpan() const;
    // The values at which ticks and grid lines stand, in increasing order.
    std::vector<double> tickValues() const;
    // Whether the range shown is a fit to the traces, whose ends stand on
    // its first and last tick: a label stands at each of them.
    bool labelledEnds() const { return shownRange().step > 0.0; }

private:
    void changed();
    Range shownRange() const;

    Plot* m_owner;
    Orientation m_orientation;
    QString m_name;
    QString m_title;
    double m_min = 0.0;
    double m_span = 100.0;
    bool m_visible = true;
    bool m_titleVisible = true;
    bool m_labelsVisible = true;
    double m_increment = 0.0;
    double m_startValue = 0.0;
    double m_resetMin = 0.0;
    double m_lowerLimit = 0.0;
    double m_upperLimit = 0.0;
    bool m_limitsEnabled = false;
    bool m_fitSet = false;
    Fit m_fit = Fit::Value;
    double m_keptLower = std::numeric_limits<double>::quiet_NaN();
    double m_keptUpper = std::numeric_limits<double>::quiet_NaN();
    bool m_fontBold = false;
    double m_fontSize = 8.0;
};

using IPlotAxisPtr = InterfacePtr<PlotAxis>;
