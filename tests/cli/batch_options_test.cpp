#include "cli/BatchOptions.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

struct Accepted {
    std::vector<std::string> args;
    std::vector<std::string> inputs;
    int jobs;
    std::string reportDir;
};

TEST(BatchOptions, TakesAnyNumberOfFilesAndTheWorkerCount) {
    const Accepted cases[] = {
        {{"a.BMD"}, {"a.BMD"}, 0, ""},
        {{"a.BMD", "floor", "b.bmd"}, {"a.BMD", "floor", "b.bmd"}, 0, ""},
        {{"-j", "4", "a.BMD", "b.BMD"}, {"a.BMD", "b.BMD"}, 4, ""},
        {{"a.BMD", "-j3"}, {"a.BMD"}, 3, ""},
        {{"--jobs", "1", "a.BMD"}, {"a.BMD"}, 1, ""},
        {{"floor", "--report-dir", "out", "-j", "2"}, {"floor"}, 2, "out"},
        // the last count given wins, as with other tools
        {{"a.BMD", "-j", "2", "-j", "5"}, {"a.BMD"}, 5, ""},
    };
    for (const Accepted& c : cases) {
        std::string error;
        const auto options = parseBatchArguments(c.args, error);
        ASSERT_TRUE(options) << c.args.front() << ": " << error;
        EXPECT_EQ(options->inputs, c.inputs) << c.args.front();
        EXPECT_EQ(options->jobs, c.jobs) << c.args.front();
        EXPECT_EQ(options->reportDir, c.reportDir) << c.args.front();
    }
}

TEST(BatchOptions, RefusesWhatCannotBeDoneWithItsReason) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"a.BMD", "-j"}, "-j 需要线程数"},
        {{"a.BMD", "-j", "0"}, "线程数“0”应为 1 到 1024 的整数"},
        {{"a.BMD", "-j", "1025"}, "线程数“1025”应为 1 到 1024 的整数"},
        {{"a.BMD", "-jx"}, "线程数“x”应为 1 到 1024 的整数"},
        {{"a.BMD", "-j", "2.5"}, "线程数“2.5”应为 1 到 1024 的整数"},
        {{"a.BMD", "--report-dir"}, "--report-dir 需要计算书的文件夹"},
        {{"a.BMD", "--report", "a.pdf", "--report-dir", "out"},
         "--report 与 --report-dir 只能选用一个"},
        {{"a.BMD", "--summary", "--csv"}, "--summary 不能与 --json、--csv 或 --at 同时使用"},
        {{"a.BMD", "--summary", "--at", "1", "2"},
         "--summary 不能与 --json、--csv 或 --at 同时使用"},
        {{"-j", "2"}, "缺少工程文件"},
    };
    for (const auto& [args, reason] : cases) {
        std::string error;
        EXPECT_FALSE(parseBatchArguments(args, error)) << reason;
        EXPECT_EQ(error, reason);
    }
}

TEST(BatchOptions, AReportAsksForTheGuiOnlyWhenOneIsWritten) {
    EXPECT_TRUE(argumentsAskForReport({"a.BMD", "--report", "r.pdf"}));
    EXPECT_TRUE(argumentsAskForReport({"floor", "--report-dir", "out"}));
    EXPECT_FALSE(argumentsAskForReport({"a.BMD", "--summary", "-j", "2"}));
}

} // namespace
} // namespace spanwise
