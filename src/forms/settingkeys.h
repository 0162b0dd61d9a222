#pragma once
// The settings files of the `txt` folder and the names of their keys. Reading and writing them is
// forms/settings.h.
//
// Keys are named constants grouped by their file (`appkey::UA`, `fgkey::网页右移`, `yuyankey::表格头`)
// and checked against the shipped files by the tests. Keys built at run time (menu captions
// "CNB01".., search engines "搜索名字1"..) are read by file and name.
#include <QString>

#include <vector>

namespace forms {

// The one section of every settings and text file.
inline const QString kSection = QStringLiteral("Zelvaro");

// The text files of the `txt` folder that hold keys.
enum class Txt {
    App,      // 应用.txt: application options, tab look, hot keys, browser identity
    Fg,       // fg.txt: window colours, fonts, glyph captions, skin picture, rectangle, list colours
    Yuyan,    // 语言.txt: HTML snippets and lists of the generated pages (shipped, never written)
    Youjian,  // 右键.txt: captions of the program's own menus (shipped, never written)
    Sousuo,   // sousuo.txt: the nine search engines (shipped, never written)
};

// The full path of a file: the program folder followed by "\txt\" and the file's name.
QString txtPath(Txt file);

// A key of one of the files.
struct Key {
    Txt file;
    const char* name;  // UTF-8
    QString text() const { return QString::fromUtf8(name); }
};

// The keys of 应用.txt, fg.txt and 语言.txt, in the order of the shipped files.
#define ZV_APP_KEYS(X)                                                                                   \
    X(软件命名) X(启动主页) X(默认浏览器) X(快捷方式) X(连接提示) X(网页右键) X(关闭拖拽) X(退出确认)    \
    X(网址栏框) X(禁止拖拽) X(禁止滚轮) X(禁止选中) X(禁止左键) X(过滤连接) X(Lv20) X(Zelvaro设置)       \
    X(打字搜索) X(切换右键) X(收藏历史) X(网页历史) X(下载历史) X(大化窗口) X(小化窗口) X(退出软件)      \
    X(拖入图片) X(宽度) X(高度) X(大小) X(字体) X(字数) X(固定宽度) X(双击关闭) X(弹出小化)              \
    X(Flash按钮) X(字体加粗) X(当前标签) X(字体颜色1) X(字体颜色2) X(文字颜色) X(加载颜色) X(UA)         \
    X(呈现伪造) X(IE) X(搜索引擎) X(框架不加载) X(脚本被删除) X(框架被删除) X(标签打开) X(左边中间)       \
    X(字节) X(标签颜色)
#define ZV_FG_KEYS(X)                                                                                    \
    X(界面图片) X(背景0) X(颜色1) X(颜色2) X(颜色3) X(窗口边框) X(按钮边框) X(小化) X(大化) X(关闭)      \
    X(字体) X(界面颜色) X(界面边距) X(网页右移) X(网页左减) X(网页长度) X(左右) X(上下) X(宽度) X(高度)  \
    X(时间颜色) X(网址颜色) X(目标颜色)
#define ZV_YUYAN_KEYS(X)                                                                                 \
    X(网页挂了) X(表格头) X(表格尾) X(背景色1) X(背景色2) X(颜色名称1) X(颜色名称2) X(iscript)           \
    X(button1) X(button2) X(button3) X(script1) X(script2) X(script3)

namespace appkey {
#define ZV_DEFINE_KEY(k) inline constexpr Key k{Txt::App, #k};
ZV_APP_KEYS(ZV_DEFINE_KEY)
#undef ZV_DEFINE_KEY
}  // namespace appkey
namespace fgkey {
#define ZV_DEFINE_KEY(k) inline constexpr Key k{Txt::Fg, #k};
ZV_FG_KEYS(ZV_DEFINE_KEY)
#undef ZV_DEFINE_KEY
}  // namespace fgkey
namespace yuyankey {
#define ZV_DEFINE_KEY(k) inline constexpr Key k{Txt::Yuyan, #k};
ZV_YUYAN_KEYS(ZV_DEFINE_KEY)
#undef ZV_DEFINE_KEY
}  // namespace yuyankey

// Every named key, file by file.
const std::vector<Key>& allKeys();

}  // namespace forms
