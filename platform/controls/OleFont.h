#pragma once

#include <QFont>
#include <QString>

#include <cstdint>

// Fonts as pages and the library hand them to controls: a face name, a size as a
// currency value (points x 10000, so 11 pt is 110000) and a bold flag. Faces
// that Linux lacks fall back to DejaVu Sans, then Liberation Sans.
namespace OleFont
{

QFont toQFont(const QString& face, int64_t sizeCurrency, bool bold);

} // namespace OleFont
