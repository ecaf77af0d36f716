#include "cli/BatchOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace spanwise {

const char* const kBatchUsage =
    "用法: spanwise-calc 文件.BMD|文件夹... [--at 跨号 距离]... [--deflection] | [--envelope] "
    "[--design] [--strict] [--detailing] [--json | --csv | --summary] [--report 计算书.pdf | "
    "--report-dir 文件夹] [--dxf 配筋图.dxf] [-j 线程数]";
const char* const kMoreUsage = "      spanwise-calc 文件.BMD|文件夹... --working\n"
                               "      spanwise-calc 文件.BMD|文件夹... --search-section "
                               "最小梁高:最大梁高:步长 [--widths 梁宽,...] [--per-span] "
                               "[--json]\n"
                               "      spanwise-calc --verify [验证算例文件]\n"
                               "      spanwise-calc --version";

namespace {

// A worker count: a whole number from 1 to 1024.
std::optional<int> jobCount(const std::string& text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || v < 1 ||
        v > 1024) {
        return std::nullopt;
    }
    return v;
}

// "a:b:c" or "a,b,…" as numbers; nothing where a part is not one.
std::optional<std::vector<float>> numbersOf(const std::string& text, char separator) {
    std::vector<float> out;
    std::size_t from = 0;
    while (true) {
        const std::size_t to = std::min(text.find(separator, from), text.size());
        float v = 0;
        const char* first = text.data() + from;
        const char* last = text.data() + to;
        const auto [end, ec] = std::from_chars(first, last, v);
        if (first == last || ec != std::errc{} || end != last || !std::isfinite(v)) {
            return std::nullopt;
        }
        out.push_back(v);
        if (to == text.size()) {
            return out;
        }
        from = to + 1;
    }
}

} // namespace

std::optional<BatchOptions> parseBatchArguments(const std::vector<std::string>& args,
                                                std::string& error) {
    BatchOptions options;
    std::optional<std::vector<float>> widthsGiven;
    bool perSpan = false;
    auto needsValue = [&](std::size_t n, const char* what) {
        if (n + 1 >= args.size()) {
            error = what;
            return false;
        }
        return true;
    };
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
        } else if (arg == "--summary") {
            options.summary = true;
        } else if (arg == "--design") {
            options.design = true;
        } else if (arg == "--detailing") {
            options.detailing = true;
        } else if (arg == "--dxf") {
            if (!needsValue(n, "--dxf 需要配筋图文件名")) {
                return std::nullopt;
            }
            options.dxf = args[++n];
        } else if (arg == "--search-section") {
            if (!needsValue(n, "--search-section 需要 最小梁高:最大梁高:步长（mm）")) {
                return std::nullopt;
            }
            const auto depths = numbersOf(args[++n], ':');
            if (!depths || depths->size() != 3) {
                error = "梁高范围“" + args[n] + "”应为 最小梁高:最大梁高:步长（mm），如 400:800:50";
                return std::nullopt;
            }
            SectionSearchRange range = options.search.value_or(SectionSearchRange{});
            range.minDepth = (*depths)[0];
            range.maxDepth = (*depths)[1];
            range.step = (*depths)[2];
            options.search = range;
        } else if (arg == "--widths") {
            if (!needsValue(n, "--widths 需要梁宽，如 200,250,300")) {
                return std::nullopt;
            }
            const auto widths = numbersOf(args[++n], ',');
            if (!widths) {
                error = "梁宽“" + args[n] + "”应为以逗号分隔的数（mm），如 200,250,300";
                return std::nullopt;
            }
            widthsGiven = *widths;
        } else if (arg == "--per-span") {
            perSpan = true;
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg == "--deflection") {
            options.deflection = true;
        } else if (arg == "--working") {
            options.working = true;
        } else if (arg == "--verify") {
            options.verify = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--report") {
            if (!needsValue(n, "--report 需要计算书文件名")) {
                return std::nullopt;
            }
            options.report = args[++n];
        } else if (arg == "--report-dir") {
            if (!needsValue(n, "--report-dir 需要计算书的文件夹")) {
                return std::nullopt;
            }
            options.reportDir = args[++n];
        } else if (arg == "-j" || arg == "--jobs" || (arg.size() > 2 && arg.rfind("-j", 0) == 0)) {
            const bool attached = arg.size() > 2 && arg[1] == 'j';
            if (!attached && !needsValue(n, "-j 需要线程数")) {
                return std::nullopt;
            }
            const std::string text = attached ? arg.substr(2) : args[++n];
            const auto jobs = jobCount(text);
            if (!jobs) {
                error = "线程数“" + text + "”应为 1 到 1024 的整数";
                return std::nullopt;
            }
            options.jobs = *jobs;
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
        } else {
            options.inputs.push_back(arg);
        }
    }
    if (options.help || options.version || options.verify) {
        return options;
    }
    if (!options.search && (widthsGiven || perSpan)) {
        error = "--widths 与 --per-span 只能与 --search-section 同时使用";
        return std::nullopt;
    }
    if (options.search) {
        options.search->widths = widthsGiven.value_or(std::vector<float>{});
        options.search->perSpan = perSpan;
        if (options.csv || options.summary || options.working || options.envelope ||
            options.design || options.detailing || !options.dxf.empty() ||
            !options.queries.empty() || !options.report.empty() || !options.reportDir.empty()) {
            error = "--search-section 只能与 --widths、--per-span、--json 同时使用";
            return std::nullopt;
        }
        SectionSearchRange checked = *options.search;
        if (checked.widths.empty()) {
            checked.widths = {250}; // the beam's own are checked where they are taken
        }
        if (std::string problem = searchRangeProblem(checked); !problem.empty()) {
            error = problem;
            return std::nullopt;
        }
    }
    if (options.inputs.empty()) {
        error = "缺少工程文件";
        return std::nullopt;
    }
    if (int{options.json} + int{options.csv} + int{!options.queries.empty()} > 1) {
        error = "--json、--csv 与 --at 只能选用一个";
        return std::nullopt;
    }
    if (options.summary && (options.json || options.csv || !options.queries.empty())) {
        error = "--summary 不能与 --json、--csv 或 --at 同时使用";
        return std::nullopt;
    }
    if (options.envelope && !options.queries.empty()) {
        error = "--envelope 不能与 --at 同时使用";
        return std::nullopt;
    }
    if (options.working && (options.json || options.csv || options.envelope || options.summary ||
                            !options.queries.empty())) {
        error = "--working 不能与 --json、--csv、--envelope 或 --at 同时使用";
        return std::nullopt;
    }
    if (options.design && (options.working || !options.queries.empty())) {
        error = "--design 不能与 --working 或 --at 同时使用";
        return std::nullopt;
    }
    if ((options.detailing || !options.dxf.empty()) &&
        (options.working || options.summary || options.csv || !options.queries.empty())) {
        error = "--detailing、--dxf 不能与 --working、--summary、--csv 或 --at 同时使用";
        return std::nullopt;
    }
    if (options.deflection && options.queries.empty()) {
        error = "--deflection 只能与 --at 同时使用";
        return std::nullopt;
    }
    if (!options.report.empty() && !options.reportDir.empty()) {
        error = "--report 与 --report-dir 只能选用一个";
        return std::nullopt;
    }
    return options;
}

bool argumentsAskForReport(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& arg) {
        return arg == "--report" || arg == "--report-dir";
    });
}

} // namespace spanwise
