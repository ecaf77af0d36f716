// The sections of the calculation report that follow the results: the envelope over every
// live-load arrangement, the working of the moment distribution, and the deflections.
#pragma once

#include "analysis/Calculation.h"
#include "analysis/Envelope.h"
#include "report/ReportPages.h"

namespace spanwise::report_pages {

// Every load of the beam with its case and the values its kind uses, and what they mean.
void loadTable(PageCursor& page, const Beam& beam, const QFont& body, const QFont& small);

// envelope: that of the calculated beam, or null and whyNone when it could not be had.
void envelopeSection(PageCursor& page, QPainter& painter, const Calculation& calculation,
                     const Envelope* envelope, const std::string& whyNone, const QFont& heading,
                     const QFont& body, const QFont& small);

// envelope: the force envelope of a beam with live loads, for both combinations (null: none).
void deflectionSection(PageCursor& page, QPainter& painter, const Calculation& calculation,
                       const Envelope* envelope, const QString& title, const QFont& heading,
                       const QFont& body, const QFont& small);

void workingSection(PageCursor& page, const Calculation& calculation, const QString& title,
                    const QFont& heading, const QFont& small);

} // namespace spanwise::report_pages
