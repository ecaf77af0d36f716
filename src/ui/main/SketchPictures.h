// The eighteen load sketches, kept as SVG resources under their numbers.
#pragma once

#include "model/Beam.h"

#include <QPixmap>

namespace spanwise {

enum class SketchSupport { BothEnds, FreeLeft, FreeRight };

// 104, 105, 109..114 or 117..126 for a load kind (0 concentrated, 1 uniform, 2 trapezoidal,
// 3 partial uniform, 4 linear, 5 concentrated moment) on a span supported as given; 0 for any
// other kind.
int sketchNumber(SketchSupport support, int kind);

// The picture at its own size (pixels), rendered for the given device pixel ratio.
QPixmap sketchPixmap(int number, qreal devicePixelRatio = 1);

// The banner over the window.
QPixmap bannerPixmap(qreal devicePixelRatio = 1);

// An SVG resource at its own size, or at `size` when given, on `ground` (transparent unless
// given). Throws std::runtime_error when the resource is missing: the pictures are part of the
// program.
QPixmap svgPixmap(const QString& resource, qreal devicePixelRatio, QSize size = {},
                  const QColor& ground = Qt::transparent);

} // namespace spanwise
