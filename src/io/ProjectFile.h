// The project file (.BMD): the whole beam model as text records, one per line, CR LF line ends,
// fields separated by commas, load texts in double quotes as GBK bytes, numbers in plain
// decimal notation with "." whatever the user's locale.
//
// Records in file order: the project record (SpanCount, CurrentSpan, LeftSupport,
// RightSupport); for every span 1..SpanCount its span record (SpanLength, SpanEI,
// SpanLineStiffness, LoadCount, SelectedLoad), and for every load 1..LoadCount(s) its values
// record (LoadQ, LoadP, LoadA, LoadB, LoadC) and its label record (LoadText in quotes,
// LoadKindOf). Spans above SpanCount and loads above LoadCount are never written.
#pragma once

#include "model/BeamModel.h"

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

// Either a complete model or the error, never a half-read model.
struct ReadResult {
    std::optional<BeamModel> model;
    ProjectFileError error; // meaningful only without a model

    bool ok() const { return model.has_value(); }
};

// Reads a project file as Open does: a reset model filled from the records, whose counts
// decide how many records follow. The model comes back with ProjectFileName = path (UTF-8)
// and ProjectSaved = true; its results are not part of the file (the caller clears them).
// Accepts CR LF or LF, fields separated by commas or line ends (a record may run over several
// lines but ends at a line end), blanks around fields, "0.5" and ".5". Refuses counts, codes
// and current-span or selected-load numbers the program could not show, numbers that are not
// finite single-precision values, broken quotes and anything after the last record.
ReadResult readProjectFile(const QString& path);

// The same over the bytes of a file; fileName only names it in the error.
ReadResult parseProject(std::string_view bytes, const std::string& fileName);

// Outcome of a save; on failure the file that was there is left as it was.
struct SaveResult {
    bool ok = false;
    std::string reason; // in the user's language, empty on success
};

// The bytes of the project file for the model. Fails (reason set, bytes empty) for a model no
// file can hold: counts or codes out of range, a value that is not finite, a load text with a
// quote or a line break, or one that neither GBK nor GB18030 can encode.
SaveResult projectFileBytes(const BeamModel& model, std::string& bytes);

// Writes bytes to path atomically: a temporary file in the same folder, renamed over the target
// only once every byte is written; on failure the file that was there stays as it was.
SaveResult writeFileAtomically(const QString& path, const std::string& bytes);

// Writes the model to path atomically: a temporary file in the same folder, renamed over the
// target only once it is completely written. Touches nothing of the model.
SaveResult writeProjectFile(const BeamModel& model, const QString& path);

// Save of the File menu: a project never named ("新工程") is written to "新工程.BMD" in the
// working directory. Only a completed write renames the project and sets ProjectSaved; after a
// failure the model is unchanged and the caller shows the reason.
SaveResult qSAVE(BeamModel& model);

// A real as the file holds it: the shortest plain decimal text that reads back to the same
// float; whole values carry no point (6), values below 1 a leading zero (0.5).
std::string fileNumber(float v);

} // namespace spanwise
