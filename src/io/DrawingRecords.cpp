#include "io/DrawingRecords.h"
#include "model/Axes.h"

#include <algorithm>

namespace spanwise {

namespace {

constexpr const char* kSignNames[] = {"letters", "codes", "phi"};

} // namespace

int drawingRecordsVersion(const Beam& beam) {
    if (beam.member != MemberData{}) {
        return 3;
    }
    return beam.axisStyle != AxisStyle::Numbers ? 2 : 0;
}

std::string drawingRecords(const Beam& beam, std::vector<std::vector<std::string>>& records) {
    const MemberData& m = beam.member;
    if (m != MemberData{}) {
        if (const auto fault = memberFault(m)) {
            return fault->words;
        }
        records.push_back({"\"detailing\"", m.code == MemberCode::Frame ? "\"KL\"" : "\"L\"",
                           std::to_string(m.number),
                           "\"" + std::string(kSignNames[static_cast<int>(m.signs)]) + "\"",
                           std::to_string(m.secondaryWidth), std::to_string(m.secondaryDrop)});
    }
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

int drawingRecordSize(std::string_view name) {
    if (name == "axes") {
        return 2;
    }
    if (name == "detailing") {
        return 6;
    }
    return name == "axis" ? 3 : 0;
}

void DrawingRecordReader::takeMember(const Record& f) {
    if (m_memberLine != 0) {
        fail(f[0].line, "构件记录重复给出");
    }
    m_memberLine = f[0].line;
    MemberData& m = m_beam.member;
    if (!f[1].quoted || (f[1].text != "L" && f[1].text != "KL")) {
        fail(f[1].line, "构件代号" + quote(f[1].text) + "应为 \"L\" 或 \"KL\"");
    }
    m.code = f[1].text == "KL" ? MemberCode::Frame : MemberCode::NonFrame;
    m.number = integer(f[2], "构件编号", 1, 999);
    bool known = false;
    for (int k = 0; k < 3; ++k) {
        if (f[3].quoted && f[3].text == kSignNames[k]) {
            m.signs = static_cast<DrawingSigns>(k);
            known = true;
        }
    }
    if (!known) {
        fail(f[3].line,
             "钢筋符号方式" + quote(f[3].text) + "应为 \"letters\"、\"codes\" 或 \"phi\"");
    }
    m.secondaryWidth = integer(f[4], "次梁宽 bs", 100, 2000);
    m.secondaryDrop = integer(f[5], "h1", 0, 3000);
}

void DrawingRecordReader::take(const Record& f) {
    if (f[0].text == "detailing") {
        takeMember(f);
        return;
    }
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

void DrawingRecordReader::finish(int version) {
    if (m_memberLine != 0 && version < 3) {
        fail(m_memberLine, "构件记录需要扩展块版本 3");
    }
    if (m_firstAxisLine != 0 && m_beam.axisStyle != AxisStyle::Typed) {
        fail(m_firstAxisLine, "轴号记录需要 \"axes\",\"typed\"");
    }
    if (std::string problem = axisLabelProblem(m_beam); !problem.empty()) {
        fail(m_firstAxisLine != 0 ? m_firstAxisLine : m_styleLine, problem);
    }
}

} // namespace project_fields

} // namespace spanwise
