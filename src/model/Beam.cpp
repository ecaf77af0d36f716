#include "model/Beam.h"

#include "model/Axes.h"

#include <cmath>

namespace spanwise {

namespace {

EndSupport outerEnd(SupportKind support) {
    switch (support) {
    case Cantilever:
        return EndSupport::Free;
    case Fixed:
        return EndSupport::Fixed;
    default:
        return EndSupport::Simple;
    }
}

bool usableFactor(float v) {
    return std::isfinite(v) && v > 0;
}

} // namespace

std::string combinationFactorsProblem(const CombinationFactors& f) {
    if (!usableFactor(f.dead)) {
        return "恒载分项系数 γG 应为大于零的数";
    }
    if (!usableFactor(f.live)) {
        return "活载分项系数 γQ 应为大于零的数";
    }
    if (!usableFactor(f.designLife)) {
        return "设计使用年限调整系数 γL 应为大于零的数";
    }
    if (f.deadFavourable && !usableFactor(*f.deadFavourable)) {
        return "恒载有利时的分项系数应为大于零的数";
    }
    if (f.deadFavourable && *f.deadFavourable > f.dead) {
        return "恒载有利时的分项系数不应大于 γG";
    }
    return {};
}

std::string deflectionSettingsProblem(const DeflectionSettings& settings) {
    if (!(settings.quasiPermanent >= 0 && settings.quasiPermanent <= 1)) {
        return "准永久值系数 ψq 应在 0 到 1 之间";
    }
    if (!(settings.limitDenominator >= 0 && std::isfinite(settings.limitDenominator))) {
        return "挠度限值 l0/n 的 n 应为正数";
    }
    return {};
}

float deflectionLimitFor(const DeflectionSettings& settings, double checkLength) {
    if (!settings.byTable()) {
        return settings.limitDenominator;
    }
    if (checkLength < 7) {
        return 200;
    }
    return checkLength <= 9 ? 250 : 300;
}

bool hasLiveLoads(const Beam& beam) {
    for (const Span& span : beam.spans) {
        for (const Load& load : span.loads) {
            if (load.loadCase == Live) {
                return true;
            }
        }
    }
    return false;
}

const SupportDesign& supportDesign(const Beam& beam, int j) {
    return j == 0 ? beam.firstSupportDesign : beam.span(j).rightSupportDesign;
}

SupportDesign& supportDesign(Beam& beam, int j) {
    return j == 0 ? beam.firstSupportDesign : beam.span(j).rightSupportDesign;
}

bool hasDesignData(const Beam& beam) {
    const int n = beam.spanCount();
    if (beam.design != DesignSettings{}) {
        return true;
    }
    // a cantilever's free end is no support: what it still holds is no design data
    for (int j = 0; j <= n; ++j) {
        SupportDesign design = supportDesign(beam, j);
        design.axis.clear(); // the axis names the support, it designs nothing
        if (!isFreeEnd(beam, j) && design != SupportDesign{}) {
            return true;
        }
    }
    for (const Span& span : beam.spans) {
        if (span.section) {
            return true;
        }
    }
    return false;
}

bool isFreeEnd(const Beam& beam, int j) {
    const int n = beam.spanCount();
    return (j == 0 && spanEnds(beam, 1).left == EndSupport::Free) ||
           (j == n && spanEnds(beam, n).right == EndSupport::Free);
}

bool hasSections(const Beam& beam) {
    for (const Span& span : beam.spans) {
        if (!span.section) {
            return false;
        }
    }
    return !beam.spans.empty();
}

SpanEnds spanEnds(const Beam& beam, int s) {
    const int n = beam.spanCount();
    return {s == 1 ? outerEnd(beam.leftSupport) : EndSupport::Continuous,
            s == n ? outerEnd(beam.rightSupport) : EndSupport::Continuous};
}

std::string whyNoRedistribution(const Beam& beam, int j) {
    const int n = beam.spanCount();
    const Exposure e = beam.design.environment;
    if (e == Exposure::ThreeA || e == Exposure::ThreeB) {
        return kNoRedistributionInEnvironment;
    }
    auto heldAtBothEnds = [&](int s) {
        const SpanEnds ends = spanEnds(beam, s);
        return ends.left != EndSupport::Free && ends.right != EndSupport::Free;
    };
    bool allowed = false;
    if (j > 0 && j < n) {
        allowed = heldAtBothEnds(j) && heldAtBothEnds(j + 1);
    } else if (j == 0 || j == n) {
        const bool fixed = (j == 0 ? beam.leftSupport : beam.rightSupport) == Fixed;
        allowed = fixed && heldAtBothEnds(j == 0 ? 1 : n);
    }
    return allowed ? std::string() : std::string(kNoRedistributionThere);
}

std::string redistributionProblem(const Beam& beam, int j) {
    if (isFreeEnd(beam, j) || supportDesign(beam, j).redistribution <= 0) {
        return {};
    }
    const std::string why = whyNoRedistribution(beam, j);
    return why.empty() ? why : supportName(beam, j) + "：不能调幅，" + why;
}

bool tensionCoverFits(const DesignSettings& settings, const SpanSection& section) {
    for (float as : {settings.tensionCover, settings.topTensionCover}) {
        if (as > 0 && as >= section.depth / 2) {
            return false;
        }
    }
    return true;
}

std::string tensionCoverProblem(const Beam& beam) {
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto& section = beam.span(s).section;
        if (section && !tensionCoverFits(beam.design, *section)) {
            return "第" + std::to_string(s) + "跨：" + kTensionCoverWords;
        }
    }
    return {};
}

std::string designFileProblem(const Beam& beam) {
    std::string problem = tensionCoverProblem(beam);
    for (int j = 0; problem.empty() && j <= beam.spanCount(); ++j) {
        problem = redistributionProblem(beam, j);
    }
    return problem;
}

bool dropDisallowedRedistribution(Beam& beam) {
    bool dropped = false;
    for (int j = 0; j <= beam.spanCount(); ++j) {
        SupportDesign& d = supportDesign(beam, j);
        if (d.redistribution != 0 && !redistributionAllowed(beam, j)) {
            d.redistribution = 0;
            dropped = true;
        }
    }
    return dropped;
}

} // namespace spanwise
