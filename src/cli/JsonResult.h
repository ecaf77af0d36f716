// The whole result of a calculation as JSON, for scripts that read the batch tool's output.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <iosfwd>
#include <string>

namespace spanwise {

// Writes one JSON object: the file, the counts and supports, the number of distribution sweeps,
// and per span its end moments, key sections (x, M, V), largest moment and its position, and
// its row of the result table (numbers and display texts). Floats are written as the shortest
// text that reads back to the same float.
void writeJsonResult(std::ostream& out, const std::string& fileName, const Beam& beam,
                     const BeamResults& results, long sweeps);

// A JSON string literal, quotes included.
std::string jsonString(const std::string& text);

// The shortest JSON number that reads back to v (null when v is not finite).
std::string jsonNumber(float v);

} // namespace spanwise
