// The design forces as tables of texts, the one layout the result window, the report, the CSV
// and the batch tool print: one row per face of a support (a cantilever's free end has none),
// then one row per span for the moments between the faces.
#pragma once

#include "design/DesignForces.h"

#include <string>
#include <vector>

namespace spanwise {

struct DesignForcesTable {
    // 跨号, the face by its support's axis ("②轴支座右边缘"), its x, β, M elastic and
    // redistributed, V elastic and design, Mq.
    std::vector<std::string> faceHeaders;
    std::vector<std::vector<std::string>> faceRows;
    // 跨号, the elastic largest moment and its x, M0 where redistributed, the bottom bars'
    // design moment, its x and its rule, the top bars' moment inside the span and its x, the
    // largest quasi-permanent moment and its x.
    std::vector<std::string> spanHeaders;
    std::vector<std::vector<std::string>> spanRows;
};

DesignForcesTable designForcesTable(const Beam& beam, const BeamForces& forces);

// For each span beside a redistributed support, the working of its bottom bars' design moment:
// "第1跨：M0 = 197；1.02M0 − (Ml + Mr)/2 = 1.02×197 − (0 + 144.327)/2 = 128.777；M0/3 =
// 65.667；M弹性 = 140.447；取 140.447（弹性）".
std::vector<std::string> redistributionWorking(const BeamForces& forces);

// The line above the tables: "γ0 = 1.0；准永久值系数 ψq = 0.5；支座 B、C 调幅" and the like.
std::string designForcesSummary(const Beam& beam, const BeamForces& forces);

} // namespace spanwise
