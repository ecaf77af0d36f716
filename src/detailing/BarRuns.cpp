// Where every bar starts and stops: the top bars of each group (cut off in the spans beyond it,
// anchored at an outer support, bent down at a cantilever's end), the erection bars between the
// cut-offs, and each span's bottom bars into both supports.
#include "detailing/DetailingParts.h"

#include <algorithm>

namespace spanwise::detailing_parts {

namespace {

const char* checkWords(EndDetail detail) {
    return detail == EndDetail::Pinned ? "0.35lab"
           : detail == EndDetail::Full ? "0.6lab"
                                       : "0.4lab";
}
double checkFactor(EndDetail detail) {
    return detail == EndDetail::Pinned ? 0.35 : detail == EndDetail::Full ? 0.6 : 0.4;
}

// 4.1: a bar entering outer support j from its face: straight where the room (w − c) allows,
// else bent with the room and 15d, the bend's horizontal checked.
BarEnd anchoredAt(Context& c, int j, const BarSet& bars, bool atLeftEnd, EndDetail detail) {
    const Anchorage& a = c.anchorage(bars.grade, bars.diameter);
    const double w = c.support(j).width;
    const double room = w - c.in.cover;
    const double frameNeed = 0.5 * w + 5.0 * bars.diameter;
    const bool frame = detail == EndDetail::Frame;
    const double need = frame ? std::max<double>(a.length, frameNeed) : a.length;
    const double face = atLeftEnd ? c.leftFace.front() : c.rightFace.back();
    BarEnd end;
    end.support = j;
    if (room >= need - 1e-9) {
        end.kind = BarEnd::Kind::Straight;
        end.fromFace = need;
        end.words = "直锚 " + lengthText(need) +
                    (frame && frameNeed > a.length ? "（0.5w + 5d）" : "（la）");
    } else {
        end.kind = BarEnd::Kind::Bent;
        end.fromFace = std::max(room, 0.0);
        end.bend = 15.0 * bars.diameter;
        end.words = "弯锚 " + lengthText(end.fromFace) + " + 15d = " + lengthText(end.bend);
        const double least = checkFactor(detail) * a.basic;
        if (end.fromFace < least - 1e-9) {
            c.out.failures.push_back("支座" + std::to_string(j) + "：弯锚水平段 " +
                                     lengthText(end.fromFace) + " < " + checkWords(detail) + " = " +
                                     lengthText(least) + "（支座宽 " + lengthText(w) + "）");
        }
    }
    end.x = atLeftEnd ? face - end.fromFace : face + end.fromFace;
    return end;
}

// The single length of a bar between its ends: the straight part, the bends and the hooks.
int lengthBetween(const BarEnd& left, const BarEnd& right, int diameter) {
    double length = right.x - left.x + left.bend + right.bend;
    for (const BarEnd* end : {&left, &right}) {
        length += end->hook ? plainHook(diameter) : 0;
    }
    return roundUpTen(length);
}

// An HPB300 bar in tension ends in a hook where it ends straight.
void hookStraightEnds(BarEnd& end, int grade) {
    end.hook = isPlain(grade) && end.bend == 0;
}

// One end of a group's run: anchored at an outer support, at a cantilever's free end, or cut
// off in the span beyond the group.
BarEnd runEnd(Context& c, const BeamDetailing::Group& g, int row, const BarSet& bars, bool left) {
    const int n = c.spanCount();
    const int j = left ? g.first : g.last;
    if (c.isEnd(j) && (left ? j == 0 : j == n)) {
        return anchoredAt(c, j, bars, left, c.out.endDetail);
    }
    const int s = left ? j : j + 1; // the span beyond
    const DetailingSpan& span = c.span(s);
    const auto k = static_cast<std::size_t>(s - 1);
    BarEnd end;
    end.support = j;
    if (left ? span.freeLeft : span.freeRight) {
        const double lc = c.ln(s);
        if (row == 1) {
            end.kind = BarEnd::Kind::FreeEnd;
            end.support = -1;
            end.bend = 12.0 * bars.diameter;
            end.fromFace = lc - c.in.cover;
            end.x = left ? c.node[k] + c.in.cover : c.node[k + 1] - c.in.cover;
            end.words = "伸至悬臂端 − c，下弯 12d = " + lengthText(end.bend);
        } else {
            end.kind = BarEnd::Kind::Stop;
            end.fromFace = roundUpTen(0.75 * lc);
            end.x = left ? c.rightFace[k] - end.fromFace : c.leftFace[k] + end.fromFace;
            end.words = "0.75lc = " + lengthText(end.fromFace);
        }
        return end;
    }
    end.kind = BarEnd::Kind::CutOff;
    end.fromFace = c.extension(j, s, row);
    end.x = left ? c.rightFace[k] - end.fromFace : c.leftFace[k] + end.fromFace;
    const bool pinnedEnd = c.isEnd(j) && c.out.endDetail == EndDetail::Pinned;
    end.words = "距支座边 " + lengthText(end.fromFace) +
                (pinnedEnd  ? "（L/5）"
                 : row == 1 ? "（ln/3）"
                            : "（ln/4）");
    return end;
}

} // namespace

// 4.4, 4.5: a run per group and row; erection bars in every span held at both ends that is not
// through, as many as its legs, one diameter for the beam by the longest of those spans.
void topRunsOf(Context& c) {
    BeamDetailing& out = c.out;
    for (std::size_t g = 0; g < out.groups.size(); ++g) {
        const BeamDetailing::Group& group = out.groups[g];
        const int first = firstRow(group.set, true, c.in.cover);
        for (int row = 1; row <= 2; ++row) {
            BarSet bars = group.set.bars;
            bars.count = row == 1 ? first : group.set.bars.count - first;
            if (bars.count <= 0) {
                continue;
            }
            TopRun run;
            run.group = static_cast<int>(g);
            run.row = row;
            run.bars = bars;
            run.firstSupport = group.first;
            run.lastSupport = group.last;
            run.left = runEnd(c, group, row, bars, true);
            run.right = runEnd(c, group, row, bars, false);
            hookStraightEnds(run.left, bars.grade);
            hookStraightEnds(run.right, bars.grade);
            run.length = lengthBetween(run.left, run.right, bars.diameter);
            out.topRuns.push_back(run);
        }
    }
    const int n = c.spanCount();
    int longest = 0;
    for (int s = 1; s <= n; ++s) {
        if (c.span(s).heldAtBothEnds() && !out.through[static_cast<std::size_t>(s - 1)]) {
            longest = std::max(longest, c.span(s).length);
        }
    }
    out.erectionTexts.assign(static_cast<std::size_t>(n), "");
    out.erectionLengths.assign(static_cast<std::size_t>(n), 0);
    if (longest == 0) {
        return;
    }
    const int d = longest < 4000 ? 8 : longest <= 6000 ? 10 : 12;
    out.erectionDiameter = d;
    for (int s = 1; s <= n; ++s) {
        const auto k = static_cast<std::size_t>(s - 1);
        const DetailingSpan& span = c.span(s);
        if (!span.heldAtBothEnds() || out.through[k]) {
            continue;
        }
        const int legs = span.stirrups->legs;
        out.erectionTexts[k] =
            "(" + std::to_string(legs) + c.sign(c.in.longitudinalSteel) + std::to_string(d) + ")";
        out.erectionLengths[k] =
            roundUpTen(c.ln(s) - c.extension(s - 1, s, 1) - c.extension(s, s, 1) + 300);
    }
}

// 4.6: every bottom bar runs into both supports: 12d (15d plain) at each, max(…, 0.7la) at a face
// that counts them as its compression steel; a KL anchors at its outer supports as a frame and
// by max(la, 0.5w + 5d) at the others; a cantilever's from its free end less c to 15d past its
// support's face.
void bottomRunsOf(Context& c) {
    const int n = c.spanCount();
    for (int s = 1; s <= n; ++s) {
        const DetailingSpan& span = c.span(s);
        const auto k = static_cast<std::size_t>(s - 1);
        const BarSet bars = span.bottom->bars;
        const int d = bars.diameter;
        const bool plain = isPlain(bars.grade);
        const Anchorage& a = c.anchorage(bars.grade, d);
        BottomRun run;
        run.span = s;
        run.bars = bars;
        auto into = [&](int j, bool leftEnd) {
            const double face = leftEnd ? c.leftFace[k] : c.rightFace[k];
            BarEnd end;
            end.support = j;
            const bool freeHere = leftEnd ? span.freeLeft : span.freeRight;
            const bool freeFar = leftEnd ? span.freeRight : span.freeLeft;
            if (freeHere) {
                end.support = -1;
                end.kind = BarEnd::Kind::Stop;
                end.fromFace = c.ln(s) - c.in.cover;
                end.x = leftEnd ? c.node[k] + c.in.cover : c.node[k + 1] - c.in.cover;
                end.words = "至悬臂端 − c";
                return end;
            }
            if (freeFar) {
                end.kind = BarEnd::Kind::Straight;
                end.fromFace = 15.0 * d;
                end.words = "伸过支座边 15d = " + lengthText(end.fromFace);
            } else if (c.out.frame) {
                if (c.isEnd(j)) {
                    end = anchoredAt(c, j, bars, leftEnd, EndDetail::Frame);
                    return end;
                }
                end.kind = BarEnd::Kind::Straight;
                end.fromFace = std::max<double>(a.length, 0.5 * c.support(j).width + 5.0 * d);
                end.words = "直锚 " + lengthText(end.fromFace) + "（max(la, 0.5w + 5d)）";
            } else {
                const double base = (plain ? 15.0 : 12.0) * d;
                const bool compression = leftEnd ? span.compressionLeft : span.compressionRight;
                std::string rule = plain ? "15d" : "12d";
                end.kind = BarEnd::Kind::Straight;
                end.fromFace = base;
                if (compression && 0.7 * a.length > base) {
                    end.fromFace = 0.7 * a.length;
                }
                if (compression) {
                    rule = "max(" + rule + ", 0.7la)";
                }
                end.words = "伸入支座 " + rule + " = " + lengthText(end.fromFace);
                const double room = c.support(j).width - c.in.cover;
                if (c.isEnd(j) && end.fromFace > room + 1e-9) {
                    c.out.failures.push_back(
                        "支座" + std::to_string(j) + "：第" + std::to_string(s) +
                        "跨下部钢筋伸入 " + rule + " = " + lengthText(end.fromFace) +
                        " > 支座宽 − c = " + lengthText(room) + "，须弯折或机械锚固");
                }
            }
            end.x = leftEnd ? face - end.fromFace : face + end.fromFace;
            return end;
        };
        run.left = into(s - 1, true);
        run.right = into(s, false);
        hookStraightEnds(run.left, bars.grade);
        hookStraightEnds(run.right, bars.grade);
        run.length = lengthBetween(run.left, run.right, d);
        c.out.bottomRuns.push_back(run);
    }
}

} // namespace spanwise::detailing_parts
