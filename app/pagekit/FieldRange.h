#pragma once

#include "automation/NumberText.h"

#include <QString>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

// The finest step a setting takes on the device: a value finer than it would
// be cut when written, so it is refused as typed instead.
enum class FieldStep { Any, Whole, Tenths, Hundredths, Thousandths };

// The values a typed setting may take: both ends included, and only values on
// the field's step. A value is checked as typed, with its fraction: 60.9 is
// not in a 1-60 field of whole numbers, nor 12.34 in a field of tenths.
struct FieldRange {
    double least = 0.0;
    double most = 0.0;
    FieldStep step = FieldStep::Any;

    static int decimals(FieldStep step)
    {
        switch (step) {
        case FieldStep::Whole:
            return 0;
        case FieldStep::Tenths:
            return 1;
        case FieldStep::Hundredths:
            return 2;
        case FieldStep::Thousandths:
            return 3;
        case FieldStep::Any:
            break;
        }
        return -1;
    }

    // True when `value` is a whole number of steps. Decimal fractions such as
    // 12.34 are not exact in binary, so the scaled value may lie a few units
    // in its last place off a whole number and still be on the step.
    bool onStep(double value) const
    {
        const int places = decimals(step);
        if (places < 0)
            return true;
        const double scaled = value * std::pow(10.0, places);
        const double tolerance = std::max(1e-9, 8.0 * DBL_EPSILON * std::fabs(scaled));
        return std::fabs(scaled - std::round(scaled)) <= tolerance;
    }

    bool contains(double value) const
    {
        return std::isfinite(value) && value >= least && value <= most && onStep(value);
    }

    // The value when there is one and it lies in the range, on the step.
    std::optional<double> take(std::optional<double> value) const
    {
        if (value && contains(*value))
            return value;
        return std::nullopt;
    }

    // What the field takes, for a tip or a log line: "whole numbers between 2
    // and 655", "values between 0 and 99.99 in steps of 0.01".
    QString describe() const
    {
        const QString ends
            = QStringLiteral("between %1 and %2").arg(NumberText::fromDouble(least), NumberText::fromDouble(most));
        switch (step) {
        case FieldStep::Whole:
            return QStringLiteral("whole numbers ") + ends;
        case FieldStep::Tenths:
            return QStringLiteral("values ") + ends + QStringLiteral(" in steps of 0.1");
        case FieldStep::Hundredths:
            return QStringLiteral("values ") + ends + QStringLiteral(" in steps of 0.01");
        case FieldStep::Thousandths:
            return QStringLiteral("values ") + ends + QStringLiteral(" in steps of 0.001");
        case FieldStep::Any:
            break;
        }
        return QStringLiteral("values ") + ends;
    }

    // The tip beside a field whose text this range does not take.
    QString tip() const { return QStringLiteral("Please enter ") + describe(); }
};
