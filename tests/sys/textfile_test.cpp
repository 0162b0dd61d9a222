#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "sys_fixtures.h"

namespace {

using TextFiles = ProgramFolder;

TEST_F(TextFiles, ProgramFolderPathsWithBackslashesAreAccepted) {
    EXPECT_EQ(sys::appPath(), dir.path());
    EXPECT_EQ(sys::nativePath(sys::appPath() + "\\txt\\网址.html"), dir.path() + "/txt/网址.html");
    sys::writeLines(sys::appPath() + "\\txt\\网址.html", {"x"});
    EXPECT_TRUE(QFile::exists(native("txt/网址.html")));
    EXPECT_TRUE(sys::fileExists(sys::appPath() + "\\txt\\网址.html"));
    EXPECT_TRUE(sys::folderExists(sys::appPath() + "\\txt"));
    EXPECT_FALSE(sys::fileExists(sys::appPath() + "\\txt"));
    EXPECT_FALSE(sys::folderExists(sys::appPath() + "\\html"));
    sys::setAppPath(dir.path() + "/");
    EXPECT_EQ(sys::appPath(), dir.path());
}

TEST_F(TextFiles, WrittenLinesAreGbkWithCrLf) {
    const QString file = sys::appPath() + "\\txt\\liulan.txt";
    sys::writeLines(file, {"1 中文 http://a.com", "", "║"});
    EXPECT_EQ(bytesOf(native("txt/liulan.txt")),
              QByteArray("1 \xd6\xd0\xce\xc4 http://a.com\r\n\r\n\xa8\x55\r\n"));
    EXPECT_EQ(sys::readLines(file), QStringList({"1 中文 http://a.com", "", "║"}));
    sys::writeLines(file, {});
    EXPECT_EQ(bytesOf(native("txt/liulan.txt")), QByteArray());
    EXPECT_EQ(sys::readLines(file), QStringList());
}

TEST_F(TextFiles, ReadingAcceptsBothLineEnds) {
    const struct { QByteArray bytes; QStringList lines; } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\r\nb\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {"\xd3\xa6\xd3\xc3\r\n", {"应用"}},
        {"a\rb\n", {"a\rb"}},
    };
    const QString file = sys::appPath() + "\\txt\\a.txt";
    for (const auto& c : cases) {
        putBytes(native("txt/a.txt"), c.bytes);
        EXPECT_EQ(sys::readLines(file), c.lines) << c.bytes.toHex().constData();
    }
    putBytes(native("txt/a.txt"), "x\r\ny");
    EXPECT_EQ(sys::readText(file), "x\r\ny");
}

TEST_F(TextFiles, RewriteIsAtomicAndLeavesNoTemporaryFile) {
    const QString file = sys::appPath() + "\\txt\\xiazai.html";
    sys::writeLines(file, {"old 1", "old 2"});
    sys::writeText(file, "<p>新</p>\r\n");
    EXPECT_EQ(bytesOf(native("txt/xiazai.html")), QByteArray("<p>\xd0\xc2</p>\r\n"));
    EXPECT_EQ(QDir(native("txt")).entryList(QDir::Files | QDir::Hidden), QStringList({"xiazai.html"}));
}

TEST_F(TextFiles, RewriteKeepsThePermissionsAndReplacesWhatALinkPointsTo) {
    const QString file = sys::appPath() + "\\txt\\fg.txt";
    sys::writeLines(file, {"old"});
    const QFileDevice::Permissions mine = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(native("txt/fg.txt"), mine));
    sys::writeLines(file, {"new"});
    EXPECT_EQ(QFile::permissions(native("txt/fg.txt")) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), mine);
    ASSERT_TRUE(QFile::link(native("txt/fg.txt"), native("txt/link.txt")));
    sys::writeLines(sys::appPath() + "\\txt\\link.txt", {"through the link"});
    EXPECT_TRUE(QFileInfo(native("txt/link.txt")).isSymLink());
    EXPECT_EQ(bytesOf(native("txt/fg.txt")), QByteArray("through the link\r\n"));
    EXPECT_EQ(QDir(native("txt")).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
              QStringList({"fg.txt", "link.txt"}));
}

TEST_F(TextFiles, FailedRewriteLeavesTheFileAsItWas) {
    const QString file = sys::appPath() + "\\txt\\ro.txt";
    sys::writeLines(file, {"keep"});
    ASSERT_TRUE(QFile::setPermissions(native("txt/ro.txt"), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    EXPECT_EQ(errorOf([&] { sys::writeLines(file, {"lost"}); }), rt::PathFileAccessError);
    EXPECT_EQ(errorOf([&] { sys::appendLine(file, "lost"); }), rt::PathFileAccessError);
    EXPECT_EQ(bytesOf(native("txt/ro.txt")), QByteArray("keep\r\n"));
    EXPECT_EQ(QDir(native("txt")).entryList(QDir::Files | QDir::Hidden), QStringList({"ro.txt"}));

    EXPECT_EQ(errorOf([&] { sys::writeLines(sys::appPath() + "\\nofolder\\a.txt", {"x"}); }),
              rt::PathNotFound);
    EXPECT_FALSE(QDir(native("nofolder")).exists());
    EXPECT_EQ(errorOf([&] { sys::writeLines(sys::appPath() + "\\txt", {"x"}); }), rt::PathFileAccessError);
}

TEST_F(TextFiles, ReadingAMissingFileRaises) {
    EXPECT_EQ(errorOf([&] { sys::readLines(sys::appPath() + "\\txt\\none.txt"); }), rt::FileNotFound);
    EXPECT_EQ(errorOf([&] { sys::readLines(sys::appPath() + "\\none\\none.txt"); }), rt::PathNotFound);
    EXPECT_EQ(errorOf([&] { sys::readLines(sys::appPath() + "\\txt"); }), rt::PathFileAccessError);
    QByteArray bytes = "stale";
    int error = 0;
    EXPECT_FALSE(sys::readFileBytes(sys::appPath() + "\\txt\\none.txt", bytes, &error));
    EXPECT_EQ(error, rt::FileNotFound);
    EXPECT_TRUE(bytes.isEmpty());
}

TEST_F(TextFiles, AppendAddsOneLineAndCreatesTheFile) {
    const QString file = sys::appPath() + "\\txt\\liulan.txt";
    sys::appendLine(file, "1 首页");
    sys::appendLine(file, "2 b");
    EXPECT_EQ(bytesOf(native("txt/liulan.txt")), QByteArray("1 \xca\xd7\xd2\xb3\r\n2 b\r\n"));
    // a last line without its line end keeps apart from the new one
    putBytes(native("txt/liulan.txt"), "1 a");
    sys::appendLine(file, "2 b");
    EXPECT_EQ(sys::readLines(file), QStringList({"1 a", "2 b"}));
}

}  // namespace
