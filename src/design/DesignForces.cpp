#include "design/DesignForces.h"

#include "design/SimpleSpan.h"

#include "analysis/Cubic.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace spanwise {

namespace {

bool heldAtBothEnds(const Beam& beam, int s) {
    return baseSystem(beam, s) == BaseSystem::SimplySupported;
}

// The shear of largest magnitude of the two extremes.
float largerShear(const Extreme& most, const Extreme& least) {
    return std::fabs(most.value) >= std::fabs(least.value) ? most.value : least.value;
}

} // namespace

const char* spanMomentRuleText(SpanMomentRule rule) {
    switch (rule) {
    case SpanMomentRule::Redistributed:
        return "1.02M0−(Ml+Mr)/2";
    case SpanMomentRule::ThirdOfSimple:
        return "M0/3";
    default:
        return "弹性";
    }
}

BeamForces designForces(const Beam& beam, const Envelope& envelope) {
    BeamForces out;
    const int n = beam.spanCount();
    const double g0 = beam.design.importance;
    out.importance = beam.design.importance;
    out.quasiPermanentShare = beam.deflection.quasiPermanent;
    const CombinationWeights basic = CombinationWeights::basic(beam.factors);
    const CombinationWeights quasi =
        CombinationWeights::quasiPermanent(beam.deflection.quasiPermanent);
    // a moment that is zero by mechanics (its magnitude below kRoundOff of the beam's largest)
    // is 0: its round-off puts no bars in tension
    double largest = 0;
    for (int s = 1; s <= n; ++s) {
        const SpanEnvelope& e = envelope.span(s);
        largest = std::max(
            {largest, double{std::fabs(e.maxMoment.value)}, double{std::fabs(e.minMoment.value)}});
    }
    const double threshold = kRoundOff * std::fabs(g0) * largest;
    auto clean = [threshold](float v) { return std::fabs(v) < threshold ? 0.0f : v; };
    auto scaled = [&](double v) { return clean(toSingle(g0 * v)); };

    // gamma0 x the smallest centre-line moment at every support, from the span beside it
    std::vector<double> centre(static_cast<std::size_t>(n + 1), 0.0);
    for (int j = 0; j <= n; ++j) {
        const bool fromRight = j < n; // the span to the right of the support holds it at x = 0
        const int s = fromRight ? j + 1 : j;
        const EnvelopeSection e = envelope.at(s, fromRight ? 0.0f : beam.span(s).length);
        centre[static_cast<std::size_t>(j)] =
            g0 * (fromRight ? e.minMoment.value : e.minMomentRight.value);
        out.redistributed = out.redistributed || supportDesign(beam, j).redistribution > 0;
    }

    for (int s = 1; s <= n; ++s) {
        const float L = beam.span(s).length;
        const SpanEnds ends = spanEnds(beam, s);
        SpanForces f;
        f.left.present = ends.left != EndSupport::Free;
        f.right.present = ends.right != EndSupport::Free;
        f.left.support = s - 1;
        f.right.support = s;
        f.left.x = f.left.present ? toSingle(supportDesign(beam, s - 1).width / 2.0) : 0.0f;
        f.right.x = f.right.present ? toSingle(L - supportDesign(beam, s).width / 2.0) : L;
        f.from = f.left.x;
        f.to = f.right.x;
        for (FaceForces* face : {&f.left, &f.right}) {
            if (!face->present) {
                continue;
            }
            const bool left = face == &f.left;
            face->beta = supportDesign(beam, face->support).redistribution;
            // the span side of the face: just right of the left one, just left of the right one
            const EnvelopeSection e = envelope.at(s, face->x);
            const EnvelopeSection q = envelope.at(s, face->x, quasi);
            face->elasticMoment = scaled(left ? e.minMomentRight.value : e.minMoment.value);
            // beta lowers a hogging moment only: a face that sags stays as it is
            face->redistributed = face->beta > 0 && face->elasticMoment < 0;
            face->moment = face->redistributed ? toSingle((1.0 - face->beta) * face->elasticMoment)
                                               : face->elasticMoment;
            face->elasticShear = scaled(left ? largerShear(e.maxShearRight, e.minShearRight)
                                             : largerShear(e.maxShearLeft, e.minShearLeft));
            face->shear = face->elasticShear;
            face->quasiPermanentMoment = clean(left ? q.minMomentRight.value : q.minMoment.value);
        }

        // between the faces
        const MomentRange range = envelope.momentRange(s, f.from, f.to, basic);
        f.elasticBottom = scaled(range.max.value);
        f.elasticBottomX = range.max.x;
        f.elasticBottomSide = range.max.side;
        f.bottomMoment = f.elasticBottom;
        f.bottomX = f.elasticBottomX;
        const EnvelopeSection atBottom = envelope.at(s, f.bottomX);
        const bool bottomRight = f.elasticBottomSide == MomentSide::Right;
        f.topMoment =
            scaled(bottomRight ? atBottom.minMomentRight.value : atBottom.minMoment.value);
        f.topX = f.bottomX;
        MomentSide topSide = f.elasticBottomSide;
        // a hogging peak strictly between the faces, below both of their moments
        const float least = scaled(range.min.value);
        const bool inside = range.min.x > f.from && range.min.x < f.to;
        const bool belowFaces = (!f.left.present || least < f.left.elasticMoment) &&
                                (!f.right.present || least < f.right.elasticMoment);
        if (inside && belowFaces && least < 0) {
            f.topMoment = least;
            f.topX = range.min.x;
            f.hoggingPeak = true;
            topSide = range.min.side;
        }
        // the quasi-permanent moment of the top bars inside the span at their own place
        const EnvelopeSection quasiAtTop = envelope.at(s, f.topX, quasi);
        f.quasiPermanentTop = clean(topSide == MomentSide::Right ? quasiAtTop.minMomentRight.value
                                                                 : quasiAtTop.minMoment.value);
        const MomentRange quasiRange = envelope.momentRange(s, f.from, f.to, quasi);
        f.quasiPermanentBottom = clean(quasiRange.max.value);
        f.quasiPermanentBottomX = quasiRange.max.x;

        // redistribution at a support of the span with beta > 0 (the data check allows it only
        // beside spans held at both ends)
        const float betaLeft = f.left.present ? supportDesign(beam, s - 1).redistribution : 0.0f;
        const float betaRight = f.right.present ? supportDesign(beam, s).redistribution : 0.0f;
        if ((betaLeft > 0 || betaRight > 0) && heldAtBothEnds(beam, s)) {
            const SimpleSpan simple(beam, s, g0);
            const double M0 = simple.maximum();
            f.redistributed = true;
            // the reduced centre-line moments, signed (hogging: not above 0); none on a side
            // whose face sags, which beta does not lower
            const auto reduced = [&](const FaceForces& face, float beta, int j) {
                return face.present && face.elasticMoment >= 0
                           ? 0.0
                           : (1.0 - beta) * std::min(0.0, centre[static_cast<std::size_t>(j)]);
            };
            const double Ml = reduced(f.left, betaLeft, s - 1);
            const double Mr = reduced(f.right, betaRight, s);
            f.simpleMaximum = toSingle(M0);
            f.reducedLeft = toSingle(std::fabs(Ml));
            f.reducedRight = toSingle(std::fabs(Mr));
            const double rule = 1.02 * M0 - (std::fabs(Ml) + std::fabs(Mr)) / 2;
            const double third = M0 / 3;
            if (rule > f.elasticBottom && rule >= third) {
                f.bottomMoment = toSingle(rule);
                f.rule = SpanMomentRule::Redistributed;
            } else if (third > f.elasticBottom) {
                f.bottomMoment = toSingle(third);
                f.rule = SpanMomentRule::ThirdOfSimple;
            }
            if (f.rule != SpanMomentRule::Elastic) {
                f.bottomX = toSingle(L / 2.0);
            }
            // the shears of the span as a simple beam with the reduced end moments: never less
            // than the elastic ones
            for (FaceForces* face : {&f.left, &f.right}) {
                const bool left = face == &f.left;
                const double redistributed = simple.shear(face->x, left) + (Mr - Ml) / L;
                if (std::fabs(redistributed) > std::fabs(face->elasticShear)) {
                    face->shear = toSingle(redistributed);
                    face->redistributedShearGoverns = true;
                }
            }
        }
        const EnvelopeSection quasiAtBottom = envelope.at(s, f.bottomX, quasi);
        f.quasiPermanentAtBottom =
            clean(f.bottomX == f.elasticBottomX && bottomRight ? quasiAtBottom.minMomentRight.value
                                                               : quasiAtBottom.minMoment.value);
        out.spans.push_back(f);
    }
    return out;
}

} // namespace spanwise
