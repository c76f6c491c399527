#pragma once

#include <QString>

#include <cmath>
#include <optional>

// The values a typed setting may take: both ends included, and whole numbers
// only where the field holds nothing else. A value is checked as typed, with
// its fraction: 60.9 is not in a 1-60 field of whole numbers.
struct FieldRange {
    double least = 0.0;
    double most = 0.0;
    bool whole = false;

    bool contains(double value) const
    {
        return std::isfinite(value) && value >= least && value <= most && (!whole || std::trunc(value) == value);
    }

    // The value when there is one and it lies in the range.
    std::optional<double> take(std::optional<double> value) const
    {
        if (value && contains(*value))
            return value;
        return std::nullopt;
    }
};
