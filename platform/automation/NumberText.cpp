#include "NumberText.h"

#include <QByteArray>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace
{
locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}
}

namespace NumberText
{

QString fromDouble(double value)
{
    return QString::number(value, 'g', 15);
}

QString fromFloat(float value)
{
    return QString::number(static_cast<double>(value), 'g', 7);
}

QString fromSingle(double value)
{
    // Beyond the single-precision range there is no such value (and no
    // defined conversion to one).
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX) || roundToSingle(value) != value)
        return fromDouble(value);
    // A whole number keeps its digits: a stored count or duration of
    // 2147483520 must not come back as 2147483500, though both are one value
    // in single precision.
    if (std::fabs(value) < 1e15 && std::trunc(value) == value)
        return fromDouble(value);
    // Nine significant digits always tell two single-precision values apart.
    for (int digits = 1; digits < 9; ++digits) {
        const double shortest = toDouble(format("%.*g", digits, value));
        if (roundToSingle(shortest) == value)
            return fromDouble(shortest);
    }
    return fromDouble(toDouble(format("%.9g", value)));
}

QString format(const char* fmt, ...)
{
    // The C library's printf under the C locale: its rounding of exact halves
    // ("%3.1f" of 12.25 gives "12.2") is the one the formats were written for.
    const locale_t previous = uselocale(cLocale());
    va_list args;
    va_start(args, fmt);
    va_list again;
    va_copy(again, args);
    char small[256];
    const int needed = vsnprintf(small, sizeof small, fmt, args);
    va_end(args);
    QByteArray text;
    if (needed < 0) {
        text.clear();
    } else if (needed < static_cast<int>(sizeof small)) {
        text = QByteArray(small, needed);
    } else {
        text.resize(needed + 1);
        vsnprintf(text.data(), text.size(), fmt, again);
        text.resize(needed);
    }
    va_end(again);
    uselocale(previous);
    return QString::fromLatin1(text);
}

double toDouble(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return strtod_l(bytes.constData(), nullptr, cLocale());
}

std::optional<double> toNumber(const QString& text)
{
    // Only the plain decimal form is a typed number: strtod alone would also
    // take hexadecimal, "nan" and "inf", which no user means as a setting.
    const QString trimmed = text.trimmed();
    int at = 0;
    const int size = int(trimmed.size());
    const auto isDigit = [&](int i) { return i < size && trimmed[i] >= u'0' && trimmed[i] <= u'9'; };
    if (at < size && (trimmed[at] == u'+' || trimmed[at] == u'-'))
        ++at;
    int digits = 0;
    while (isDigit(at)) {
        ++at;
        ++digits;
    }
    if (at < size && trimmed[at] == u'.') {
        ++at;
        while (isDigit(at)) {
            ++at;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (at < size && (trimmed[at] == u'e' || trimmed[at] == u'E')) {
        ++at;
        if (at < size && (trimmed[at] == u'+' || trimmed[at] == u'-'))
            ++at;
        if (!isDigit(at))
            return std::nullopt;
        while (isDigit(at))
            ++at;
    }
    if (at != size)
        return std::nullopt;
    const QByteArray bytes = trimmed.toLatin1();
    const double value = strtod_l(bytes.constData(), nullptr, cLocale());
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

double toSingle(const QString& text)
{
    return roundToSingle(toDouble(text));
}

int toInt(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    const long long value = strtoll_l(bytes.constData(), nullptr, 10, cLocale());
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace NumberText
