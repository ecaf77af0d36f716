#include "check/DesignCheck.h"

#include "analysis/Reactions.h"

#include <cmath>

namespace spanwise {

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
    if (const auto problem = designSettingsProblem(beam.design)) {
        add(*problem, {});
    }
    for (int s = 1; s <= n; ++s) {
        const Span& span = beam.span(s);
        const std::string name = "第" + std::to_string(s);
        if (span.section) {
            if (std::string problem = sectionProblem(*span.section); !problem.empty()) {
                add(name + "跨截面：" + problem, {s, 0});
            } else if (!tensionCoverFits(beam.design.tensionCover, *span.section)) {
                add(name + "跨：" + kTensionCoverWords + "!", {s, 0});
            }
        }
        // the faces of the supports leave the span some length (a free end has no face)
        auto width = [&](int j) {
            return isFreeEnd(beam, j) ? 0.0 : double{supportDesign(beam, j).width};
        };
        const double faces = (width(s - 1) + width(s)) / 2;
        if (faces > 0 && faces >= span.length) {
            add(name + kSpanWithoutLengthBetweenFaces, {s, 0});
        }
    }
    bool environmentSaid = false;
    for (int j = 0; j <= n; ++j) {
        const SupportDesign& support = supportDesign(beam, j);
        const std::string name = supportLabel(j, n);
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
