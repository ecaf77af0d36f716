#include "io/AxisRecords.h"
#include "model/Axes.h"

#include <algorithm>

namespace spanwise {

std::string axisRecords(const Beam& beam, std::vector<std::vector<std::string>>& records) {
    if (beam.axisStyle == AxisStyle::Numbers) {
        return {};
    }
    if (std::string problem = axisLabelProblem(beam); !problem.empty()) {
        return problem;
    }
    const bool typed = beam.axisStyle == AxisStyle::Typed;
    records.push_back({"\"axes\"", typed ? "\"typed\"" : "\"letters\""});
    for (int j = 0; typed && j <= beam.spanCount(); ++j) {
        const std::string& label = supportDesign(beam, j).axis;
        if (isFreeEnd(beam, j) || label.empty()) {
            continue;
        }
        const auto encoded = encodeFileText(label);
        if (!encoded) {
            return "轴号“" + label + "”无法用 GBK 编码";
        }
        records.push_back({"\"axis\"", std::to_string(j), "\"" + *encoded + "\""});
    }
    return {};
}

namespace project_fields {

int axisRecordSize(std::string_view name) {
    if (name == "axes") {
        return 2;
    }
    return name == "axis" ? 3 : 0;
}

void AxisRecordReader::take(const Record& f) {
    if (f[0].text == "axes") {
        if (m_styleLine != 0) {
            fail(f[0].line, "轴号方式重复给出");
        }
        m_styleLine = f[0].line;
        if (!f[1].quoted || (f[1].text != "letters" && f[1].text != "typed")) {
            fail(f[1].line, "轴号方式" + quote(f[1].text) + "应为 \"letters\" 或 \"typed\"");
        }
        m_beam.axisStyle = f[1].text == "letters" ? AxisStyle::Letters : AxisStyle::Typed;
        return;
    }
    const int j = integer(f[1], "轴号记录的支座号", 0, m_beam.spanCount());
    if (isFreeEnd(m_beam, j)) {
        fail(f[1].line, "轴号记录的支座号“" + std::to_string(j) + "”是悬臂的自由端，不是支座");
    }
    if (std::find(m_given.begin(), m_given.end(), j) != m_given.end()) {
        fail(f[0].line, std::to_string(j) + " 号支座的轴号重复给出");
    }
    m_given.push_back(j);
    m_firstAxisLine = m_firstAxisLine == 0 ? f[0].line : m_firstAxisLine;
    std::string& label = supportDesign(m_beam, j).axis;
    if (!f[2].quoted) {
        fail(f[2].line, "轴号" + quote(f[2].text) + "缺少双引号");
    }
    if (!m_texts.decodeInto(f[2].text, label)) {
        fail(f[2].line, "轴号不是有效的 GBK 文字");
    }
    if (label.empty()) {
        fail(f[2].line, "轴号为空");
    }
}

void AxisRecordReader::finish() {
    if (m_firstAxisLine != 0 && m_beam.axisStyle != AxisStyle::Typed) {
        fail(m_firstAxisLine, "轴号记录需要 \"axes\",\"typed\"");
    }
    if (std::string problem = axisLabelProblem(m_beam); !problem.empty()) {
        fail(m_firstAxisLine != 0 ? m_firstAxisLine : m_styleLine, problem);
    }
}

} // namespace project_fields

} // namespace spanwise
