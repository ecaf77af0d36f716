// Fuzz target for the bar and stirrup texts users type ("4C22", "4 Φ 22", "C8@150(2)",
// "Φ8＠150（4）", "2C25+2C22"): any bytes are either refused in words or read as a set within
// the ranges the design takes, and a set read back from its own text is the same set.
#include "design/BarText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace spanwise;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Parsed<BarSet> bars = parseBars(text);
    if (bars.value) {
        const BarSet& b = *bars.value;
        if (b.count < 2 || b.count > 20 || b.diameter < 10 || b.diameter > 40) {
            __builtin_trap();
        }
        const Parsed<BarSet> again = parseBars(typedBarText(b));
        if (!again.value || !(*again.value == b)) {
            __builtin_trap();
        }
    } else if (bars.problem.empty()) {
        __builtin_trap(); // refused without words
    }
    const Parsed<StirrupSet> stirrups = parseStirrups(text);
    if (stirrups.value) {
        const StirrupSet& s = *stirrups.value;
        if (s.spacing < 50 || s.spacing > 400 || s.diameter < 6 || s.diameter > 14) {
            __builtin_trap();
        }
    } else if (stirrups.problem.empty()) {
        __builtin_trap();
    }
    return 0;
}
