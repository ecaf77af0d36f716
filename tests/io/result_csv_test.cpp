// The results as CSV: read back with an RFC 4180 reader written here, strict about CR LF.
#include "io/ResultCsv.h"

#include "analysis/Calculation.h"
#include "analysis/SpanResults.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace spanwise {
namespace {

using Table = std::vector<std::vector<std::string>>;

// Records of CSV text; nothing when a line ends without CR LF, a quote is left open or a quoted
// field is followed by anything but a separator or the line end.
std::optional<Table> readCsv(std::string_view text) {
    Table table;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"' && field.empty()) {
            for (++i;; ++i) {
                if (i >= text.size()) {
                    return std::nullopt;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\r') {
                return std::nullopt;
            }
            continue;
        }
        if (text[i] == ',') {
            record.push_back(field);
            field.clear();
            ++i;
        } else if (text[i] == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') {
                return std::nullopt;
            }
            record.push_back(field);
            field.clear();
            table.push_back(record);
            record.clear();
            i += 2;
        } else if (text[i] == '\n') {
            return std::nullopt; // a bare LF
        } else {
            field += text[i++];
        }
    }
    if (!field.empty() || !record.empty()) {
        return std::nullopt; // the last line has no CR LF
    }
    return table;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

Table csvOf(const BeamModel& m) {
    BeamResults r;
    calculate(m, r);
    const std::string text = resultCsv(m, r);
    EXPECT_EQ(std::string_view(text).substr(0, 3), kBom);
    const auto table = readCsv(std::string_view(text).substr(3));
    EXPECT_TRUE(table.has_value()) << text;
    return table.value_or(Table{});
}

std::vector<std::string> headerRow() {
    return {kResultHeaders.begin(), kResultHeaders.end()};
}

TEST(ResultCsv, TwoSpansBetweenWallsReadBackAsTheEngineerSolvesThem) {
    // each span of 6 m under 10 kN/m acts as fixed at both ends: -30 at the supports, 15 between
    BeamModel m;
    m.SpanCount = 2;
    m.LeftSupport = Fixed;
    m.RightSupport = Fixed;
    for (int s = 1; s <= 2; ++s) {
        m.SpanLength[s] = 6;
        m.LoadCount[s] = 1;
        m.LoadKindOf[s][1] = Uniform;
        m.LoadQ[s][1] = 10;
    }
    const Table expected = {
        headerRow(),
        {"第1跨", "6", "30", "-30", "15", "3", "-30", "-30"},
        {"第2跨", "6", "30", "-30", "15", "3", "-30", "-30"},
        {""},
        {"支座反力"},
        {"支座", "反力(kN)", "弯矩(kN*m)"},
        {"左端支座", "30", "-30"},
        {"第1支座", "60", ""},
        {"右端支座", "30", "-30"},
    };
    EXPECT_EQ(csvOf(m), expected);
}

TEST(ResultCsv, FreeEndHasNoReactionRow) {
    // span 1 cantilevers 2 m with 10 kN at its tip (the left V is the shear just left of it);
    // span 2 of 4 m on a simple support takes -20 kN*m at its left end
    BeamModel m;
    m.SpanCount = 2;
    m.LeftSupport = Cantilever;
    m.SpanLength[1] = 2;
    m.SpanLength[2] = 4;
    m.LoadCount[1] = 1;
    m.LoadKindOf[1][1] = Concentrated;
    m.LoadP[1][1] = 10;
    m.LoadB[1][1] = 2; // a = 0 at the free end, b = L - a
    const Table expected = {
        headerRow(),
        {"第1跨", "2", "0", "0", "0", "0", "-10", "-20"},
        {"第2跨", "4", "5", "-20", "0", "4", "5", "0"},
        {""},
        {"支座反力"},
        {"支座", "反力(kN)", "弯矩(kN*m)"},
        {"第1支座", "15", ""},
        {"右端支座", "-5", ""},
    };
    EXPECT_EQ(csvOf(m), expected);
}

TEST(ResultCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    struct Case {
        std::string text, field;
    };
    const Case cases[] = {
        {"跨   号", "跨   号"},
        {"-22.5", "-22.5"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"lf\nonly", "\"lf\nonly\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(csvField(c.text), c.field);
        const auto back = readCsv(csvField(c.text) + "\r\n");
        ASSERT_TRUE(back.has_value()) << c.field;
        EXPECT_EQ(*back, Table{{c.text}});
    }
}

} // namespace
} // namespace spanwise
