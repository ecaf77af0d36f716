// What the drawing takes from the project file's extension block, each record written only
// where it differs from its default:
//   "axes","letters"|"typed"                        how the supports' axes are named
//   "axis",j,"label"                                a typed axis of support j (0..N), GBK
//   "detailing","L"|"KL",number,"letters"|"codes"|"phi",bs,h1
//                                                   the member (block version 3)
// Read back whole or refused with the line and the reason.
#pragma once

#include "io/Gbk.h"
#include "io/RecordFields.h"
#include "model/Beam.h"

#include <string>
#include <vector>

namespace spanwise {

// The drawing's records of the beam, each as its fields' texts (strings quoted and GBK-encoded),
// in file order, into records; the reason where a typed axis cannot be kept (empty when all
// can).
std::string drawingRecords(const Beam& beam, std::vector<std::vector<std::string>>& records);
// The block version the records need: 3 with the member's record, else 2 (0 with none).
int drawingRecordsVersion(const Beam& beam);

namespace project_fields {

// How many fields a drawing record of this name has; 0 when the name is no drawing record's.
int drawingRecordSize(std::string_view name);

// Takes the drawing records of one block into the beam, refusing (fail) a record it cannot take:
// an unknown style, code or sign setting, a support that does not exist or is a free end, a
// label that is no GBK text or breaks the rule of axis labels, a value out of its range, a record
// given twice, typed axes under another style, the member's record in a block before version 3.
class DrawingRecordReader {
public:
    DrawingRecordReader(Beam& beam, FileTextDecoder& texts) : m_beam(beam), m_texts(texts) {}

    void take(const Record& fields);
    void finish(int version);

private:
    void takeMember(const Record& fields);

    Beam& m_beam;
    FileTextDecoder& m_texts;
    int m_styleLine = 0;
    int m_firstAxisLine = 0;
    int m_memberLine = 0;
    std::vector<int> m_given; // supports whose axis is given
};

} // namespace project_fields

} // namespace spanwise
