// The beam's design as tables of texts, the one layout the result window, the report, the CSV and
// the batch tool print: the steel of every design section, the shear and stirrups of every span,
// the additional transverse reinforcement and the deflections. ✔ / ✘ in the last column.
#pragma once

#include "design/BeamDesign.h"

#include <string>
#include <vector>

namespace spanwise {

struct TextTable {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

struct DesignTables {
    // 跨号, 位置, M, αs, ξ, As 需要, As' 需要, 钢筋, As 实配, ρ, wmax, 结论
    TextTable steel;
    // 跨号, 端, V, Vc, Asv/s 需要, 箍筋, Asv/s 实配, 结论
    TextTable shear;
    // 跨号, x, F, Asv 需要
    TextTable hangers;
    // 跨号, Mq, B, w(EI), f(B), l0/f, 限值, 结论
    TextTable deflection;
};

DesignTables designTables(const BeamDesign& design);

// "✔", "✘", or "—" where nothing was checked.
const char* verdictMark(bool checked, bool ok);

// The bars of a row as the drawing writes them: "4Φ22", "6Φ25(两排)", or "放不下".
std::string rowBarsText(const SteelRow& row);

} // namespace spanwise
