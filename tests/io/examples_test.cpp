// The project files we ship are what a new user opens first: each reads, writes back to the
// very same bytes, and (the examples) passes the data check and calculates.
#include "analysis/Calculation.h"
#include "check/DataCheck.h"
#include "io/ProjectFile.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(files, 16); // 8 examples (two of them with design data) and 8 test files
}

} // namespace
} // namespace spanwise
