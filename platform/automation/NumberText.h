#pragma once

#include <QString>

#include <optional>

// Number <-> text in the C locale, whatever locale the user runs. Pages, the
// library, result files, report fields and log lines all go through these so
// a value reads back exactly as it was shown.
namespace NumberText
{

// The standard text of a double: shortest form with up to 15 significant
// digits, no trailing zeros (50 -> "50", 12.3f as double -> "12.3000001907349").
QString fromDouble(double value);

// The standard text of a single-precision value: up to 7 significant digits.
QString fromFloat(float value);

// The text of a value kept in single precision, as the result files keep
// their settings: the shortest that reads back as the same single-precision
// value, in fromDouble's form (12.3f as double -> "12.3", 0.29f -> "0.29"). A
// value that is not exactly a single-precision one keeps fromDouble's text.
QString fromSingle(double value);

// printf-style formatting in the C locale ("%5.2f", "%.2d/%.2d/%d", ...).
QString format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// strtod semantics in the C locale: leading blanks skipped, the leading number
// taken, 0 when there is none ("12abc" -> 12, "" -> 0, "  12.5" -> 12.5).
double toDouble(const QString& text);

// The number a typed field holds: the whole text, blanks around it allowed,
// must be one plain decimal number - an optional sign, digits with at most one
// point, an optional exponent - and finite. None for anything else: "",
// "abc", "12abc", "0x20", "1,5", "nan", "inf", "1e999".
std::optional<double> toNumber(const QString& text);

// toDouble rounded to single precision ("12.3" -> 12.3000001907349).
double toSingle(const QString& text);

// atoi semantics: the leading integer, 0 when there is none; clamped to int.
int toInt(const QString& text);

// A double rounded to single precision and back.
inline double roundToSingle(double value)
{
    return static_cast<double>(static_cast<float>(value));
}

} // namespace NumberText
