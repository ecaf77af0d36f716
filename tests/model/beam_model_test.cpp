// The reset of the model and of the results.
#include "model/BeamModel.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

// Fills every field, slot 0 included, with values the reset must replace or keep.
void scribble(BeamModel& m, BeamResults& r) {
    m.SpanCount = 7;
    m.CurrentSpan = 5;
    m.LeftSupport = Fixed;
    m.RightSupport = Cantilever;
    m.ProjectFileName = "/tmp/a.BMD";
    m.ProjectSaved = true;
    for (int s = 0; s <= kMaxSpans; ++s) {
        m.SpanLength[s] = 3;
        m.SpanEI[s] = 4;
        m.SpanLineStiffness[s] = 5;
        m.LoadCount[s] = 2;
        m.SelectedLoad[s] = 1;
        for (int k = 0; k <= kMaxLoads; ++k) {
            m.LoadKindOf[s][k] = Trapezoidal;
            m.LoadP[s][k] = m.LoadQ[s][k] = m.LoadA[s][k] = m.LoadB[s][k] = m.LoadC[s][k] = 9;
            m.LoadText[s][k] = "梯形荷载";
        }
        r.EndMoment[s] = {1, 2, 3};
        r.FixedEndMoment[s] = {1, 2, 3};
        r.KeyPointX[s].fill(8);
        r.SpanMaxMoment[s] = 6;
        r.StiffnessFactor[s] = 4;
    }
}

TEST(Reset, GivesTwentyEmptySpansAndKeepsWhatItsCallersSet) {
    BeamModel m;
    BeamResults r;
    scribble(m, r);
    zero(m, r);
    EXPECT_EQ(m.SpanCount, 1);
    EXPECT_EQ(m.CurrentSpan, 1);
    for (int s = 1; s <= kMaxSpans; ++s) {
        EXPECT_EQ(m.SpanLength[s], 0);
        EXPECT_EQ(m.SpanEI[s], 1);
        EXPECT_EQ(m.SpanLineStiffness[s], 1);
        EXPECT_EQ(m.LoadCount[s], 0);
        EXPECT_EQ(m.SelectedLoad[s], 0);
        for (int k = 1; k <= kMaxLoads; ++k) {
            EXPECT_EQ(m.LoadKindOf[s][k], Concentrated);
            EXPECT_EQ(m.LoadQ[s][k] + m.LoadP[s][k] + m.LoadA[s][k] + m.LoadB[s][k] + m.LoadC[s][k],
                      0);
            EXPECT_EQ(m.LoadText[s][k], "");
        }
        EXPECT_EQ(r.EndMoment[s][1], 0);
        EXPECT_EQ(r.KeyPointX[s][3], 0);
        EXPECT_EQ(r.SpanMaxMoment[s], 0);
    }
    // supports, name, saved flag and every slot 0 belong to the callers
    EXPECT_EQ(m.LeftSupport, Fixed);
    EXPECT_EQ(m.RightSupport, Cantilever);
    EXPECT_EQ(m.ProjectFileName, "/tmp/a.BMD");
    EXPECT_TRUE(m.ProjectSaved);
    EXPECT_EQ(m.SpanLength[0], 3);
    EXPECT_EQ(m.LoadP[1][0], 9);
    EXPECT_EQ(m.LoadText[2][0], "梯形荷载");
    EXPECT_EQ(r.EndMoment[0][1], 2);
}

TEST(Reset, ResultsOnlyLeavesTheModelAlone) {
    BeamModel m;
    BeamResults r;
    scribble(m, r);
    const BeamModel before = m;
    ZERO1(r);
    EXPECT_EQ(m, before);
    EXPECT_EQ(r.FixedEndMoment[3][2], 0);
    EXPECT_EQ(r.StiffnessFactor[20], 0);
    EXPECT_EQ(r.KeyPointX[0][0], 8); // span slot 0 untouched
}

TEST(Reset, NewModelEqualsAResetOne) {
    BeamModel fresh;
    BeamModel reset;
    BeamResults r;
    scribble(reset, r);
    zero(reset, r);
    reset.LeftSupport = reset.RightSupport = Simple;
    reset.ProjectFileName = kNewProjectName;
    reset.ProjectSaved = false;
    // slot 0 differs (the reset leaves it); compare the meaningful part
    for (int s = 1; s <= kMaxSpans; ++s) {
        EXPECT_EQ(fresh.SpanEI[s], reset.SpanEI[s]);
        EXPECT_EQ(fresh.SpanLineStiffness[s], reset.SpanLineStiffness[s]);
        EXPECT_EQ(fresh.LoadCount[s], reset.LoadCount[s]);
    }
    EXPECT_EQ(fresh.ProjectFileName, "新工程");
    EXPECT_FALSE(fresh.ProjectSaved);
}

} // namespace
} // namespace spanwise
