#include "analysis/Reactions.h"

#include "analysis/SectionForces.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <stdexcept>

namespace spanwise {

void supportReactions(const Beam& beam, const BeamResults& results, SupportReactions& out) {
    const int N = beam.spanCount();
    if (N < 1 || N > kMaxSpans) {
        throw std::out_of_range("supportReactions: span count out of range");
    }
    out = {};
    const EndSupport leftEnd = spanEnds(beam, 1).left;
    const EndSupport rightEnd = spanEnds(beam, N).right;
    const bool freeLeft = leftEnd == EndSupport::Free;
    const bool freeRight = rightEnd == EndSupport::Free;

    // Shear and moment at the two ends of every span, each evaluated once.
    std::array<SectionForce, kMaxSpans + 1> left{}, right{};
    for (int s = 1; s <= N; ++s) {
        const SpanCurve loads(beam, s);
        left[static_cast<std::size_t>(s)] = sectionForceAt(beam, results, s, 0, loads);
        right[static_cast<std::size_t>(s)] =
            sectionForceAt(beam, results, s, beam.span(s).length, loads);
    }
    for (int j = 0; j <= N; ++j) {
        SupportReaction& r = out[static_cast<std::size_t>(j)];
        r.present = !(j == 0 && freeLeft) && !(j == N && freeRight);
        if (!r.present) {
            continue;
        }
        const double shearRight = j < N ? double{left[static_cast<std::size_t>(j + 1)].VL} : 0.0;
        const double shearLeft = j > 0 ? double{right[static_cast<std::size_t>(j)].VR} : 0.0;
        r.R = toSingle(shearRight - shearLeft);
        if (j == 0) {
            r.fixed = leftEnd == EndSupport::Fixed;
            r.M = r.fixed ? left[1].M : 0.0f;
        } else if (j == N) {
            r.fixed = rightEnd == EndSupport::Fixed;
            r.M = r.fixed ? right[static_cast<std::size_t>(N)].M : 0.0f;
        }
    }
}

} // namespace spanwise
