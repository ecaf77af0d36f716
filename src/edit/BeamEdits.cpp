// The edits of the whole beam, of spans and of load lists.
#include "edit/Editor.h"

#include "analysis/Reactions.h"

#include <algorithm>

namespace spanwise {

void Editor::resizeBeam(int count) {
    auto& spans = m_project.beam.spans;
    auto& spare = m_project.spareSpans;
    while (static_cast<int>(spans.size()) > count) {
        spare.insert(spare.begin(), spans.back());
        spans.pop_back();
    }
    while (static_cast<int>(spans.size()) < count) {
        if (spare.empty()) {
            spans.emplace_back();
            m_project.selectedLoad(static_cast<int>(spans.size())) = 0;
        } else {
            spans.push_back(spare.front());
            spare.erase(spare.begin());
        }
    }
    m_project.currentSpan = std::min(m_project.currentSpan, count);
}

void Editor::clearLoadsOf(int span) {
    m_project.beam.span(span).loads.clear();
    m_project.selectedLoad(span) = 0;
}

bool Editor::setSpanCount(int count, const Answerer& ask) {
    m_inFieldVisit = false;
    const Beam& beam = m_project.beam;
    if (count < 1 || count > kMaxSpans) {
        return false;
    }
    if (count == beam.spanCount()) {
        return true;
    }
    // a single span keeps both supports; where its right end becomes a cantilever, its forces'
    // a would count from the free end: its loads may no longer suit it
    Answer loads = Answer::No;
    if (count == 1 && beam.rightSupport == Cantilever && !beam.span(1).loads.empty()) {
        loads = ask(Question::DeleteEndSpanLoads);
        if (loads == Answer::Cancel) {
            return false;
        }
    }
    edit("修改总跨数", 0, [&] {
        resizeBeam(count);
        if (count == 1 && loads == Answer::Yes) {
            clearLoadsOf(1);
        }
    });
    showProjectInFields();
    return true;
}

void Editor::setSupport(BeamEnd end, SupportKind kind, const Answerer& ask) {
    m_inFieldVisit = false;
    Beam& beam = m_project.beam;
    SupportKind& support = end == BeamEnd::Left ? beam.leftSupport : beam.rightSupport;
    if (kind == support) {
        return; // the same kind changes nothing
    }
    const int endSpan = end == BeamEnd::Left ? 1 : beam.spanCount();
    Answer loads = Answer::Yes; // an end span without loads only has its selection reset
    if (!beam.span(endSpan).loads.empty()) {
        loads = ask(Question::DeleteEndSpanLoads);
        if (loads == Answer::Cancel) {
            markEditedWithoutChange(); // the support stays, but the project must be checked again
            return;
        }
    }
    edit(end == BeamEnd::Left ? "修改左支座" : "修改右支座", 0, [&] {
        support = kind;
        if (loads == Answer::Yes) {
            clearLoadsOf(endSpan);
        }
    });
    showProjectInFields();
}

void Editor::insertSpan(const Answerer& ask) {
    m_inFieldVisit = false;
    const int n = m_project.beam.spanCount();
    const int c = m_project.currentSpan;
    if (n >= kMaxSpans || ask(Question::InsertSpan) != Answer::Yes) {
        return;
    }
    edit("插入一跨", 0, [&] {
        // the new span stands before the span shown, with its geometry and no loads, and is
        // the span shown; the spans from the span shown on move one place up
        auto& spans = m_project.beam.spans;
        Span copy = spans[static_cast<std::size_t>(c - 1)]; // its section goes with it
        copy.loads.clear();
        copy.rightSupportDesign = {}; // a new support between the new span and the next
        spans.insert(spans.begin() + (c - 1), copy);
        if (!m_project.spareSpans.empty()) {
            m_project.spareSpans.erase(m_project.spareSpans.begin()); // moved over
        }
        for (int j = n + 1; j > c; --j) {
            m_project.selectedLoad(j) = m_project.selectedLoad(j - 1);
        }
        m_project.selectedLoad(c) = 0;
    });
    showProjectInFields();
}

void Editor::deleteSpan(const Answerer& ask) {
    m_inFieldVisit = false;
    const Beam& beam = m_project.beam;
    const int n = beam.spanCount();
    const int c = m_project.currentSpan;
    if (n < 2 || ask(Question::DeleteSpan) != Answer::Yes) {
        return;
    }
    // the deleted end span's support becomes simple; the ends of the other spans stay as
    // they were, so their loads still suit them
    const SupportKind left = c == 1 ? Simple : beam.leftSupport;
    const SupportKind right = c == n ? Simple : beam.rightSupport;
    edit("删除本跨", 0, [&] {
        auto& spans = m_project.beam.spans;
        if (c == 1) {
            // the first span goes with its left end: the support beside it becomes the end
            m_project.beam.firstSupportDesign = spans.front().rightSupportDesign;
        }
        spans.erase(spans.begin() + (c - 1));
        m_project.spareSpans.insert(m_project.spareSpans.begin(), Span{}); // span n, cleared
        for (int j = c; j < n; ++j) {
            m_project.selectedLoad(j) = m_project.selectedLoad(j + 1);
        }
        m_project.selectedLoad(n) = 0;
        m_project.beam.leftSupport = left;
        m_project.beam.rightSupport = right;
        m_project.currentSpan = std::min(c, n - 1);
    });
    showProjectInFields();
}

void Editor::copyPreviousSpan(const Answerer& ask) {
    m_inFieldVisit = false;
    const int c = m_project.currentSpan;
    if (c < 2 || ask(Question::CopyPreviousSpan) != Answer::Yes) {
        return;
    }
    edit("同前一跨", 0, [&] {
        // the span's own support stays where it is
        const SupportDesign support = m_project.beam.span(c).rightSupportDesign;
        m_project.beam.span(c) = m_project.beam.span(c - 1);
        m_project.beam.span(c).rightSupportDesign = support;
        m_project.selectedLoad(c) = m_project.selectedLoad(c - 1);
    });
    showProjectInFields();
}

void Editor::addLoad(LoadKind kind, LoadCase loadCase) {
    m_inFieldVisit = false;
    if (shownSpan().loadCount() >= kMaxLoads) {
        return;
    }
    edit("添加荷载", 0, [&] {
        Load load;
        load.kind = kind;
        load.text = loadKindName(kind);
        load.loadCase = loadCase;
        auto& loads = m_project.beam.span(m_project.currentSpan).loads;
        loads.push_back(load);
        m_project.selectedLoad(m_project.currentSpan) = static_cast<int>(loads.size());
    });
    showProjectInFields();
}

std::string Editor::addSlabLoad(const SlabPanels& panels, LoadCase loadCase) {
    m_inFieldVisit = false;
    if (shownSpan().loadCount() >= kMaxLoads) {
        return "本跨已有 10 个荷载";
    }
    const float L = shownSpan().length;
    if (std::string problem = slabPanelsProblem(panels, L); !problem.empty()) {
        return problem;
    }
    edit("双向板传来荷载", 0, [&] {
        Load load = slabLoad(panels, L);
        load.loadCase = loadCase;
        auto& loads = m_project.beam.span(m_project.currentSpan).loads;
        loads.push_back(load);
        m_project.selectedLoad(m_project.currentSpan) = static_cast<int>(loads.size());
    });
    showProjectInFields();
    return {};
}

void Editor::setLoadCase(LoadCase loadCase) {
    m_inFieldVisit = false;
    const int k = selectedLoad();
    if (k == 0) {
        return;
    }
    edit(loadCase == Live ? "设为活载" : "设为恒载", 0,
         [&] { m_project.beam.span(m_project.currentSpan).load(k).loadCase = loadCase; });
}

std::string Editor::setCombinationFactors(const CombinationFactors& factors) {
    return setCombinationSettings(factors, m_project.beam.deflection);
}

std::string Editor::setProjectInfo(const ProjectInfo& info) {
    m_inFieldVisit = false;
    std::string problem = projectInfoProblem(info);
    if (problem.empty()) {
        const bool checked = m_checkPassed;
        edit("工程信息", 0, [&] { m_project.beam.info = info; });
        m_checkPassed = checked;
    }
    return problem;
}

std::string Editor::setCombinationSettings(const CombinationFactors& factors,
                                           const DeflectionSettings& deflection) {
    m_inFieldVisit = false;
    std::string problem = combinationFactorsProblem(factors);
    if (problem.empty()) {
        problem = deflectionSettingsProblem(deflection);
    }
    if (problem.empty()) {
        edit("荷载组合", 0, [&] {
            m_project.beam.factors = factors;
            m_project.beam.deflection = deflection;
        });
    }
    return problem;
}

void Editor::deleteSelectedLoad() {
    m_inFieldVisit = false;
    const int k = selectedLoad();
    if (k == 0) {
        return;
    }
    edit("删除荷载", 0, [&] {
        auto& loads = m_project.beam.span(m_project.currentSpan).loads;
        loads.erase(loads.begin() + (k - 1));
        m_project.selectedLoad(m_project.currentSpan) = 0;
    });
    showProjectInFields();
}

void Editor::deleteAllLoads(const Answerer& ask) {
    m_inFieldVisit = false;
    if (shownSpan().loads.empty() || ask(Question::DeleteAllLoads) != Answer::Yes) {
        return;
    }
    edit("全删荷载", 0, [&] { clearLoadsOf(m_project.currentSpan); });
    showProjectInFields();
}

} // namespace spanwise
