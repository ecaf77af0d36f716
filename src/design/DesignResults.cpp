// What the design result says of itself: the names of its places, its failures in words, its
// summary and the bars it proposed.
#include "design/BeamDesign.h"

#include <algorithm>

namespace spanwise {

std::string SpanDesign::placeName(SteelPlace place) const {
    switch (place) {
    case SteelPlace::LeftFace:
        return leftFaceName;
    case SteelPlace::SpanTop:
        return "跨中上部";
    case SteelPlace::RightFace:
        return rightFaceName;
    default:
        return "跨中下部";
    }
}

std::vector<std::string> SteelRow::failures() const {
    std::vector<std::string> out = flexure.failures;
    out.insert(out.end(), bars.failures.begin(), bars.failures.end());
    if (compression) {
        out.insert(out.end(), compression->failures.begin(), compression->failures.end());
    }
    if (ductility) {
        out.insert(out.end(), ductility->failures.begin(), ductility->failures.end());
    }
    if (crack.state == CheckState::Failed) {
        out.push_back(crack.words);
    }
    // one reason said once: two layers designed again can repeat the section's words
    std::vector<std::string> unique;
    for (const std::string& f : out) {
        if (std::find(unique.begin(), unique.end(), f) == unique.end()) {
            unique.push_back(f);
        }
    }
    return unique;
}

std::vector<std::string> SpanDesign::failures() const {
    std::vector<std::string> out;
    for (const SteelRow& row : rows) {
        for (const std::string& f : row.failures()) {
            out.push_back(placeName(row.place) + "：" + f);
        }
    }
    for (const FaceShear* face : {&left, &right}) {
        for (const std::string& f : face->result.failures) {
            out.push_back(faceName(*face) + "受剪：" + f);
        }
    }
    for (const std::string& f : stirrups.failures) {
        out.push_back("箍筋：" + f);
    }
    if (deflection.state == CheckState::Failed) {
        out.push_back("挠度：" + deflection.words);
    }
    return out;
}

std::vector<std::string> BeamDesign::failures() const {
    std::vector<std::string> out;
    if (!designed) {
        return out;
    }
    for (const SpanDesign& span : spans) {
        for (const std::string& f : span.failures()) {
            out.push_back("第" + std::to_string(span.span) + "跨" + f);
        }
    }
    return out;
}

std::vector<std::string> BeamDesign::notices() const {
    std::vector<std::string> out;
    for (const SpanDesign& span : spans) {
        for (const SteelRow& row : span.rows) {
            if (row.ductility && row.ductility->notice) {
                out.push_back("第" + std::to_string(span.span) + "跨" + span.placeName(row.place) +
                              "：" + *row.ductility->notice);
            }
        }
    }
    return out;
}

std::string BeamDesign::summary() const {
    if (!designed) {
        return "未设计：" + whyNot;
    }
    const std::vector<std::string> all = failures();
    if (all.empty()) {
        return "全部满足";
    }
    std::string text = std::to_string(all.size()) + " 处不满足：";
    for (std::size_t k = 0; k < all.size(); ++k) {
        text += (k > 0 ? "；" : "") + all[k];
    }
    return text;
}

ProvidedBars proposedBars(const BeamDesign& design) {
    ProvidedBars out;
    if (!design.designed) {
        return out;
    }
    out.spans.resize(design.spans.size());
    out.supports.resize(design.spans.size() + 1);
    for (const SpanDesign& d : design.spans) {
        ProvidedBars::OfSpan& span = out.spans[static_cast<std::size_t>(d.span - 1)];
        for (const SteelRow& row : d.rows) {
            if (row.provided || !row.bars.bars) {
                continue;
            }
            switch (row.place) {
            case SteelPlace::Bottom:
                span.bottom = row.bars.bars;
                break;
            case SteelPlace::SpanTop:
                if (row.tension) {
                    span.spanTop = row.bars.bars;
                }
                break;
            default:
                out.supports[static_cast<std::size_t>(row.support)] = row.bars.bars;
            }
        }
        if (!d.stirrupsProvided) {
            span.stirrups = d.stirrups.stirrups;
        }
    }
    return out;
}

} // namespace spanwise
