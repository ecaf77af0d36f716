// The editor: every kind of edit from a project just opened, with the user's answers, gives the
// expected project and flags, and undo and redo return to the identical projects.
#include "edit/Editor.h"

#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace spanwise {
namespace {

using test::BeamBuilder;

// Answers exactly the questions it was told to expect, in order; any other question fails.
class ScriptedAnswers {
public:
    explicit ScriptedAnswers(std::vector<std::pair<Question, Answer>> script)
        : m_script(script.begin(), script.end()) {}
    ~ScriptedAnswers() { EXPECT_TRUE(m_script.empty()) << "a question that was never asked"; }

    Answerer answerer() {
        return [this](Question question) {
            if (m_script.empty()) {
                ADD_FAILURE() << "unexpected question " << static_cast<int>(question);
                return Answer::Cancel;
            }
            const auto [expected, answer] = m_script.front();
            m_script.pop_front();
            EXPECT_EQ(question, expected);
            return answer;
        };
    }

private:
    std::deque<std::pair<Question, Answer>> m_script;
};

Project withSelection(Project p, int span, int load) {
    p.selectedLoad(span) = load;
    return p;
}

Project showing(Project p, int span) {
    p.currentSpan = span;
    return p;
}

void typeKeys(Editor& editor, ValueField field, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        editor.typeIntoField(field, text);
    }
}

struct EditCase {
    const char* name;
    Project start;
    std::vector<std::pair<Question, Answer>> answers;
    std::function<void(Editor&, const Answerer&)> action;
    Project expected;
    const char* step; // the undo step's name; nullptr: the edit leaves no step
    bool saved;       // the saved flag after the edit
    friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
};

Project twoSpans() {
    Project p = BeamBuilder({6, 4}).uniform(1, 10).force(2, 20, 1).project();
    p.beam.span(2).ei = 2;
    p.beam.span(2).lineStiffness = 3;
    return p;
}

std::vector<EditCase> editCases() {
    const Project two = twoSpans();
    const Project fixedLeft =
        withSelection(BeamBuilder({6, 4}).ends(Fixed, Simple).uniform(1, 10).project(), 1, 1);
    const Project forceAt2 = withSelection(showing(two, 2), 2, 1);
    auto with = [](Project p, const std::function<void(Project&)>& change) {
        change(p);
        return p;
    };
    // span 2 (4 m) carrying a partial load q = 10 on [1, 3], and a moment at 1, one selected
    const Project partialAt2 = withSelection(showing(with(two,
                                                          [](Project& p) {
                                                              test::partial(p.beam, 2, 10, 1, 2);
                                                              test::couple(p.beam, 2, 30, 1);
                                                          }),
                                                     2),
                                             2, 2);
    const Project coupleAt2 = withSelection(partialAt2, 2, 3);
    const Project cantileverRight =
        withSelection(BeamBuilder({6, 4}).ends(Fixed, Cantilever).uniform(1, 10).project(), 1, 1);
    using V = ValueField;
    using A = const Answerer&;
    const auto yes = [](Question q) { return std::pair{q, Answer::Yes}; };
    // clang-format off
    return {
        {"typing a length is one step", two, {},
         [](Editor& e, A) { typeKeys(e, V::Length, {"6", "", "7", "7.", "7.5"}); },
         with(two, [](Project& p) { p.beam.span(1).length = 7.5f; }), "修改跨度", false},
        {"an emptied EI field stores 1", showing(two, 2), {},
         [](Editor& e, A) { e.typeIntoField(V::EI, ""); },
         with(showing(two, 2), [](Project& p) { p.beam.span(2).ei = 1; }), "修改刚度 EI", false},
        {"a refused keystroke changes no value and leaves no step", two, {},
         [](Editor& e, A) { EXPECT_FALSE(e.typeIntoField(V::Length, "6a")); }, two, nullptr, false},
        {"a length takes no minus sign", two, {},
         [](Editor& e, A) { EXPECT_FALSE(e.typeIntoField(V::Length, "-")); }, two, nullptr, false},
        {"P takes a minus sign: an upward force", forceAt2, {},
         [](Editor& e, A) { typeKeys(e, V::P, {"-", "-2", "-2.5"}); },
         with(forceAt2, [](Project& p) { p.beam.span(2).load(1).P = -2.5f; }), "修改集中力 P", false},
        {"a = 0 puts b at the span's length", forceAt2, {},
         [](Editor& e, A) { typeKeys(e, V::a, {"0"}); },
         with(forceAt2, [](Project& p) { p.beam.span(2).load(1).a = 0; p.beam.span(2).load(1).b = 4; }),
         "修改 a", false},
        {"b = L puts a at 0", forceAt2, {},
         [](Editor& e, A) { typeKeys(e, V::b, {"4"}); },
         with(forceAt2, [](Project& p) { p.beam.span(2).load(1).a = 0; p.beam.span(2).load(1).b = 4; }),
         "修改 b", false},
        {"a of a force moves b with it", forceAt2, {},
         [](Editor& e, A) { typeKeys(e, V::a, {"2", "2.", "2.5"}); },
         with(forceAt2, [](Project& p) { p.beam.span(2).load(1).a = 2.5f; p.beam.span(2).load(1).b = 1.5f; }),
         "修改 a", false},
        {"a of a partial load moves b: a + c + b = L", partialAt2, {},
         [](Editor& e, A) { typeKeys(e, V::a, {"0", "0.", "0.5"}); },
         with(partialAt2, [](Project& p) { p.beam.span(2).load(2).a = 0.5f; p.beam.span(2).load(2).b = 1.5f; }),
         "修改 a", false},
        {"c of a partial load moves b", partialAt2, {},
         [](Editor& e, A) { typeKeys(e, V::c, {"2.5"}); },
         with(partialAt2, [](Project& p) { p.beam.span(2).load(2).c = 2.5f; p.beam.span(2).load(2).b = 0.5f; }),
         "修改 c", false},
        {"b of a partial load moves a", partialAt2, {},
         [](Editor& e, A) { typeKeys(e, V::b, {"2"}); },
         with(partialAt2, [](Project& p) { p.beam.span(2).load(2).b = 2; p.beam.span(2).load(2).a = 0; }),
         "修改 b", false},
        {"a + c beyond the span moves nothing else", partialAt2, {},
         [](Editor& e, A) { typeKeys(e, V::c, {"3.5"}); },
         with(partialAt2, [](Project& p) { p.beam.span(2).load(2).c = 3.5f; }), "修改 c", false},
        {"a of a moment moves b", coupleAt2, {},
         [](Editor& e, A) { typeKeys(e, V::a, {"3"}); },
         with(coupleAt2, [](Project& p) { p.beam.span(2).load(3).a = 3; p.beam.span(2).load(3).b = 1; }),
         "修改 a", false},
        {"a moment takes a sign: anticlockwise", coupleAt2, {},
         [](Editor& e, A) { typeKeys(e, V::P, {"-", "-4", "-45"}); },
         with(coupleAt2, [](Project& p) { p.beam.span(2).load(3).P = -45; }), "修改力偶 M", false},
        {"a slab along its long side: a trapezoid of p lx / 2 with ramps lx / 2", showing(two, 2), {},
         [](Editor& e, A) { EXPECT_EQ(e.addSlabLoad({5, 3, 4, true, false}, Dead), ""); },
         with(showing(two, 2), [](Project& p) {
             p.beam.span(2).loads.push_back(Load{Trapezoidal, 0, 7.5f, 1.5f, 0, 0, "梯形荷载"});
             p.selectedLoad(2) = 2;
         }), "双向板传来荷载", false},
        {"slabs on both sides along a short side: a live triangle of 2 p lx / 2", showing(two, 2), {},
         [](Editor& e, A) { EXPECT_EQ(e.addSlabLoad({5, 4, 6, false, true}, Live), ""); },
         with(showing(two, 2), [](Project& p) {
             p.beam.span(2).loads.push_back(Load{Trapezoidal, 0, 20, 2, 0, 0, "梯形荷载", Live});
             p.selectedLoad(2) = 2;
         }), "双向板传来荷载", false},
        {"a slab whose ramps pass mid-span is refused", showing(two, 2), {},
         [](Editor& e, A) {
             EXPECT_EQ(e.addSlabLoad({5, 5, 6, true, false}, Dead),
                       "梯形荷载两端斜坡长 lx/2 超过本跨跨度的一半");
             EXPECT_EQ(e.addSlabLoad({5, 6, 5, true, false}, Dead), "板的短边 lx 不应大于长边 ly");
         }, showing(two, 2), nullptr, true},
        {"load fields without a selected load do nothing", two, {},
         [](Editor& e, A) { e.typeIntoField(V::P, "5"); }, two, nullptr, true},
        {"X computes i = EI / L", showing(two, 2), {},
         [](Editor& e, A) { e.computeLineStiffness(); },
         with(showing(two, 2), [](Project& p) { p.beam.span(2).lineStiffness = 0.5f; }), "计算线刚度", false},
        {"i = EI / L on every span in one step", two, {},
         [](Editor& e, A) { e.fitLineStiffnessToRigidity(); },
         with(two, [](Project& p) { p.beam.span(1).lineStiffness = 0.1666667f; p.beam.span(2).lineStiffness = 0.5f; }),
         "按 EI/L 重算线刚度", false},
        {"more spans", two, {}, [](Editor& e, A a) { EXPECT_TRUE(e.setSpanCount(3, a)); },
         with(two, [](Project& p) { p.beam.spans.push_back(Span{}); }), "修改总跨数", false},
        {"a count outside 1..20 is refused", two, {},
         [](Editor& e, A a) { EXPECT_FALSE(e.setSpanCount(0, a) || e.setSpanCount(21, a)); }, two, nullptr, true},
        {"one span keeps both supports and its loads", fixedLeft, {},
         [](Editor& e, A a) { EXPECT_TRUE(e.setSpanCount(1, a)); },
         with(fixedLeft, [](Project& p) {
             p.spareSpans = {p.beam.span(2)};
             p.beam.spans = {p.beam.span(1)};
         }), "修改总跨数", false},
        {"one span ending in a cantilever: the loads deleted when the user says so", cantileverRight,
         {yes(Question::DeleteEndSpanLoads)},
         [](Editor& e, A a) { EXPECT_TRUE(e.setSpanCount(1, a)); },
         with(cantileverRight, [](Project& p) {
             p.spareSpans = {p.beam.span(2)};
             p.beam.spans = {spanWith(6, 1, 1)};
             p.selectedLoad(1) = 0;
         }), "修改总跨数", false},
        {"one span cancelled changes nothing", cantileverRight, {{Question::DeleteEndSpanLoads, Answer::Cancel}},
         [](Editor& e, A a) { EXPECT_FALSE(e.setSpanCount(1, a)); }, cantileverRight, nullptr, true},
        {"a single span takes a fixed end", with(fixedLeft, [](Project& p) { p.beam.spans.pop_back(); }),
         {{Question::DeleteEndSpanLoads, Answer::No}},
         [](Editor& e, A a) { e.setSupport(BeamEnd::Right, Fixed, a); },
         with(fixedLeft, [](Project& p) { p.beam.spans.pop_back(); p.beam.rightSupport = Fixed; }),
         "修改右支座", false},
        {"a fixed end keeping its span's loads", two, {{Question::DeleteEndSpanLoads, Answer::No}},
         [](Editor& e, A a) { e.setSupport(BeamEnd::Left, Fixed, a); },
         with(two, [](Project& p) { p.beam.leftSupport = Fixed; }), "修改左支座", false},
        {"a cantilever end deleting its span's loads", two, {yes(Question::DeleteEndSpanLoads)},
         [](Editor& e, A a) { e.setSupport(BeamEnd::Right, Cantilever, a); },
         with(two, [](Project& p) { p.beam.rightSupport = Cantilever; p.beam.span(2).loads.clear(); }),
         "修改右支座", false},
        {"a cancelled support change keeps the support but needs a new check", two,
         {{Question::DeleteEndSpanLoads, Answer::Cancel}},
         [](Editor& e, A a) { e.setSupport(BeamEnd::Left, Fixed, a); }, two, nullptr, false},
        {"insert a span before the one shown", showing(two, 2), {yes(Question::InsertSpan)},
         [](Editor& e, A a) { e.insertSpan(a); },
         with(showing(two, 2), [](Project& p) { p.beam.spans.insert(p.beam.spans.begin() + 1, spanWith(4, 2, 3)); }),
         "插入一跨", false},
        {"insert cancelled", two, {{Question::InsertSpan, Answer::Cancel}},
         [](Editor& e, A a) { e.insertSpan(a); }, two, nullptr, true},
        {"delete the first span of a beam fixed at both ends: the left end becomes simple",
         with(two, [](Project& p) { p.beam.leftSupport = Fixed; p.beam.rightSupport = Fixed; }),
         {yes(Question::DeleteSpan)},
         [](Editor& e, A a) { e.deleteSpan(a); },
         with(two, [](Project& p) {
             p.beam.spans.erase(p.beam.spans.begin());
             p.spareSpans = {Span{}};
             p.beam.rightSupport = Fixed;
         }),
         "删除本跨", false},
        {"copy the span before", showing(two, 2), {yes(Question::CopyPreviousSpan)},
         [](Editor& e, A a) { e.copyPreviousSpan(a); },
         with(showing(two, 2), [](Project& p) { p.beam.span(2) = p.beam.span(1); }), "同前一跨", false},
        {"add a load of the kind offered", two, {}, [](Editor& e, A) { e.addLoad(Trapezoidal); },
         with(two, [](Project& p) {
             p.beam.span(1).loads.push_back(Load{Trapezoidal, 0, 0, 0, 0, 0, "梯形荷载"});
             p.selectedLoad(1) = 2;
         }), "添加荷载", false},
        {"delete the selected load", withSelection(two, 1, 1), {},
         [](Editor& e, A) { e.deleteSelectedLoad(); },
         with(two, [](Project& p) { p.beam.span(1).loads.clear(); }), "删除荷载", false},
        {"delete all loads of the span", two, {yes(Question::DeleteAllLoads)},
         [](Editor& e, A a) { e.deleteAllLoads(a); },
         with(two, [](Project& p) { p.beam.span(1).loads.clear(); }), "全删荷载", false},
        {"a live load added", two, {}, [](Editor& e, A) { e.addLoad(Uniform, Live); },
         with(two, [](Project& p) {
             p.beam.span(1).loads.push_back(Load{Uniform, 0, 0, 0, 0, 0, "均布荷载", Live});
             p.selectedLoad(1) = 2;
         }), "添加荷载", false},
        {"the selected load made live", withSelection(two, 1, 1), {},
         [](Editor& e, A) { e.setLoadCase(Live); },
         with(withSelection(two, 1, 1), [](Project& p) { p.beam.span(1).load(1).loadCase = Live; }),
         "设为活载", false},
        {"combination factors set", two, {},
         [](Editor& e, A) { EXPECT_EQ(e.setCombinationFactors({1.2f, 1.4f, 1, 1}), ""); },
         with(two, [](Project& p) { p.beam.factors = {1.2f, 1.4f, 1, 1}; }), "荷载组合", false},
        {"a favourable factor above gammaG is refused", two, {},
         [](Editor& e, A) {
             EXPECT_EQ(e.setCombinationFactors({1.2f, 1.4f, 1, 1.3f}), "恒载有利时的分项系数不应大于 γG");
             EXPECT_EQ(e.setCombinationFactors({1.2f, 0, 1, {}}), "活载分项系数 γQ 应为大于零的数");
         }, two, nullptr, true},
        // looking is not editing: saved, still checked, no step
        {"showing another span is navigation, not an edit", two, {},
         [](Editor& e, A) { e.showSpan(2); }, showing(two, 2), nullptr, true},
        {"selecting a load whose values show is navigation, not an edit", two, {},
         [](Editor& e, A) { e.selectLoad(1); }, withSelection(two, 1, 1), nullptr, true},
    };
    // clang-format on
}

class EditorEdits : public testing::TestWithParam<EditCase> {};

TEST_P(EditorEdits, GiveTheProjectAndFlagsAndUndoBackAndForth) {
    const EditCase& row = GetParam();
    Editor editor;
    editor.openProject(row.start);
    editor.markCheckPassed();
    ScriptedAnswers answers(row.answers);
    row.action(editor, answers.answerer());

    const Project& expected = row.expected;
    EXPECT_EQ(editor.project(), expected);
    EXPECT_EQ(editor.isSaved(), row.saved);
    // navigation changes the span or load shown, not the beam: the calculation stays unlocked
    const bool changedSomething = row.step != nullptr || editor.project().beam != row.start.beam;
    if (changedSomething || !row.saved) {
        EXPECT_FALSE(editor.isCheckPassed()) << "an edit must lock the calculation";
    } else {
        EXPECT_TRUE(editor.isCheckPassed()) << "looking is not editing";
    }
    if (row.step == nullptr) {
        EXPECT_FALSE(editor.canUndo());
        return;
    }
    ASSERT_TRUE(editor.canUndo());
    EXPECT_EQ(editor.undoName(), row.step);
    editor.undo();
    EXPECT_EQ(editor.project(), row.start);
    EXPECT_TRUE(editor.isSaved()) << "undo of every edit since the open is the file again";
    EXPECT_FALSE(editor.canUndo());
    EXPECT_EQ(editor.redoName(), row.step);
    editor.redo();
    EXPECT_EQ(editor.project(), expected);
    EXPECT_FALSE(editor.isSaved());
    EXPECT_FALSE(editor.isCheckPassed());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EditorEdits, testing::ValuesIn(editCases()),
                         [](const testing::TestParamInfo<EditCase>& param) {
                             std::string name = param.param.name;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(EditorHistory, OneStepPerVisitOfAField) {
    Editor editor;
    editor.openProject(twoSpans());
    typeKeys(editor, ValueField::Length, {"1", "12"});
    editor.leaveField(ValueField::Length);
    typeKeys(editor, ValueField::Length, {"123"});
    editor.undo();
    EXPECT_EQ(editor.project().beam.span(1).length, 12.0f);
    editor.undo();
    EXPECT_EQ(editor.project().beam.span(1).length, 6.0f);
    EXPECT_FALSE(editor.canUndo());
}

// Only work that would be lost earns the question before New, Open or Exit.
TEST(EditorHistory, AnUntouchedNewProjectHasNothingToSave) {
    Editor editor;
    EXPECT_FALSE(editor.hasUnsavedWork());
    editor.typeIntoField(ValueField::Length, "6");
    EXPECT_TRUE(editor.hasUnsavedWork());
    editor.undo();
    EXPECT_FALSE(editor.hasUnsavedWork());
    editor.openProject(Project{}); // a file holding the reset beam, then edited
    editor.typeIntoField(ValueField::Length, "6");
    editor.undo();
    editor.showSpan(1);
    EXPECT_FALSE(editor.hasUnsavedWork()) << "navigation is not an edit";
}

TEST(EditorHistory, SavedFollowsTheStateOnDisk) {
    Editor editor;
    editor.openProject(twoSpans());
    editor.addLoad(Uniform);
    editor.markSaved(); // saved with the new load
    EXPECT_TRUE(editor.isSaved());
    editor.undo();
    EXPECT_FALSE(editor.isSaved());
    editor.redo();
    EXPECT_TRUE(editor.isSaved());

    // navigation after the save changes nothing of that
    editor.showSpan(2);
    EXPECT_TRUE(editor.isSaved());
    editor.deleteAllLoads([](Question) { return Answer::Yes; });
    editor.undo();
    EXPECT_TRUE(editor.isSaved());
}

TEST(EditorHistory, NewAndOpenStartAFreshHistory) {
    Editor editor;
    editor.openProject(twoSpans());
    editor.addLoad(Uniform);
    editor.newProject();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.isSaved());
    EXPECT_EQ(editor.project(), Editor::freshProject());
    editor.addLoad(Uniform);
    editor.undo();
    EXPECT_FALSE(editor.isSaved()) << "a new project is not on disk";
    editor.redo();
    editor.openProject(twoSpans());
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.canRedo());
    EXPECT_TRUE(editor.isSaved());
}

TEST(EditorHistory, AProjectTheProgramSuppliesIsNewAndUnsaved) {
    Editor editor;
    editor.openProject(Project{});
    editor.markCheckPassed();
    editor.addLoad(Uniform);
    editor.startProjectFrom(twoSpans());
    EXPECT_EQ(editor.project(), twoSpans());
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.isSaved());
    EXPECT_FALSE(editor.isCheckPassed());
    EXPECT_TRUE(editor.hasUnsavedWork()) << "closing it asks first";
    editor.addLoad(Uniform);
    editor.undo();
    EXPECT_EQ(editor.project(), twoSpans());
    EXPECT_FALSE(editor.isSaved()) << "undo never makes it saved: it is not on disk";
}

TEST(EditorLoads, TenAtMostAndDeletingOneClosesTheGap) {
    Editor editor;
    for (int k = 1; k <= 11; ++k) {
        editor.addLoad(k % 2 == 0 ? Uniform : Concentrated);
    }
    ASSERT_EQ(editor.shownSpan().loadCount(), 10);
    editor.selectLoad(2);
    editor.deleteSelectedLoad();
    EXPECT_EQ(editor.shownSpan().loadCount(), 9);
    EXPECT_EQ(editor.shownSpan().load(2).kind, Concentrated); // the third moved up
    EXPECT_EQ(editor.selectedLoad(), 0);
}

TEST(EditorSpans, RaisingTheCountBringsBackTheSpansLowered) {
    Editor editor;
    const Project three = BeamBuilder({6, 5, 4}).uniform(3, 8).project();
    editor.openProject(three);
    const Answerer never = [](Question) { return Answer::Cancel; }; // no question expected
    ASSERT_TRUE(editor.setSpanCount(2, never));
    ASSERT_TRUE(editor.setSpanCount(3, never));
    EXPECT_EQ(editor.project().beam, three.beam);
}

TEST(WholeNumberOf, TakesTheWholePartOfPlainDecimals) {
    using Row = std::pair<std::string, std::optional<int>>;
    const Row rows[] = {{"2", 2}, {"02", 2},  {"2.7", 2},  {"20", 20}, {".", {}},
                        {"", {}}, {"-1", {}}, {"1e3", {}}, {"x", {}}};
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(wholeNumberOf(text), expected) << text;
    }
}

// Spans taken away by a lower count come back, each in its own place with its loads, length and
// stiffness, when the count is raised again: by two and by three, and back in two steps.
TEST(Editor, SpansLoweredByMoreThanOneComeBackInTheirPlaces) {
    const Answerer never = [](Question) {
        ADD_FAILURE() << "no question expected";
        return Answer::Cancel;
    };
    Project five;
    five.beam = BeamBuilder({2, 3, 4, 5, 6})
                    .uniform(1, 1)
                    .force(2, 2, 1)
                    .uniform(3, 3)
                    .force(4, 4, 2)
                    .uniform(5, 5)
                    .beam();
    for (int s = 1; s <= 5; ++s) {
        five.beam.span(s).ei = 1000.0f * static_cast<float>(s);
    }
    const std::vector<std::vector<int>> roads = {{3, 5}, {2, 5}, {2, 4, 5}, {3, 1, 5}};
    for (const std::vector<int>& road : roads) {
        Editor editor;
        editor.openProject(five);
        for (int count : road) {
            ASSERT_TRUE(editor.setSpanCount(count, never));
            ASSERT_EQ(editor.project().beam.spanCount(), count);
        }
        EXPECT_EQ(editor.project().beam.spans, five.beam.spans) << "via " << road.front();
        // and every count is one step: undo walks back to the five spans
        for (std::size_t k = 0; k < road.size(); ++k) {
            editor.undo();
        }
        EXPECT_EQ(editor.project().beam, five.beam);
    }
}

} // namespace
} // namespace spanwise
