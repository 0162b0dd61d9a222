// Checks the program folder tree that ships in data/: the settings files, the shipped text files
// and the pictures. The files are read byte for byte from the source tree (ZV_DATA_DIR), so a file
// saved in the wrong encoding or with the wrong line ends fails here before the program reads it.
#include "platform/sys/inifile.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextCodec>
#include <QUrl>
#include <QVector>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

const int kMaxValueBytes = 665;  // the longest value the settings store reads back

QString dataPath(const QString& tail) { return QStringLiteral(ZV_DATA_DIR "/") + tail; }

QTextCodec* gbk() {
    QTextCodec* codec = QTextCodec::codecForName("GBK");
    EXPECT_NE(codec, nullptr) << "no GBK codec";
    return codec;
}

int gbkBytes(const QString& text) { return gbk()->fromUnicode(text).size(); }

struct Entry {
    QString key;
    QString value;
    int line = 0;  // 1-based line number in the file
};

// One shipped INI file, parsed from its raw bytes. Every deviation from the shipped form
// (GBK, CR LF, one section line [Zelvaro] first, key=value lines) is collected in `problems`.
struct IniFile {
    QString name;
    QByteArray raw;
    QVector<Entry> entries;
    QStringList problems;

    // The first value of a key (keys compare without regard to case), or a null string.
    QString value(const QString& key) const {
        for (const Entry& e : entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) return e.value;
        return QString();
    }
};

IniFile readIni(const QString& name) {
    IniFile ini;
    ini.name = name;
    QFile f(dataPath("txt/" + name));
    if (!f.open(QIODevice::ReadOnly)) {
        ini.problems << "cannot open " + f.fileName();
        return ini;
    }
    ini.raw = f.readAll();
    const QByteArray& raw = ini.raw;

    if (raw.startsWith("\xEF\xBB\xBF")) ini.problems << "starts with a UTF-8 byte order mark";
    if (raw.isEmpty() || !raw.endsWith("\r\n")) ini.problems << "last line does not end in CR LF";
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r'))
            ini.problems << QString("line feed without carriage return at byte %1").arg(i);
        if (raw[i] == '\r' && (i + 1 >= raw.size() || raw[i + 1] != '\n'))
            ini.problems << QString("carriage return without line feed at byte %1").arg(i);
        if (raw[i] == '\0') ini.problems << QString("NUL byte at %1").arg(i);
    }

    QTextCodec::ConverterState state;
    const QString text = gbk()->toUnicode(raw.constData(), raw.size(), &state);
    if (state.invalidChars != 0 || gbk()->fromUnicode(text) != raw)
        ini.problems << "not valid GBK text";

    // Chinese text saved as UTF-8 still decodes as GBK, only garbled. GBK text seldom forms
    // valid UTF-8 that holds Chinese characters, so a line that does was saved as UTF-8.
    const QList<QByteArray> rawLines = raw.split('\n');
    for (int i = 0; i < rawLines.size(); ++i) {
        const QByteArray& rl = rawLines[i];
        QTextCodec::ConverterState utf8State;
        const QString asUtf8 =
            QTextCodec::codecForName("UTF-8")->toUnicode(rl.constData(), rl.size(), &utf8State);
        const bool chinese = std::any_of(asUtf8.begin(), asUtf8.end(),
                                         [](QChar c) { return c.unicode() >= 0x2E80; });
        if (utf8State.invalidChars == 0 && chinese)
            ini.problems << QString("line %1 looks like UTF-8").arg(i + 1);
    }

    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (lines.isEmpty() || lines.first() != QLatin1String("[Zelvaro]"))
        ini.problems << "first line is not [Zelvaro]";

    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString where = QString("line %1: ").arg(i + 1);
        if (line.trimmed().isEmpty()) {
            ini.problems << where + "empty line";
            continue;
        }
        if (line.startsWith('[')) {
            ini.problems << where + "another section line " + line;
            continue;
        }
        if (line.startsWith(';')) {
            ini.problems << where + "comment line";
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq <= 0) {
            ini.problems << where + "not a key=value line: " + line;
            continue;
        }
        Entry e{line.left(eq), line.mid(eq + 1), i + 1};
        if (e.key != e.key.trimmed()) ini.problems << where + "blanks around the key " + e.key;
        // The store drops blanks around a value and the quotes of a quoted value: a shipped
        // value must read back exactly as written.
        if (!e.value.isEmpty() && (e.value.front().isSpace() || e.value.back().isSpace()))
            ini.problems << where + "blanks around the value of " + e.key;
        if (e.value.size() >= 2 && (e.value.front() == '"' || e.value.front() == '\'') &&
            e.value.back() == e.value.front())
            ini.problems << where + "quoted value of " + e.key;
        if (gbkBytes(e.value) > kMaxValueBytes)
            ini.problems << where + QString("value of %1 has %2 bytes").arg(e.key).arg(gbkBytes(e.value));
        ini.entries << e;
    }
    return ini;
}

// ---------------------------------------------------------------------------------------------
// Expected keys of every shipped text file.

QStringList yingyongKeys() {
    return {"软件命名", "启动主页", "默认浏览器", "快捷方式", "连接提示", "网页右键", "关闭拖拽",
            "退出确认", "网址栏框", "禁止拖拽", "禁止滚轮", "禁止选中", "禁止左键", "过滤连接",
            "Lv20", "Zelvaro设置", "打字搜索", "切换右键", "收藏历史", "网页历史", "下载历史",
            "大化窗口", "小化窗口", "退出软件", "拖入图片", "宽度", "高度", "大小", "字体", "字数",
            "固定宽度", "双击关闭", "弹出小化", "Flash按钮", "字体加粗", "当前标签", "字体颜色1",
            "字体颜色2", "文字颜色", "加载颜色", "UA", "呈现伪造", "IE", "搜索引擎", "框架不加载",
            "脚本被删除", "框架被删除", "标签打开", "左边中间", "字节", "标签颜色"};
}

QStringList fgKeys() {
    return {"界面图片", "背景0", "颜色1", "颜色2", "颜色3", "窗口边框", "按钮边框", "小化", "大化",
            "关闭", "字体", "界面颜色", "界面边距", "网页右移", "网页左减", "网页长度", "左右",
            "上下", "宽度", "高度", "时间颜色", "网址颜色", "目标颜色"};
}

// Menu captions of 右键.txt with the item each one names; the about lines are checked apart.
const QVector<QPair<QString, QString>>& menuCaptions() {
    static const QVector<QPair<QString, QString>> captions = {
        // document menu (there is no number 15)
        {"CNA01", "后退"}, {"CNA02", "前进"}, {"CNA03", "复制"}, {"CNA04", "粘贴"},
        {"CNA05", "查看图片"}, {"CNA06", "标签打开"}, {"CNA07", "直接打开"}, {"CNA08", "悄悄打开"},
        {"CNA09", "网页填空"}, {"CNA10", "网页顶部"}, {"CNA11", "重新加载"}, {"CNA12", "网页底部"},
        {"CNA13", "关闭标签"}, {"CNA14", "ie打开"}, {"CNA16", "标记源码"}, {"CNA17", "网页得分"},
        // tab menu
        {"CNB01", "关闭"}, {"CNB02", "刷新"}, {"CNB03", "全部关闭"}, {"CNB04", "短网址"},
        {"CNB05", "ie打开"}, {"CNB06", "回到导航"},
        // address-bar menu
        {"CNC01", "粘贴打开"}, {"CNC02", "TOP"}, {"CNC03", "复制"}, {"CNC04", "http://"},
        // tile editor
        {"CND01", "连接"}, {"CND02", "图片"}, {"CND03", "宽度"}, {"CND04", "高度"}, {"CND05", "标题"},
        {"CND06", "换行"}, {"CND07", "还原连接"}, {"CND08", "新建连接"}, {"CND09", "删除"},
        {"CND10", "初始化"}, {"CND11", "打开文件"},
        // main menu (there is no number 03)
        {"CNE01", "收藏"}, {"CNE02", "换颜色"}, {"CNE04", "网页加载"}, {"CNE05", "搜索引擎"},
        {"CNE06", "网页缩放"}, {"CNE07", "日常工具"}, {"CNE08", "收藏历史"}, {"CNE09", "浏览历史"},
        {"CNE10", "下载历史"}, {"CNE11", "ie浏览器"}, {"CNE12", "ie选项"}, {"CNE13", "重启"},
        {"CNE14", "退出"}, {"CNE15", "关于"}, {"CNE16", "设置"},
    };
    return captions;
}

QStringList aboutKeys() { return {"CNJ01", "CNJ02", "CNJ03", "CNJ04", "CNJ05"}; }

QStringList youjianKeys() {
    QStringList keys;
    for (const auto& c : menuCaptions()) keys << c.first;
    return keys + aboutKeys();
}

QStringList sousuoKeys() {
    QStringList keys;
    for (int n = 1; n <= 9; ++n) keys << QString("搜索名字%1").arg(n) << QString("搜索连接%1").arg(n);
    return keys;
}

QStringList yuyanKeys() {
    return {"网页挂了", "表格头", "表格尾", "背景色1", "背景色2", "颜色名称1", "颜色名称2", "iscript",
            "button1", "button2", "button3", "script1", "script2", "script3"};
}

struct ShippedFile {
    const char* name;
    QStringList (*keys)();
};

const ShippedFile kFiles[] = {
    {"应用.txt", yingyongKeys}, {"fg.txt", fgKeys},         {"右键.txt", youjianKeys},
    {"sousuo.txt", sousuoKeys}, {"语言.txt", yuyanKeys},
};

// ---------------------------------------------------------------------------------------------
// Value forms.

bool isDigits(const QString& s) {
    static const QRegularExpression re("^[0-9]+$");
    return re.match(s).hasMatch();
}
bool isInteger(const QString& s) {
    static const QRegularExpression re("^-?[0-9]+$");
    return re.match(s).hasMatch();
}
// A colour value: the decimal platform colour number, or the button-face system colour.
bool isColourValue(const QString& s) {
    if (s == QLatin1String("&H8000000F")) return true;
    bool ok = false;
    const qlonglong n = s.toLongLong(&ok);
    return isDigits(s) && ok && n >= 0 && n <= 0xFFFFFF;
}
bool isCssColour(const QString& s) { return s.size() >= 3 && QColor::isValidColor(s); }
bool noLeadingZero(const QString& s) { return !s.startsWith('0'); }

using Check = std::function<bool(const QString&)>;

Check oneOf(QStringList allowed) {
    return [allowed](const QString& v) { return allowed.contains(v); };
}
Check digitsOfLength(int from, int to) {
    return [from, to](const QString& v) {
        return isDigits(v) && noLeadingZero(v) && v.size() >= from && v.size() <= to;
    };
}

struct FormRule {
    const char* file;
    const char* key;
    const char* form;
    Check check;
};

QVector<FormRule> formRules() {
    const Check switch01 = oneOf({"0", "1"});
    const Check boolean = oneOf({"True", "False"});
    const Check colour = isColourValue;
    const Check text = [](const QString& v) { return !v.isEmpty(); };
    const Check hotKey = [](const QString& v) { return !v.isEmpty() && v.front().isLetterOrNumber(); };
    const Check font = [](const QString& v) { return !v.isEmpty() && !v.contains('@'); };
    const Check integer = isInteger;
    const Check css = isCssColour;
    const char* Y = "应用.txt";
    const char* F = "fg.txt";
    return {
        {Y, "软件命名", "text", text},
        {Y, "启动主页", "the navigation page", oneOf({"导航.html"})},
        {Y, "默认浏览器", "switch 1/0", switch01},
        {Y, "快捷方式", "有/无", oneOf({"有", "无"})},
        {Y, "连接提示", "switch 1/0", switch01},
        {Y, "网页右键", "True/False", boolean},
        {Y, "关闭拖拽", "True/False", boolean},
        {Y, "退出确认", "switch 1/0", switch01},
        {Y, "网址栏框", "是/否", oneOf({"是", "否"})},
        {Y, "禁止拖拽", "True/False", boolean},
        {Y, "禁止滚轮", "True/False", boolean},
        {Y, "禁止选中", "True/False", boolean},
        {Y, "禁止左键", "True/False", boolean},
        {Y, "过滤连接", "switch 1/0", switch01},
        // The filter compares the items after the first ">", so the list needs one; an empty
        // item would refuse every new window.
        {Y, "Lv20", "items joined by >, none empty",
         [](const QString& v) {
             const QStringList items = v.split('>');
             return items.size() >= 2 && !items.contains(QString());
         }},
        {Y, "Zelvaro设置", "hot key", hotKey},
        {Y, "打字搜索", "hot key", hotKey},
        {Y, "切换右键", "hot key", hotKey},
        {Y, "收藏历史", "hot key", hotKey},
        {Y, "网页历史", "hot key", hotKey},
        {Y, "下载历史", "hot key", hotKey},
        {Y, "大化窗口", "hot key", hotKey},
        {Y, "小化窗口", "hot key", hotKey},
        {Y, "退出软件", "hot key", hotKey},
        {Y, "拖入图片", "hot key", hotKey},
        {Y, "宽度", "3 or 4 digits", digitsOfLength(3, 4)},
        {Y, "高度", "3 digits", digitsOfLength(3, 3)},
        {Y, "大小", "1 or 2 digits", digitsOfLength(1, 2)},
        {Y, "字体", "font name", font},
        {Y, "字数", "1 or 2 digits, at least 2",
         [](const QString& v) { return isDigits(v) && v.size() <= 2 && v.toInt() >= 2; }},
        {Y, "固定宽度", "switch 1/0", switch01},
        {Y, "双击关闭", "switch 1/0", switch01},
        {Y, "弹出小化", "switch 1/0", switch01},
        {Y, "Flash按钮", "switch 1/0", switch01},
        {Y, "字体加粗", "True/False", boolean},
        {Y, "当前标签", "colour", colour},
        {Y, "字体颜色1", "colour", colour},
        {Y, "字体颜色2", "colour", colour},
        {Y, "文字颜色", "colour", colour},
        {Y, "加载颜色", "colour", colour},
        {Y, "UA", "switch 1/0", switch01},
        {Y, "呈现伪造", "one header line",
         [](const QString& v) { return !v.isEmpty() && !v.contains('\r') && !v.contains('\n'); }},
        {Y, "IE", "document mode",
         oneOf({"ie7.0", "ie8.0", "ie8.9", "ie9.0", "ie9.9", "ie10.0", "ie10.9", "ie11.0", "ie11.9"})},
        {Y, "搜索引擎", "engine 1 to 9", oneOf({"1", "2", "3", "4", "5", "6", "7", "8", "9"})},
        {Y, "框架不加载", "switch 1/0", switch01},
        {Y, "脚本被删除", "switch 1/0", switch01},
        {Y, "框架被删除", "switch 1/0", switch01},
        {Y, "标签打开", "switch 1/0", switch01},
        {Y, "左边中间", "switch 1/0", switch01},
        {Y, "字节", "positive count", [](const QString& v) { return isDigits(v) && v.toInt() > 0; }},
        {Y, "标签颜色", "colour", colour},
        {F, "界面图片", "空 or an existing picture",
         [](const QString& v) { return v == QStringLiteral("空") || QFileInfo::exists(v); }},
        {F, "背景0", "colour", colour},
        {F, "颜色1", "colour", colour},
        {F, "颜色2", "colour", colour},
        {F, "颜色3", "colour", colour},
        {F, "窗口边框", "colour", colour},
        {F, "按钮边框", "colour", colour},
        {F, "小化", "text", text},
        {F, "大化", "text", text},
        {F, "关闭", "text", text},
        {F, "字体", "font name", font},
        {F, "界面颜色", "scheme name", oneOf({"灰", "紫", "黑", "蓝"})},
        {F, "界面边距", "有/无", oneOf({"有", "无"})},
        {F, "网页右移", "twips", integer},
        {F, "网页左减", "twips", integer},
        {F, "网页长度", "twips", integer},
        {F, "左右", "twips", integer},
        {F, "上下", "twips", integer},
        {F, "宽度", "twips", integer},
        {F, "高度", "twips", integer},
        {F, "时间颜色", "CSS colour", css},
        {F, "网址颜色", "CSS colour", css},
        {F, "目标颜色", "CSS colour", css},
    };
}

class ShippedData : public ::testing::Test {
protected:
    static const IniFile& ini(const QString& name) {
        static QHash<QString, IniFile> cache;
        if (!cache.contains(name)) cache.insert(name, readIni(name));
        return *cache.find(name);
    }
    static const IniFile& yingyong() { return ini("应用.txt"); }
    static const IniFile& fg() { return ini("fg.txt"); }
    static const IniFile& youjian() { return ini("右键.txt"); }
    static const IniFile& sousuo() { return ini("sousuo.txt"); }
    static const IniFile& yuyan() { return ini("语言.txt"); }
};

// ---------------------------------------------------------------------------------------------

TEST_F(ShippedData, TextFilesAreGbkWithCrLfAndTheOneSection) {
    for (const ShippedFile& f : kFiles) {
        const IniFile& file = ini(f.name);
        EXPECT_FALSE(file.raw.isEmpty()) << f.name;
        EXPECT_TRUE(file.problems.isEmpty()) << f.name << ":\n  "
                                             << file.problems.join("\n  ").toStdString();
    }
}

TEST_F(ShippedData, EveryExpectedKeyIsPresentExactlyOnceAndNoOther) {
    for (const ShippedFile& f : kFiles) {
        const IniFile& file = ini(f.name);
        const QStringList expected = f.keys();
        QHash<QString, int> seen;  // keys compare without regard to case
        for (const Entry& e : file.entries) seen[e.key.toCaseFolded()] += 1;
        for (const QString& key : expected)
            EXPECT_EQ(seen.value(key.toCaseFolded()), 1) << f.name << " key " << key.toStdString();
        QSet<QString> expectedFolded;
        for (const QString& key : expected) expectedFolded << key.toCaseFolded();
        for (const Entry& e : file.entries)
            EXPECT_TRUE(expectedFolded.contains(e.key.toCaseFolded()))
                << f.name << " holds the unexpected key " << e.key.toStdString();
    }
}

TEST_F(ShippedData, TheStoreReadsEveryValueAsShipped) {
    for (const ShippedFile& f : kFiles) {
        const QString path = dataPath(QString("txt/") + f.name);
        for (const Entry& e : ini(f.name).entries)
            EXPECT_EQ(sys::getProfileString(path, "Zelvaro", e.key), e.value)
                << f.name << " key " << e.key.toStdString();
    }
}

TEST_F(ShippedData, SettingValuesHaveTheFormsTheirWritersUse) {
    for (const FormRule& rule : formRules()) {
        const QString v = ini(rule.file).value(rule.key);
        EXPECT_TRUE(!v.isNull() && rule.check(v))
            << rule.file << " " << rule.key << " = \"" << v.toStdString() << "\" is not " << rule.form;
    }
}

TEST_F(ShippedData, HotKeysAreDistinct) {
    const QStringList keys = {"Zelvaro设置", "打字搜索", "切换右键", "收藏历史", "网页历史",
                              "下载历史",    "大化窗口", "小化窗口", "退出软件", "拖入图片"};
    QHash<QString, QString> byLetter;
    for (const QString& key : keys) {
        const QString letter = yingyong().value(key).left(1).toUpper();
        ASSERT_FALSE(letter.isEmpty()) << key.toStdString();
        EXPECT_FALSE(byLetter.contains(letter))
            << key.toStdString() << " and " << byLetter.value(letter).toStdString()
            << " share Alt+" << letter.toStdString();
        byLetter.insert(letter, key);
    }
}

TEST_F(ShippedData, CrossKeyRulesHold) {
    // The page margins: each state of 界面边距 has its fixed set of offsets.
    const QString margins = fg().value("界面边距");
    const QStringList offsets = {fg().value("网页右移"), fg().value("网页左减"), fg().value("网页长度")};
    if (margins == QStringLiteral("有"))
        EXPECT_EQ(offsets, QStringList({"0", "0", "0"}));
    else
        EXPECT_EQ(offsets, QStringList({"-130", "-240", "-130"}));

    // The colour picker refuses these pairs; the shipped file must not hold them.
    EXPECT_NE(yingyong().value("字体颜色1"), yingyong().value("字体颜色2"));
    EXPECT_NE(yingyong().value("当前标签"), yingyong().value("标签颜色"));

    // The window rectangle: at least the smallest size the window allows, and on an 800 x 600
    // screen (12000 x 9000 twips).
    const int left = fg().value("左右").toInt(), top = fg().value("上下").toInt();
    const int width = fg().value("宽度").toInt(), height = fg().value("高度").toInt();
    EXPECT_GE(width, 9000);
    EXPECT_GE(height, 6000);
    EXPECT_GE(left, 0);
    EXPECT_GE(top, 0);
    EXPECT_LE(left + width, 12000);
    EXPECT_LE(top + height, 9000);

    // The page filters ship off ("0" would be on), the identity override off.
    for (const char* key : {"框架不加载", "脚本被删除", "框架被删除"})
        EXPECT_EQ(yingyong().value(key), QString("1")) << key;
    EXPECT_EQ(yingyong().value("UA"), QString("0"));
    EXPECT_EQ(yingyong().value("默认浏览器"), QString("0"));
    EXPECT_EQ(yingyong().value("IE"), QString("ie11.0"));

    // The current engine has a name and an address in the engine file.
    const QString engine = yingyong().value("搜索引擎");
    EXPECT_FALSE(sousuo().value("搜索名字" + engine).isEmpty());
    EXPECT_FALSE(sousuo().value("搜索连接" + engine).isEmpty());
}

TEST_F(ShippedData, ColoursAreThoseOfTheNamedScheme) {
    struct SchemeValue {
        const char* file;
        const char* key;
        const char* blue;
    };
    const SchemeValue blue[] = {
        {"fg.txt", "窗口边框", "15130800"},  {"fg.txt", "按钮边框", "15130800"},
        {"fg.txt", "背景0", "16100715"},     {"fg.txt", "颜色1", "16777215"},
        {"fg.txt", "颜色2", "16777215"},     {"fg.txt", "颜色3", "16748574"},
        {"应用.txt", "字体颜色1", "14474460"}, {"应用.txt", "字体颜色2", "16777215"},
        {"应用.txt", "当前标签", "16748574"},
    };
    ASSERT_EQ(fg().value("界面颜色"), QString("蓝"));
    for (const SchemeValue& s : blue) EXPECT_EQ(ini(s.file).value(s.key), QString(s.blue)) << s.key;
}

TEST_F(ShippedData, MenuCaptionsAreTheItemsTheyName) {
    for (const auto& c : menuCaptions())
        EXPECT_EQ(youjian().value(c.first), c.second) << c.first.toStdString();
}

TEST_F(ShippedData, AboutLinesFitTheAboutBox) {
    // The box is 480 pixels wide and its lines start 10 pixels in, in 19-pixel type: about
    // 24 Chinese characters (48 GBK bytes, a Latin letter counting half).
    for (const QString& key : aboutKeys()) {
        const QString line = youjian().value(key);
        EXPECT_FALSE(line.isEmpty()) << key.toStdString();
        EXPECT_LE(gbkBytes(line), 48) << key.toStdString();
    }
}

TEST_F(ShippedData, SearchEnginesHaveNamesAndTemplates) {
    QSet<QString> names;
    for (int n = 1; n <= 9; ++n) {
        const QString name = sousuo().value(QString("搜索名字%1").arg(n));
        const QString tpl = sousuo().value(QString("搜索连接%1").arg(n));
        EXPECT_FALSE(name.isEmpty()) << n;
        EXPECT_FALSE(names.contains(name)) << "engine name used twice: " << name.toStdString();
        names << name;
        EXPECT_TRUE(tpl.startsWith("http://") || tpl.startsWith("https://")) << tpl.toStdString();
        EXPECT_TRUE(tpl.contains("%s%")) << tpl.toStdString();
        // Words go into the address unchanged; the result must still be an address of the engine.
        const QUrl url(QString(tpl).replace("%s%", "网页 浏览器&a#b"));
        EXPECT_TRUE(url.isValid()) << tpl.toStdString();
        EXPECT_FALSE(url.host().isEmpty()) << tpl.toStdString();
    }
}

TEST_F(ShippedData, TableSnippetsOpenAndCloseOneTable) {
    const QString head = yuyan().value("表格头"), tail = yuyan().value("表格尾");
    const QString page = head + "<tr> <td width=1%>1</td> <td bgcolor=" + yuyan().value("背景色1") +
                         ">x</td> </tr>" + tail;
    EXPECT_EQ(page.count("<table", Qt::CaseInsensitive), 1);
    EXPECT_EQ(page.count("</table>", Qt::CaseInsensitive), 1);
    EXPECT_LT(page.indexOf("<table", 0, Qt::CaseInsensitive), page.indexOf("<tr>"));
    EXPECT_GT(page.indexOf("</table>", 0, Qt::CaseInsensitive), page.indexOf("</tr>"));

    // Row colours go unquoted into bgcolor=, so they must be one word and a colour.
    static const QRegularExpression hex("^#[0-9A-Fa-f]{6}$");
    for (const char* key : {"背景色1", "背景色2"})
        EXPECT_TRUE(hex.match(yuyan().value(key)).hasMatch()) << key;
    EXPECT_NE(yuyan().value("背景色1"), yuyan().value("背景色2"));
}

TEST_F(ShippedData, ColouringListsDoNotSpoilTheMarkupTheyInsert) {
    const QStringList digitColours = yuyan().value("颜色名称1").split('>');
    const QStringList nameColours = yuyan().value("颜色名称2").split('>');
    ASSERT_GE(digitColours.size(), 10);  // one colour per digit
    ASSERT_GE(nameColours.size(), 9);    // one colour per name length
    static const QRegularExpression digit("[0-9]");
    QStringList markup = {"</font>", "<font color=fuchsia>", "<br>&lt;", "&gt;", "&lt;"};
    for (const QString& c : digitColours + nameColours) {
        EXPECT_TRUE(QColor::isValidColor(c)) << c.toStdString();
        // The digit pass would colour the digits of a colour inserted before it.
        EXPECT_FALSE(c.contains(digit)) << c.toStdString();
        markup << "<font color=" + c + ">";
    }

    QStringList keywords = yuyan().value("iscript").split('>');
    keywords.removeLast();  // the keyword pass leaves out the last entry
    ASSERT_FALSE(keywords.isEmpty());
    for (const QString& kw : keywords) {
        EXPECT_FALSE(kw.isEmpty()) << "empty keyword";
        for (const QString& m : markup)
            EXPECT_FALSE(m.contains(kw, Qt::CaseInsensitive))
                << "keyword " << kw.toStdString() << " occurs in " << m.toStdString();
        for (const QString& other : keywords) {
            if (other != kw) {
                EXPECT_FALSE(other.contains(kw, Qt::CaseInsensitive))
                    << kw.toStdString() << " inside " << other.toStdString();
            }
        }
    }
}

TEST_F(ShippedData, ElementListSnippetsShowTheirDivisions) {
    const struct {
        const char* key;
        const char* division;
    } buttons[] = {{"button1", "99997"}, {"button2", "99998"}, {"button3", "99999"}};
    for (const auto& b : buttons) {
        const QString v = yuyan().value(b.key);
        EXPECT_TRUE(v.startsWith("<input") || v.startsWith("<button")) << b.key;
        EXPECT_TRUE(v.contains(QString("'%1'").arg(b.division))) << b.key;
        EXPECT_TRUE(v.contains("onclick=", Qt::CaseInsensitive)) << b.key;
    }
    // The three script lines make one script element.
    const QString s1 = yuyan().value("script1"), s2 = yuyan().value("script2"),
                  s3 = yuyan().value("script3");
    EXPECT_TRUE(s1.startsWith("<script", Qt::CaseInsensitive));
    EXPECT_FALSE(s2.contains("<script", Qt::CaseInsensitive));
    EXPECT_FALSE(s2.contains("</script", Qt::CaseInsensitive));
    EXPECT_EQ(s3.compare("</script>", Qt::CaseInsensitive), 0);
}

TEST_F(ShippedData, ErrorPageIsMarkupWithAMessage) {
    const QString page = yuyan().value("网页挂了");
    EXPECT_TRUE(page.startsWith('<'));
    EXPECT_TRUE(page.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")));
    EXPECT_FALSE(page.contains("<script", Qt::CaseInsensitive));
    EXPECT_EQ(page.count('<'), page.count('>'));
}

TEST_F(ShippedData, PicturesLoad) {
    struct Picture {
        const char* name;
        int width;  // 0: any size
        int height;
    };
    const Picture pictures[] = {
        // tiles of the navigation page and of a tile added by the tile editor: 200 x 90
        {"baidu.png", 200, 90}, {"youku.png", 200, 90}, {"bilibili.png", 200, 90},
        {"douyu.png", 200, 90}, {"so.png", 200, 90},    {"xunlei.png", 200, 90},
        {"kugou.png", 200, 90}, {"tieba.png", 200, 90}, {"qq.png", 200, 90},
        {"ifeng.png", 200, 90}, {"17173.png", 200, 90}, {"duowan.png", 200, 90},
        {"新建连接.png", 200, 90},
        // the rest are shown at their own size or stretched
        {"ok1.png", 0, 0}, {"ok0.png", 0, 0}, {"zz.bmp", 0, 0}, {"拖入图片.png", 0, 0},
        {"0.ico", 0, 0}, {"桌面1.ico", 0, 0},
    };
    for (const Picture& p : pictures) {
        const QString path = dataPath(QString("pifu/") + p.name);
        QImage image(path);
        ASSERT_FALSE(image.isNull()) << p.name << " does not load";
        if (p.width) {
            EXPECT_EQ(image.width(), p.width) << p.name;
            EXPECT_EQ(image.height(), p.height) << p.name;
        }
    }
    // The banner pictures sit at 10 and 65 pixels from the left and 13 from the top of a
    // 60-pixel bar, before its text at 130 pixels.
    for (const char* name : {"ok1.png", "ok0.png"}) {
        const QImage image(dataPath(QString("pifu/") + name));
        EXPECT_LE(image.width(), 55) << name;
        EXPECT_LE(image.height(), 47) << name;
    }
}

TEST_F(ShippedData, IconsHoldTheSmallSizes) {
    for (const char* name : {"0.ico", "桌面1.ico"}) {
        QImageReader reader(dataPath(QString("pifu/") + name));
        QSet<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            ASSERT_TRUE(reader.jumpToImage(i)) << name;
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << name << " image " << i;
            sizes << image.width();
        }
        EXPECT_TRUE(sizes.contains(16)) << name;
        EXPECT_TRUE(sizes.contains(32)) << name;
    }
}

TEST_F(ShippedData, FolderTreeIsComplete) {
    EXPECT_TRUE(QFileInfo(dataPath("txt")).isDir());
    EXPECT_TRUE(QFileInfo(dataPath("pifu")).isDir());
    EXPECT_TRUE(QFileInfo(dataPath("html")).isDir());
    // The form-fill file is written by the program when missing; shipping one would hide that.
    EXPECT_FALSE(QFileInfo::exists(dataPath("txt/填空.txt")));
}

}  // namespace
