// Per-span results once the end moments are known: the key sections of every span, the forces
// there, the largest span moment and its position, and the rows of the result table.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <array>
#include <cstdint>
#include <string>

namespace spanwise {

// found = the value in slot n of the row already stands in one of the slots 1..n-1 (exact
// float equality; slot 0 is never compared).
void alreadyInRow(const KeyTable& table, int row, int n, bool& found);

// Sorts slots 1..n of the row ascending in place; slot 0 and the slots above n stay.
void sortRow(KeyTable& table, int row, int n);

// Key sections of span s into KeyPointX and KeyPointLast: left end, the position a of every
// concentrated force twice (shear left and right of it), mid-span for a uniform load, a, L - a
// and mid-span for a trapezoidal load, each without repeats, then L and the -1 terminator.
// Expects the span's row cleared (a fresh BeamResults{}).
void keySections(const Beam& beam, BeamResults& results, int s);

// Shear and moment just left and just right of every key section of one span, kept by the
// calculation between the forces at the key sections and the maximum search so that neither
// evaluates the same section twice.
struct KeySectionForces {
    std::array<float, kKeySlots> VL{};
    std::array<float, kKeySlots> VR{};
    std::array<float, kKeySlots> ML{};
    std::array<float, kKeySlots> MR{};
};

class SpanCurve;

// KeyPointM and KeyPointV at every key section of span s, whose loads are gathered in loads;
// the second (and third) of equal positions take the moment and shear just right of the
// section, every other slot those just left. Also fills shears when given.
void keySectionForces(const Beam& beam, BeamResults& results, int s, const SpanCurve& loads,
                      KeySectionForces* shears = nullptr);

// Bracket (lo, lo + 1) around the largest of values[1..10]: the first of equal largest values
// wins, and the bracket goes towards its larger neighbour (a tie to the right).
void bracketLargest(const std::array<float, 11>& values, std::int16_t& lo, std::int16_t& hi);

// SpanMaxMoment and SpanMaxMomentX of span s. The 10-point refinement narrows [0, L] a ninth at
// a time towards the largest sample until it is 0.0001 m wide (or can narrow no further in
// single precision). Its answer is then checked against the moment at every key section and at
// every point between them where the shear passes zero; when one of those is larger by more
// than 0.0005 kN*m it is reported instead, so the column never shows less than the true
// largest moment. Needs the key sections and the forces there, the end moments and the span's
// curve of every load; shears from keySectionForces() save evaluating the key sections again.
void searchMaxMoment(const Beam& beam, BeamResults& results, int s, const SpanCurve& loads,
                     const KeySectionForces* shears = nullptr);

// The text of the largest moment's position: "2.5", or "2.5(右)" where it stands just right
// (左: left) of a concentrated moment.
std::string maxMomentPositionText(float x, MomentSide side);

// One row of the result table, in column order.
struct SpanResult {
    std::string label; // 第s跨
    float length = 0;
    float leftV = 0;
    float leftM = 0;
    float maxMoment = 0;
    float maxMomentX = 0;
    // Where the largest moment stands on a concentrated moment: the side it is on.
    MomentSide maxMomentSide = MomentSide::None;
    float rightV = 0;
    float rightM = 0;

    std::array<float, 7> numbers() const {
        return {length, leftV, leftM, maxMoment, maxMomentX, rightV, rightM};
    }
};

SpanResult spanResult(const Beam& beam, const BeamResults& results, int s);

inline constexpr int kResultColumns = 8;
// Column titles of the result table, exactly as the grid shows them.
inline constexpr std::array<const char*, kResultColumns> kResultHeaders = {
    "跨   号",        "跨度(m)",     "左端V(kN)", "左端M(kN*m)",
    "跨中Mmax(kN*m)", "Mmax位置(m)", "右端V(kN)", "右端M(kN*m)"};
// Column widths of the result grid in twips (1/1440 inch).
inline constexpr std::array<int, kResultColumns> kResultColumnTwips = {650,  700,  1000, 1250,
                                                                       1600, 1250, 1000, 1250};

// The texts of one row of the result table: the span's label, then its seven numbers as the
// result window, the batch tool, the CSV, the JSON and the report all print them.
std::array<std::string, kResultColumns> resultRowTexts(const SpanResult& row);

} // namespace spanwise
