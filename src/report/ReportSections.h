// The sections of the calculation report that follow the results: the envelope over every
// live-load arrangement, the working of the moment distribution, and the deflections.
#pragma once

#include "outcome/BeamOutcome.h"
#include "report/ReportPages.h"

namespace spanwise::report_pages {

// Every load of the beam with its case and the values its kind uses, and what they mean.
void loadTable(PageCursor& page, const Beam& beam, const QFont& body, const QFont& small);

// The envelope of the outcome, or why there is none.
void envelopeSection(PageCursor& page, QPainter& painter, const BeamOutcome& outcome,
                     const QFont& heading, const QFont& body, const QFont& small);

// The deflections of the outcome: the loads as entered and, with live loads and an envelope,
// both combinations.
void deflectionSection(PageCursor& page, QPainter& painter, const BeamOutcome& outcome,
                       const QString& title, const QFont& heading, const QFont& body,
                       const QFont& small);

void workingSection(PageCursor& page, const Calculation& calculation, const QString& title,
                    const QFont& heading, const QFont& small);

} // namespace spanwise::report_pages
