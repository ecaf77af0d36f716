// The sections of the calculation report that follow the results: the envelope over every
// live-load arrangement, the working of the moment distribution, and the deflections.
#pragma once

#include "analysis/Calculation.h"
#include "report/ReportPages.h"

namespace spanwise::report_pages {

void envelopeSection(PageCursor& page, QPainter& painter, const Calculation& calculation,
                     const QFont& heading, const QFont& body, const QFont& small);

void deflectionSection(PageCursor& page, QPainter& painter, const Calculation& calculation,
                       const QString& title, const QFont& heading, const QFont& body,
                       const QFont& small);

void workingSection(PageCursor& page, const Calculation& calculation, const QString& title,
                    const QFont& heading, const QFont& small);

} // namespace spanwise::report_pages
