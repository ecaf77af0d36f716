// Pieces every drawing of the beam is made of: the horizontal scale of the whole beam, the
// vertical scale of a diagram band, the beam with its supports, and value labels that never
// cover one another. Internal to the drawings of this library.
#pragma once

#include "model/Beam.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace spanwise::drawing {

QString number(float v);

inline const QColor kMomentFill(255, 196, 120);
inline const QColor kShearFill(140, 190, 240);
inline const QColor kMarker(200, 0, 0);
inline const QColor kShadedSpan(222, 235, 252);

// Horizontal scale: the whole beam to scale between two margins.
struct Scale {
    double left = 0;
    double width = 0;
    double total = 0;
    std::array<double, kMaxSpans + 2> start{}; // distance of each span's left end from the beam's

    Scale(const QRectF& area, const Beam& beam);
    bool valid() const { return total > 0; }
    double px(int s, double x) const { return left + (start[s] + x) / total * width; }
};

// Vertical scale of a diagram band: values from least to most fill the band, positive values
// below the axis (downwards) when `positiveDown`.
struct Band {
    double top, height, axis, perUnit;
    bool positiveDown;

    Band(double bandTop, double bandHeight, double most, double least, bool down);
    double y(double v) const { return positiveDown ? axis + v * perUnit : axis - v * perUnit; }
};

QFont sized(const QPainter& painter, double pixels);

// The beam line with its supports, and above each span its number and length when asked.
void drawBeam(QPainter& painter, const Scale& scale, const Beam& beam, double beamY, double size,
              bool spanLabels);

// A closed diagram outline filled and hatched, with its curve (all points but the first and
// the last, which lie on the axis) drawn over it.
void drawFilledDiagram(QPainter& painter, const QPolygonF& outline, const QColor& fill);

// Where a diagram drawing puts its parts in an area: the loads and the beam at the top, then
// the moment band, then the shear band.
struct DiagramLayout {
    double size;       // of a support symbol; texts follow it
    QRectF loadSketch; // the beam with its loads (paintLoadSketch)
    double beamY;      // the beam line within it
    double momentTop, momentHeight, shearTop, shearHeight;

    explicit DiagramLayout(const QRectF& area);
};

// Writes values beside the curves: never on a curve, on the query line or on a value already
// written. A value whose place is taken tries the other side of its point, then is left out, so
// the values written first (the extremes and the supports) are the ones kept.
class Labels {
public:
    explicit Labels(QPainter& painter) : m_painter(painter) {}

    // Keeps the values off this line (a curve, the query line).
    void avoid(const QPolygonF& line);
    // Keeps the values off this box (a text written by other means).
    void reserve(const QRectF& box) { m_placed.push_back(box); }

    // side: -1 ends at x, 0 centred on x, +1 starts at x; above or below y. The box written in,
    // or nothing when no place was free and nothing was written.
    std::optional<QRectF> add(const QPointF& at, const QString& text, bool above, int side = 0);

private:
    bool isFree(const QRectF& box) const;

    QPainter& m_painter;
    std::vector<QRectF> m_placed;
    std::vector<QPolygonF> m_lines;
    std::vector<QRectF> m_lineBounds;
};

// The beam over a drawing laid out by layout, with its loads when they can be read (a long beam:
// supports and span numbers only; its loads are in the sketch of the input).
void drawSketchAboveDiagrams(QPainter& painter, const DiagramLayout& layout, const Beam& beam);

// The beam above (drawSketchAboveDiagrams), then the moment band (positive down, the tension
// side) and the shear band (positive up) for values in range {most M, least M, most V, least V},
// each with its title at left.
struct DiagramBands {
    Band moments;
    Band shears;
};
DiagramBands drawDiagramFrame(QPainter& painter, const DiagramLayout& layout, double left,
                              const Beam& beam, const std::array<double, 4>& range,
                              const QString& momentTitle, const QString& shearTitle);

// The query's section: a dashed line down through both bands, with a text at the
// top of each band; the line and the texts are kept free of values.
void drawQueryMarker(QPainter& painter, Labels& labels, double px, const DiagramLayout& layout,
                     double bottom, const QString& momentText, const QString& shearText);

} // namespace spanwise::drawing
