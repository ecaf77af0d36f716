// The bars an engineer may provide (the ranges of the span's input) and those the design may
// propose; diameters and spacings in mm.
#pragma once

#include <algorithm>
#include <array>

namespace spanwise {

inline constexpr std::array<int, 12> kLongitudinalDiameters = {10, 12, 14, 16, 18, 20,
                                                               22, 25, 28, 32, 36, 40};
inline constexpr int kFewestBars = 2;
inline constexpr int kMostBars = 20;

inline constexpr std::array<int, 5> kStirrupDiameters = {6, 8, 10, 12, 14};
inline constexpr std::array<int, 4> kStirrupLegs = {2, 3, 4, 6};
inline constexpr int kNarrowestStirrupSpacing = 50;
inline constexpr int kWidestStirrupSpacing = 400;

// What a stirrup proposal picks from (4.4): the diameters ascending, the spacings descending.
inline constexpr std::array<int, 4> kProposedStirrupDiameters = {6, 8, 10, 12};
inline constexpr std::array<int, 7> kProposedStirrupSpacings = {400, 350, 300, 250, 200, 150, 100};

template <std::size_t N> bool isListed(const std::array<int, N>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace spanwise
