// Paints the detailing drawing on a screen or a page: the sheet scaled to fit the area (its
// aspect kept, y up), each layer in its colour (yellow and white as dark tones on white paper),
// lines by their plotted width, texts in the width factor of the drawing's style.
#pragma once

#include "drawing/DetailingSheet.h"

class QPainter;

namespace spanwise {

void paintDetailingSheet(QPainter& painter, const QRectF& area, const DetailingSheet& sheet);
// The part of the sheet within region (the sheet's coordinates, y up), scaled to fit the area
// and cut at its edges: a drawing too wide for a page printed in bands.
void paintDetailingSheetRegion(QPainter& painter, const QRectF& area, const DetailingSheet& sheet,
                               const QRectF& region);

// The height the sheet takes when painted width wide.
double detailingSheetHeight(const DetailingSheet& sheet, double width);

} // namespace spanwise
