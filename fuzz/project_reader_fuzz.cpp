// Fuzz target for the project file reader. Whatever the bytes, the reader must return either a
// project or an error, never crash or hang; its error must be readable UTF-8 and name a line
// of the file; and a project it returns must save and read back as the very same project, byte
// for byte the second time, and go through the data check.
#include "check/DataCheck.h"
#include "io/ProjectFile.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void broken(const char* what, const std::string& detail) {
    std::fprintf(stderr, "project reader fuzz: %s\n%s\n", what, detail.c_str());
    std::abort();
}

bool validUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString() ==
           text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spanwise;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult read = parseProject(bytes, "fuzz.BMD");
    if (!read.ok()) {
        const auto lineEnds = std::count(bytes.begin(), bytes.end(), '\n') +
                              std::count(bytes.begin(), bytes.end(), '\r');
        if (read.error.line < 1 || read.error.line > lineEnds + 1) {
            broken("error names a line outside the file", read.error.message());
        }
        if (read.error.reason.empty() || !validUtf8(read.error.message())) {
            broken("error text is empty or not UTF-8", read.error.message());
        }
        return 0;
    }

    std::string written;
    if (const SaveResult r = projectFileBytes(*read.project, written); !r.ok) {
        broken("a project that was read cannot be written", r.reason);
    }
    const ReadResult again = parseProject(written, "fuzz.BMD");
    if (!again.ok()) {
        broken("the written file does not read", again.error.message() + "\n" + written);
    }
    if (!(*again.project == *read.project)) {
        broken("the written file reads as another project", written);
    }
    std::string rewritten;
    projectFileBytes(*again.project, rewritten);
    if (rewritten != written) {
        broken("writing the project again gives other bytes", written + "\n" + rewritten);
    }
    const CheckResult check = checkBeam(read.project->beam);
    if (check.messages.empty()) {
        broken("the data check listed nothing", written);
    }
    return 0;
}
