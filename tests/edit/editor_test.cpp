// The editor: every kind of edit from a project just opened, with the user's answers, gives the
// expected project and flags, and undo and redo return to the identical projects.
#include "edit/Editor.h"

#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <functional>
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
};

Project twoSpans() {
    return BeamBuilder({6, 4}).stiffness(2, 2, 3).uniform(1, 10).force(2, 20, 1).project();
}

std::vector<EditCase> editCases() {
    const Project two = twoSpans();
    const Project fixedLeft =
        withSelection(BeamBuilder({6, 4}).ends(Fixed, Simple).uniform(1, 10).project(), 1, 1);
    Project third = two;
    third.beam.spans.push_back(Span{});
    Project inserted = showing(two, 2);
    inserted.beam.spans.insert(inserted.beam.spans.begin() + 1, Span{4, 2, 3, {}});
    Project copied = showing(two, 2);
    copied.beam.span(2) = copied.beam.span(1);
    Project added = two;
    added.beam.span(1).loads.push_back(Load{Trapezoidal, 0, 0, 0, 0, 0, "梯形荷载"});
    added.selectedLoad(1) = 2;
    Project forceAt2 = withSelection(showing(two, 2), 2, 1);
    Project forceMoved = forceAt2;
    forceMoved.beam.span(2).load(1).a = 2.5f;
    forceMoved.beam.span(2).load(1).b = 1.5f;
    const Project forceAtEnd = [&] {
        Project p = forceAt2;
        p.beam.span(2).load(1).a = 4;
        return p;
    }();

    auto with = [](Project p, const std::function<void(Project&)>& change) {
        change(p);
        return p;
    };
    using V = ValueField;
    return {
        {"typing a length is one step",
         two,
         {},
         [](Editor& e, const Answerer&) {
             typeKeys(e, V::Length, {"6", "", "7", "7.", "7.5"});
         },
         with(two, [](Project& p) { p.beam.span(1).length = 7.5f; }),
         "修改跨度",
         false},
        {"an emptied EI field stores 1",
         showing(two, 2),
         {},
         [](Editor& e, const Answerer&) { e.typeIntoField(V::EI, ""); },
         with(showing(two, 2), [](Project& p) { p.beam.span(2).ei = 1; }),
         "修改刚度 EI",
         false},
        {"a refused keystroke changes no value and leaves no step",
         two,
         {},
         [](Editor& e, const Answerer&) { e.typeIntoField(V::Length, "6a"); },
         two,
         nullptr,
         false},
        {"a of a force moves b with it",
         forceAt2,
         {},
         [](Editor& e, const Answerer&) {
             typeKeys(e, V::a, {"2", "2.", "2.5"});
         },
         forceMoved,
         "修改 a",
         false},
        {"a at the span end leaves b alone",
         forceAt2,
         {},
         [](Editor& e, const Answerer&) { e.typeIntoField(V::a, "4"); },
         forceAtEnd,
         "修改 a",
         false},
        {"load fields without a selected load do nothing",
         two,
         {},
         [](Editor& e, const Answerer&) { e.typeIntoField(V::P, "5"); },
         two,
         nullptr,
         true},
        {"X computes i = EI / L",
         showing(two, 2),
         {},
         [](Editor& e, const Answerer&) { e.computeLineStiffness(); },
         with(showing(two, 2), [](Project& p) { p.beam.span(2).lineStiffness = 0.5f; }),
         "计算线刚度",
         false},
        {"more spans",
         two,
         {},
         [](Editor& e, const Answerer& a) { EXPECT_TRUE(e.setSpanCount(3, a)); },
         third,
         "修改总跨数",
         false},
        {"a count outside 1..20 is refused",
         two,
         {},
         [](Editor& e, const Answerer& a) {
             EXPECT_FALSE(e.setSpanCount(0, a));
             EXPECT_FALSE(e.setSpanCount(21, a));
         },
         two,
         nullptr,
         true},
        {"one span: simple ends, the loads deleted when the user says so",
         fixedLeft,
         {{Question::DeleteEndSpanLoads, Answer::Yes}},
         [](Editor& e, const Answerer& a) { EXPECT_TRUE(e.setSpanCount(1, a)); },
         with(fixedLeft,
              [](Project& p) {
                  p.spareSpans = {p.beam.span(2)};
                  p.beam.spans = {Span{6, 1, 1, {}}};
                  p.beam.leftSupport = Simple;
                  p.selectedLoad(1) = 0;
              }),
         "修改总跨数",
         false},
        {"one span cancelled changes nothing",
         fixedLeft,
         {{Question::DeleteEndSpanLoads, Answer::Cancel}},
         [](Editor& e, const Answerer& a) { EXPECT_FALSE(e.setSpanCount(1, a)); },
         fixedLeft,
         nullptr,
         true},
        {"a fixed end keeping its span's loads",
         two,
         {{Question::DeleteEndSpanLoads, Answer::No}},
         [](Editor& e, const Answerer& a) { e.setSupport(BeamEnd::Left, Fixed, a); },
         with(two, [](Project& p) { p.beam.leftSupport = Fixed; }),
         "修改左支座",
         false},
        {"a cantilever end deleting its span's loads",
         two,
         {{Question::DeleteEndSpanLoads, Answer::Yes}},
         [](Editor& e, const Answerer& a) { e.setSupport(BeamEnd::Right, Cantilever, a); },
         with(two,
              [](Project& p) {
                  p.beam.rightSupport = Cantilever;
                  p.beam.span(2).loads.clear();
              }),
         "修改右支座",
         false},
        {"a cancelled support change keeps the support but needs a new check",
         two,
         {{Question::DeleteEndSpanLoads, Answer::Cancel}},
         [](Editor& e, const Answerer& a) { e.setSupport(BeamEnd::Left, Fixed, a); },
         two,
         nullptr,
         false},
        {"insert a span before the one shown",
         showing(two, 2),
         {{Question::InsertSpan, Answer::Yes}},
         [](Editor& e, const Answerer& a) { e.insertSpan(a); },
         inserted,
         "插入一跨",
         false},
        {"insert cancelled",
         two,
         {{Question::InsertSpan, Answer::Cancel}},
         [](Editor& e, const Answerer& a) { e.insertSpan(a); },
         two,
         nullptr,
         true},
        {"delete the first span of a beam fixed at the right",
         with(two, [](Project& p) { p.beam.rightSupport = Fixed; }),
         {{Question::DeleteSpan, Answer::Yes}, {Question::DeleteEndSpanLoads, Answer::No}},
         [](Editor& e, const Answerer& a) { e.deleteSpan(a); },
         with(two,
              [](Project& p) {
                  p.beam.spans.erase(p.beam.spans.begin());
                  p.spareSpans = {Span{}};
              }),
         "删除本跨",
         false},
        {"copy the span before",
         showing(two, 2),
         {{Question::CopyPreviousSpan, Answer::Yes}},
         [](Editor& e, const Answerer& a) { e.copyPreviousSpan(a); },
         copied,
         "同前一跨",
         false},
        {"add a load of the kind offered",
         two,
         {},
         [](Editor& e, const Answerer&) { e.addLoad(Trapezoidal); },
         added,
         "添加荷载",
         false},
        {"delete the selected load",
         withSelection(two, 1, 1),
         {},
         [](Editor& e, const Answerer&) { e.deleteSelectedLoad(); },
         with(two, [](Project& p) { p.beam.span(1).loads.clear(); }),
         "删除荷载",
         false},
        {"delete all loads of the span",
         two,
         {{Question::DeleteAllLoads, Answer::Yes}},
         [](Editor& e, const Answerer& a) { e.deleteAllLoads(a); },
         with(two, [](Project& p) { p.beam.span(1).loads.clear(); }),
         "全删荷载",
         false},
        {"showing another span is navigation that unsaves",
         two,
         {},
         [](Editor& e, const Answerer&) { e.showSpan(2); },
         showing(two, 2),
         nullptr,
         false},
        {"selecting a load whose values show is navigation that unsaves",
         two,
         {},
         [](Editor& e, const Answerer&) { e.selectLoad(1); },
         withSelection(two, 1, 1),
         nullptr,
         false},
    };
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
    const bool changedSomething = row.step != nullptr || editor.project() != row.start;
    if (changedSomething || !row.saved) {
        EXPECT_FALSE(editor.isCheckPassed()) << "an edit must lock the calculation";
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

TEST(EditorFields, ShowCanonicalTextsAndWhatIsBeingTyped) {
    Editor editor;
    editor.openProject(withSelection(twoSpans(), 1, 1));
    EXPECT_EQ(editor.shownText(ValueField::Length), "6");
    EXPECT_EQ(editor.shownText(ValueField::q), "10");
    editor.typeIntoField(ValueField::q, "12.");
    EXPECT_EQ(editor.shownText(ValueField::q), "12.");
    editor.typeIntoField(ValueField::q, "12.x");
    EXPECT_EQ(editor.shownText(ValueField::q), "12"); // refused: the value in force again
    editor.typeIntoField(ValueField::q, ".");
    editor.leaveField(ValueField::q);
    EXPECT_EQ(editor.shownText(ValueField::q), "0");
    EXPECT_EQ(editor.project().beam.span(1).load(1).q, 0.0f);
}

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

    // navigation after the save keeps the project unsaved whatever undo does
    editor.showSpan(2);
    editor.deleteAllLoads([](Question) { return Answer::Yes; });
    editor.undo();
    EXPECT_FALSE(editor.isSaved());
}

TEST(EditorHistory, NewAndOpenStartAFreshHistory) {
    Editor editor;
    editor.openProject(twoSpans());
    editor.addLoad(Uniform);
    editor.newProject();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.isSaved());
    EXPECT_EQ(editor.project(), Project{});
    editor.addLoad(Uniform);
    editor.undo();
    EXPECT_FALSE(editor.isSaved()) << "a new project is not on disk";
    editor.redo();
    editor.openProject(twoSpans());
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.canRedo());
    EXPECT_TRUE(editor.isSaved());
}

TEST(EditorHistory, RaisingTheCountBringsBackTheSpansLowered) {
    Editor editor;
    editor.openProject(BeamBuilder({6, 5, 4}).uniform(3, 8).project());
    const auto never = [](Question) {
        ADD_FAILURE() << "no question expected";
        return Answer::Cancel;
    };
    ASSERT_TRUE(editor.setSpanCount(2, never));
    ASSERT_TRUE(editor.setSpanCount(3, never));
    EXPECT_EQ(editor.project().beam, BeamBuilder({6, 5, 4}).uniform(3, 8).beam());
}

TEST(WholeNumberOf, TakesTheWholePartOfPlainDecimals) {
    const std::vector<std::pair<std::string, std::optional<int>>> rows = {{"2", 2},
                                                                          {"02", 2},
                                                                          {"2.7", 2},
                                                                          {"20", 20},
                                                                          {".", std::nullopt},
                                                                          {"", std::nullopt},
                                                                          {"-1", std::nullopt},
                                                                          {"1e3", std::nullopt},
                                                                          {"x", std::nullopt}};
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(wholeNumberOf(text), expected) << text;
    }
}

} // namespace
} // namespace spanwise
