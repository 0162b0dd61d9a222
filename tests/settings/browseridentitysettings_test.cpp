// The page 其他: the thirteen presets, the User-Agent text stored on a double-click, and the document
// mode written to the setting and to the registry.
#include "pages_fixture.h"

#include "forms/documentmode.h"
#include "platform/rt/error.h"
#include "platform/sys/registry.h"
#include "settings/browseridentitysettings.h"
#include "settings/settingswindow.h"

namespace {

const QString kModeValue = QStringLiteral(
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION\\"
    "Zelvaro浏览器.exe");

QString registryMode() {
    try {
        return sys::Registry::RegRead(kModeValue).toString();
    } catch (const rt::RuntimeError&) {
        return QStringLiteral("<absent>");
    }
}

}  // namespace

// Choosing a preset puts its string into the box, character for character, and stores nothing.
TEST_F(PagesTest, PresetsFillTheTextExactly) {
    const char* const strings[] = {
        "Mozilla/5.0 (Windows NT 10.0) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/42.0.2311.135 Safari/537.36 Edge/12.10240",
        "Mozilla/5.0 (Windows NT 6.1) AppleWebKit/525.13 (KHTML, like Gecko) Chrome/42.0.2311.135 Safari/525.13",
        "Mozilla/5.0 (Windows NT 6.1) Gecko/20070309 Firefox/2.0.0.3",
        "Opera/9.20  (Windows NT 6.1) Opera/9.20",
        "Mozilla/5.0 (Macintosh; PPC Mac OS X) AppleWebKit/419 (KHTML, like Gecko) Safari/419.3",
        "Mozilla/4.0 (Windows NT 5.1; MSIE 8.0)",
        "Mozilla/4.0 (Windows NT 5.1; MSIE 7.0)",
        "Mozilla/4.0 (Windows NT 5.1; MSIE 6.0)",
        "Mozilla/5.0(iPad; U; CPU iPhone OS 3_2 like Mac OS X; en-us) AppleWebKit/531.21.10 (KHTML, like Gecko) Version/4.0.4 Mobile/7B314 Safari/531.21.10",
        "Mozilla/5.0 (iPhone; U; CPU like Mac OS X; en) AppleWebKit/420+ (KHTML, like Gecko) Version/3.0 Mobile/1A543a Safari/419.3",
        "NokiaN90-1/3.0545.5.1 Series60/2.8 Profile/MIDP-2.0 Configuration/CLDC-1.1",
        "Baiduspider+(+http://www.baidu.com/search/spider.htm)",
        "Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)",
    };
    app("呈现伪造", "Stored/1.0");
    Form5& w = open();
    EXPECT_EQ(w.Text5.text(), "Stored/1.0");
    for (int i = 12; i >= 0; --i) {
        w.Combo1.setListIndex(i);
        EXPECT_EQ(w.Text5.text(), QString::fromUtf8(strings[i])) << w.Combo1.text().toStdString();
    }
    EXPECT_EQ(app("呈现伪造"), "Stored/1.0");
    EXPECT_FALSE(indicatorShown(w));
    // Closed without a double-click: the stored text stays.
    close(w);
    EXPECT_EQ(app("呈现伪造"), "Stored/1.0");
    EXPECT_EQ(open().Text5.text(), "Stored/1.0");
}

TEST_F(PagesTest, UserAgentTextIsStoredOnADoubleClickWithLineBreaksAsBlanks) {
    Form5& w = open();
    w.Combo1.setListIndex(3);
    w.Text5.onDblClick();
    EXPECT_EQ(app("呈现伪造"), "Opera/9.20  (Windows NT 6.1) Opera/9.20");
    EXPECT_TRUE(indicatorShown(w));
    EXPECT_EQ(w.widget()->focusWidget(), w.Text1(1).widget());

    w.Text5.setText("Agent/1.0\r\nX-Injected: yes\nmore");
    w.Text5.onDblClick();
    EXPECT_EQ(app("呈现伪造"), "Agent/1.0 X-Injected: yes more");
    EXPECT_EQ(w.Text5.text(), "Agent/1.0 X-Injected: yes more");

    indicatorGone();
    w.Text5.setText("");
    w.Text5.onDblClick();
    EXPECT_EQ(app("呈现伪造"), "");
    EXPECT_TRUE(indicatorShown(w));
}

// A mode writes IE and then the engine's number; "新版本" writes neither but shows the indicator.
TEST_F(PagesTest, DocumentModeWritesTheSettingAndTheRegistryValue) {
    const int numbers[] = {7000, 8000, 8888, 9000, 9999, 10000, 10001, 11000, 11001};
    app("IE", "12001");
    Form5& w = open();
    ASSERT_EQ(w.Combo2.listCount(), 10);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        indicatorGone();
        w.Combo2.setListIndex(i);
        EXPECT_EQ(app("IE"), QString::fromUtf8(forms::kDocumentModes[i].setting));
        EXPECT_EQ(registryMode(), QString::number(numbers[i]));
        EXPECT_TRUE(indicatorShown(w));
    }
    indicatorGone();
    w.Combo2.setListIndex(9);
    EXPECT_EQ(w.Combo2.text(), "新版本");
    EXPECT_EQ(app("IE"), "ie11.9");
    EXPECT_EQ(registryMode(), "11001");
    EXPECT_TRUE(indicatorShown(w));
}

// The setting is written first: a registry that refuses the write leaves the setting written.
TEST_F(PagesTest, DocumentModeKeepsTheSettingWhenTheRegistryRefuses) {
    app("IE", "ie7.0");
    Form5& w = open();
    EXPECT_EQ(registryMode(), "7000");  // the load writes the stored mode again
    sys::Registry::setWritesRefused("HKEY_CURRENT_USER", true);
    w.Combo2.setListIndex(2);
    sys::Registry::clearRefusedWrites();
    EXPECT_EQ(app("IE"), "ie8.9");
    EXPECT_EQ(registryMode(), "7000");
    EXPECT_TRUE(indicatorShown(w));
}

TEST_F(PagesTest, UserAgentSwitchHint) {
    Form5& w = open();
    w.Check2.onMouseMove(0, 0, 100, 10);
    EXPECT_EQ(w.Label3.caption(), "勾选：伪装网页，刷新和不是新窗口的无效(双击文本框保存)");
    EXPECT_EQ(w.Picture2.top(), w.Check2.top() + 2270);
    EXPECT_EQ(w.Picture2.left(), 1250);
}

// The stored text is the header the next navigation sends.
TEST_F(PagesTest, StoredUserAgentGoesOutWithTheNextTypedAddress) {
    Form5& w = open();
    w.Text5.setText("Agent/2.0\r\nX-Evil: 1");
    w.Text5.onDblClick();
    leftClick(w.Check2);
    ASSERT_EQ(app("UA"), "1");
    EXPECT_EQ(storedSetting("呈现伪造"), "Agent/2.0 X-Evil: 1");
}
