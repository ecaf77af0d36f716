#include "io/DesignRecords.h"

#include "io/ProjectFile.h"

namespace spanwise {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string integer(int v) {
    return std::to_string(v);
}

} // namespace

std::vector<std::vector<std::string>> designRecords(const Beam& beam) {
    std::vector<std::vector<std::string>> records;
    if (!hasDesignData(beam)) {
        return records;
    }
    const DesignSettings& d = beam.design;
    records.push_back({quoted("design"), integer(d.concrete), integer(d.longitudinalSteel),
                       integer(d.stirrupSteel), quoted(exposureCode(d.environment)),
                       fileNumber(d.tensionCover), fileNumber(d.importance)});
    if (d.topTensionCover != 0 && d.topTensionCover != d.tensionCover) {
        records.push_back({quoted("topas"), fileNumber(d.topTensionCover)});
    }
    const int n = beam.spanCount();
    for (int s = 1; s <= n; ++s) {
        if (const auto& section = beam.span(s).section) {
            records.push_back({quoted("section"), integer(s), fileNumber(section->width),
                               fileNumber(section->depth), fileNumber(section->flangeWidth),
                               fileNumber(section->flangeDepth),
                               integer(section->independent ? 1 : 0)});
        }
    }
    // a cantilever's free end is no support: what it may still hold (from before the end was
    // made free, in a span above the count) is no design data
    for (int j = 0; j <= n; ++j) {
        const SupportDesign& support = supportDesign(beam, j);
        if (!isFreeEnd(beam, j) && (support.width != 0 || support.redistribution != 0)) {
            records.push_back({quoted("support"), integer(j), fileNumber(support.width),
                               fileNumber(support.redistribution)});
        }
    }
    // a set's own grade where it is not the project's
    auto withGrade = [](std::vector<std::string> record, int grade, int project) {
        if (grade != 0 && grade != project) {
            record.push_back(integer(grade));
        }
        return record;
    };
    auto bars = [&](const char* name, int at, const BarSet& set) {
        records.push_back(
            withGrade({quoted(name), integer(at), integer(set.count), integer(set.diameter)},
                      set.grade, d.longitudinalSteel));
    };
    for (int s = 1; s <= n; ++s) {
        if (const auto& section = beam.span(s).section) {
            if (section->bottomBars) {
                bars("bottom", s, *section->bottomBars);
            }
            if (section->topBars) {
                bars("spantop", s, *section->topBars);
            }
            if (const auto& st = section->stirrups) {
                records.push_back(withGrade({quoted("stirrups"), integer(s), integer(st->legs),
                                             integer(st->diameter), integer(st->spacing)},
                                            st->grade, d.stirrupSteel));
            }
        }
    }
    for (int j = 0; j <= n; ++j) {
        if (const auto& top = supportDesign(beam, j).topBars; top && !isFreeEnd(beam, j)) {
            bars("top", j, *top);
        }
    }
    return records;
}

namespace project_fields {

int designRecordSize(std::string_view name) {
    if (name == "design" || name == "section") {
        return 7;
    }
    if (name == "support" || name == "bottom" || name == "spantop" || name == "top") {
        return 4;
    }
    if (name == "topas") {
        return 2;
    }
    return name == "stirrups" ? 5 : 0;
}

int designRecordLongest(std::string_view name) {
    const bool bars = name == "bottom" || name == "spantop" || name == "top" || name == "stirrups";
    return designRecordSize(name) + (bars ? 1 : 0);
}

int DesignRecordReader::grade(const Record& f) {
    const std::size_t last = static_cast<std::size_t>(designRecordSize(f[0].text));
    if (f.size() <= last) {
        return 0; // the project's
    }
    const int code = integer(f[last], "钢筋牌号", 300, 500);
    if (steelLetter(code) == '?') {
        fail(f[last].line, "钢筋牌号“" + std::to_string(code) + "”应为 300、335、400 或 500");
    }
    return code;
}

int DesignRecordReader::span(const Field& f) {
    return integer(f, "设计记录的跨号", 1, m_beam.spanCount());
}

int DesignRecordReader::support(const Field& f, bool barsOver) {
    const int n = m_beam.spanCount();
    const int j = integer(f, "设计记录的支座号", 0, n);
    if (isFreeEnd(m_beam, j)) {
        fail(f.line, std::string("支座") + (barsOver ? "钢筋" : "") + "记录的支座号“" +
                         std::to_string(j) + "”是悬臂的自由端，不是支座");
    }
    return j;
}

void DesignRecordReader::once(const std::string& what, const Field& first) {
    if (!m_given.insert(what).second) {
        fail(first.line, what + "重复给出");
    }
    if (m_firstLine == 0) {
        m_firstLine = first.line;
    }
}

void DesignRecordReader::take(const Record& f) {
    const std::string_view name = f[0].text;
    if (name == "design") {
        once("设计参数", f[0]);
        m_settingsLine = f[0].line;
        DesignSettings& d = m_beam.design;
        d.concrete = integer(f[1], "混凝土强度等级", 20, 80);
        d.longitudinalSteel = integer(f[2], "纵筋强度", 300, 500);
        d.stirrupSteel = integer(f[3], "箍筋强度", 300, 500);
        if (!f[4].quoted) {
            fail(f[4].line, "环境类别" + quote(f[4].text) + "缺少双引号");
        }
        const auto exposure = exposureOfCode(std::string(f[4].text));
        if (!exposure) {
            fail(f[4].line, "环境类别" + quote(f[4].text) + "应为 1、2a、2b、3a 或 3b");
        }
        d.environment = *exposure;
        d.tensionCover = real(f[5], "as");
        d.importance = real(f[6], "结构重要性系数 γ0");
        if (const auto problem = designSettingsProblem(d)) {
            fail(f[0].line, *problem);
        }
    } else if (name == "topas") {
        once("as,top", f[0]);
        m_beam.design.topTensionCover = real(f[1], "as,top");
        if (!(m_beam.design.topTensionCover > 0)) {
            fail(f[1].line, "as,top 应大于 0");
        }
    } else if (name == "section") {
        const int s = span(f[1]);
        once("第 " + std::to_string(s) + " 跨的截面", f[0]);
        SpanSection section;
        section.width = real(f[2], "b");
        section.depth = real(f[3], "h");
        section.flangeWidth = real(f[4], "bf'");
        section.flangeDepth = real(f[5], "hf'");
        section.independent = integer(f[6], "独立梁标志", 0, 1) == 1;
        if (std::string problem = sectionProblem(section); !problem.empty()) {
            fail(f[0].line, problem);
        }
        // bars read before the section keep their place
        if (const auto& before = m_beam.span(s).section) {
            section.bottomBars = before->bottomBars;
            section.topBars = before->topBars;
            section.stirrups = before->stirrups;
        }
        m_beam.span(s).section = section;
    } else if (name == "support") {
        const int j = support(f[1], false);
        once(std::to_string(j) + " 号支座", f[0]);
        m_supportLines.emplace_back(j, f[0].line);
        SupportDesign& d = supportDesign(m_beam, j);
        d.width = real(f[2], "支座宽度");
        d.redistribution = real(f[3], "调幅系数 β");
        if (std::string problem = supportDesignProblem(d); !problem.empty()) {
            fail(f[0].line, problem);
        }
    } else if (name == "top") {
        const int j = support(f[1], true);
        once(std::to_string(j) + " 号支座的上部钢筋", f[0]);
        const BarSet bars{integer(f[2], "钢筋根数", 0, 1000), integer(f[3], "钢筋直径", 0, 1000),
                          grade(f)};
        if (std::string problem = barSetProblem(bars); !problem.empty()) {
            fail(f[0].line, problem);
        }
        supportDesign(m_beam, j).topBars = bars;
    } else {
        const int s = span(f[1]);
        const bool stirrups = name == "stirrups";
        const char* what = name == "bottom" ? "的下部钢筋" : stirrups ? "的箍筋" : "的跨中上部钢筋";
        once("第 " + std::to_string(s) + " 跨" + what, f[0]);
        SpanSection& section =
            m_beam.span(s).section ? *m_beam.span(s).section : m_beam.span(s).section.emplace();
        m_barsOfSpan.emplace_back(s, f[0].line);
        if (stirrups) {
            const StirrupSet set{integer(f[2], "箍筋肢数", 0, 1000),
                                 integer(f[3], "箍筋直径", 0, 1000),
                                 integer(f[4], "箍筋间距", 0, 100000), grade(f)};
            if (std::string problem = stirrupSetProblem(set); !problem.empty()) {
                fail(f[0].line, problem);
            }
            section.stirrups = set;
            return;
        }
        const BarSet bars{integer(f[2], "钢筋根数", 0, 1000), integer(f[3], "钢筋直径", 0, 1000),
                          grade(f)};
        if (std::string problem = barSetProblem(bars); !problem.empty()) {
            fail(f[0].line, problem);
        }
        (name == "bottom" ? section.bottomBars : section.topBars) = bars;
    }
}

void DesignRecordReader::finish(int version, int markerLine) {
    if (m_firstLine == 0) {
        return;
    }
    if (version < 2) {
        fail(markerLine, "设计记录需要扩展块版本 2");
    }
    if (m_settingsLine == 0) {
        fail(m_firstLine, "缺少设计参数记录（\"design\"）");
    }
    // bars on a span whose section was never given: the place holder made for them
    for (const auto& [s, line] : m_barsOfSpan) {
        if (m_given.count("第 " + std::to_string(s) + " 跨的截面") == 0) {
            fail(line, "第 " + std::to_string(s) + " 跨没有截面记录");
        }
    }
    // a span without a section record keeps its typed EI and i, as in the window: a project
    // whose sections are not all entered yet is still saved and opened whole
    if (const std::string problem = tensionCoverProblem(m_beam); !problem.empty()) {
        fail(m_settingsLine, problem);
    }
    for (const auto& [j, line] : m_supportLines) {
        if (const std::string problem = redistributionProblem(m_beam, j); !problem.empty()) {
            fail(line, problem);
        }
    }
}

} // namespace project_fields

} // namespace spanwise
