#include "cli/BatchTool.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/Deflection.h"
#include "analysis/DistributionWorking.h"
#include "analysis/Envelope.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanResults.h"
#include "check/DataCheck.h"
#include "cli/JsonResult.h"
#include "cli/VerifyCommand.h"
#include "io/ProjectFile.h"
#include "io/ResultCsv.h"
#include "model/Version.h"
#include "report/Report.h"

#include <QFile>
#include <QString>

#include <charconv>
#include <memory>
#include <optional>
#include <ostream>

namespace spanwise {

namespace {

constexpr const char* kUsage =
    "用法: spanwise-calc 文件.BMD [--at 跨号 距离]... [--deflection] | [--envelope] "
    "[--json | --csv] [--report 计算书.pdf]";
// The options that print something other than the results, one usage line of their own.
constexpr const char* kMoreUsage = "      spanwise-calc 文件.BMD --working\n"
                                   "      spanwise-calc --verify [验证算例文件]\n"
                                   "      spanwise-calc --version";

struct Query {
    std::string spanText;
    std::string distanceText;
};

struct Options {
    std::string file;
    std::vector<Query> queries;
    bool json = false;
    bool envelope = false;
    bool csv = false;
    bool deflection = false; // with --at: w (mm) as a sixth column
    bool help = false;
    bool working = false; // the moment-distribution working instead of the result table
    bool verify = false;  // the verification problems (file: other problems than the shipped)
    bool version = false;
    std::string report; // PDF calculation report to write, if any
};

// Parses the arguments; an error text on a usage error.
std::optional<Options> parseArguments(const std::vector<std::string>& args, std::string& error) {
    Options options;
    bool haveFile = false;
    for (std::size_t n = 0; n < args.size(); ++n) {
        const std::string& arg = args[n];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--envelope") {
            options.envelope = true;
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (arg == "--deflection") {
            options.deflection = true;
        } else if (arg == "--working") {
            options.working = true;
        } else if (arg == "--verify") {
            options.verify = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--report") {
            if (n + 1 >= args.size()) {
                error = "--report 需要计算书文件名";
                return std::nullopt;
            }
            options.report = args[++n];
        } else if (arg == "--at") {
            if (n + 2 >= args.size()) {
                error = "--at 需要跨号和距离两个参数";
                return std::nullopt;
            }
            options.queries.push_back({args[n + 1], args[n + 2]});
            n += 2;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "未知选项 " + arg;
            return std::nullopt;
        } else if (haveFile) {
            error = "只能给出一个工程文件";
            return std::nullopt;
        } else {
            options.file = arg;
            haveFile = true;
        }
    }
    if (options.help || options.version || options.verify) {
        return options;
    }
    if (!haveFile) {
        error = "缺少工程文件";
        return std::nullopt;
    }
    if (int{options.json} + int{options.csv} + int{!options.queries.empty()} > 1) {
        error = "--json、--csv 与 --at 只能选用一个";
        return std::nullopt;
    }
    if (options.working &&
        (options.json || options.csv || options.envelope || !options.queries.empty())) {
        error = "--working 不能与 --json、--csv、--envelope 或 --at 同时使用";
        return std::nullopt;
    }
    if (options.envelope && !options.queries.empty()) {
        error = "--envelope 不能与 --at 同时使用";
        return std::nullopt;
    }
    if (options.deflection && options.queries.empty()) {
        error = "--deflection 只能与 --at 同时使用";
        return std::nullopt;
    }
    return options;
}

// A distance as the query field accepts it: digits with at most one point, not just ".".
std::optional<float> distanceValue(const std::string& text) {
    return parseFieldNumber(text);
}

std::optional<int> spanValue(const std::string& text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return v;
}

void printRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out << (c > 0 ? "\t" : "") << cells[c];
    }
    out << '\n';
}

// The envelope table: titles and one row per span, an empty line, titles and one row per
// support that holds the beam.
void printEnvelope(std::ostream& out, const Envelope& envelope) {
    const EnvelopeTable table = envelopeTable(envelope);
    printRow(out, table.spanHeaders);
    for (const auto& row : table.spanRows) {
        printRow(out, row);
    }
    out << '\n';
    printRow(out, table.supportHeaders);
    for (const auto& row : table.supportRows) {
        printRow(out, row);
    }
}

void printTable(std::ostream& out, const Beam& beam, const BeamResults& results) {
    for (std::size_t c = 0; c < kResultHeaders.size(); ++c) {
        out << (c > 0 ? "\t" : "") << kResultHeaders[c];
    }
    out << '\n';
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto texts = resultRowTexts(spanResult(beam, results, s));
        for (std::size_t c = 0; c < texts.size(); ++c) {
            out << (c > 0 ? "\t" : "") << texts[c];
        }
        out << '\n';
    }
}

} // namespace

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string usageError;
    const auto options = parseArguments(args, usageError);
    if (!options) {
        err << "spanwise-calc: " << usageError << '\n' << kUsage << '\n';
        return kExitBadInput;
    }
    if (options->help) {
        out << kUsage << '\n' << kMoreUsage << '\n';
        return kExitOk;
    }
    if (options->version) {
        out << "spanwise-calc " << kProgramVersion << '\n';
        return kExitOk;
    }
    if (options->verify) {
        return runVerification(options->file, out, err);
    }

    const QString path = QFile::decodeName(options->file.c_str());
    const std::string projectName = path.toStdString(); // as the messages and reports name it
    const ReadResult read = readProjectFile(path);
    if (!read.ok()) {
        err << read.error.message() << '\n';
        return kExitBadInput;
    }
    const Beam& beam = read.project->beam;

    struct Section {
        int span;
        float x;
    };
    std::vector<Section> sections;
    for (const Query& q : options->queries) {
        const auto s = spanValue(q.spanText);
        if (!s || *s < 1 || *s > beam.spanCount()) {
            err << "spanwise-calc: 跨号“" << q.spanText << "”应在 1 到 " << beam.spanCount()
                << " 之间\n"
                << kUsage << '\n';
            return kExitBadInput;
        }
        const auto x = distanceValue(q.distanceText);
        const float L = beam.span(static_cast<int>(*s)).length;
        if (!x || *x > L) {
            err << "spanwise-calc: 距离“" << q.distanceText << "”应为 0 到第" << *s << "跨跨度 "
                << fileNumber(L) << " 之间的数\n"
                << kUsage << '\n';
            return kExitBadInput;
        }
        sections.push_back({static_cast<int>(*s), *x});
    }

    const CheckResult check = checkBeam(beam);
    if (!check.passed) {
        for (const std::string& line : check.messages) {
            err << line << '\n';
        }
        return kExitCheckFailed;
    }

    try {
        const Calculation calculation = calculateBeam(beam);
        const BeamResults& results = calculation.results;
        if (!options->report.empty()) {
            const QString reportPath = QFile::decodeName(options->report.c_str());
            const ReportOutcome written = writeReport(calculation, projectName, reportPath);
            if (!written.ok) {
                err << "spanwise-calc: 无法写入计算书“" << options->report << "”："
                    << written.reason << '\n';
                return kExitCannotWrite;
            }
        }
        // The envelope is asked for, or the CSV carries it because live loads exist.
        std::optional<Envelope> envelope;
        if (options->envelope || (options->csv && hasLiveLoads(beam))) {
            envelope.emplace(beam);
        }
        if (options->working) {
            const WorkingTable table = workingTable(recordDistribution(beam));
            printRow(out, table.headers);
            for (const auto& row : table.rows) {
                printRow(out, row);
            }
        } else if (options->csv) {
            out << resultCsv(beam, results) << (envelope ? envelopeCsv(*envelope) : "")
                << deflectionCsv(beam, results, envelope ? &*envelope : nullptr);
        } else if (options->json) {
            writeJsonResult(out, projectName, beam, results, calculation.sweeps,
                            envelope ? &*envelope : nullptr);
        } else if (envelope) {
            printEnvelope(out, *envelope);
        } else if (!sections.empty()) {
            std::optional<BeamDeflection> deflection;
            if (options->deflection) {
                deflection.emplace(beam, results);
            }
            for (const Section& q : sections) {
                const SectionForce f = sectionForceAt(beam, results, q.span, q.x);
                out << q.span << '\t' << fileNumber(q.x) << '\t' << formatResult(f.M) << '\t'
                    << formatResult(f.VL) << '\t' << formatResult(f.VR);
                if (deflection) {
                    out << '\t' << formatResult(static_cast<float>(deflection->at(q.span, q.x)));
                }
                out << '\n';
            }
        } else {
            printTable(out, beam, results);
        }
    } catch (const CalculationError& error) {
        err << describe(error) << '\n';
        return kExitCalculationFailed;
    } catch (const std::invalid_argument& error) {
        // deflections of a span whose EI the check let through but the line cannot use
        err << "spanwise-calc: 无法计算挠度：" << error.what() << '\n';
        return kExitCalculationFailed;
    }
    return kExitOk;
}

} // namespace spanwise
