#pragma once

#include "ReportDocument.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

// Draws a laid-out report onto a paged device (a PDF writer or a printer),
// whatever its resolution: the painter works in twips.
namespace ReportPainter
{

// Raises ComError when the device cannot be painted on.
void paint(const ReportDocument& document, QPagedPaintDevice& device);

// One page on a painter already scaled to twips.
void paintPage(const ReportPage& page, QPainter& painter);

// The font a text is drawn in, sized in twips as the painter works, and how
// an item's text is placed in its rectangle: what measures whether a text
// fits its field.
QFont textFont(const ReportFont& font);
int textFlags(const ReportPageItem& item);

} // namespace ReportPainter
