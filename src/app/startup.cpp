#include "app/startup.h"

#include "forms/programfiles.h"
#include "forms/settings.h"
#include "forms/useragent.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/jobs.h"
#include "forms/windowlimits.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/settingsfile.h"
#include "platform/sys/shell.h"
#include "platform/sys/textfile.h"
#include "platform/ui/controls.h"
#include "platform/ui/services.h"

#include <QByteArray>
#include <QPixmap>
#include <QRectF>

#include <optional>

namespace {

// The runtime's "invalid property value": a font setting that is empty names no font.
constexpr int kInvalidPropertyValue = 380;

void setFont(ui::Control& c, const QString& name) {
    if (name.isEmpty()) rt::raise(kInvalidPropertyValue);
    c.setFontName(name);
}

// A stored colour as the platform colour number ("&H8000000F" is the system colour 0x8000000F).
ui::Color colour(const QString& text) { return ui::Color(quint32(rt::toColor(text))); }


// The hot-key buttons and the settings that hold their letters.
struct HotKey {
    int index;
    forms::Key key;
};
const HotKey kHotKeys[] = {
    {11, forms::appkey::Zelvaro设置}, {12, forms::appkey::打字搜索}, {13, forms::appkey::切换右键},
    {14, forms::appkey::收藏历史},    {15, forms::appkey::网页历史}, {16, forms::appkey::下载历史},
    {17, forms::appkey::大化窗口},    {18, forms::appkey::小化窗口}, {19, forms::appkey::退出软件},
    {21, forms::appkey::拖入图片},
};

// A command line that names a local file rather than an address: a path with a drive (":\"), an
// absolute path, or a file address, double quotes around it allowed.
bool isLocalPath(const QString& commandLine) {
    if (commandLine.contains(QLatin1String(":\\"))) return true;
    const QString bare = QString(commandLine).remove(QLatin1Char('"'));
    return bare.startsWith(QLatin1Char('/')) || bare.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

// The settings files of the program folder.
const forms::Txt kSettingsFiles[] = {forms::Txt::App, forms::Txt::Fg, forms::Txt::Sousuo, forms::Txt::Youjian,
                                     forms::Txt::Yuyan};

// The keys the program reads from a settings file (what tells a file an editor saved as UTF-8): its
// named keys, and the first of those built at run time.
QStringList programKeys(forms::Txt file) {
    QStringList keys;
    for (const forms::Key& k : forms::allKeys())
        if (k.file == file) keys << k.text();
    if (file == forms::Txt::Youjian) {
        for (const char* k : {"CNA01", "CNB01", "CNC01", "CND01", "CNE01"}) keys << QString::fromLatin1(k);
    }
    if (file == forms::Txt::Sousuo) {
        for (int i = 1; i <= 9; ++i)
            keys << QStringLiteral("搜索名字") + QString::number(i) << QStringLiteral("搜索连接") + QString::number(i);
    }
    return keys;
}

// The record files of the program folder.
const char* const kRecordFiles[] = {"\\导航.html", "\\txt\\网址.html", "\\txt\\xiazai.html", "\\txt\\liulan.txt"};

// Before anything reads a setting or a record: the leftovers of rewrites cut short go, and each
// settings file and record file is looked at once. A file an editor saved as UTF-8 is converted back
// to GBK (the user is told once, for all of them); a settings file that is missing, cannot be read or
// lacks the section is named in a message, and the program goes on.
void checkProgramFiles() {
    for (const char* tail : {"", "\\txt", "\\html"})
        rt::step([&] { sys::removeInterruptedRewrites(sys::appPath() + QString::fromUtf8(tail)); });
    QStringList converted;
    for (const forms::Txt txt : kSettingsFiles) {
        rt::step([&] {
            const QString file = forms::txtPath(txt);
            const QString shown = sys::nativePath(file);
            const QString sectionLine = QLatin1Char('[') + forms::kSection + QLatin1Char(']');
            switch (sys::checkSettingsFile(file, forms::kSection, programKeys(txt))) {
            case sys::SettingsFileState::Converted:
                converted << shown;
                break;
            case sys::SettingsFileState::NotConverted:
                ui::services().msgBox(QStringLiteral("设置文件是UTF-8编码，无法转换为GBK：") + shown, ui::vbExclamation,
                                      QString());
                break;
            case sys::SettingsFileState::Missing:
                ui::services().msgBox(QStringLiteral("设置文件找不到：") + shown, ui::vbExclamation, QString());
                break;
            case sys::SettingsFileState::Unreadable:
                ui::services().msgBox(QStringLiteral("设置文件无法读取：") + shown, ui::vbExclamation, QString());
                break;
            case sys::SettingsFileState::NoSection:
                ui::services().msgBox(QStringLiteral("设置文件缺少") + sectionLine + QStringLiteral("：") + shown,
                                      ui::vbExclamation, QString());
                break;
            case sys::SettingsFileState::Fine:
                break;
            }
        });
    }
    for (const char* tail : kRecordFiles) {
        rt::step([&] {
            const QString file = sys::appPath() + QString::fromUtf8(tail);
            switch (sys::checkRecordFile(file)) {
            case sys::SettingsFileState::Converted:
                converted << sys::nativePath(file);
                break;
            case sys::SettingsFileState::NotConverted:
                ui::services().msgBox(QStringLiteral("记录文件是UTF-8编码，无法转换为GBK：") + sys::nativePath(file),
                                      ui::vbExclamation, QString());
                break;
            default:  // a missing or unreadable record file is the record code's to handle
                break;
            }
        });
    }
    if (!converted.isEmpty()) {
        rt::step([&] {
            ui::services().msgBox(QStringLiteral("文件已从UTF-8转换为GBK编码，原文件加后缀.utf8保留：\n") +
                                      converted.join(QLatin1Char('\n')),
                                  ui::vbInformation, QString());
        });
    }
}

}  // namespace

Startup::Startup(Form1& f, Form4& menus, const QString& commandLine)
    : f_(f), menus_(menus), commandLine_(commandLine), engine_(menus) {
    f_.onLoad = [this] { Form_Load(); };
}

bool Startup::Form_Initialize() {
    if (!sys::folderExists(sys::appPath() + QStringLiteral("\\txt"))) {
        ui::refuse(QStringLiteral("启动失败，txt文件夹找不到"));
        ui::services().exitProcess(1);
        return false;
    }
    checkProgramFiles();
    if (forms::read(forms::appkey::快捷方式) == QStringLiteral("有")) writeDesktopShortcut();
    return true;
}

void Startup::writeDesktopShortcut() {
    const QString folder = sys::appPath();
    std::optional<sys::Shortcut> link;
    rt::step([&] {
        const QString desktop = sys::Shell::specialFolder(QStringLiteral("Desktop"));
        if (desktop.isEmpty()) rt::raise(rt::PathNotFound);
        link.emplace(sys::Shell::createShortcut(desktop + QStringLiteral("\\Zelvaro浏览器.lnk")));
    });
    if (!link) return;
    rt::step([&] { link->setIconLocation(folder + QStringLiteral("\\pifu\\桌面1.ico")); });
    rt::step([&] { link->setTargetPath(folder + QStringLiteral("\\") + app::kExeName); });
    rt::step([&] { link->setHotkey(QStringLiteral("ALT+CTRL+S")); });
    rt::step([&] { link->setWorkingDirectory(folder); });
    rt::step([&] { link->setDescription(QString()); });
    rt::step([&] { link->save(); });
}

Startup::Navigation Startup::firstNavigation(const QString& commandLine) {
    if (rt::len(commandLine) > 9) {
        if (isLocalPath(commandLine)) return {QString(commandLine).remove(QLatin1Char('"')), QString()};
        return {commandLine, forms::userAgentHeader()};
    }
    const QString start = forms::read(forms::appkey::启动主页);
    if (start == QStringLiteral("导航.html")) return {sys::nativePath(forms::navPagePath()), QString()};
    if (rt::len(start) < 4) return {QStringLiteral("about:blank"), QString()};
    return {start, forms::userAgentHeader()};
}

void Startup::loadNavigationPage() {
    const QString file = forms::navPagePath();
    if (sys::fileExists(file)) {
        // A file that cannot be read adds nothing.
        rt::step([&] {
            const QStringList lines = sys::readLines(file);
            for (const QString& line : lines) f_.List1.addItem(line);
        });
    } else {
        rt::step([&] { f_.Command3.press(); });
    }
}

void Startup::Form_Load() {
    Form1& f = f_;
    const QString icon = forms::programIconPath();
    // 1. Icons: the file is read once for both (a step that could not read it reads it again).
    std::optional<QPixmap> picture;
    rt::step([&] {
        picture = ui::loadIcon(icon);
        f.setIcon(*picture);
    });
    rt::step([&] { f.Image1(1).setPicture(picture ? *picture : ui::loadIcon(icon)); });
    // 2. The home slot is in front; the window is not own-maximised.
    rt::step([&] { f.Label9.setCaption(QStringLiteral("1")); });
    rt::step([&] { f.setTag(QStringLiteral("0")); });
    // 3. The saved window rectangle, in one move; any value that is not a number skips it. The
    // rectangle is fitted into the screens' work areas first (not below the window's minimum), so a
    // value edited by hand or a screen that is gone never puts the window out of sight; the file keeps
    // what it holds until the exit saves the window's rectangle.
    rt::step([&] {
        const QRectF stored(rt::toDouble(forms::read(forms::fgkey::左右)), rt::toDouble(forms::read(forms::fgkey::上下)),
                            rt::toDouble(forms::read(forms::fgkey::宽度)), rt::toDouble(forms::read(forms::fgkey::高度)));
        const QRectF r = ui::fitIntoWorkArea(stored, f.minimumWidth(), f.minimumHeight());
        f.move(r.left(), r.top(), r.width(), r.height());
    });
    // 4. The frame-blocking counter; the fixed ends of the top and left border lines.
    rt::step([&] { f.Command8.setTag(QStringLiteral("0")); });
    rt::step([&] { f.Line1(1).setX1(0); });
    rt::step([&] { f.Line1(1).setY1(0); });
    rt::step([&] { f.Line1(1).setY2(0); });
    rt::step([&] { f.Line1(2).setX1(0); });
    rt::step([&] { f.Line1(2).setX2(0); });
    rt::step([&] { f.Line1(2).setY1(0); });
    // 5. The home browser does not skip the next layout.
    rt::step([&] { f.WebBrowser1(1).setTag(QStringLiteral("0")); });
    // 6. Dropping files and links on the home page.
    rt::step([&] { f.WebBrowser1(1).setRegisterAsDropTarget(rt::toBool(forms::read(forms::appkey::关闭拖拽))); });
    // 7. The navigation page's lines, or the default page written first.
    loadNavigationPage();
    // 8. The hot-key buttons lie above the client area, still enabled.
    for (int k = 11; k <= 21; ++k) rt::step([&] { f.Command2(k).setTop(-500); });
    // 9. 100 % is the current zoom.
    rt::step([&] { menus_.WYSF100(4).setEnabled(false); });
    rt::step([&] { menus_.WYSF100(4).setChecked(true); });
    // 10. The engine's registry settings and the open command.
    rt::step([&] { engine_.apply(); });
    // 23. The first page of the home slot, asked for as soon as the engine's switches are in: the
    // steps left only touch menus, looks and the caption, and run while the request is on its way
    // (nothing of the page arrives before the load has finished).
    rt::step([&] {
        const Navigation nav = firstNavigation(commandLine_);
        f.WebBrowser1(1).Navigate(nav.address, 0, QString(), QByteArray(), nav.headers);
    });
    // 11. The current search engine's name on the document menu.
    rt::step([&] {
        menus_.GIS100(3).setCaption(
            forms::read(forms::Txt::Sousuo, QStringLiteral("搜索名字") + forms::read(forms::appkey::搜索引擎)));
    });
    // 12. The default-browser check, one second from now, unless the setting is another number.
    if (forms::readNumber(forms::appkey::默认浏览器, 1) == 1) {
        rt::step([&] { forms::start(f, forms::Job::DefaultBrowserCheck); });
    }
    applyLooks();
    // 21. The window caption.
    rt::step([&] { f.setCaption(forms::read(forms::appkey::软件命名)); });
    // 22. A caption-less window that can still be minimised.
    rt::step([&] { f.Zelvaro窗口(f.hWnd(), 0, 0); });
}

// Load steps 13 to 20: alignment, fonts, colours and captions from the settings.
void Startup::applyLooks() {
    Form1& f = f_;
    // 13. The address text centred, or left-aligned for any other number.
    if (forms::readNumber(forms::appkey::左边中间, 1) == 1) {
        rt::step([&] { f.Text7.setAlignment(ui::vbCenter); });
        rt::step([&] { f.Label2(4).setAlignment(ui::vbCenter); });
    } else {
        rt::step([&] { f.Text7.setAlignment(ui::vbLeftJustify); });
        rt::step([&] { f.Label2(4).setAlignment(ui::vbLeftJustify); });
    }
    // 14. The Flash button's font.
    rt::step([&] { setFont(f.Command7, forms::read(forms::fgkey::字体)); });
    // 15. The tab labels (their height within what fits the window).
    for (int k = 2; k <= 10; ++k) {
        rt::step([&] { f.lv(k).setTop(0); });
        rt::step([&] { f.lv(k).setHeight(forms::tabHeightThatFits(rt::toDouble(forms::read(forms::appkey::高度)))); });
        rt::step([&] { f.lv(k).setFontSize(rt::toDouble(forms::read(forms::appkey::大小))); });
        rt::step([&] { setFont(f.lv(k), forms::read(forms::appkey::字体)); });
        rt::step([&] { f.lv(k).setFontBold(rt::toBool(forms::read(forms::appkey::字体加粗))); });
    }
    // 16. The address box, its label and its frame.
    rt::step([&] { f.Text7.setBackColor(colour(forms::read(forms::fgkey::背景0))); });
    rt::step([&] { f.Text7.setForeColor(colour(forms::read(forms::fgkey::颜色1))); });
    rt::step([&] { setFont(f.Text7, forms::read(forms::fgkey::字体)); });
    rt::step([&] { f.Label2(4).setForeColor(colour(forms::read(forms::fgkey::颜色1))); });
    rt::step([&] { setFont(f.Label2(4), forms::read(forms::fgkey::字体)); });
    rt::step([&] { f.Shape2(0).setBorderColor(colour(forms::read(forms::fgkey::按钮边框))); });
    // 17. The hot-key letters; Command2(20) keeps its caption and has no access key.
    for (const HotKey& h : kHotKeys) {
        rt::step([&] { f.Command2(h.index).setCaption(QStringLiteral("&") + forms::read(h.key)); });
    }
    // 18. Border lines and glyph frames take the colour of the first one.
    rt::step([&] { f.Line1(1).setBorderColor(colour(forms::read(forms::fgkey::窗口边框))); });
    for (int k = 2; k <= 4; ++k) rt::step([&] { f.Line1(k).setBorderColor(f.Line1(1).borderColor()); });
    rt::step([&] { f.Shape2(1).setBorderColor(colour(forms::read(forms::fgkey::按钮边框))); });
    for (int k = 2; k <= 3; ++k) rt::step([&] { f.Shape2(k).setBorderColor(f.Shape2(1).borderColor()); });
    // 19. Window colour, the title strip, and the three glyphs with their frames.
    rt::step([&] { f.setBackColor(colour(forms::read(forms::fgkey::背景0))); });
    rt::step([&] { f.Label2(0).setForeColor(colour(forms::read(forms::fgkey::颜色1))); });
    rt::step([&] { setFont(f.Label2(0), forms::read(forms::fgkey::字体)); });
    const forms::Key glyphKeys[] = {forms::fgkey::小化, forms::fgkey::大化, forms::fgkey::关闭};
    for (int k = 1; k <= 3; ++k) {
        rt::step([&] { f.Label2(k).setCaption(forms::read(glyphKeys[k - 1])); });
        rt::step([&] { f.Label2(k).setForeColor(f.Label2(0).foreColor()); });
        rt::step([&] {
            ui::Label& from = f.Label2(0);
            ui::Label& to = f.Label2(k);
            to.setFontName(from.fontName());
            to.setFontSize(from.fontSize());
            to.setFontBold(from.fontBold());
            to.setFontItalic(from.fontItalic());
            to.setFontUnderline(from.fontUnderline());
        });
        rt::step([&] { f.fitGlyph(k); });
        rt::step([&] { f.Shape2(k).setWidth(f.Label2(k).width()); });
    }
    // 20. The glyphs are as high as the tabs.
    for (int k = 1; k <= 3; ++k) {
        rt::step([&] { f.Label2(k).setHeight(f.lv(2).height()); });
        rt::step([&] { f.Shape2(k).setHeight(f.lv(2).height()); });
    }
}
