// Hand-worked beams as the detailing takes them: the design's sets stated directly (as a design
// would give them), the geometry in mm, and the shear of the stirrups' middle zones as a
// piecewise-linear envelope. Each beam's working is written out beside the test that uses it.
#pragma once

#include "detailing/BeamDetailing.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace spanwise::detailing_examples {

// n bars of d of the grade, one layer unless said, designed in b with stirrups of dv.
inline DetailedSet bars(int n, int d, int grade = 400, int roomWidth = 250, int roomStirrup = 8,
                        bool twoLayers = false, bool provided = false) {
    return DetailedSet{BarSet{n, d, grade}, twoLayers, provided, roomWidth, roomStirrup};
}

// |V| along a span as straight lines between points (mm from the left face, kN); a repeated x
// is a jump. The largest over [from, to]: its ends and every point inside, both sides of a jump.
inline std::function<double(double, double)>
shearLines(std::vector<std::pair<double, double>> points) {
    return [points](double from, double to) {
        auto at = [&](double x) {
            double most = 0;
            for (std::size_t k = 0; k + 1 < points.size(); ++k) {
                const auto [x0, v0] = points[k];
                const auto [x1, v1] = points[k + 1];
                if (x >= x0 && x <= x1 && x1 > x0) {
                    most = std::max(most, v0 + (v1 - v0) * (x - x0) / (x1 - x0));
                }
            }
            return most;
        };
        double most = std::max(at(from), at(to));
        for (const auto& [x, v] : points) {
            if (x >= from && x <= to) {
                most = std::max(most, v);
            }
        }
        return most;
    };
}
// A middle zone whose largest shear is the value given.
inline std::function<double(double, double)> shearOf(double v) {
    return [v](double, double) { return v; };
}

inline DetailingSpan span(int length, int b, int h, DetailedSet bottom, StirrupSet stirrups) {
    DetailingSpan s;
    s.length = length;
    s.width = b;
    s.depth = h;
    s.bottom = bottom;
    s.stirrups = stirrups;
    return s;
}

inline DetailingSupport support(int width, std::optional<DetailedSet> top, bool simpleEnd = false) {
    DetailingSupport j;
    j.width = width;
    j.top = top;
    j.simpleEnd = simpleEnd;
    return j;
}

// C30 (ft 1.43), HRB400 bars, HPB300 stirrups, environment 一: c = 20, as = 40.
inline DetailingInput c30(MemberData member = {}) {
    DetailingInput in;
    in.member = member;
    in.concrete = 30;
    in.ft = 1.43;
    in.longitudinalSteel = 400;
    in.stirrupSteel = 300;
    in.cover = 20;
    in.tensionCover = 40;
    in.proposedDiameters = {12, 14, 16, 18, 20, 22, 25, 28, 32};
    return in;
}

inline StirrupSet stirrups(int d, int s, int legs = 2) {
    return StirrupSet{legs, d, s, 300};
}

// Two spans of 6000, 250 × 600, supports 400 wide (simple ends), 2C16 / 4C22 / 2C16 over them,
// 4C20 at the bottom (As 1180 and 1100 needed), A8@200(2) proposed; a force of 67.5 kN at the
// middle of span 1 asking Asv = 250; span 1's shear 150 → 40 | 107.5 → 185 kN from face to face
// (a jump at the force), span 2's middle zone 95 kN.
inline DetailingInput twoSpanL() {
    DetailingInput in = c30();
    DetailingSpan s1 = span(6000, 250, 600, bars(4, 20), stirrups(8, 200));
    s1.bottomRequiredArea = 1180;
    s1.largestShear = shearLines({{0, 150}, {2800, 40}, {2800, 107.5}, {5600, 185}});
    s1.forces = {{3.0, 67.5, 250}};
    DetailingSpan s2 = span(6000, 250, 600, bars(4, 20), stirrups(8, 200));
    s2.bottomRequiredArea = 1100;
    s2.largestShear = shearOf(95);
    in.spans = {s1, s2};
    in.supports = {support(400, bars(2, 16), true), support(400, bars(4, 22)),
                   support(400, bars(2, 16), true)};
    return in;
}

// A 6000 span and a 2000 cantilever on the right (250 × 450, its 2A14 provided), supports 400
// (a simple end at 0): 2C14 / 5C25 in two layers over them, 4C22 at the bottom (As 1300).
inline DetailingInput spanAndCantilever() {
    DetailingInput in = c30(MemberData{MemberCode::NonFrame, 2, DrawingSigns::Letters, 200, 0});
    DetailingSpan s1 = span(6000, 250, 600, bars(4, 22), stirrups(8, 200));
    s1.bottomRequiredArea = 1300;
    s1.largestShear = shearOf(80);
    DetailingSpan tip =
        span(2000, 250, 450, bars(2, 14, 300, 250, 8, false, true), stirrups(8, 150));
    tip.bottomRequiredArea = 225;
    tip.freeRight = true;
    in.spans = {s1, tip};
    DetailingSupport free;
    free.free = true;
    in.supports = {support(400, bars(2, 14), true), support(400, bars(5, 25, 400, 250, 8, true)),
                   free};
    return in;
}

// A KL of one 7200 span, T 400 × 800 with bf' × hf' = 1200 × 120, supports 500, as = 45, signs
// Φ: 4Φ28 over both supports, 9Φ25 in two layers at the bottom, Φ8@100(2) proposed, |V| from
// 500 at a face to 0 at the middle, a force asking Asv = 400 at the middle.
inline DetailingInput deepT() {
    DetailingInput in = c30(MemberData{MemberCode::Frame, 3, DrawingSigns::Phi, 200, 0});
    in.tensionCover = 45;
    DetailingSpan s = span(7200, 400, 800, bars(9, 25, 400, 400, 8, true), stirrups(8, 100));
    s.flangeWidth = 1200;
    s.flangeDepth = 120;
    s.bottomRequiredArea = 4300;
    s.largestShear = shearLines({{0, 500}, {3350, 0}, {6700, 500}});
    s.forces = {{3.6, 200, 400}};
    in.spans = {s};
    in.supports = {support(500, bars(4, 28, 400, 400)), support(500, bars(4, 28, 400, 400))};
    return in;
}

// Spans 6000, 1800, 6000 of 250 × 600, supports 400 (simple outer ends): 2C14 provided at 0,
// 4C22 and 3C25 over the interior supports, 2C14 proposed at 3; the short span's stirrups
// A8@100(3) provided; span 1's bottom bars are the compression steel of its right face.
inline DetailingInput shortMiddleSpan() {
    DetailingInput in = c30(MemberData{MemberCode::NonFrame, 4, DrawingSigns::Letters, 200, 0});
    DetailingSpan s1 = span(6000, 250, 600, bars(4, 22), stirrups(8, 200));
    s1.bottomRequiredArea = 1300;
    s1.compressionRight = true;
    s1.largestShear = shearOf(90);
    DetailingSpan s2 = span(1800, 250, 600, bars(2, 16), stirrups(8, 100, 3));
    s2.bottomRequiredArea = 300;
    s2.stirrupsProvided = true;
    DetailingSpan s3 = s1;
    s3.compressionRight = false;
    in.spans = {s1, s2, s3};
    in.supports = {support(400, bars(2, 14, 400, 250, 8, false, true), true),
                   support(400, bars(4, 22)), support(400, bars(3, 25)),
                   support(400, bars(2, 14), true)};
    return in;
}

// An Lg of one 8000 span, 300 × 700, supports only 250 wide (the left end fixed), signs %%13x:
// 3C25 / 2C20 over the supports, 5C22 at the bottom, C10@150(2) provided, two forces asking
// Asv = 2600 and 1600 with secondary beams 200 wide and h1 = 0; the design has a ✘.
inline DetailingInput hangersThatDoNotFit() {
    DetailingInput in = c30(MemberData{MemberCode::NonFrame, 5, DrawingSigns::Codes, 200, 0});
    in.designPassed = false;
    DetailingSpan s = span(8000, 300, 700, bars(5, 22, 400, 300), StirrupSet{2, 10, 150, 300});
    s.bottomRequiredArea = 1700;
    s.stirrupsProvided = true;
    s.forces = {{2.5, 700, 2600}, {5.0, 430, 1600}};
    in.spans = {s};
    in.supports = {support(250, bars(3, 25, 400, 300, 10)),
                   support(250, bars(2, 20, 400, 300, 10), true)};
    in.supports[0].fixedEnd = true;
    return in;
}

} // namespace spanwise::detailing_examples
