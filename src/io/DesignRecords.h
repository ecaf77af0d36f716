// The design data in the project file's extension block (version 2), after the load cases:
//   "design",concrete,steel,stirrup,"environment",as,gamma0   the settings (30 for C30; 300, 335,
//                                                             400 or 500; "1", "2a", "2b", "3a"
//                                                             or "3b"; as 0: cover + 20)
//   "topas",mm                                                as,top, where it differs from as
//   "section",s,b,h,bf,hf,independent                         the spans that have one
//   "support",n,width,beta                                    where one is not 0
//   "bottom",s,n,d  "spantop",s,n,d  "stirrups",s,legs,d,s    the bars provided for span s
//   "top",n,count,d                                           over support n
// A bar record ends with the set's grade (300, 335, 400, 500) where it is not the project's.
// Written only for a beam that has design data (and then the settings always); read back whole
// or refused with the line and the reason.
#pragma once

#include "io/RecordFields.h"
#include "model/Beam.h"

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spanwise {

// The design records of the beam, each as its fields' texts (strings quoted), in file order;
// none for a beam without design data.
std::vector<std::vector<std::string>> designRecords(const Beam& beam);

namespace project_fields {

// How many fields a design record of this name has; 0 when the name is no design record's. A bar
// record may end with one more, its grade: designRecordLongest() is its most.
int designRecordSize(std::string_view name);
int designRecordLongest(std::string_view name);

// Takes the design records of one block into the beam, refusing (fail) a record it cannot take
// whole: a span or support that does not exist (a cantilever's free end included), a value out
// of its range, a record given twice; and, once the block is read, a block without the settings,
// of version 1, with bars on a span without a section, beta where it may not be taken, or as
// not below half of a span's depth.
class DesignRecordReader {
public:
    explicit DesignRecordReader(Beam& beam) : m_beam(beam) {}

    void take(const Record& fields);
    // markerLine: the block's first line, where a refusal of the block as a whole points.
    void finish(int version, int markerLine);

private:
    int span(const Field& f);
    int grade(const Record& fields); // the optional last field of a bar record; 0 without it
    int support(const Field& f, bool barsOver);
    void once(const std::string& what, const Field& first);

    Beam& m_beam;
    int m_settingsLine = 0;
    int m_firstLine = 0;
    std::set<std::string> m_given;
    std::vector<std::pair<int, int>> m_barsOfSpan;   // span, line: checked against the sections
    std::vector<std::pair<int, int>> m_supportLines; // support, line of its record
};

} // namespace project_fields

} // namespace spanwise
