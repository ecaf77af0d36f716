// The stamp a calculation carries into its report: the file, the SHA-256 of its bytes and the
// time.
#pragma once

#include "analysis/Calculation.h"

#include <QString>

#include <string>

namespace spanwise {

// The SHA-256 of the file's bytes as lowercase hex; empty when the file cannot be read.
std::string fileSha256(const QString& path);

// The source of a calculation made now of the project in file (empty for none); unsaved: the
// beam calculated has edits the file does not hold, so no digest is given.
CalculationSource calculationSourceOf(const QString& file, bool unsaved);

} // namespace spanwise
