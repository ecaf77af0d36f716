// The project file (.BMD): the whole project as text records, one per line, CR LF line ends,
// fields separated by commas, load texts in double quotes as GBK bytes, numbers in plain
// decimal notation with "." whatever the user's locale.
//
// Records in file order: the project record (span count, span shown, left and right support
// codes); for every span its span record (L, EI, i, load count, selected load), and for every
// load of the span its values record (q, P, a, b, c) and its label record (text in quotes,
// kind code).
//
// After the last counted record, and only when a load is live, a combination or deflection
// setting differs from its default, the title block is filled or a load is of a later kind
// (partial, linear, concentrated moment), an extension block of records in the same syntax
// (readers that stop at the counts still read the beam):
//   "Spanwise",v                   the marker and the version of the block: 1, or 2 when a
//                                  load is of a later kind
//   "case",s,k,c                   load k of span s belongs to case c (0 dead, 1 live); loads
//                                  not listed are dead (the writer lists the live ones)
//   "factors",gammaG,gammaQ,gammaL the combination factors, always written with the block
//   "deadfavourable",gamma         only when the favourable-dead-load option is on
#pragma once

#include "model/Beam.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace spanwise {

// What went wrong with a project file, in the user's language (UTF-8).
struct ProjectFileError {
    std::string fileName; // the path as the user chose it
    int line = 0;         // 1-based line of the file; 0 when the file as a whole is concerned
    std::string reason;   // for example "应有 5 个数值"

    // One sentence naming the file and the line: 工程文件“a.BMD”第 5 行：应有 5 个数值
    std::string message() const;
};

// Either a complete project or the error, never a half-read beam.
struct ReadResult {
    std::optional<Project> project;
    ProjectFileError error; // meaningful only without a project

    bool ok() const { return project.has_value(); }
};

inline constexpr const char* kBlockMarker = "Spanwise";
// The newest version of the block this program reads and writes. It writes version 1 where the
// project holds nothing a reader of version 1 would not take (the first three load kinds), so
// that such files stay byte for byte as they were; version 2 where it holds a later load kind,
// which a reader of version 1 then refuses with its line instead of dropping the load (and the
// design data and axes); version 3 where it holds the member's data of the drawing; version 4
// where the beam's own weight is counted.
inline constexpr int kBlockVersion = 4;

// Reads a project file as Open does: the records, whose counts decide how many records follow.
// Accepts CR LF or LF, fields separated by commas or line ends (a record may run over several
// lines but ends at a line end), blanks around fields, "0.5" and ".5". Refuses counts, codes
// and current-span or selected-load numbers the program could not show, numbers that are not
// finite single-precision values, broken quotes, anything after the last record but the
// extension block, and a block it cannot take whole: a later version, a record it does not
// know or that is given twice, a span or load that does not exist, unusable factors.
ReadResult readProjectFile(const QString& path);

// The same over the bytes of a file; fileName only names it in the error.
ReadResult parseProject(std::string_view bytes, const std::string& fileName);

// Outcome of a save; on failure the file that was there is left as it was.
struct SaveResult {
    bool ok = false;
    std::string reason; // in the user's language, empty on success
};

// The bytes of the project file. Fails (reason set, bytes empty) for a project no
// file can hold: counts or codes out of range, a value that is not finite, a load text with a
// quote or a line break, or one that neither GBK nor GB18030 can encode, unusable combination
// factors.
SaveResult projectFileBytes(const Project& project, std::string& bytes);

// Writes bytes to path atomically: a temporary file in the same folder, renamed over the target
// only once every byte is written; on failure the file that was there stays as it was.
SaveResult writeFileAtomically(const QString& path, const std::string& bytes);

// Writes the project to path atomically (writeFileAtomically).
SaveResult writeProjectFile(const Project& project, const QString& path);

// A real as the file holds it: the shortest plain decimal text that reads back to the same
// float; whole values carry no point (6), values below 1 a leading zero (0.5).
std::string fileNumber(float v);

} // namespace spanwise
