// The file list: the names of a folder's files that match its patterns.
#include "support/error_of.h"
#include "platform/rt/error.h"
#include "platform/ui/filelistbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

QStringList entries(const ui::FileListBox& list) {
    QStringList out;
    for (int i = 0; i < list.listCount(); ++i) out << list.list(i);
    return out;
}

}  // namespace

TEST(FileListBox, ListsTheMatchingFilesByNameIgnoringLetterCase) {
    QTemporaryDir dir;
    for (const char* name : {"b.png", "A.JPG", "c.jpeg", "d.txt", "e.Gif", ".hidden.png", "f g.png"}) touch(dir.filePath(name));
    QDir(dir.path()).mkdir("sub.png");
    ui::FileListBox list;
    EXPECT_EQ(list.listCount(), 0);
    list.setPattern("*.jpg;*.gif;*.png;*.jpeg");
    list.setPath(dir.path());
    EXPECT_EQ(entries(list), (QStringList{"A.JPG", "b.png", "c.jpeg", "e.Gif", "f g.png"}));
    EXPECT_EQ(list.list(5), "");
    EXPECT_EQ(list.list(-1), "");
    // The pattern re-reads the folder; so does refresh.
    list.setPattern("*.txt");
    EXPECT_EQ(entries(list), QStringList{"d.txt"});
    touch(dir.filePath("h.txt"));
    list.refresh();
    EXPECT_EQ(entries(list), (QStringList{"d.txt", "h.txt"}));
}

TEST(FileListBox, AFolderThatIsNotThereKeepsTheListAsItWas) {
    QTemporaryDir dir;
    touch(dir.filePath("a.png"));
    ui::FileListBox list;
    list.setPattern("*.png");
    list.setPath(dir.path());
    EXPECT_EQ(errorOf([&] { list.setPath(dir.filePath("missing")); }), rt::PathNotFound);
    EXPECT_EQ(list.path(), dir.path());
    EXPECT_EQ(entries(list), QStringList{"a.png"});
    EXPECT_EQ(errorOf([&] { list.setPath(dir.filePath("a.png")); }), rt::PathNotFound);
}
