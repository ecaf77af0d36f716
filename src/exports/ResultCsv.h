// The outcome of a calculation as CSV text, for spreadsheet programs and the batch tool.
#pragma once

#include "analysis/Envelope.h"
#include "design/BeamDesign.h"
#include "io/ProjectFile.h"
#include "model/Beam.h"
#include "model/BeamResults.h"
#include "outcome/BeamOutcome.h"

#include <string>
#include <string_view>

namespace spanwise {

// UTF-8 with a byte order mark (EF BB BF first, so that spreadsheet programs read the Chinese
// titles right), CR LF after every line, fields separated by commas:
//   the 8 column titles of the result table, then one row per span (第s跨 and the 7 numbers in
//   the display form of the table);
//   an empty line;
//   "支座反力"; the titles "支座","反力(kN)","弯矩(kN*m)"; one row per support that holds the
//   beam (左端支座, 第j支座, 右端支座), the moment only at a fixed end.
// Reactions follow supportReactions(): R upwards, M the bending moment of the beam at the wall.
// Reads a calculated beam and its results; changes neither.
std::string resultCsv(const Beam& beam, const BeamResults& results);

// The envelope section that follows resultCsv() when the beam has live loads, same layout (no
// byte order mark): an empty line; "荷载组合与包络"; the factors (factorsText); the titles and
// rows of envelopeTable() for the spans; an empty line; its titles and rows for the supports.
std::string envelopeCsv(const Beam& beam, const Envelope& envelope);

// The deflection section that ends the CSV: an empty line; "挠度验算" and the note that it is
// the elastic deflection of the EI entered; the table of the loads as entered; with
// withCombinations on a beam with live loads, the settings and the tables of both combinations.
// Empty when a span has no usable EI (or the combinations asked for could not be made).
std::string deflectionCsv(const BeamOutcome& outcome, bool withCombinations);
// The design forces that end the CSV of a beam with design data: an empty line; "设计内力" and
// the summary line; "支座边缘", the titles and rows of the faces; "跨内", the titles and rows of
// the spans (designForcesTable). Empty without design data, or when the factored loads overflow.
std::string designForcesCsv(const BeamOutcome& outcome);
// The steel after the design forces: an empty line; "截面设计" and the summary; each of the
// design tables (designTables) under its title; a note on the proposed bars.
std::string designCsv(const BeamDesign& design);

// The bar schedule of a detailed beam, titled with the member's name, its totals last.
std::string scheduleCsv(const BeamDetailing& detailing);

// The whole CSV of an outcome: resultCsv(); envelopeCsv() where withEnvelope and the envelope
// was made; deflectionCsv() (with the combinations where withEnvelope); designForcesCsv(); and
// designCsv() where every span has a section and the design was made; scheduleCsv() where the
// beam was detailed.
std::string outcomeCsv(const BeamOutcome& outcome, bool withEnvelope);

// Writes outcomeCsv() to path atomically (see writeFileAtomically), with the envelope where the
// beam has live loads.
SaveResult writeOutcomeCsv(const BeamOutcome& outcome, const QString& path);

// One CSV field: the text itself, or in double quotes with inner quotes doubled when it holds a
// comma, a double quote, CR or LF.
std::string csvField(std::string_view text);

} // namespace spanwise
