// The project files we ship are what a new user opens first: each reads, writes back to the
// very same bytes, and (the examples) passes the data check and calculates.
#include "analysis/Calculation.h"
#include "check/DataCheck.h"
#include "design/BarText.h"
#include "design/BeamDesign.h"
#include "design/DesignForces.h"
#include "design/LongitudinalBars.h"
#include "design/SectionStiffness.h"
#include "io/ProjectFile.h"
#include "outcome/BeamOutcome.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>

namespace spanwise {
namespace {

std::string contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

TEST(ShippedFiles, ReadAndWriteBackByteForByte) {
    int files = 0;
    for (const char* folder : {SPANWISE_EXAMPLES_DIR, SPANWISE_TEST_DATA_DIR}) {
        const QDir dir(QString::fromUtf8(folder));
        for (const QString& name : dir.entryList({QStringLiteral("*.BMD")}, QDir::Files)) {
            const QString path = dir.filePath(name);
            const ReadResult read = readProjectFile(path);
            if (name == QStringLiteral("malformed.BMD")) {
                EXPECT_FALSE(read.ok());
                continue;
            }
            ASSERT_TRUE(read.ok()) << read.error.message();
            std::string bytes;
            ASSERT_TRUE(projectFileBytes(*read.project, bytes).ok) << name.toStdString();
            EXPECT_EQ(bytes, contents(path)) << name.toStdString();
            ++files;
            if (std::string(folder) == SPANWISE_EXAMPLES_DIR) {
                const CheckResult check = checkBeam(read.project->beam);
                EXPECT_TRUE(check.passed) << name.toStdString() << ": " << check.messages.front();
                EXPECT_NO_THROW(calculateBeam(read.project->beam)) << name.toStdString();
            }
        }
    }
    EXPECT_EQ(files, 19); // 8 examples (two of them with design data) and 11 test files
}

// The README's worked example, examples/main_beam.BMD: three 6.3 m spans, G = 44 and Q = 59.4 kN
// at the thirds, T 300 × 650 with a 2100 × 100 flange, C30, HRB400, as = 40 (h0 = 610), columns
// 0.4 m wide. By the three-moment equation (exact fractions, γG = 1.3, γQ = 1.5): span 1's
// largest moment, Q on spans 1 and 3, P·L/3 + M_B/3 = 250.25 at 2.1 m; Q on spans 1 and 2 gives
// M_B = -270.732, the shear just left of B -189.273 and just right 166.1, so the faces 0.2 m
// away carry -270.732 + 189.273 × 0.2 = -232.877 and -270.732 + 166.1 × 0.2 = -237.512. The
// steel: in the flange αs = 250.25e6 / (14.3 × 2100 × 610²) = 0.0224, ξ = 1 - √(1 - 2αs),
// As = 14.3 × 2100 × ξ × 610 / 360 = 1152.6 (6C16 = 6 × π × 8² = 1206.4); over B the top bars
// lie at as,top = 60 (h0 = 590 in the 300 web): αs = 232.877e6 / (14.3 × 300 × 590²) = 0.1559
// and 0.1590, As = 1198.6 and 1224.9, one set of 2C28 = 2 × π × 14² = 1231.5 for both faces (its
// centroid 20 + 6 + 14 = 40 lies within as,top); Vc = 0.7 × 1.43 × 300
// × 610 = 183.183 kN < 189.273, so the minimum 0.24 × 1.43 / 360 × 300 = 0.286 mm²/mm governs;
// under each force 1.3 × 44 + 1.5 × 59.4 = 146.3 kN needs 146300 / 360 = 406.4 mm² of hangers.
TEST(ShippedFiles, TheWorkedExampleOfTheReadme) {
    const ReadResult read = readProjectFile(SPANWISE_EXAMPLES_DIR "/main_beam.BMD");
    ASSERT_TRUE(read.ok());
    const BeamOutcome outcome = outcomeOf(read.project->beam);
    const BeamForces& forces = *outcome.forces.get();
    EXPECT_NEAR(forces.span(1).bottomMoment, 250.25, 5e-4);
    EXPECT_NEAR(forces.span(1).bottomX, 2.1, 1e-6);
    EXPECT_NEAR(forces.span(1).right.moment, -232.877, 5e-4);
    EXPECT_NEAR(forces.span(2).left.moment, -237.512, 5e-4);
    const BeamDesign& d = *outcome.design.get();
    ASSERT_TRUE(d.designed);
    EXPECT_TRUE(d.failures().empty());
    const SpanDesign& first = d.span(1);
    const struct {
        SteelPlace place;
        double required;
        const char* bars;
        double area;
    } rows[] = {{SteelPlace::Bottom, 1152.6, "6C16", 1206.4},
                {SteelPlace::RightFace, 1198.6, "2C28", 1231.5}};
    for (const auto& c : rows) {
        const auto row = std::find_if(first.rows.begin(), first.rows.end(),
                                      [&](const SteelRow& r) { return r.place == c.place; });
        ASSERT_NE(row, first.rows.end());
        EXPECT_NEAR(row->flexure.requiredArea, c.required, 0.05);
        ASSERT_TRUE(row->bars.bars.has_value());
        EXPECT_EQ(barText(*row->bars.bars, 400), c.bars);
        EXPECT_NEAR(row->bars.area, c.area, 0.05);
    }
    EXPECT_NEAR(d.span(2).rows.front().flexure.requiredArea, 1224.9, 0.05);
    EXPECT_NEAR(first.right.shear, 189.273, 5e-4);
    EXPECT_NEAR(first.right.result.concreteShear, 183.183, 5e-4);
    EXPECT_TRUE(first.right.result.minimumGoverns);
    EXPECT_NEAR(first.right.result.requiredRatio, 0.286, 5e-4);
    ASSERT_EQ(first.hangers.size(), 2u);
    EXPECT_NEAR(first.hangers[0].steel.area, 406.4, 0.05);
}

} // namespace
} // namespace spanwise
