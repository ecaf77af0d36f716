#include "analysis/LoadFormulas.h"

#include "analysis/Single.h"

namespace spanwise {

void endMomentForces(float M1, float M2, float L, float x, float& M, float& V) {
    V = toSingle(-(double{M1} + M2) / L);
    M = toSingle(M1 + double{V} * x);
}

void simpleSpanForce(float a, float x, float L, float P, float& M, float& VL, float& VR) {
    const double da = a, dL = L;
    if (x <= a) {
        VL = toSingle((dL - da) / dL * P);
        M = toSingle(double{VL} * x);
    } else {
        VL = toSingle(-da / dL * P);
        M = toSingle(da / dL * P * (dL - x));
    }
    VR = x == a ? toSingle(-da / dL * P) : VL;
}

void freeLeftSpanForce(float a, float x, float /*L*/, float P, float& M, float& VL, float& VR) {
    if (x <= a) {
        VL = 0;
        M = 0;
    } else {
        VL = -P;
        M = toSingle(-double{P} * (double{x} - a));
    }
    VR = x == a ? -P : VL;
}

void freeRightSpanForce(float a, float x, float L, float P, float& M, float& VL, float& VR) {
    const float u = toSingle(double{L} - x);
    if (u <= a) {
        VL = 0;
        M = 0;
    } else {
        VL = P;
        M = toSingle(-double{P} * (double{u} - a));
    }
    if (u == a) {
        VL = P;
        VR = 0;
    } else {
        VR = VL;
    }
}

void simpleSpanUniform(float q, float x, float L, float& M, float& V) {
    const double dq = q, dx = x, dL = L;
    V = toSingle(0.5 * dq * dL - dq * dx);
    M = toSingle(0.5 * dq * dL * dx - 0.5 * dq * dx * dx);
}

void freeLeftSpanUniform(float /*L*/, float x, float q, float& M, float& V) {
    const double dq = q, dx = x;
    V = toSingle(-dq * dx);
    M = toSingle(-0.5 * dq * dx * dx);
}

void freeRightSpanUniform(float L, float x, float q, float& M, float& V) {
    const double dq = q, u = double{L} - x;
    V = toSingle(dq * u);
    M = toSingle(-0.5 * dq * u * u);
}

void simpleSpanTrapezoid(float q, float L, float a, float x, float& M, float& V) {
    const double dq = q, dL = L, da = a, dx = x;
    const double R = (dL - 2 * da) * dq / 2 + dq * da / 2;
    if (x < a) {
        V = toSingle(R - dq * dx * dx / (2 * da));
        M = toSingle(R * dx - dq * dx * dx * dx / (6 * da));
    } else if (x <= toSingle(dL - da)) {
        V = toSingle(R - dq * da / 2 - dq * (dx - da));
        M = toSingle(R * dx - dq * da / 2 * (dx - 2 * da / 3) - dq * (dx - da) * (dx - da) / 2);
    } else {
        const double u = dL - dx;
        V = toSingle(-R + dq * u * u / (2 * da));
        M = toSingle(R * u - dq * u * u * u / (6 * da));
    }
}

void freeLeftSpanTrapezoid(float q, float L, float a, float x, float& M, float& V) {
    const double dq = q, dL = L, da = a, dx = x;
    if (x < a) {
        V = toSingle(-dq * dx * dx / (2 * da));
        M = toSingle(-dq * dx * dx * dx / (6 * da));
    } else if (x <= toSingle(dL - da)) {
        V = toSingle(-dq * da / 2 - dq * (dx - da));
        M = toSingle(-(dq * da / 2 * (dx - 2 * da / 3) + dq * (dx - da) * (dx - da) / 2));
    } else {
        const double u = dL - dx;
        const double d = dx - (dL - da);
        V = toSingle(-dq * (dL - da) + dq * u * u / (2 * da));
        M = toSingle(-(dq * (dL - 2 * da) * (dx - dL / 2) + dq * da / 2 * (dx - 2 * da / 3) +
                       dq * d * d / 2 - dq * d * d * d / (6 * da)));
    }
}

void freeRightSpanTrapezoid(float q, float L, float a, float x, float& M, float& V) {
    const double dq = q, dL = L, da = a, dx = x;
    const float u = toSingle(dL - dx);
    const double du = u;
    if (u < a) {
        V = toSingle(dq * du * du / (2 * da));
        M = toSingle(-dq * du * du * du / (6 * da));
    } else if (u <= toSingle(dL - da)) {
        V = toSingle(dq * da / 2 + dq * (du - da));
        M = toSingle(-(dq * da / 2 * (du - 2 * da / 3) + dq * (du - da) * (du - da) / 2));
    } else {
        V = toSingle(dq * (dL - da) - dq * dx * dx / (2 * da));
        M = toSingle(-(dq * (dL - da) * (du - dL / 2) + dq * dx * dx * dx / (6 * da)));
    }
}

namespace {

// The part of a stretch load between its start and xi along the base system: its total W and
// its moment about xi.
struct LoadBehind {
    double W = 0;
    double moment = 0;
};

LoadBehind behind(double wFrom, double wTo, double from, double to, double xi) {
    if (xi <= from) {
        return {};
    }
    const double c = to - from;
    const double k = (wTo - wFrom) / c;
    if (xi <= to) {
        const double u = xi - from;
        return {wFrom * u + k * u * u / 2, wFrom * u * u / 2 + k * u * u * u / 6};
    }
    return {c * (wFrom + wTo) / 2,
            wFrom * c * (xi - from - c / 2) + (wTo - wFrom) * c / 2 * (xi - from - 2 * c / 3)};
}

} // namespace

void simpleSpanStretch(float wFrom, float wTo, float from, float to, float L, float x, float& M,
                       float& V) {
    const double c = double{to} - from;
    const double left =
        c / (2.0 * L) * (wFrom * (L - from - c / 3) + double{wTo} * (L - from - 2 * c / 3));
    const LoadBehind b = behind(wFrom, wTo, from, to, x);
    V = toSingle(left - b.W);
    M = toSingle(left * x - b.moment);
}

void freeLeftSpanStretch(float wFrom, float wTo, float from, float to, float x, float& M,
                         float& V) {
    const LoadBehind b = behind(wFrom, wTo, from, to, x);
    V = toSingle(-b.W);
    M = toSingle(-b.moment);
}

void freeRightSpanStretch(float wFrom, float wTo, float from, float to, float L, float x, float& M,
                          float& V) {
    const float u = toSingle(double{L} - x);
    const LoadBehind b = behind(wFrom, wTo, from, to, u);
    V = toSingle(b.W);
    M = toSingle(-b.moment);
}

void simpleSpanCouple(float C, float a, float x, float L, float& ML, float& MR, float& V) {
    const double share = double{C} / L;
    V = toSingle(-share);
    const float before = toSingle(-share * x), after = toSingle(C - share * x);
    ML = x <= a ? before : after;
    MR = x < a ? before : after;
}

void freeLeftSpanCouple(float C, float a, float x, float& ML, float& MR, float& V) {
    V = 0;
    ML = x <= a ? 0.0f : C;
    MR = x < a ? 0.0f : C;
}

void freeRightSpanCouple(float C, float a, float x, float L, float& ML, float& MR, float& V) {
    const float u = toSingle(double{L} - x);
    V = 0;
    // along x the moment jumps from -C to 0 where u passes a
    ML = u < a ? 0.0f : -C;
    MR = u <= a ? 0.0f : -C;
}

} // namespace spanwise
