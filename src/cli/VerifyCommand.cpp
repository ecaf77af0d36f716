#include "cli/VerifyCommand.h"

#include "cli/BatchTool.h"
#include "verify/Verification.h"

#include <QFile>

#include <ostream>

namespace spanwise {

int runVerification(const std::string& problemsFile, std::ostream& out, std::ostream& err) {
    std::string text(shippedProblemsText());
    if (!problemsFile.empty()) {
        QFile file(QFile::decodeName(problemsFile.c_str()));
        if (!file.open(QIODevice::ReadOnly)) {
            err << "spanwise-calc: 无法读取验证算例文件“" << problemsFile << "”\n";
            return kExitBadInput;
        }
        text = file.readAll().toStdString();
    }
    const ProblemsRead read = readProblems(text);
    if (!read.ok()) {
        err << "spanwise-calc: 验证算例文件“" << (problemsFile.empty() ? "内置" : problemsFile)
            << "”第 " << read.errorLine << " 行：" << read.error << '\n';
        return kExitBadInput;
    }
    const VerificationOutcome outcome = runVerification(read.problems);
    auto print = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            out << (c > 0 ? "\t" : "") << cells[c];
        }
        out << '\n';
    };
    print(verificationHeaders());
    for (const VerificationRow& row : outcome.rows) {
        print(verificationRowTexts(outcome, read.problems, row));
    }
    out << verificationSummary(outcome) << '\n';
    return outcome.allAgree() ? kExitOk : kExitVerificationFailed;
}

} // namespace spanwise
