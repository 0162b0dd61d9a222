// Saving a download (or a page with Save As) as a person does: the Save As box starts in the user's
// download folder (then in the folder last used), a save into the program's own folder tree is refused,
// and the name a server sends is offered cleaned (no hidden names, no control characters, line breaks or
// quotes) with its extension and its Chinese, Hangul or emoji text whole.
#include "page/page_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class DownloadSavingTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        oldDownloadDir_ = qgetenv("XDG_DOWNLOAD_DIR");
        hadDownloadDir_ = qEnvironmentVariableIsSet("XDG_DOWNLOAD_DIR");
        qunsetenv("XDG_DOWNLOAD_DIR");
        ASSERT_TRUE(startProgram());
        tab = openTab();
        ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
        chosen = home.path() + QStringLiteral("/chosen");
        ASSERT_TRUE(QDir().mkpath(chosen));
        services.clearRecords();
    }
    void TearDown() override {
        if (hadDownloadDir_)
            qputenv("XDG_DOWNLOAD_DIR", oldDownloadDir_);
        else
            qunsetenv("XDG_DOWNLOAD_DIR");
        PageTest::TearDown();
    }

    // A reply at `path` with these bytes as its Content-Disposition (none when empty).
    QByteArray serve(const QString& path, const QByteArray& disposition) {
        TestHttpServer::Response reply;
        reply.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("application/octet-stream")));
        if (!disposition.isEmpty()) reply.headers.append(qMakePair(QByteArray("Content-Disposition"), disposition));
        reply.body = QByteArray("PK data ") + path.toUtf8();
        server.addRoute(server.url(path).path(QUrl::FullyEncoded), reply);  // as it is sent
        return reply.body;
    }
    // Starts the download of `path` in the tab and waits for its Save As box.
    bool startDownload(const QString& path) {
        const size_t before = services.boxes(ShownBox::SaveFile).size();
        f1().WebBrowser1(tab).Navigate(server.urlText(path));
        return waitFor([&] { return services.boxes(ShownBox::SaveFile).size() > before; });
    }
    static QByteArray contents(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QStringList entries(const QString& dir) const {
        return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }
    QString lastStartFolder() const { return services.boxes(ShownBox::SaveFile).back().defaultText; }

    int tab = 0;
    QString chosen;

private:
    QByteArray oldDownloadDir_;
    bool hadDownloadDir_ = false;
};

TEST_F(DownloadSavingTest, TheSaveBoxStartsInTheDownloadFolderThenInTheFolderLastUsed) {
    const QString homeDir = home.path();
    serve("/f/a.zip", "attachment; filename=\"a.zip\"");
    struct Case {
        const char* what;
        std::function<void()> prepare;
        QString startFolder;  // offered by the box, and made when it was missing
        bool save;            // the user saves in `chosen` (else cancels)
    };
    const QString userDirs = homeDir + QStringLiteral("/.config/user-dirs.dirs");
    const QString envDir = homeDir + QStringLiteral("/from-env/dl");
    const Case cases[] = {
        {"no download folder yet: ~/Downloads, made",
         [] {},
         homeDir + QStringLiteral("/Downloads"), false},
        {"the user's folders name one",
         [&] {
             QDir().mkpath(homeDir + QStringLiteral("/.config"));
             QFile out(userDirs);
             out.open(QIODevice::WriteOnly | QIODevice::Truncate);
             out.write("# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/桌面\"\nXDG_DOWNLOAD_DIR=\"$HOME/我的 下载\"\n");
         },
         homeDir + QStringLiteral("/我的 下载"), false},
        {"the environment names one",
         [&] { qputenv("XDG_DOWNLOAD_DIR", envDir.toUtf8()); },
         envDir, true},
        {"then the folder last used",
         [] {},
         chosen, true},
        {"the folder last used is gone: the download folder again",
         [&] { QDir(chosen).removeRecursively(); },
         envDir, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        if (c.save) {
            QDir().mkpath(chosen);
            services.queueSaveInFolder(chosen);
        } else {
            services.queueSaveFile(QString());
        }
        ASSERT_TRUE(startDownload("/f/a.zip"));
        EXPECT_EQ(lastStartFolder().toStdString(), c.startFolder.toStdString());
        EXPECT_TRUE(QFileInfo(c.startFolder).isDir());
        EXPECT_NE(QDir(lastStartFolder()).canonicalPath().toStdString(), QDir::current().canonicalPath().toStdString());
        if (c.save) {
            EXPECT_TRUE(waitFor([&] { return QFile::exists(chosen + QStringLiteral("/a.zip")); }));
            QFile::remove(chosen + QStringLiteral("/a.zip"));
        }
    }
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
}

TEST_F(DownloadSavingTest, ASaveIntoTheProgramsOwnFolderTreeIsRefused) {
    const QString program = folder.path();
    const QByteArray navigationPage = contents(program + QStringLiteral("/导航.html"));
    ASSERT_FALSE(navigationPage.isEmpty());
    const QByteArray settings = contents(program + QStringLiteral("/txt/应用.txt"));
    const QByteArray icon = contents(program + QStringLiteral("/pifu/0.ico"));
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("/links")));
    ASSERT_TRUE(QFile::link(program, home.path() + QStringLiteral("/links/程序")));
    ASSERT_TRUE(QFile::link(program + QStringLiteral("/导航.html"), chosen + QStringLiteral("/nav.html")));
    struct Case {
        const char* path;
        QByteArray disposition;
        QString folder;  // where the user saves it under the name offered
        QString target;  // the file refused
    };
    const Case cases[] = {
        {"/p/1", "attachment; filename=\"导航.html\"", program, program + QStringLiteral("/导航.html")},
        {"/p/2/导航.html", "", program, program + QStringLiteral("/导航.html")},
        {"/p/3", "attachment; filename*=UTF-8''Zelvaro%E6%B5%8F%E8%A7%88%E5%99%A8", program,
         program + QStringLiteral("/Zelvaro浏览器")},
        {"/p/4", "attachment; filename=\"应用.txt\"", program + QStringLiteral("/txt"),
         program + QStringLiteral("/txt/应用.txt")},
        {"/p/5", "attachment; filename=\"view.html\"", program + QStringLiteral("/html"),
         program + QStringLiteral("/html/view.html")},
        {"/p/6", "attachment; filename=\"0.ico\"", program + QStringLiteral("/pifu"),
         program + QStringLiteral("/pifu/0.ico")},
        // Through a link to the program folder, and through a link that stands for the navigation page.
        {"/p/7", "attachment; filename=\"导航.html\"", home.path() + QStringLiteral("/links/程序"),
         home.path() + QStringLiteral("/links/程序/导航.html")},
        {"/p/8", "attachment; filename=\"nav.html\"", chosen, chosen + QStringLiteral("/nav.html")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        serve(QString::fromUtf8(c.path), c.disposition);
        services.clearRecords();
        services.queueSaveInFolder(c.folder);
        ASSERT_TRUE(startDownload(QString::fromUtf8(c.path)));
        ASSERT_TRUE(waitFor([&] { return !services.messages().isEmpty(); }));
        settle(200);
        const std::vector<ShownBox> messages = services.boxes(ShownBox::Message);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt.toStdString(), (QStringLiteral("下载失败，不能保存到程序自己的文件夹：") + c.target).toStdString());
        EXPECT_EQ(messages[0].style & 0x70, int(ui::vbCritical));
    }
    EXPECT_EQ(contents(program + QStringLiteral("/导航.html")), navigationPage);
    EXPECT_EQ(contents(program + QStringLiteral("/txt/应用.txt")), settings);
    EXPECT_FALSE(QFile::exists(program + QStringLiteral("/Zelvaro浏览器")));
    EXPECT_FALSE(QFile::exists(program + QStringLiteral("/html/view.html")));
    EXPECT_EQ(contents(program + QStringLiteral("/pifu/0.ico")), icon);
    EXPECT_TRUE(QFileInfo(chosen + QStringLiteral("/nav.html")).isSymLink());
}

TEST_F(DownloadSavingTest, APageSavedWithSaveAsFollowsTheSameRules) {
    const QString program = folder.path();
    const QByteArray navigationPage = contents(program + QStringLiteral("/导航.html"));
    const QString page = server.url(QStringLiteral("/s/导航.html")).path(QUrl::FullyEncoded);
    ASSERT_TRUE(load(tab, servePage(page, titled("假导航", "<p>x</p>")), QStringLiteral("/s/")));
    // Into the program folder: refused, nothing written.
    services.queueSaveInFolder(program);
    f1().WebBrowser1(tab).ExecWB(web::kExecSaveAs, 0);
    ASSERT_EQ(services.boxes(ShownBox::SaveFile).size(), 1u);
    EXPECT_EQ(services.boxes(ShownBox::SaveFile)[0].prompt.toStdString(), "导航.html");
    EXPECT_EQ(lastStartFolder().toStdString(), (home.path() + QStringLiteral("/Downloads")).toStdString());
    EXPECT_EQ(services.messages().join('|').toStdString(),
              (QStringLiteral("保存失败，不能保存到程序自己的文件夹：") + program + QStringLiteral("/导航.html")).toStdString());
    EXPECT_EQ(contents(program + QStringLiteral("/导航.html")), navigationPage);
    // Elsewhere: saved, and the next box starts there.
    services.clearRecords();
    services.queueSaveInFolder(chosen);
    f1().WebBrowser1(tab).ExecWB(web::kExecSaveAs, 0);
    EXPECT_TRUE(contents(chosen + QStringLiteral("/导航.html")).contains("假导航")) << entries(chosen).join('|').toStdString();
    f1().WebBrowser1(tab).ExecWB(web::kExecSaveAs, 0);
    EXPECT_EQ(lastStartFolder().toStdString(), chosen.toStdString());
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
}

TEST_F(DownloadSavingTest, NamesAreOfferedCleanedWithTheirExtensionAndSavedInTheChosenFolder) {
    struct Case {
        const char* path;
        QByteArray disposition;
        QString name;  // offered and saved
    };
    const Case cases[] = {
        // Hidden names: their leading dots go.
        {"/c/1", "attachment; filename=\".bashrc\"", "bashrc"},
        {"/c/2", "attachment; filename=...profile.txt", "profile.txt"},
        {"/c/3", "attachment; filename*=UTF-8''.ssh%2F.authorized_keys", "authorized_keys"},
        {"/c/.bashrc", "", "bashrc"},
        {"/c/5", "attachment; filename=\"dir/.hidden\"", "hidden"},
        // Control characters, line breaks and quotes become "_"; the extension stays.
        {"/c/6", "attachment; filename*=UTF-8''a%0Ab.zip", "a_b.zip"},
        {"/c/7", "attachment; filename*=UTF-8''a%0D%0Ab.zip", "a__b.zip"},
        {"/c/8", "attachment; filename*=UTF-8''a%00b.zip", "a_b.zip"},
        {"/c/9", QByteArray("attachment; filename=\"a\0b.zip\"", 30), "a_b.zip"},
        {"/c/10", "attachment; filename*=UTF-8''a%09b%1Bc%7F.zip", "a_b_c_.zip"},
        {"/c/11", "attachment; filename=\"say \\\"hi\\\".txt\"", "say _hi_.txt"},
        {"/c/12", "attachment; filename=a\"b.zip", "a_b.zip"},
        {"/c/13", "attachment; filename=\"a;b.zip\"; size=3", "a;b.zip"},
        {"/c/14", "attachment; filename*=UTF-8''evil%E2%80%AEtxt.exe", "evil_txt.exe"},
        {"/c/a%0Ab%22c.zip", "", "a_b_c.zip"},
        {"/c/a%00b.zip", "", "a_b.zip"},
        // Kept whole: Chinese in UTF-8 and GBK, Hangul and emoji, blanks inside.
        {"/c/17", "attachment; filename=\"报告 2026.zip\"", "报告 2026.zip"},
        {"/c/18", "attachment; filename*=UTF-8''%ED%95%9C%EA%B8%80%F0%9F%98%80.txt", "한글😀.txt"},
        {"/c/19", QByteArray("attachment; filename=\"") + QByteArray("\xb1\xa8\xb8\xe6.doc") + "\"", "报告.doc"},
        {"/c/资料.pdf", "", "资料.pdf"},
        // Nothing left of the name: the address's last part, else "download".
        {"/c/21", "attachment; filename=\"...\"", "21"},
        {"/c/", "attachment; filename=\".\"", "download"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const QByteArray body = serve(QString::fromUtf8(c.path), c.disposition);
        services.clearRecords();
        services.queueSaveInFolder(chosen);
        ASSERT_TRUE(startDownload(QString::fromUtf8(c.path)));
        EXPECT_EQ(services.boxes(ShownBox::SaveFile).back().prompt.toStdString(), c.name.toStdString());
        const QString file = chosen + QLatin1Char('/') + c.name;
        EXPECT_TRUE(waitFor([&] { return contents(file) == body; })) << entries(chosen).join('|').toStdString();
        settle(50);
        EXPECT_EQ(entries(chosen).join('|').toStdString(), c.name.toStdString());
        EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
        for (const QString& e : entries(chosen)) QFile::remove(chosen + QLatin1Char('/') + e);
    }
    EXPECT_TRUE(entries(home.path()).filter(QStringLiteral("bashrc")).isEmpty());
}

TEST_F(DownloadSavingTest, ANameTooLongForTheFolderIsRefusedWithTheMessage) {
    const QString name = QString(300, QLatin1Char('n')) + QStringLiteral(".zip");
    serve("/long", "attachment; filename=\"" + name.toUtf8() + "\"");
    services.queueSaveInFolder(chosen);
    ASSERT_TRUE(startDownload("/long"));
    EXPECT_EQ(services.boxes(ShownBox::SaveFile).back().prompt.toStdString(), name.toStdString());
    ASSERT_TRUE(waitFor([&] { return !services.messages().isEmpty(); }));
    EXPECT_EQ(services.messages().join('|').toStdString(), (QStringLiteral("下载失败：") + name).toStdString());
    EXPECT_TRUE(entries(chosen).isEmpty());
}

}  // namespace
