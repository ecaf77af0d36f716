#include "io/DesignRecords.h"
#include "io/DrawingRecords.h"
#include "io/Gbk.h"
#include "io/ProjectFile.h"
#include "model/SelfWeight.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace spanwise {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string spanLabel(int s) {
    return "第" + std::to_string(s) + "跨";
}

std::string loadLabel(int s, int k) {
    return spanLabel(s) + "第" + std::to_string(k) + "个荷载";
}

bool validCode(int code) {
    return code >= 0 && code <= 2;
}

bool hasLaterKinds(const Beam& beam) {
    for (const Span& span : beam.spans) {
        for (const Load& load : span.loads) {
            if (isLaterKind(load.kind)) {
                return true;
            }
        }
    }
    return false;
}

// Appends the record's fields, comma-separated, and the line end.
template <typename... Fields> void record(std::string& out, const Fields&... fields) {
    bool first = true;
    ((out += first ? "" : ",", out += fields, first = false), ...);
    out += kLineEnd;
}

// The whole-project fields the reader insists on; a file it would refuse is never written.
std::string projectProblem(const Project& p) {
    const int count = p.beam.spanCount();
    if (count < 1 || count > kMaxSpans) {
        return "跨数 " + std::to_string(count) + " 不在 1 到 20 之间";
    }
    if (p.currentSpan < 1 || p.currentSpan > count) {
        return "当前跨号 " + std::to_string(p.currentSpan) + " 不在 1 到跨数之间";
    }
    if (!validCode(p.beam.leftSupport) || !validCode(p.beam.rightSupport)) {
        return "支座代码不是 0、1 或 2";
    }
    return {};
}

} // namespace

std::string fileNumber(float v) {
    // The shortest digits that read back to v, from the scientific form ("3.4e+38"), then laid
    // out in plain notation. (libstdc++'s fixed form prints large values with all their exact
    // digits instead, 339999995214436424907732413799364296704 for 3.4e38.)
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific);
    if (ec != std::errc{} || !std::isfinite(v)) {
        return {};
    }
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    std::string digits;
    bool negative = false;
    for (char c : text.substr(0, e)) {
        if (c == '-') {
            negative = true;
        } else if (c != '.') {
            digits += c;
        }
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    // v = 0.d1d2...dn * 10^(exponent + 1)
    const int point = exponent + 1;
    const int n = static_cast<int>(digits.size());
    std::string out = negative ? "-" : "";
    if (point <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= n) {
        out += digits + std::string(static_cast<std::size_t>(point - n), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(point)) + "." +
               digits.substr(static_cast<std::size_t>(point));
    }
    return out;
}

SaveResult projectFileBytes(const Project& p, std::string& bytes) {
    bytes.clear();
    if (std::string problem = projectProblem(p); !problem.empty()) {
        return {false, problem};
    }
    std::string out;
    auto number = [](float v) { return fileNumber(v); };
    auto integer = [](int v) { return std::to_string(v); };
    auto finite = [](std::initializer_list<float> values) {
        for (float v : values) {
            if (!std::isfinite(v)) {
                return false;
            }
        }
        return true;
    };

    const Beam& beam = p.beam;
    record(out, integer(beam.spanCount()), integer(p.currentSpan), integer(beam.leftSupport),
           integer(beam.rightSupport));
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const Span& span = beam.span(s);
        const int loads = span.loadCount();
        if (loads > kMaxLoads) {
            return {false,
                    spanLabel(s) + "的荷载数 " + std::to_string(loads) + " 不在 0 到 10 之间"};
        }
        if (p.selectedLoad(s) < 0 || p.selectedLoad(s) > loads) {
            return {false, spanLabel(s) + "的选中荷载序号超出荷载数"};
        }
        if (!finite({span.length, span.ei, span.lineStiffness})) {
            return {false, spanLabel(s) + "的数值不是有限数"};
        }
        record(out, number(span.length), number(span.ei), number(span.lineStiffness),
               integer(loads), integer(p.selectedLoad(s)));
        for (int k = 1; k <= loads; ++k) {
            const Load& load = span.load(k);
            if (!finite({load.q, load.P, load.a, load.b, load.c})) {
                return {false, loadLabel(s, k) + "的数值不是有限数"};
            }
            if (!isLoadKind(load.kind)) {
                return {false, loadLabel(s, k) + "的类型代码不在 0 到 " +
                                   std::to_string(kLoadKindCount - 1) + " 之间"};
            }
            if (load.text.find_first_of("\"\r\n") != std::string::npos) {
                return {false, loadLabel(s, k) + "的名称含有引号或换行"};
            }
            const auto encoded = encodeFileText(load.text);
            if (!encoded) {
                return {false, loadLabel(s, k) + "的名称无法用 GBK 编码"};
            }
            record(out, number(load.q), number(load.P), number(load.a), number(load.b),
                   number(load.c));
            record(out, "\"" + *encoded + "\"", integer(load.kind));
        }
    }
    const bool laterKinds = hasLaterKinds(beam);
    const bool design = hasDesignData(beam);
    std::vector<std::vector<std::string>> axes;
    if (std::string problem = drawingRecords(beam, axes); !problem.empty()) {
        return {false, problem};
    }
    if (!axes.empty() || hasLiveLoads(beam) || beam.factors != CombinationFactors{} ||
        beam.deflection != DeflectionSettings{} || beam.info != ProjectInfo{} || laterKinds ||
        design || beam.selfWeight != 0) {
        const CombinationFactors& f = beam.factors;
        if (std::string problem = combinationFactorsProblem(f); !problem.empty()) {
            return {false, problem};
        }
        if (std::string problem = deflectionSettingsProblem(beam.deflection); !problem.empty()) {
            return {false, problem};
        }
        auto quoted = [](const char* name) { return "\"" + std::string(name) + "\""; };
        if (std::string problem = selfWeightProblem(beam.selfWeight); !problem.empty()) {
            return {false, problem};
        }
        const int version = beam.selfWeight != 0 ? 4
                                                 : std::max(drawingRecordsVersion(beam),
                                                            laterKinds || design ? 2 : 1);
        record(out, quoted(kBlockMarker), integer(version));
        for (int s = 1; s <= beam.spanCount(); ++s) {
            for (int k = 1; k <= beam.span(s).loadCount(); ++k) {
                const LoadCase c = beam.span(s).load(k).loadCase;
                if (c != Dead && c != Live) {
                    return {false, loadLabel(s, k) + "的荷载类别代码不是 0 或 1"};
                }
                if (c == Live) {
                    record(out, quoted("case"), integer(s), integer(k), integer(c));
                }
            }
        }
        record(out, quoted("factors"), number(f.dead), number(f.live), number(f.designLife));
        if (f.deadFavourable) {
            record(out, quoted("deadfavourable"), number(*f.deadFavourable));
        }
        if (beam.deflection != DeflectionSettings{}) {
            record(out, quoted("deflection"), number(beam.deflection.quasiPermanent),
                   number(beam.deflection.limitDenominator));
        }
        if (beam.selfWeight != 0) {
            record(out, quoted("selfweight"), number(beam.selfWeight));
        }
        if (std::string problem = projectInfoProblem(beam.info); !problem.empty()) {
            return {false, problem};
        }
        for (const ProjectInfoField& field : kProjectInfoFields) {
            const std::string& text = beam.info.*field.text;
            if (text.empty()) {
                continue;
            }
            const auto encoded = encodeFileText(text);
            if (!encoded) {
                return {false, "“" + std::string(field.caption) + "”无法用 GBK 编码"};
            }
            record(out, quoted(field.record), "\"" + *encoded + "\"");
        }
        if (design) {
            if (const auto problem = designSettingsProblem(beam.design)) {
                return {false, *problem};
            }
            for (int s = 1; s <= beam.spanCount(); ++s) {
                if (const auto& section = beam.span(s).section) {
                    if (std::string problem = sectionProblem(*section); !problem.empty()) {
                        return {false, spanLabel(s) + "：" + problem};
                    }
                }
            }
            for (int j = 0; j <= beam.spanCount(); ++j) {
                if (std::string problem = supportDesignProblem(supportDesign(beam, j));
                    !problem.empty()) {
                    return {false, problem};
                }
            }
            // what the reader would refuse: a file saved always opens
            if (std::string problem = designFileProblem(beam); !problem.empty()) {
                return {false, problem};
            }
        }
        std::vector<std::vector<std::string>> records = std::move(axes);
        for (std::vector<std::string>& fields : designRecords(beam)) {
            records.push_back(std::move(fields));
        }
        for (const std::vector<std::string>& fields : records) {
            std::string line;
            for (const std::string& field : fields) {
                line += (line.empty() ? "" : ",") + field;
            }
            out += line + kLineEnd;
        }
    }
    bytes = std::move(out);
    return {true, {}};
}

SaveResult writeFileAtomically(const QString& path, const std::string& bytes) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return {false, "“" + QDir::toNativeSeparators(path).toStdString() + "”是一个文件夹"};
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) shows in the count written:
    // a buffered QSaveFile loses it and commits a truncated file as if all were well.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {false, "无法在文件夹“" +
                           QDir::toNativeSeparators(target.absolutePath()).toStdString() +
                           "”中写入（" + file.errorString().toStdString() + "）"};
    }
    const auto size = static_cast<qint64>(bytes.size());
    qint64 written = 0;
    while (written < size) {
        const qint64 n = file.write(bytes.data() + written, size - written);
        if (n <= 0) {
            const std::string why = file.errorString().toStdString();
            file.cancelWriting();
            return {false, "写入失败（" + why + "），原文件未改动"};
        }
        written += n;
    }
    if (!file.commit()) {
        return {false, "保存失败（" + file.errorString().toStdString() + "），原文件未改动"};
    }
    return {true, {}};
}

SaveResult writeProjectFile(const Project& project, const QString& path) {
    std::string bytes;
    if (SaveResult made = projectFileBytes(project, bytes); !made.ok) {
        return made;
    }
    return writeFileAtomically(path, bytes);
}

} // namespace spanwise
