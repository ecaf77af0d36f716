#include "design/DesignTable.h"

#include "design/BarText.h"
#include "design/HandCalculation.h"

namespace spanwise {

const char* verdictMark(bool checked, bool ok) {
    return !checked ? "—" : ok ? "✔" : "✘";
}

std::string rowBarsText(const SteelRow& row) {
    if (!row.bars.bars) {
        return "放不下";
    }
    return barText(*row.bars.bars, row.steel) + (!row.bars.fits       ? "(放不下)"
                                                 : row.bars.twoLayers ? "(两排)"
                                                                      : "");
}

namespace {

std::string crackText(const CrackWidth& c) {
    return c.state == CheckState::NotChecked ? "—" : crackWidthText(c.width);
}

} // namespace

DesignTables designTables(const BeamDesign& design) {
    DesignTables t;
    t.steel.headers = {"跨号",       "位置", "M(kN*m)",   "αs", "ξ",        "As需(mm²)",
                       "As'需(mm²)", "钢筋", "As实(mm²)", "ρ",  "wmax(mm)", "结论"};
    t.shear.headers = {
        "跨号", "位置", "V(kN)", "Vc(kN)", "Asv/s需(mm²/mm)", "箍筋", "Asv/s实(mm²/mm)", "结论"};
    t.hangers.headers = {"跨号", "x(m)", "F(kN)", "附加Asv需(mm²)"};
    t.deflection.headers = {"跨号", "B(N*mm²)", "w按EI(mm)", "f按B(mm)", "l0/f", "限值", "结论"};
    for (const SpanDesign& d : design.spans) {
        const std::string span = std::to_string(d.span);
        for (const SteelRow& row : d.rows) {
            const FlexureResult& f = row.flexure;
            const bool ok = row.failures().empty();
            t.steel.rows.push_back(
                {span, d.placeName(row.place), forceText(row.moment),
                 row.tension ? relativeText(f.alphaS) : "—", row.tension ? relativeText(f.xi) : "—",
                 steelAreaText(f.requiredArea) + (f.minimumGoverns ? "(最小)" : ""),
                 f.compressionArea > 0 ? steelAreaText(f.compressionArea) : "",
                 rowBarsText(row) + (row.provided ? "" : "*"),
                 row.bars.bars ? steelAreaText(row.bars.area) : "",
                 row.bars.bars && row.effectiveDepth > 0
                     ? relativeText(row.bars.area / (d.section.width * row.effectiveDepth))
                     : "",
                 crackText(row.crack), verdictMark(true, ok)});
        }
        const double provided = d.stirrups.stirrups ? d.stirrups.ratio : 0.0;
        for (const FaceShear* face : {&d.left, &d.right}) {
            if (!face->present) {
                continue;
            }
            const ShearResult& r = face->result;
            const bool ok = r.ok() && d.stirrups.ok();
            t.shear.rows.push_back(
                {span, d.faceName(*face), forceText(face->shear), forceText(r.concreteShear),
                 stirrupRatioText(r.requiredRatio),
                 d.stirrups.stirrups ? stirrupText(*d.stirrups.stirrups, d.stirrupSteel) +
                                           (d.stirrupsProvided ? "" : "*")
                                     : "无",
                 d.stirrups.stirrups ? stirrupRatioText(provided) : "", verdictMark(true, ok)});
        }
        for (const Hanger& h : d.hangers) {
            t.hangers.rows.push_back(
                {span, trimmedText(h.x), forceText(h.steel.force), steelAreaText(h.steel.area)});
        }
        const LongTermDeflection& f = d.deflection;
        const bool computed = f.stiffness.state == CheckState::Passed;
        t.deflection.rows.push_back(
            {span, computed ? stiffnessText(f.stiffness.longTerm) : "—", fixedText(f.elastic, 2),
             computed ? fixedText(f.deflection, 2) : "—",
             computed && f.deflection > 0 ? trimmedText(f.ratio, 0) : "—",
             "l0/" + trimmedText(f.limitDenominator, 0),
             f.state == CheckState::NotChecked ? f.words
                                               : verdictMark(true, f.state == CheckState::Passed)});
    }
    return t;
}

} // namespace spanwise
