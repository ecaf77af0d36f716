// Drawings of the analysed beam, for the result window and the report alike: the beam with its
// supports and span labels, the bending-moment diagram (drawn on the tension side, as Chinese
// practice has it: sagging below the axis, hogging above) and the shear diagram (positive above),
// both over the whole beam to scale, and a sketch of the beam with its loads.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

class QFont;
class QPainter;

namespace spanwise {

class BeamDeflection;
class Envelope;

// A section of the beam: span 1..N and distance from the span's left end in m.
struct BeamSection {
    int span = 0;
    float x = 0;
};

// Beam, moment diagram and shear diagram in area; marker (span > 0) draws a vertical line with
// M and V at that section on both diagrams. Never throws: a beam whose sections cannot be
// evaluated in single precision gets a sentence instead of a drawing.
void paintDiagrams(QPainter& painter, const QRectF& area, const Beam& beam,
                   const BeamResults& results, const std::optional<BeamSection>& marker);

// The envelope of the combination over every live-load arrangement, drawn like paintDiagrams
// and to the same horizontal scale: the band between the largest and the smallest moment and
// the band between the largest and the smallest shear, with the values at the supports, at each
// span's extremes and at the span ends. results (of the loads as entered) supply the sections
// where the curves break; marker draws Mmax, Mmin, Vmax and Vmin at that section. Never throws.
void paintEnvelopeDiagrams(QPainter& painter, const QRectF& area, const Beam& beam,
                           const BeamResults& results, const Envelope& envelope,
                           const std::optional<BeamSection>& marker);

// The deflected line of the loads as entered (positive downward, in mm) to the same horizontal
// scale, with the loads above it, each span's largest deflection and rise, and a cantilever's
// tip; marker draws w at that section.
void paintDeflectionLine(QPainter& painter, const QRectF& area, const Beam& beam,
                         const BeamDeflection& deflection,
                         const std::optional<BeamSection>& marker);

// The section under horizontal position px of a drawing made by paintDiagrams in area.
std::optional<BeamSection> diagramSectionAt(const QRectF& area, const Beam& beam, double px);

// The beam with its supports and every load, each with its value (a live load dashed, in blue,
// its value marked "(活)"): loads that would cover one another are stacked in lanes above the
// beam, so that every load and every value shows. Each span's number and length are written
// below it; shadedSpan (1..N) is shaded as the span being edited, 0 shades none. The texts are
// textPixels high, or in proportion to the area when 0, and smaller where many lanes share
// the room. Spans are numbered from firstSpanNumber (a part of a longer beam drawn on a row of
// its own).
void paintLoadSketch(QPainter& painter, const QRectF& area, const Beam& beam, int shadedSpan = 0,
                     double textPixels = 0, int firstSpanNumber = 1);

// The height a load sketch of the beam width wide needs for its values in font to keep their
// size, however many lanes its loads take.
double loadSketchHeight(const Beam& beam, double width, const QFont& font);

// Spans first..last of beam as a beam of their own: the outer supports where they are the
// beam's, simple supports where the beam goes on; the axes named as in the whole beam.
Beam spansOfBeam(const Beam& beam, int first, int last);

// Rows of the reactions table: support, reaction (kN), moment at a fixed end (kN*m); no rows
// when a reaction cannot be had in single precision.
std::vector<QStringList> reactionRows(const Beam& beam, const BeamResults& results);

} // namespace spanwise
