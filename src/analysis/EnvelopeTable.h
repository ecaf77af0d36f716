// The envelope as a table of texts, the one layout the result window, the batch tool, the CSV
// and the report print: one row per span, then one per support that holds the beam.
#pragma once

#include "analysis/Envelope.h"

#include <string>
#include <vector>

namespace spanwise {

// An arrangement in one cell: the live spans "1,3,5" (or "无"), then "；恒载有利：2" for spans
// whose dead load takes gammaG,fav.
std::string arrangementCell(const Arrangement& arrangement);

struct EnvelopeTable {
    // 跨号; Mmax, its x, arrangement and shear; the same for Mmin; at each end the largest and
    // the smallest shear, each with its arrangement and the moment there.
    std::vector<std::string> spanHeaders;
    std::vector<std::vector<std::string>> spanRows;
    // 支座; the largest and smallest reaction with their arrangements, and at a fixed end the
    // largest and smallest moment (empty cells elsewhere).
    std::vector<std::string> supportHeaders;
    std::vector<std::vector<std::string>> supportRows;
};

EnvelopeTable envelopeTable(const Beam& beam, const Envelope& envelope);

// The factors as one line of text: "γG = 1.3，γQ = 1.5，γL = 1，恒载有利时 γG = 1".
std::string factorsText(const CombinationFactors& factors);

} // namespace spanwise
