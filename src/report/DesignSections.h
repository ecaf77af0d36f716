// The report's pages of the reinforced-concrete design: its input (settings, sections,
// supports) and the design forces at the faces and in the spans with the rules that gave them.
#pragma once

#include "outcome/BeamOutcome.h"
#include "report/ReportPages.h"

namespace spanwise::report_pages {

// The design settings, the sections (with the stiffness they give) and the supports' widths and
// beta, under the input data; nothing for a beam without design data.
void designInput(PageCursor& page, const Beam& beam, const QFont& body, const QFont& small);

// The design forces of a beam with design data: how they are taken, the working of every
// redistributed span, the faces' and the spans' tables (or why there are none).
void designForcesSection(PageCursor& page, const BeamOutcome& outcome, const QString& title,
                         const QFont& heading, const QFont& body, const QFont& small);

// The title of a design section; false (after saying why) when there is no envelope to design
// from.
bool designSectionStarts(PageCursor& page, const QString& title, const BeamOutcome& outcome,
                         const QFont& heading, const QFont& body);

// The steel of a beam whose spans all have sections: the materials, the tables and, span by
// span, its sections drawn and the hand calculation of each design section (the outcome's
// design with its working written).
void designSection(PageCursor& page, QPainter& painter, const BeamOutcome& outcome,
                   const QString& title, const QFont& heading, const QFont& body,
                   const QFont& small);

// The 配筋详图 of a designed beam, from a new page: the member, the drawing and the detailing's
// tables; or which sets the design left without bars.
void detailingSection(PageCursor& page, const BeamOutcome& outcome, const QString& title,
                      const QFont& heading, const QFont& body, const QFont& small);

} // namespace spanwise::report_pages
