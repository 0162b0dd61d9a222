// Key files of the desktop (mimeapps.list, desktop entries) read whole, and a rewrite of mimeapps.list
// that leaves every line it does not change byte for byte.
#include "platform/sys/xdg.h"
#include "sys_fixtures.h"

namespace {

using sys::xdg::withDefaultApplication;

// The bytes of a literal, NUL bytes included.
template <int N>
QByteArray nul(const char (&text)[N]) { return QByteArray(text, N - 1); }

struct RewriteCase {
    const char* name;
    QByteArray before;
    QByteArray after;  // after making zelvaro.desktop the default of x-scheme-handler/http
};

const RewriteCase kRewrites[] = {
    {"empty file", "", "[Default Applications]\nx-scheme-handler/http=zelvaro.desktop\n"},
    {"new key at the end of its group",
     "[Default Applications]\ntext/plain=a.desktop\n\n[Other]\nk=v\n",
     "[Default Applications]\ntext/plain=a.desktop\nx-scheme-handler/http=zelvaro.desktop\n\n[Other]\nk=v\n"},
    {"a NUL byte keeps what follows",
     nul("[Default Applications]\n# a\0b\ntext/plain=a.desktop\n"),
     nul("[Default Applications]\n# a\0b\ntext/plain=a.desktop\nx-scheme-handler/http=zelvaro.desktop\n")},
    {"lines ending in several CRs",
     "[Default Applications]\r\r\ntext/plain=a.desktop\r\r\r\n",
     "[Default Applications]\r\r\ntext/plain=a.desktop\r\r\r\nx-scheme-handler/http=zelvaro.desktop\n"},
    {"a changed line keeps its end",
     "[Default Applications]\r\nx-scheme-handler/http=old.desktop\r\r\ntext/plain=a.desktop\r\n",
     "[Default Applications]\r\nx-scheme-handler/http=zelvaro.desktop\r\r\ntext/plain=a.desktop\r\n"},
    {"blank lines at the end stay",
     "[Default Applications]\ntext/plain=a.desktop\n\n\n",
     "[Default Applications]\ntext/plain=a.desktop\nx-scheme-handler/http=zelvaro.desktop\n\n\n"},
    {"a last line without an end",
     "[Default Applications]\ntext/plain=a.desktop",
     "[Default Applications]\ntext/plain=a.desktop\nx-scheme-handler/http=zelvaro.desktop\n"},
    {"a new group after the others",
     "[Added Associations]\ntext/plain=a.desktop;\r\n",
     "[Added Associations]\ntext/plain=a.desktop;\r\n\n[Default Applications]\nx-scheme-handler/http=zelvaro.desktop\n"},
    {"a line that already says so stays",
     "[Default Applications]\r\n x-scheme-handler/http = zelvaro.desktop \r\n",
     "[Default Applications]\r\n x-scheme-handler/http = zelvaro.desktop \r\n"},
    {"further lines of the key go",
     "[Default Applications]\nx-scheme-handler/http=a.desktop\ntext/plain=b.desktop\nX-Scheme-Handler/http=c.desktop\n",
     "[Default Applications]\nx-scheme-handler/http=zelvaro.desktop\ntext/plain=b.desktop\n"},
    {"bytes that are not UTF8 stay",
     "# \xff\xfe\xc3\n[Default Applications]\nx-scheme-handler/http=old.desktop\n",
     "# \xff\xfe\xc3\n[Default Applications]\nx-scheme-handler/http=zelvaro.desktop\n"},
};

void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }

class MimeappsRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(MimeappsRewrite, ChangesOnlyItsOwnLine) {
    const RewriteCase& c = GetParam();
    const QByteArray after = withDefaultApplication(c.before, "x-scheme-handler/http", "zelvaro.desktop", false);
    EXPECT_EQ(after, c.after) << after.toStdString();
    // Read back, the default is there.
    bool found = false;
    for (const auto& e : sys::xdg::parseKeyFile(after))
        found |= e.group == "Default Applications" && e.key == "x-scheme-handler/http" && e.value == "zelvaro.desktop";
    EXPECT_TRUE(found);
    // Written again, nothing changes.
    EXPECT_EQ(withDefaultApplication(after, "x-scheme-handler/http", "zelvaro.desktop", false), after);
}

INSTANTIATE_TEST_SUITE_P(Table, MimeappsRewrite, ::testing::ValuesIn(kRewrites), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    name.replace(' ', '_');
    return name.toStdString();
});

TEST(MimeappsRewrite, AssociationsPutThisProgramFirstAndTakeItOutOfTheRemovedOnes) {
    const QByteArray before =
        "[Added Associations]\r\nx-scheme-handler/http=a.desktop;zelvaro.desktop;\r\n"
        "[Removed Associations]\r\nx-scheme-handler/http=zelvaro.desktop;\r\nimage/png=b.desktop;\r\n";
    EXPECT_EQ(withDefaultApplication(before, "x-scheme-handler/http", "zelvaro.desktop", true),
              QByteArray("[Added Associations]\r\nx-scheme-handler/http=zelvaro.desktop;a.desktop;\r\n"
                         "[Removed Associations]\r\nimage/png=b.desktop;\r\n\n"
                         "[Default Applications]\nx-scheme-handler/http=zelvaro.desktop\n"));
}

TEST(MimeappsRewrite, AssociationsThatAlreadySaySoStay) {
    const QByteArray before =
        "[Added Associations]\nx-scheme-handler/http=zelvaro.desktop;a.desktop\n"
        "[Removed Associations]\nx-scheme-handler/http=b.desktop\nx-scheme-handler/http=zelvaro.desktop;\n"
        "[Default Applications]\nx-scheme-handler/http=zelvaro.desktop\n";
    // The removed associations' later line of the key goes; everything else stays as written.
    const QByteArray after =
        "[Added Associations]\nx-scheme-handler/http=zelvaro.desktop;a.desktop\n"
        "[Removed Associations]\nx-scheme-handler/http=b.desktop\n"
        "[Default Applications]\nx-scheme-handler/http=zelvaro.desktop\n";
    EXPECT_EQ(withDefaultApplication(before, "x-scheme-handler/http", "zelvaro.desktop", true), after);
    EXPECT_EQ(withDefaultApplication(after, "x-scheme-handler/http", "zelvaro.desktop", true), after);
}

TEST(KeyFile, IsReadWhole) {
    const QByteArray bytes = nul("[Desktop Entry]\r\nName=a\0b\r\r\n# c\0\nExec=prog %u\r\n\nIcon = x \n");
    const auto entries = sys::xdg::parseKeyFile(bytes);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].value, QString("a") + QChar(0) + "b");
    EXPECT_EQ(entries[1].key, "Exec");
    EXPECT_EQ(entries[1].value, "prog %u");
    EXPECT_EQ(entries[2].key, "Icon");
    EXPECT_EQ(entries[2].value, "x");
    for (const auto& e : entries) EXPECT_EQ(e.group, "Desktop Entry");
}

class KeyFileOnDisk : public TempHome {};

// The same reader reads desktop entries: keys after a NUL byte count.
TEST_F(KeyFileOnDisk, DesktopEntryAfterANulByte) {
    const QString file = dataHome() + "/applications/x.desktop";
    QDir().mkpath(QFileInfo(file).absolutePath());
    putBytes(file, nul("[Desktop Entry]\nComment=a\0b\nExec=xprog %u\r\nName=X\n"));
    const sys::xdg::DesktopEntry e = sys::xdg::readDesktopEntry(file);
    ASSERT_TRUE(e.isValid());
    EXPECT_EQ(e.exec, "xprog %u");
    EXPECT_EQ(e.name, "X");
}

// The user's list keeps every byte it had around the lines the program changes.
TEST_F(KeyFileOnDisk, MakingThisProgramTheDefaultKeepsTheRestOfTheUsersList) {
    const QString list = configHome() + "/mimeapps.list";
    QDir().mkpath(configHome());
    const QByteArray before = nul("[Default Applications]\r\ntext/plain=ed.desktop\r\r\n# \0 kept\n");
    putBytes(list, before);
    sys::xdg::makeOwnDefault("x-scheme-handler/http");
    const QByteArray after = bytesOf(list);
    EXPECT_TRUE(after.startsWith(nul("[Default Applications]\r\ntext/plain=ed.desktop\r\r\n# \0 kept\n")))
        << after.toStdString();
    EXPECT_TRUE(after.contains("x-scheme-handler/http=zelvaro.desktop\n"));
    EXPECT_TRUE(after.contains("[Added Associations]\nx-scheme-handler/http=zelvaro.desktop;\n"));
    EXPECT_EQ(sys::xdg::defaultHandler("x-scheme-handler/http").id, "zelvaro.desktop");
}

}  // namespace
