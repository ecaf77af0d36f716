#include "cli/BatchOutput.h"

#include "cli/JsonResult.h"
#include "exports/ResultCsv.h"

#include <cstdio>
#include <ostream>
#include <string_view>

namespace spanwise {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Each line of text (ending in '\n', or "\r\n" in a CSV), prefix in front.
void printPrefixed(std::ostream& out, std::string_view text, std::string_view prefix) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        out << prefix << text.substr(0, length);
        text.remove_prefix(length);
    }
}

std::string failureJson(const std::string& file, const ProjectOutcome& outcome) {
    std::string json = "{\"file\":" + jsonString(file) +
                       ",\"exitCode\":" + std::to_string(outcome.exitCode) + ",\"errors\":[";
    std::string_view err = outcome.err;
    bool first = true;
    while (!err.empty()) {
        const std::size_t end = err.find('\n');
        json += (first ? "" : ",") + jsonString(std::string(err.substr(0, end)));
        first = false;
        err.remove_prefix(end == std::string_view::npos ? err.size() : end + 1);
    }
    return json + "]}";
}

} // namespace

BatchPrinter::BatchPrinter(std::ostream& out, std::ostream& err, const BatchOptions& options,
                           std::size_t fileCount, bool showProgress)
    : m_out(out), m_err(err), m_options(options), m_fileCount(fileCount), m_several(fileCount > 1),
      m_progress(showProgress) {
    if (m_several && m_options.json) {
        m_out << "{\"files\":[\n";
    } else if (m_several && m_options.csv) {
        m_out << kByteOrderMark;
    }
}

void BatchPrinter::print(const std::string& file, ProjectOutcome outcome) {
    if (!outcome.err.empty()) {
        clearProgress();
        if (m_several) {
            printPrefixed(m_err, outcome.err, file + ": ");
        } else {
            m_err << outcome.err;
        }
    }
    if (m_options.summary) {
        m_summary.push_back(std::move(outcome.summary));
    } else if (!m_several) {
        m_out << outcome.out;
    } else if (m_options.json) {
        std::string_view json = outcome.out;
        if (!json.empty() && json.back() == '\n') {
            json.remove_suffix(1);
        }
        m_out << (m_printed > 0 ? ",\n" : "");
        if (outcome.exitCode == kExitOk) {
            m_out << json;
        } else {
            m_out << failureJson(file, outcome);
        }
    } else if (m_options.csv) {
        std::string_view csv = outcome.out;
        if (csv.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            csv.remove_prefix(kByteOrderMark.size());
        }
        printPrefixed(m_out, csv, csvField(file) + ",");
    } else if (!outcome.out.empty()) {
        m_out << (m_printed > 0 ? "\n" : "") << "==> " << file << " <==\n" << outcome.out;
    }
    if (m_options.json || !outcome.out.empty()) {
        ++m_printed;
    }
    showProgress(++m_delivered, false);
}

void BatchPrinter::progress(std::size_t done) {
    showProgress(done, false);
}

void BatchPrinter::finish() {
    if (m_several && m_options.json) {
        m_out << "\n]}\n";
    }
    if (m_options.summary) {
        printSummary(m_out, m_summary);
    }
    if (m_progress) {
        showProgress(m_fileCount, true);
        m_err << '\n';
    }
}

void BatchPrinter::showProgress(std::size_t done, bool now) {
    if (!m_progress) {
        return;
    }
    const auto time = std::chrono::steady_clock::now();
    if (!now && m_progressShown && time - m_lastProgress < std::chrono::milliseconds(100)) {
        return;
    }
    m_lastProgress = time;
    const double seconds = std::chrono::duration<double>(time - m_start).count();
    char line[96];
    std::snprintf(line, sizeof line, "\r已完成 %zu/%zu 个文件，用时 %.1f s", done, m_fileCount,
                  seconds);
    m_err << line << std::flush;
    m_progressShown = true;
}

void BatchPrinter::clearProgress() {
    if (m_progressShown) {
        m_err << "\r\033[K";
        m_progressShown = false;
    }
}

} // namespace spanwise
