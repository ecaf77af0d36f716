#include "io/ProjectFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <bit>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

namespace spanwise {
namespace {

// Two spans, simple left end, fixed right end, shown at span 1: span 1 of 6 m with one
// selected uniform load of 10 kN/m, span 2 of 4.5 m with EI = 2 and i = 2.5 and no load.
Project twoSpanExample() {
    Project p;
    p.beam.spans = {spanWith(6, 1, 1, {Load{Uniform, 0, 10, 0, 0, 0, "均布荷载"}}),
                    spanWith(4.5f, 2, 2.5f)};
    p.beam.rightSupport = Fixed;
    p.selectedLoad(1) = 1;
    return p;
}

std::string bytesOf(const Project& m) {
    std::string bytes;
    const SaveResult r = projectFileBytes(m, bytes);
    EXPECT_TRUE(r.ok) << r.reason;
    return bytes;
}

std::string fileContents(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return f.readAll().toStdString();
}

// A new project: one span of length 0 with EI = i = 1. Spans put aside by lowering the span
// count are not part of the file.
TEST(ProjectWriter, ANewProjectIsTwoLinesAndSpareSpansStayOut) {
    Project p;
    p.spareSpans = {spanWith(6, 1, 1)};
    EXPECT_EQ(bytesOf(p), "1,1,0,0\r\n0,1,1,0,0\r\n");
}

TEST(ProjectWriter, NumbersReadBackBitForBitAcrossTheWholeRange) {
    // every 16381st bit pattern of the positive finite floats, and their negatives
    for (std::uint32_t bits = 0; bits < 0x7F800000u; bits += 16381) {
        for (std::uint32_t sign : {0u, 0x80000000u}) {
            const float v = std::bit_cast<float>(bits | sign);
            const std::string text = fileNumber(v);
            ASSERT_EQ(text.find_first_not_of("-.0123456789"), std::string::npos) << text;
            char fixed[64];
            const auto fixedEnd =
                std::to_chars(fixed, fixed + sizeof fixed, v, std::chars_format::fixed).ptr;
            ASSERT_LE(text.size(), static_cast<std::size_t>(fixedEnd - fixed)) << text;
            float back = 0;
            std::from_chars(text.data(), text.data() + text.size(), back);
            ASSERT_EQ(std::bit_cast<std::uint32_t>(back), bits | sign) << text;
        }
    }
}

TEST(ProjectWriter, RefusesModelsNoFileCanHold) {
    const struct {
        const char* name;
        void (*spoil)(Project&);
    } cases[] = {
        {"21 spans", [](Project& p) { p.beam.spans.resize(21); }},
        {"current span above the count", [](Project& p) { p.currentSpan = 3; }},
        {"support code 3", [](Project& p) { p.beam.rightSupport = static_cast<SupportKind>(3); }},
        {"11 loads", [](Project& p) { p.beam.span(2).loads.resize(11); }},
        {"selected load above the count", [](Project& p) { p.selectedLoad(1) = 2; }},
        {"infinite length", [](Project& p) { p.beam.span(2).length = INFINITY; }},
        {"NaN load", [](Project& p) { p.beam.span(1).load(1).c = NAN; }},
        {"kind 6", [](Project& p) { p.beam.span(1).load(1).kind = static_cast<LoadKind>(6); }},
        {"quote in text", [](Project& p) { p.beam.span(1).load(1).text = "a\"b"; }},
        {"line break in text", [](Project& p) { p.beam.span(1).load(1).text = "a\r\nb"; }},
        {"invalid UTF-8", [](Project& p) { p.beam.span(1).load(1).text = "\xFF"; }},
        {"a title the file cannot quote", [](Project& p) { p.beam.info.checker = "李\"四"; }},
        {"a section out of range",
         [](Project& p) {
             p.beam.span(1).section = SpanSection{50, 500, 0, 0, false, {}, {}, {}};
         }},
        {"beta at a simple end",
         [](Project& p) { p.beam.firstSupportDesign.redistribution = 0.1f; }},
        {"as of half the depth",
         [](Project& p) {
             p.beam.design.tensionCover = 250;
             p.beam.span(2).section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
         }},
    };
    // the good file a refused save must leave as it is, byte for byte
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.BMD");
    const std::string old = bytesOf(twoSpanExample());
    ASSERT_TRUE(writeFileAtomically(path, old).ok);
    for (const auto& c : cases) {
        Project m = twoSpanExample();
        c.spoil(m);
        std::string bytes = "old";
        const SaveResult r = projectFileBytes(m, bytes);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.reason.empty()) << c.name;
        EXPECT_TRUE(bytes.empty()) << c.name;
        // the save itself: refused with the same reason, the file on disk untouched
        const SaveResult saved = writeProjectFile(m, path);
        EXPECT_FALSE(saved.ok) << c.name;
        EXPECT_EQ(saved.reason, r.reason) << c.name;
        EXPECT_EQ(fileContents(path), old) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.BMD"}) << c.name;
    }
}

TEST(ProjectWriter, EveryFieldSurvivesSaveAndOpen) {
    Project m = twoSpanExample();
    m.currentSpan = 3;
    m.beam.leftSupport = Cantilever;
    // text and kind disagree and stay so; c is read by nothing, kept all the same
    m.beam.spans.push_back(
        spanWith(1.0f / 3, 3.4e38f, 1e-7f,
                 {Load{Concentrated, -7.25f, 0.1f, std::numeric_limits<float>::denorm_min(),
                       std::numeric_limits<float>::max(), 2.71828f, "梯形荷载"},
                  Load{Trapezoidal, 0, -0.0f, 123456.789f, 0, 0, ""}}));
    QTemporaryDir dir;
    const QString path = dir.filePath("round.BMD");
    ASSERT_TRUE(writeProjectFile(m, path).ok);
    const ReadResult back = readProjectFile(path);
    ASSERT_TRUE(back.ok()) << back.error.message();
    EXPECT_EQ(*back.project, m);
    // bit for bit: the sign of zero and the smallest subnormal included
    const Span& third = back.project->beam.span(3);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(third.load(2).q), 0x80000000u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(third.load(1).a), 1u);
}

// A file size limit makes the write fail part way, as a full disk would: the old file keeps its
// bytes, no temporary file is left behind, and the failure comes with a reason.
TEST(ProjectWriter, WriteThatFailsHalfWayLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.BMD");
    const std::string old = bytesOf(twoSpanExample());
    ASSERT_TRUE(writeFileAtomically(path, old).ok);
    Project big = twoSpanExample();
    big.beam.spans.resize(20);
    for (Span& span : big.beam.spans) {
        span.length = 1.0f / 3;
    }
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult r = writeProjectFile(big, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(fileContents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.BMD"});
}

} // namespace
} // namespace spanwise
