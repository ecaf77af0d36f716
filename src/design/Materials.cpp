#include "design/Materials.h"

#include "model/BarLimits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace spanwise {

namespace {

struct ConcreteRow {
    double fc, ft, ftk, modulus; // modulus in 10⁴ N/mm²
};

// C20, C25, …, C80 (Tables 4.1.3, 4.1.4, 4.1.5).
constexpr std::array<ConcreteRow, 13> kConcrete = {{{9.6, 1.10, 1.54, 2.55},
                                                    {11.9, 1.27, 1.78, 2.80},
                                                    {14.3, 1.43, 2.01, 3.00},
                                                    {16.7, 1.57, 2.20, 3.15},
                                                    {19.1, 1.71, 2.39, 3.25},
                                                    {21.1, 1.80, 2.51, 3.35},
                                                    {23.1, 1.89, 2.64, 3.45},
                                                    {25.3, 1.96, 2.74, 3.55},
                                                    {27.5, 2.04, 2.85, 3.60},
                                                    {29.7, 2.09, 2.93, 3.65},
                                                    {31.8, 2.14, 2.99, 3.70},
                                                    {33.8, 2.18, 3.05, 3.75},
                                                    {35.9, 2.22, 3.11, 3.80}}};

struct SteelRow {
    int grade;
    const char* name;
    double fy, modulus, bond;
    int largestProposed; // Table 2: 12 … this diameter
};

constexpr std::array<SteelRow, 4> kSteel = {{{300, "HPB300", 270, 2.10e5, 0.7, 22},
                                             {335, "HRB335", 300, 2.00e5, 1.0, 25},
                                             {400, "HRB400", 360, 2.00e5, 1.0, 32},
                                             {500, "HRB500", 435, 2.00e5, 1.0, 32}}};

struct EnvironmentRow {
    const char* name;
    double cover, crackLimit;
};

constexpr std::array<EnvironmentRow, 5> kEnvironment = {
    {{"一", 20, 0.30}, {"二a", 25, 0.20}, {"二b", 35, 0.20}, {"三a", 40, 0.20}, {"三b", 50, 0.20}}};

const SteelRow* steelOf(int grade) {
    const auto row = std::find_if(kSteel.begin(), kSteel.end(),
                                  [grade](const SteelRow& r) { return r.grade == grade; });
    return row == kSteel.end() ? nullptr : &*row;
}

// Linear from the value up to C50 to the value at C80 (6.2.6, 6.3.1).
double byGrade(int grade, double upToC50, double atC80) {
    if (grade <= 50) {
        return upToC50;
    }
    return upToC50 + (atC80 - upToC50) * (grade - 50) / 30.0;
}

} // namespace

Materials materialsOf(const DesignSettings& settings) {
    if (const auto problem = designSettingsProblem(settings)) {
        throw std::invalid_argument(*problem);
    }
    Materials m;
    const int grade = settings.concrete;
    const ConcreteRow& concrete = kConcrete[static_cast<std::size_t>((grade - 20) / 5)];
    m.concreteName = "C" + std::to_string(grade);
    m.fc = concrete.fc;
    m.ft = concrete.ft;
    m.ftk = concrete.ftk;
    m.Ec = concrete.modulus * 1e4;
    m.alpha1 = byGrade(grade, 1.0, 0.94);
    m.beta1 = byGrade(grade, 0.8, 0.74);
    m.betaC = byGrade(grade, 1.0, 0.8);
    m.ultimateStrain = std::min(0.0033, 0.0033 - (grade - 50) * 1e-5);

    m = withBarSteel(m, settings.longitudinalSteel);
    m = withStirrupSteel(m, settings.stirrupSteel);

    const EnvironmentRow& environment =
        kEnvironment[static_cast<std::size_t>(static_cast<int>(settings.environment))];
    m.environmentName = environment.name;
    m.cover = environment.cover + (grade <= 25 ? 5 : 0);
    m.crackLimit = environment.crackLimit;
    m.tensionCover = settings.tensionCover > 0 ? double{settings.tensionCover} : m.cover + 20;
    m.topTensionCover =
        settings.topTensionCover > 0 ? double{settings.topTensionCover} : m.tensionCover;
    return m;
}

Materials withBarSteel(const Materials& materials, int code) {
    const SteelRow* steel = steelOf(code);
    if (steel == nullptr || code == materials.steel) {
        return materials;
    }
    Materials m = materials;
    m.steel = code;
    m.steelName = steel->name;
    m.fy = steel->fy;
    m.fyCompression = steel->fy;
    m.Es = steel->modulus;
    m.bondFactor = steel->bond;
    m.proposedDiameters.clear();
    for (int d : kLongitudinalDiameters) {
        if (d >= 12 && d <= steel->largestProposed) {
            m.proposedDiameters.push_back(d);
        }
    }
    m.balancedDepth = m.beta1 / (1 + m.fy / (m.Es * m.ultimateStrain));
    return m;
}

Materials withStirrupSteel(const Materials& materials, int code) {
    const SteelRow* steel = steelOf(code);
    if (steel == nullptr || code == materials.stirrupSteel) {
        return materials;
    }
    Materials m = materials;
    m.stirrupSteel = code;
    m.stirrupSteelName = steel->name;
    m.fyv = std::min(steel->fy, 360.0);
    return m;
}

const char* steelName(int code) {
    const SteelRow* steel = steelOf(code);
    return steel ? steel->name : "?";
}

const char* steelSign(int code) {
    switch (code) {
    case 300:
        return "Φ";
    case 335:
        return "B";
    case 400:
        return "C";
    case 500:
        return "E";
    default:
        return "?";
    }
}

} // namespace spanwise
