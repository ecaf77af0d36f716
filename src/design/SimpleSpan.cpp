#include "design/SimpleSpan.h"

#include "analysis/Cubic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace spanwise {

namespace {

// The piece of curve starting at or before x, as a cubic of t = xi - x.
Cubic pieceAt(const SpanCurve& curve, double x) {
    int p = 0;
    while (p + 1 < curve.pieceCount() && curve.pieceEnd(p) <= x) {
        ++p;
    }
    return shifted(curve.moment(p), x - curve.pieceStart(p));
}

} // namespace

SimpleSpan::SimpleSpan(const Beam& beam, int s, double importance)
    : m_dead(beam, s, Dead), m_live(beam, s, Live), m_deadFactor(importance * beam.factors.dead),
      m_liveFactor(importance * double{beam.factors.live} * beam.factors.designLife) {}

double SimpleSpan::maximum() const {
    if (!m_dead.exact() || !m_live.exact()) {
        return 0; // loads off the span: the data check refuses them
    }
    std::vector<double> breaks;
    for (const SpanCurve* curve : {&m_dead, &m_live}) {
        for (int p = 0; p < curve->pieceCount(); ++p) {
            breaks.push_back(curve->pieceStart(p));
        }
        breaks.push_back(curve->length());
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    double best = -HUGE_VAL;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
        const double from = breaks[k], to = breaks[k + 1];
        const Cubic piece =
            m_deadFactor * pieceAt(m_dead, from) + m_liveFactor * pieceAt(m_live, from);
        best = std::max({best, valueOf(piece, 0), valueOf(piece, to - from)});
        std::array<double, 2> turns{};
        const int n = turningPoints(piece, 0, to - from, turns);
        for (int i = 0; i < n; ++i) {
            best = std::max(best, valueOf(piece, turns[static_cast<std::size_t>(i)]));
        }
    }
    return best;
}

} // namespace spanwise
