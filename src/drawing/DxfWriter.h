// The detailing drawing as a DXF file a CAD program opens: R12 (AC1009), ASCII with CR LF, every
// text in GBK (code page ANSI_936), a character GBK lacks written as \U+XXXX; the layers, line
// types and the text style SPW (gbenor.shx with gbcbig.shx, width 0.7) in its tables; only LINE,
// CIRCLE, TEXT and POLYLINE entities, colour and line type by layer. QtCore only.
#pragma once

#include "drawing/DetailingSheet.h"

#include <string>

namespace spanwise {

std::string dxfBytes(const DetailingSheet& sheet);

} // namespace spanwise
