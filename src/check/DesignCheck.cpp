#include "check/DesignCheck.h"
#include "model/Axes.h"

#include "design/Materials.h"
#include "design/SectionStiffness.h"

#include <cmath>

namespace spanwise {

namespace {

// Concrete below C25 with a steel of 400 MPa or more: the project's or any set's own.
bool weakConcrete(const Beam& beam) {
    const int c = beam.design.concrete;
    bool weak = concreteTooWeakFor(c, beam.design.longitudinalSteel) ||
                concreteTooWeakFor(c, beam.design.stirrupSteel);
    auto own = [&](int grade) { weak = weak || concreteTooWeakFor(c, grade); };
    for (int s = 1; s <= beam.spanCount(); ++s) {
        if (const auto& section = beam.span(s).section) {
            for (const auto& bars : {section->bottomBars, section->topBars}) {
                own(bars ? bars->grade : 0);
            }
            own(section->stirrups ? section->stirrups->grade : 0);
        }
    }
    for (int j = 0; j <= beam.spanCount(); ++j) {
        const auto& bars = supportDesign(beam, j).topBars;
        own(!isFreeEnd(beam, j) && bars ? bars->grade : 0);
    }
    return weak;
}

} // namespace

bool checkDesignData(const Beam& beam, std::vector<std::string>& list,
                     std::vector<CheckPlace>& places) {
    if (!hasDesignData(beam)) {
        return true;
    }
    const std::size_t before = list.size();
    auto add = [&](std::string message, CheckPlace place) {
        list.push_back(std::move(message));
        places.push_back(place);
    };
    const int n = beam.spanCount();
    const auto settingsProblem = designSettingsProblem(beam.design);
    if (settingsProblem) {
        add(*settingsProblem, {});
    } else if (weakConcrete(beam)) {
        add(std::string(kConcreteBelowC25Words) + "!", {});
    }
    // the face of a support: none at a free end
    auto width = [&](int j) {
        return isFreeEnd(beam, j) ? 0.0 : double{supportDesign(beam, j).width};
    };
    for (int s = 1; s <= n; ++s) {
        const Span& span = beam.span(s);
        const std::string name = "第" + std::to_string(s);
        if (span.section) {
            if (std::string problem = sectionProblem(*span.section); !problem.empty()) {
                add(name + "跨截面：" + problem, {s, 0});
            } else if (!tensionCoverFits(beam.design, *span.section)) {
                add(name + "跨：" + kTensionCoverWords + "!", {s, 0});
            } else if (!settingsProblem) {
                const double h0 = effectiveDepth(span.section->depth, materialsOf(beam.design));
                if (std::string flange = flangeProblem(s, span.length, *span.section, h0);
                    !flange.empty()) {
                    add(flange + "!", {s, 0});
                }
            }
        }
        // the faces of the supports leave the span some length, and neither passes its middle
        const double faces = (width(s - 1) + width(s)) / 2;
        if (faces > 0 && faces >= span.length) {
            add(name + kSpanWithoutLengthBetweenFaces, {s, 0});
        } else {
            for (int j : {s - 1, s}) {
                if (width(j) > 0 && width(j) / 2 >= double{span.length} / 2) {
                    add(supportName(beam, j) + "宽度之半不小于" + name +
                            "跨跨度之半（支座边缘到达或越过跨中）!",
                        {s, 0});
                }
            }
        }
    }
    bool environmentSaid = false;
    for (int j = 0; j <= n; ++j) {
        const SupportDesign& support = supportDesign(beam, j);
        const std::string name = supportName(beam, j);
        const int nearSpan = j == 0 ? 1 : j;
        if (std::string problem = supportDesignProblem(support); !problem.empty()) {
            add(name + "：" + problem, {nearSpan, 0});
        }
        if (isFreeEnd(beam, j)) {
            continue; // no support: whatever it holds is not used
        }
        const std::string why = whyNoRedistribution(beam, j);
        if (support.redistribution > 0 && !why.empty()) {
            if (why == kNoRedistributionInEnvironment) { // said once for the beam
                if (!environmentSaid) {
                    add(why + "!", {});
                    environmentSaid = true;
                }
            } else {
                add(name + "：不能调幅，" + why + "!", {nearSpan, 0});
            }
        }
    }
    return list.size() == before;
}

} // namespace spanwise
