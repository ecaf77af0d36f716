// The projects under examples/ are what a new user opens first: each must be exactly what the
// writer makes of its model, open again as that model, pass the data check and calculate.
// Run with SPANWISE_WRITE_EXAMPLES=1 to write them afresh after a change of the models below.
#include "analysis/Calculation.h"
#include "check/DataCheck.h"
#include "io/ProjectFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace spanwise {
namespace {

struct Example {
    const char* file;
    BeamModel model;
};

class Builder {
public:
    Builder(int spans, std::int16_t left, std::int16_t right) {
        m.SpanCount = static_cast<std::int16_t>(spans);
        m.LeftSupport = left;
        m.RightSupport = right;
    }
    // a span of length L with EI and i = EI / L as the program computes it on request
    Builder& span(int s, float L, float EI) {
        m.SpanLength[s] = L;
        m.SpanEI[s] = EI;
        m.SpanLineStiffness[s] = static_cast<float>(double{EI} / L);
        return *this;
    }
    Builder& force(int s, float P, float a) {
        return load(s, Concentrated, "集中力", 0, P, a, m.SpanLength[s] - a);
    }
    Builder& uniform(int s, float q) { return load(s, Uniform, "均布荷载", q, 0, 0, 0); }
    Builder& trapezoid(int s, float q, float a) {
        return load(s, Trapezoidal, "梯形荷载", q, 0, a, 0);
    }
    BeamModel done() { return m; }

private:
    Builder& load(int s, std::int16_t kind, const char* text, float q, float P, float a, float b) {
        const int k = ++m.LoadCount[s];
        m.SelectedLoad[s] = static_cast<std::int16_t>(k);
        m.LoadKindOf[s][k] = kind;
        m.LoadText[s][k] = text;
        m.LoadQ[s][k] = q;
        m.LoadP[s][k] = P;
        m.LoadA[s][k] = a;
        m.LoadB[s][k] = b;
        return *this;
    }
    BeamModel m;
};

std::vector<Example> examples() {
    constexpr float EI = 78000; // C30 concrete beam 250 x 500 mm, kN*m*m
    return {
        {"two_span.BMD", Builder(2, Simple, Simple)
                             .span(1, 6, EI)
                             .uniform(1, 20)
                             .span(2, 4.5f, EI)
                             .uniform(2, 20)
                             .force(2, 40, 2.25f)
                             .done()},
        {"three_equal_spans.BMD", Builder(3, Simple, Simple)
                                      .span(1, 5, EI)
                                      .uniform(1, 15)
                                      .span(2, 5, EI)
                                      .uniform(2, 15)
                                      .span(3, 5, EI)
                                      .uniform(3, 15)
                                      .done()},
        {"cantilever_end.BMD", Builder(3, Simple, Cantilever)
                                   .span(1, 6, EI)
                                   .uniform(1, 12)
                                   .span(2, 6, EI)
                                   .uniform(2, 12)
                                   .span(3, 1.5f, EI)
                                   .uniform(3, 12)
                                   .force(3, 20, 0) // at the tip: a from the free end
                                   .done()},
        {"fixed_end.BMD", Builder(2, Fixed, Simple)
                              .span(1, 5, EI)
                              .trapezoid(1, 18, 1.5f)
                              .span(2, 7, EI)
                              .uniform(2, 12)
                              .done()},
        {"mixed_loads.BMD", Builder(4, Fixed, Simple)
                                .span(1, 4.2f, EI)
                                .uniform(1, 10)
                                .span(2, 6.3f, 2 * EI)
                                .uniform(2, 8)
                                .force(2, 60, 2.1f)
                                .trapezoid(2, 12, 2.1f)
                                .span(3, 6.3f, 2 * EI)
                                .force(3, 45, 3.15f)
                                .force(3, 45, 5.25f)
                                .span(4, 4.2f, EI)
                                .trapezoid(4, 20, 2.1f)
                                .done()},
    };
}

std::string examplePath(const char* file) {
    return std::string(SPANWISE_EXAMPLES_DIR) + "/" + file;
}

TEST(Examples, AreWhatTheWriterMakesAndCalculate) {
    const bool write = std::getenv("SPANWISE_WRITE_EXAMPLES") != nullptr;
    for (const Example& e : examples()) {
        const QString path = QString::fromStdString(examplePath(e.file));
        if (write) {
            ASSERT_TRUE(writeProjectFile(e.model, path).ok) << e.file;
        }
        std::string bytes;
        ASSERT_TRUE(projectFileBytes(e.model, bytes).ok) << e.file;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << e.file;
        EXPECT_EQ(f.readAll().toStdString(), bytes) << e.file;

        const ReadResult read = readProjectFile(path);
        ASSERT_TRUE(read.ok()) << read.error.message();
        BeamModel expected = e.model;
        expected.ProjectFileName = path.toStdString();
        expected.ProjectSaved = true;
        EXPECT_EQ(*read.model, expected) << e.file;

        const CheckResult check = checkModel(*read.model);
        EXPECT_TRUE(check.passed) << e.file << ": " << check.messages.front();
        auto results = std::make_unique<BeamResults>();
        EXPECT_NO_THROW(calculate(*read.model, *results)) << e.file;
    }
}

} // namespace
} // namespace spanwise
