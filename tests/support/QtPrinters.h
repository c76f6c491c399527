#pragma once

// Readable failure messages for Qt values in GoogleTest.
#include <QRect>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QRect& rect, std::ostream* os)
{
    *os << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ")";
}
