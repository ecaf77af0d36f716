// The editor's design edits: each is one undo step that undo and redo take back and forth
// exactly, a value the project may not hold is refused with its reason and changes nothing,
// and the span edits carry a span's section with the span and a support's data with the
// support.
#include "edit/Editor.h"
#include "model/SelfWeight.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace spanwise {
namespace {

Answer yes(Question) {
    return Answer::Yes;
}

SpanSection section(float b, float h) {
    return SpanSection{b, h, 0, 0, false, {}, {}, {}};
}

// Three 6 m spans on simple supports, spans 1 and 2 with sections of different depths, the
// supports 0.3 wide with beta 0.2 over the interior ones.
Project threeSpans() {
    Project p;
    p.beam.spans = {spanWith(6, 1, 1), spanWith(6, 1, 1), spanWith(6, 1, 1)};
    p.beam.span(1).section = section(250, 500);
    p.beam.span(2).section = section(250, 600);
    p.beam.firstSupportDesign.width = 0.3f;
    for (int s = 1; s <= 3; ++s) {
        p.beam.span(s).rightSupportDesign = {
            0.3f + 0.1f * static_cast<float>(s), s < 3 ? 0.2f : 0.0f, std::nullopt, {}};
    }
    return p;
}

std::vector<SupportDesign> supportsOf(const Beam& beam) {
    std::vector<SupportDesign> out;
    for (int j = 0; j <= beam.spanCount(); ++j) {
        out.push_back(supportDesign(beam, j));
    }
    return out;
}

TEST(DesignEdits, EachIsOneStepThatUndoAndRedoTakeBackAndForth) {
    struct Case {
        const char* name;
        std::function<std::string(Editor&)> edit;
        std::function<void(Project&)> expected;
    };
    const std::vector<Case> cases = {
        {"设计参数",
         [](Editor& e) {
             DesignSettings d;
             d.concrete = 35;
             d.environment = Exposure::TwoA;
             return e.setDesignSettings(d);
         },
         [](Project& p) {
             p.beam.design.concrete = 35;
             p.beam.design.environment = Exposure::TwoA;
         }},
        {"修改截面", [](Editor& e) { return e.setSection(section(300, 700)); },
         [](Project& p) { p.beam.span(1).section = section(300, 700); }},
        {"删除截面", [](Editor& e) { return e.setSection(std::nullopt); },
         [](Project& p) { p.beam.span(1).section.reset(); }},
        {"采用建议配筋",
         [](Editor& e) {
             ProvidedBars bars;
             bars.spans.resize(3);
             bars.supports.resize(4);
             bars.spans[0].bottom = BarSet{3, 20};
             bars.spans[1].stirrups = StirrupSet{2, 8, 200};
             bars.supports[2] = BarSet{2, 22};
             return e.provideBars(bars);
         },
         [](Project& p) {
             p.beam.span(1).section->bottomBars = BarSet{3, 20};
             p.beam.span(2).section->stirrups = StirrupSet{2, 8, 200};
             p.beam.span(2).rightSupportDesign.topBars = BarSet{2, 22};
         }},
        {"构件",
         [](Editor& e) {
             return e.setMember(MemberData{MemberCode::Frame, 7, DrawingSigns::Codes, 300, 120});
         },
         [](Project& p) {
             p.beam.member = MemberData{MemberCode::Frame, 7, DrawingSigns::Codes, 300, 120};
         }},
        {"支座宽度与调幅",
         [](Editor& e) {
             auto supports = supportsOf(e.project().beam);
             supports[1] = {0.5f, 0.25f, BarSet{3, 20}, {}};
             return e.setSupportDesigns(supports);
         },
         [](Project& p) {
             p.beam.span(1).rightSupportDesign = {0.5f, 0.25f, BarSet{3, 20}, {}};
         }},
        // the axes typed with the supports' data: one step for the visit
        {"支座宽度与调幅",
         [](Editor& e) {
             auto supports = supportsOf(e.project().beam);
             supports[0].axis = "A";
             supports[3].axis = "D'";
             supports[2].width = 0.6f;
             return e.setSupportDesigns(supports, AxisStyle::Typed);
         },
         [](Project& p) {
             p.beam.axisStyle = AxisStyle::Typed;
             p.beam.firstSupportDesign.axis = "A";
             p.beam.span(3).rightSupportDesign.axis = "D'";
             p.beam.span(2).rightSupportDesign.width = 0.6f;
         }},
    };
    for (const Case& c : cases) {
        Editor editor;
        editor.openProject(threeSpans());
        editor.markCheckPassed();
        const Project before = editor.project();
        EXPECT_EQ(c.edit(editor), "") << c.name;
        Project expected = before;
        c.expected(expected);
        EXPECT_EQ(editor.project(), expected) << c.name;
        EXPECT_EQ(editor.undoName(), c.name);
        EXPECT_FALSE(editor.isCheckPassed()) << c.name << ": the results are stale";
        EXPECT_TRUE(editor.hasUnsavedWork()) << c.name;
        editor.undo();
        EXPECT_EQ(editor.project(), before) << c.name;
        editor.redo();
        EXPECT_EQ(editor.project(), expected) << c.name;
    }
}

// Two visits of one dialog one after the other (the same span's section twice, say) are two
// steps: undo takes back the second alone, then the first.
TEST(DesignEdits, TwoVisitsInARowAreTwoSteps) {
    struct Case {
        const char* name;
        std::function<std::string(Editor&, int)> edit; // the k-th visit, k = 1, 2
    };
    const std::vector<Case> cases = {
        {"修改截面", [](Editor& e, int k) { return e.setSection(section(250, 500 + 100 * k)); }},
        {"设计参数",
         [](Editor& e, int k) {
             DesignSettings d;
             d.concrete = 30 + 5 * k;
             return e.setDesignSettings(d);
         }},
        {"支座宽度与调幅",
         [](Editor& e, int k) {
             auto supports = supportsOf(e.project().beam);
             supports[1].width = 0.5f + 0.1f * static_cast<float>(k); // 0.4 now
             return e.setSupportDesigns(supports);
         }},
        {"构件",
         [](Editor& e, int k) {
             MemberData member;
             member.number = k + 1;
             return e.setMember(member);
         }},
    };
    for (const Case& c : cases) {
        Editor editor;
        editor.openProject(threeSpans());
        const Project opened = editor.project();
        ASSERT_EQ(c.edit(editor, 1), "") << c.name;
        const Project first = editor.project();
        ASSERT_EQ(c.edit(editor, 2), "") << c.name;
        ASSERT_NE(editor.project(), first) << c.name;
        editor.undo();
        EXPECT_EQ(editor.project(), first) << c.name << ": undo took back both visits";
        EXPECT_EQ(editor.undoName(), c.name);
        editor.undo();
        EXPECT_EQ(editor.project(), opened) << c.name;
    }
}

// The beam's own weight follows the section in the same step: 25 × 0.25 × 0.7 = 4.375 kN/m
// after a change of span 1 to 250 × 700, 25 × 0.25 × 0.5 = 3.125 again after its undo; the
// setting itself is one step of its own, refused out of its range.
TEST(DesignEdits, TheOwnWeightFollowsTheSectionAndItsUndo) {
    Editor editor;
    editor.openProject(threeSpans());
    auto ownWeightOfSpan1 = [&] {
        const std::optional<Load> load = selfWeightLoad(editor.project().beam, 1);
        return load ? load->q : 0.0f;
    };
    EXPECT_EQ(ownWeightOfSpan1(), 0.0f); // a file without the setting: not counted
    EXPECT_EQ(editor.setSelfWeight(25), "");
    EXPECT_EQ(editor.undoName(), "梁自重");
    EXPECT_FLOAT_EQ(ownWeightOfSpan1(), 3.125f);
    ASSERT_EQ(editor.setSection(section(250, 700)), "");
    EXPECT_FLOAT_EQ(ownWeightOfSpan1(), 4.375f);
    editor.undo();
    EXPECT_FLOAT_EQ(ownWeightOfSpan1(), 3.125f);
    editor.undo();
    EXPECT_EQ(ownWeightOfSpan1(), 0.0f);
    EXPECT_EQ(editor.setSelfWeight(150), "梁自重的重度 γ 应在 1～100 kN/m³ 之间（0 为不计梁自重）");
    EXPECT_EQ(editor.project().beam.selfWeight, 0.0f);
    // a new project counts it from its first section
    editor.newProject();
    EXPECT_EQ(editor.project().beam.selfWeight, 25.0f);
    EXPECT_FALSE(editor.hasUnsavedWork());
}

TEST(DesignEdits, WhatTheProjectMayNotHoldIsRefusedAndChangesNothing) {
    struct Case {
        std::function<std::string(Editor&)> edit;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {[](Editor& e) {
             DesignSettings d;
             d.concrete = 85;
             return e.setDesignSettings(d);
         },
         "混凝土强度等级应为 C20～C80（级差 5）"},
        // as of 250 mm is half the 500 mm depth of span 1
        {[](Editor& e) {
             DesignSettings d;
             d.tensionCover = 250;
             return e.setDesignSettings(d);
         },
         "第1跨：as、as,top 应小于梁高的一半"},
        // beta is kept at supports 1 and 2: the environment that forbids it is refused
        {[](Editor& e) {
             DesignSettings d;
             d.environment = Exposure::ThreeA;
             return e.setDesignSettings(d);
         },
         "②轴支座：不能调幅，环境类别为三a、三b 时不调幅：请先将其调幅系数 β 改为 0"},
        {[](Editor& e) { return e.setSection(section(250, 120)); },
         "梁高 h 应在 150～3000 mm 之间"},
        {[](Editor& e) {
             auto supports = supportsOf(e.project().beam);
             supports[0].redistribution = 0.1f; // a simple end
             return e.setSupportDesigns(supports);
         },
         "①轴支座：不能调幅，只能用于两侧均为两端支承跨的中间支座或两端支承跨的固定端（悬臂旁的支"
         "座、"
         "简支端不调幅）"},
        {[](Editor& e) {
             auto supports = supportsOf(e.project().beam);
             supports[2].width = 12;
             return e.setSupportDesigns(supports);
         },
         "③轴支座：支座宽度应在 0～10 m 之间"},
        {[](Editor& e) { return e.setSupportDesigns({SupportDesign{}}); }, "支座数与跨数不符"},
        {[](Editor& e) {
             return e.setMember(MemberData{MemberCode::NonFrame, 1000});
         },
         "构件编号应为 1～999"},
        {[](Editor& e) {
             return e.setMember(MemberData{MemberCode::NonFrame, 1, DrawingSigns::Letters, 90});
         },
         "次梁宽 bs 应在 100～2000 mm 之间"},
        {[](Editor& e) {
             return e.setMember(
                 MemberData{MemberCode::NonFrame, 1, DrawingSigns::Letters, 200, -10});
         },
         "h1 应在 0～3000 mm 之间"},
        {[](Editor& e) {
             auto supports = supportsOf(e.project().beam);
             supports[1].axis = "②"; // the number support 1 has anyway; support 2 typed ②
             supports[2].axis = "②";
             return e.setSupportDesigns(supports, AxisStyle::Typed);
         },
         "轴号“②”重复（从左数第 2、3 个支座）"},
        // proposals of a calculation made before a span was added, or for a span without section
        {[](Editor& e) {
             return e.provideBars(ProvidedBars{{{}, {}}, {{}, {}, {}}});
         },
         "配筋与跨数不符，请重新计算"},
        {[](Editor& e) {
             ProvidedBars bars{std::vector<ProvidedBars::OfSpan>(3), {{}, {}, {}, {}}};
             bars.spans[2].bottom = BarSet{2, 16};
             return e.provideBars(bars);
         },
         "第3跨没有截面"},
    };
    for (const Case& c : cases) {
        Editor editor;
        editor.openProject(threeSpans());
        const Project before = editor.project();
        EXPECT_EQ(c.edit(editor), c.reason);
        EXPECT_EQ(editor.project(), before) << c.reason;
        EXPECT_FALSE(editor.canUndo()) << c.reason;
    }
}

// Span and support numbers below are those before the edit; the expected projects are built
// by hand from threeSpans().
TEST(DesignEdits, ASectionGoesWithItsSpanAndASupportsDataWithTheSupport) {
    const Project start = threeSpans();
    {
        // insert before span 2: the new span has span 2's section and a new support (default)
        // between it and the old span 2; every other support keeps its data
        Editor editor;
        editor.openProject(start);
        editor.showSpan(2);
        editor.insertSpan(yes);
        const Beam& b = editor.project().beam;
        ASSERT_EQ(b.spanCount(), 4);
        EXPECT_EQ(b.span(2).section, start.beam.span(2).section);
        EXPECT_EQ(b.span(3).section, start.beam.span(2).section);
        EXPECT_EQ(supportDesign(b, 2), SupportDesign{});
        EXPECT_EQ(supportDesign(b, 1), supportDesign(start.beam, 1));
        EXPECT_EQ(supportDesign(b, 3), supportDesign(start.beam, 2));
        EXPECT_EQ(supportDesign(b, 4), supportDesign(start.beam, 3));
    }
    {
        // delete span 2: its right support goes with it, its left one stays
        Editor editor;
        editor.openProject(start);
        editor.showSpan(2);
        editor.deleteSpan(yes);
        const Beam& b = editor.project().beam;
        ASSERT_EQ(b.spanCount(), 2);
        EXPECT_EQ(b.span(2).section, start.beam.span(3).section);
        EXPECT_EQ(supportDesign(b, 1), supportDesign(start.beam, 1));
        EXPECT_EQ(supportDesign(b, 2), supportDesign(start.beam, 3));
    }
    {
        // delete the first span: its left end goes with it, support 1 becomes the end and, as
        // a simple end, gives up its beta in the same step
        Editor editor;
        editor.openProject(start);
        editor.deleteSpan(yes);
        const Beam& b = editor.project().beam;
        EXPECT_EQ(b.firstSupportDesign, (SupportDesign{0.4f, 0.0f, std::nullopt, {}}));
        EXPECT_EQ(b.span(1).section, start.beam.span(2).section);
        editor.undo();
        EXPECT_EQ(editor.project().beam, start.beam);
    }
    {
        // copy span 2 onto span 3: the section comes along, span 3's support stays as it was
        Editor editor;
        editor.openProject(start);
        editor.showSpan(3);
        editor.copyPreviousSpan(yes);
        const Beam& b = editor.project().beam;
        EXPECT_EQ(b.span(3).section, start.beam.span(2).section);
        EXPECT_EQ(supportDesign(b, 3), supportDesign(start.beam, 3));
    }
}

// A support that becomes the root of a cantilever can no longer be redistributed: its beta
// goes in the same step as the support's change, and comes back with its undo.
TEST(DesignEdits, ASupportBesideANewCantileverGivesUpItsBeta) {
    Editor editor;
    editor.openProject(threeSpans());
    const Project before = editor.project();
    editor.setSupport(BeamEnd::Right, Cantilever, [](Question) { return Answer::No; });
    const Beam& b = editor.project().beam;
    EXPECT_EQ(b.rightSupport, Cantilever);
    EXPECT_EQ(supportDesign(b, 2).redistribution, 0.0f);
    EXPECT_EQ(supportDesign(b, 1).redistribution, 0.2f); // its spans are still held at both ends
    editor.undo();
    EXPECT_EQ(editor.project(), before);
}

} // namespace
} // namespace spanwise
