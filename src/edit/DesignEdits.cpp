// The editor's changes of the design data: the settings, the span's section, the supports' widths
// and beta, and the bars the design proposed taken as provided. Each is one undo step, or refused
// with the rule's words and nothing changed.
#include "edit/Editor.h"
#include "model/Axes.h"
#include "model/SelfWeight.h"

namespace spanwise {

std::optional<Editor::SettingsFault>
Editor::designSettingsFault(const DesignSettings& settings) const {
    if (const auto problem = designSettingsProblem(settings)) {
        return SettingsFault{SettingsPart::Settings, *problem};
    }
    Beam changed = m_project.beam;
    changed.design = settings;
    if (std::string problem = tensionCoverProblem(changed); !problem.empty()) {
        // the one of as and as,top that does not fit
        DesignSettings bottomOnly = settings;
        bottomOnly.topTensionCover = 0;
        changed.design = bottomOnly;
        const bool bottom = !tensionCoverProblem(changed).empty();
        return SettingsFault{bottom ? SettingsPart::TensionCover : SettingsPart::TopTensionCover,
                             problem};
    }
    for (int j = 0; j <= changed.spanCount(); ++j) {
        if (std::string problem = redistributionProblem(changed, j); !problem.empty()) {
            return SettingsFault{SettingsPart::Environment,
                                 problem + "：请先将其调幅系数 β 改为 0"};
        }
    }
    return std::nullopt;
}

std::string Editor::setDesignSettings(const DesignSettings& settings) {
    m_inFieldVisit = false;
    if (const auto fault = designSettingsFault(settings)) {
        return fault->words;
    }
    edit("设计参数", 0, [&] { m_project.beam.design = settings; });
    return {};
}

std::string Editor::setMember(const MemberData& member) {
    m_inFieldVisit = false;
    if (const auto fault = memberFault(member)) {
        return fault->words;
    }
    edit("构件", 0, [&] { m_project.beam.member = member; });
    return {};
}

std::string Editor::setSelfWeight(float unitWeight) {
    m_inFieldVisit = false;
    if (std::string problem = selfWeightProblem(unitWeight); !problem.empty()) {
        return problem;
    }
    edit("梁自重", 0, [&] { m_project.beam.selfWeight = unitWeight; });
    return {};
}

std::string Editor::chooseSections(const std::vector<SpanSection>& sections) {
    m_inFieldVisit = false;
    if (static_cast<int>(sections.size()) != m_project.beam.spanCount()) {
        return "每跨应有一个截面";
    }
    for (const SpanSection& section : sections) {
        if (const auto fault = sectionFault(section)) {
            return fault->words;
        }
    }
    edit("选择截面", 0, [&] {
        Beam& beam = m_project.beam;
        for (int s = 1; s <= beam.spanCount(); ++s) {
            beam.span(s).section = sections[static_cast<std::size_t>(s - 1)];
            beam.span(s).rightSupportDesign.topBars.reset();
        }
        beam.firstSupportDesign.topBars.reset();
    });
    showProjectInFields();
    return {};
}

std::optional<SectionFault> Editor::sectionFault(const std::optional<SpanSection>& section) const {
    if (!section) {
        return std::nullopt; // no section: a span of typed EI and i
    }
    if (auto fault = spanwise::sectionFault(*section)) {
        return fault;
    }
    if (!tensionCoverFits(m_project.beam.design, *section)) {
        return SectionFault{SectionPart::Depth, kTensionCoverWords};
    }
    return std::nullopt;
}

std::string Editor::setSection(const std::optional<SpanSection>& section) {
    m_inFieldVisit = false;
    if (const auto fault = sectionFault(section)) {
        return fault->words;
    }
    edit(section ? "修改截面" : "删除截面", 0,
         [&] { m_project.beam.span(m_project.currentSpan).section = section; });
    showProjectInFields();
    return {};
}

std::optional<Editor::SupportsFault>
Editor::supportsFault(const std::vector<SupportDesign>& supports,
                      std::optional<AxisStyle> axes) const {
    const Beam& beam = m_project.beam;
    if (static_cast<int>(supports.size()) != beam.spanCount() + 1) {
        return SupportsFault{-1, {SupportPart::Width, "支座数与跨数不符"}};
    }
    for (std::size_t j = 0; j < supports.size(); ++j) {
        if (auto fault = supportDesignFault(supports[j])) {
            fault->words = supportName(beam, static_cast<int>(j)) + "：" + fault->words;
            return SupportsFault{static_cast<int>(j), *fault};
        }
    }
    Beam changed = beam;
    changed.axisStyle = axes.value_or(beam.axisStyle);
    for (int j = 0; j <= beam.spanCount(); ++j) {
        supportDesign(changed, j) = supports[static_cast<std::size_t>(j)];
    }
    for (int j = 0; j <= beam.spanCount(); ++j) {
        if (std::string problem = redistributionProblem(changed, j); !problem.empty()) {
            return SupportsFault{j, {SupportPart::Redistribution, problem}};
        }
    }
    if (const auto problem = axisProblem(changed)) {
        return SupportsFault{problem->support, {SupportPart::Axis, problem->words}};
    }
    return std::nullopt;
}

std::string Editor::setSupportDesigns(const std::vector<SupportDesign>& supports,
                                      std::optional<AxisStyle> axes) {
    m_inFieldVisit = false;
    if (const auto fault = supportsFault(supports, axes)) {
        return fault->fault.words;
    }
    Beam& beam = m_project.beam;
    edit("支座宽度与调幅", 0, [&] {
        beam.axisStyle = axes.value_or(beam.axisStyle);
        for (int j = 0; j <= beam.spanCount(); ++j) {
            supportDesign(beam, j) = supports[static_cast<std::size_t>(j)];
        }
    });
    return {};
}

std::string Editor::provideBars(const ProvidedBars& bars) {
    m_inFieldVisit = false;
    Beam changed = m_project.beam;
    const int n = changed.spanCount();
    if (static_cast<int>(bars.spans.size()) != n ||
        static_cast<int>(bars.supports.size()) != n + 1) {
        return "配筋与跨数不符，请重新计算";
    }
    for (int s = 1; s <= n; ++s) {
        const ProvidedBars::OfSpan& given = bars.spans[static_cast<std::size_t>(s - 1)];
        auto& section = changed.span(s).section;
        if (!(given.bottom || given.spanTop || given.stirrups)) {
            continue;
        }
        if (!section) {
            return "第" + std::to_string(s) + "跨没有截面";
        }
        if (given.bottom) {
            section->bottomBars = given.bottom;
        }
        if (given.spanTop) {
            section->topBars = given.spanTop;
        }
        if (given.stirrups) {
            section->stirrups = given.stirrups;
        }
    }
    for (int j = 0; j <= n; ++j) {
        if (const auto& top = bars.supports[static_cast<std::size_t>(j)];
            top && !isFreeEnd(changed, j)) {
            supportDesign(changed, j).topBars = top;
        }
    }
    edit("采用建议配筋", 0, [&] { m_project.beam = changed; });
    return {};
}

} // namespace spanwise
