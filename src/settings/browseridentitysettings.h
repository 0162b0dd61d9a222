#pragma once
// The page 其他 of the settings window: how the browser presents itself and renders pages.
//
//   Check2  开启: the User-Agent override (key, texts and hint: the table `switches()`, used as
//           settingeditors.h says).
//   Combo1  the presets of kPresets: choosing one puts its string into Text5, character for character;
//           nothing is stored.
//   Text5   the User-Agent text 呈现伪造, stored only on a double-click on the box (the focus then goes
//           to the start-page field). The text becomes a request header and the settings file holds
//           one line per value: each line break is stored as one blank, and the box then shows the
//           text as stored.
//   Combo2  the document mode (forms::kDocumentModes): a choice of one of the offered modes writes IE
//           ("ie7.0" .. "ie11.9") and then the engine's number into the registry value (7000 ..
//           11001); "新版本" writes neither. Every choice shows the save indicator. The mode takes effect
//           at the next start.
#include "settings/settingeditors.h"

#include <QString>

class Form5;

class BrowserIdentitySettings {
public:
    // Sets Check2's mouse up, keyboard toggle and mouse move, the clicks of Combo1 and Combo2, and
    // Text5's double-click.
    explicit BrowserIdentitySettings(Form5& w);
    BrowserIdentitySettings(const BrowserIdentitySettings&) = delete;
    BrowserIdentitySettings& operator=(const BrowserIdentitySettings&) = delete;

    void Check2_MouseUp(int Button);
    void Check2_MouseMove(double X);
    void Combo1_Click();
    void Text5_DblClick();
    void Combo2_Click();

    // A User-Agent preset: its item in Combo1 and the string it puts into Text5 (both UTF-8).
    struct Preset {
        const char* caption;
        const char* string;
    };
    // The presets in the order of the list; the load shows the first one's caption.
    static constexpr Preset kPresets[] = {
        {"[ 模版 ]",
         "Mozilla/5.0 (Windows NT 10.0) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/42.0.2311.135 Safari/537.36 "
         "Edge/12.10240"},
        {"Chrome 525.13",
         "Mozilla/5.0 (Windows NT 6.1) AppleWebKit/525.13 (KHTML, like Gecko) Chrome/42.0.2311.135 Safari/525.13"},
        {"FireFox 2.0", "Mozilla/5.0 (Windows NT 6.1) Gecko/20070309 Firefox/2.0.0.3"},
        {"Opera 9.0", "Opera/9.20  (Windows NT 6.1) Opera/9.20"},
        {"Safari 2.0", "Mozilla/5.0 (Macintosh; PPC Mac OS X) AppleWebKit/419 (KHTML, like Gecko) Safari/419.3"},
        {"Internet Explorer 8.0", "Mozilla/4.0 (Windows NT 5.1; MSIE 8.0)"},
        {"Internet Explorer 7.0", "Mozilla/4.0 (Windows NT 5.1; MSIE 7.0)"},
        {"Internet Explorer 6.0", "Mozilla/4.0 (Windows NT 5.1; MSIE 6.0)"},
        {"iPad",
         "Mozilla/5.0(iPad; U; CPU iPhone OS 3_2 like Mac OS X; en-us) AppleWebKit/531.21.10 (KHTML, like Gecko) "
         "Version/4.0.4 Mobile/7B314 Safari/531.21.10"},
        {"iPhone",
         "Mozilla/5.0 (iPhone; U; CPU like Mac OS X; en) AppleWebKit/420+ (KHTML, like Gecko) Version/3.0 "
         "Mobile/1A543a Safari/419.3"},
        {"Nokia N90", "NokiaN90-1/3.0545.5.1 Series60/2.8 Profile/MIDP-2.0 Configuration/CLDC-1.1"},
        {"百度蜘蛛", "Baiduspider+(+http://www.baidu.com/search/spider.htm)"},
        {"谷歌机器人", "Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)"},
    };

    // The switch of the page: Check2.
    static settings::SwitchTable switches();

    // The User-Agent text as it is stored: each line break a blank.
    static QString storedUserAgent(const QString& text);

private:
    void storeSwitch();

    Form5& w;
};
