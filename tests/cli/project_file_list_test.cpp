#include "cli/ProjectFileList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace spanwise {
namespace {

TEST(ProjectFileList, AFolderGivesEveryProjectBelowItInSortedOrder) {
    ASSERT_TRUE(QDir::setCurrent(SPANWISE_TEST_DATA_DIR));
    const std::vector<std::string> building = {
        "building/floor1/Point_Load.bmd", "building/floor1/two_equal_spans.BMD",
        "building/floor2/dead_and_live.Bmd", "building/floor2/roof/two_equal_spans.BMD"};
    for (const std::string folder : {"building", "building/"}) {
        const ProjectFileList list = listProjectFiles({folder});
        EXPECT_EQ(list.files, building) << folder;
        EXPECT_TRUE(list.folders.empty());
    }
    // files stay where they are named, existing or not; folders expand in place
    const ProjectFileList list =
        listProjectFiles({"nofile.BMD", "building/floor2", "empty_floor", "point_load.BMD"});
    const std::vector<std::string> files = {"nofile.BMD", "building/floor2/dead_and_live.Bmd",
                                            "building/floor2/roof/two_equal_spans.BMD",
                                            "point_load.BMD"};
    EXPECT_EQ(list.files, files);
    EXPECT_EQ(list.folders, std::vector<std::string>{"empty_floor"});
}

TEST(ProjectFileList, SkipsHiddenFilesAndDoesNotFollowLinkedFolders) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    ASSERT_TRUE(QDir(root).mkpath("a/b"));
    for (const char* name : {"a/1.BMD", "a/b/2.BMD", "a/.hidden.BMD", "a/3.BMD.txt"}) {
        QFile file(root + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // a link back to the top would make the listing endless if it were followed
    ASSERT_TRUE(QFile::link(root + "/a", root + "/a/b/loop"));
    const std::string top = QFile::encodeName(root).toStdString();
    const ProjectFileList list = listProjectFiles({top});
    const std::vector<std::string> expected = {top + "/a/1.BMD", top + "/a/b/2.BMD"};
    EXPECT_EQ(list.files, expected);
}

} // namespace
} // namespace spanwise
