// The supports' axes in the project file's extension block, written only where they are not
// numbered ①②③…:
//   "axes","letters"|"typed"   how the axes are named
//   "axis",j,"label"           a typed axis of support j (0..N), GBK like a load's text
// Read back whole or refused with the line and the reason.
#pragma once

#include "io/Gbk.h"
#include "io/RecordFields.h"
#include "model/Beam.h"

#include <string>
#include <vector>

namespace spanwise {

// The axis records of the beam, each as its fields' texts (strings quoted and GBK-encoded), in
// file order, into records; the reason where a typed axis cannot be kept (empty when all can).
std::string axisRecords(const Beam& beam, std::vector<std::vector<std::string>>& records);

namespace project_fields {

// How many fields an axis record of this name has; 0 when the name is no axis record's.
int axisRecordSize(std::string_view name);

// Takes the axis records of one block into the beam, refusing (fail) a record it cannot take: an
// unknown style, a support that does not exist or is a free end, a label that is no GBK text or
// breaks the rule of axis labels, a record given twice, typed axes under another style.
class AxisRecordReader {
public:
    AxisRecordReader(Beam& beam, FileTextDecoder& texts) : m_beam(beam), m_texts(texts) {}

    void take(const Record& fields);
    void finish();

private:
    Beam& m_beam;
    FileTextDecoder& m_texts;
    int m_styleLine = 0;
    int m_firstAxisLine = 0;
    std::vector<int> m_given; // supports whose axis is given
};

} // namespace project_fields

} // namespace spanwise
