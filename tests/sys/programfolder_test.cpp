#include "platform/sys/programfolder.h"
#include "sys_fixtures.h"

namespace {

using MakeFolder = ProgramFolder;

TEST_F(MakeFolder, MakesEveryMissingFolderOfAProgramPath) {
    ASSERT_FALSE(QFileInfo::exists(native("html")));
    EXPECT_TRUE(sys::makeFolder(sys::appPath() + "\\html\\视图\\旧"));
    EXPECT_TRUE(QFileInfo(native("html/视图/旧")).isDir());
    EXPECT_TRUE(sys::folderExists(sys::appPath() + "\\html\\视图"));
}

TEST_F(MakeFolder, AnExistingFolderIsKeptWithWhatItHolds) {
    putBytes(native("txt/网址.html"), "kept");
    EXPECT_TRUE(sys::makeFolder(sys::appPath() + "\\txt"));
    EXPECT_EQ(bytesOf(native("txt/网址.html")), QByteArray("kept"));
}

TEST_F(MakeFolder, FailsWhereAFileStandsInThePathAndLeavesTheFile) {
    putBytes(native("txt/liulan.txt"), "a file");
    EXPECT_FALSE(sys::makeFolder(sys::appPath() + "\\txt\\liulan.txt\\below"));
    EXPECT_FALSE(sys::makeFolder(sys::appPath() + "\\txt\\liulan.txt"));
    EXPECT_EQ(bytesOf(native("txt/liulan.txt")), QByteArray("a file"));
    EXPECT_FALSE(QFileInfo::exists(native("txt/liulan.txt/below")));
}

}  // namespace
