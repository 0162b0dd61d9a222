// The style page of the settings window: the colour fields open the picker for their slot, the glyph
// captions are edited through an input box and reach the main window's glyphs at once, the font field
// opens the font list, and a move over a field shows its group's hint under its column.
#include "settings_fixture.h"

#include "platform/sys/programfolder.h"
#include "settings/form8.h"

#include <QFile>
#include <QTextCodec>

namespace {

const QString kColourHint = QStringLiteral("颜色：背景，文字，移动，按钮，边框");
const QString kGlyphHint = QStringLiteral("按钮：字符，字体");
constexpr int kColourFields[] = {0, 10, 11, 12, 17, 18};

class StyleTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        services.setScreen(QRect(0, 0, 28800, 16200));
    }
    Form5& ready() {
        fg("小化", "min");
        fg("大化", "max");
        fg("关闭", "x");
        Form5& w = open();
        w.Command10.onClick(7);
        services.clearRecords();
        return w;
    }
    static const char* keyOf(int Index) { return Index == 13 ? "小化" : Index == 14 ? "大化" : "关闭"; }
    // The value of a key of fg.txt as the file holds it (a read drops the blanks around a value).
    QString fgWritten(const char* key) {
        QFile file(sys::nativePath(forms::txtPath(forms::Txt::Fg)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString prefix = QString::fromUtf8(key) + '=';
        for (const QString& line : QTextCodec::codecForName("GBK")->toUnicode(file.readAll()).split("\r\n"))
            if (line.startsWith(prefix)) return line.mid(prefix.size());
        return QString();
    }
};

// --- the glyph captions ---------------------------------------------------------------------------

struct CaptionCase {
    const char* name;
    const char* answer;  // nullptr: the old caption as it is
    bool written;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class CaptionTable : public StyleTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionTable, OnlyAChangedAnswerIsWrittenAndShown) {
    const CaptionCase c = GetParam();
    Form5& w = ready();
    for (int Index : {13, 14, 15}) {
        SCOPED_TRACE(Index);
        const int k = Index - 12;
        Form1& f = f1();
        const QString old = w.Text7(Index).text();
        ASSERT_EQ(old, fg(keyOf(Index)));
        const QString answer = c.answer ? QString::fromUtf8(c.answer) : old;
        const double left = f.Label2(k).left();
        const double height = f.Label2(k).height();
        clock.advance(2000);
        services.clearRecords();

        // The mouse passes over the field before the click: its hint is the prompt.
        w.Text7.onMouseMove(Index, 0, 0, 100, 50);
        services.queueInput(answer);
        w.Text7.onClick(Index);

        const std::vector<ShownBox> inputs = services.boxes(ShownBox::Input);
        ASSERT_EQ(inputs.size(), 1u);
        EXPECT_EQ(inputs[0].prompt, kGlyphHint);
        EXPECT_EQ(inputs[0].title, "修改");
        EXPECT_EQ(inputs[0].defaultText, old);
        EXPECT_DOUBLE_EQ(inputs[0].x, 28800 / 2.6);
        EXPECT_DOUBLE_EQ(inputs[0].y, 16200 / 2.0);
        EXPECT_TRUE(services.messages().isEmpty());

        const QString now = c.written ? answer : old;
        EXPECT_EQ(w.Text7(Index).text(), now);
        EXPECT_EQ(fgWritten(keyOf(Index)), now);
        EXPECT_EQ(f.Label2(k).caption(), c.written ? answer : old);
        EXPECT_EQ(indicatorShown(w), c.written);
        // The frame lies on its glyph; the glyph keeps its place and height until the next layout.
        EXPECT_EQ(f.Shape2(k).width(), f.Label2(k).width());
        EXPECT_EQ(f.Shape2(k).height(), f.Label2(k).height());
        EXPECT_EQ(f.Label2(k).left(), left);
        EXPECT_EQ(f.Label2(k).height(), height);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CaptionTable,
                         ::testing::Values(CaptionCase{"Cancelled", "", false}, CaptionCase{"Unchanged", nullptr, false},
                                           CaptionCase{"LetterCase", "MIN", true},
                                           CaptionCase{"Blanks", " – ", true}, CaptionCase{"Longer", "最小化窗口", true}),
                         [](const ::testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

// The letter case counts on its own, and blanks are kept exactly.
TEST_F(StyleTest, CaseChangeAndBlanksAreWrittenAsTyped) {
    Form5& w = ready();
    services.queueInput("X");
    w.Text7.onClick(15);
    EXPECT_EQ(fgWritten("关闭"), "X");
    services.queueInput(" X ");
    w.Text7.onClick(15);
    EXPECT_EQ(fgWritten("关闭"), " X ");
    EXPECT_EQ(f1().Label2(3).caption(), " X ");
    EXPECT_EQ(w.Text7(15).text(), " X ");
}

// A glyph takes the width its caption needs, never less than the window's glyph width; the next
// layout places the glyphs beside each other by their new widths.
TEST_F(StyleTest, GlyphsTakeTheirCaptionsWidthAndTheNextLayoutPlacesThem) {
    Form5& w = ready();
    Form1& f = f1();
    services.queueInput("最小化这个窗口");
    w.Text7.onClick(13);
    services.queueInput("-");
    w.Text7.onClick(15);
    EXPECT_GT(f.Label2(1).width(), Form1::kGlyphWidth);
    EXPECT_EQ(f.Label2(3).width(), Form1::kGlyphWidth);
    EXPECT_EQ(f.Shape2(1).width(), f.Label2(1).width());

    // Each glyph ends just over its right neighbour's left edge, whatever its width.
    f.setWidth(f.width() + 10);
    EXPECT_EQ(f.Label2(2).left() + f.Label2(2).width(), f.Label2(3).left() + 10);
    EXPECT_EQ(f.Label2(1).left() + f.Label2(1).width(), f.Label2(2).left() + 20);
    EXPECT_EQ(f.Shape2(1).left(), f.Label2(1).left());
    EXPECT_EQ(f.Shape2(2).left(), f.Label2(2).left());
}

// --- the colour fields and the font field ---------------------------------------------------------

TEST_F(StyleTest, ColourFieldsOpenThePickerForTheirSlot) {
    Form5& w = ready();
    for (int Index : kColourFields) {
        w.Text7.onClick(Index);
        EXPECT_EQ(w.tag(), "风格" + QString::number(Index));
        Form8* picker = forms::windows().existing<Form8>();
        ASSERT_NE(picker, nullptr) << Index;
        EXPECT_TRUE(picker->visible());
        EXPECT_EQ(picker->left(), w.left() + 1500);
        EXPECT_EQ(picker->top(), w.top() + 500);
    }
    // A swatch now serves the last field clicked: 边框2, the button frames.
    forms::window<Form8>().Text1.onClick(24);
    EXPECT_EQ(fg("按钮边框"), "255");
    EXPECT_EQ(w.Text7(18).backColor(), 255);
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
}

TEST_F(StyleTest, FontFieldOpensTheFontListForTheInterfaceFont) {
    services.setFonts({"宋体", "@宋体", "Noto Sans", "微软雅黑"});
    fg("字体", "Noto Sans");
    Form5& w = ready();
    w.Text7.onClick(0);
    w.Text7.onClick(16);
    EXPECT_EQ(w.tag(), "风格字体");
    EXPECT_EQ(w.List1.listCount(), 3);
    EXPECT_EQ(w.List1.text(), "Noto Sans");
    for (int i = 1; i <= 8; ++i) EXPECT_GT(stackIndex(w.List1), stackIndex(w.Picture1(i)));
    // The picker stays open; nothing is written yet.
    EXPECT_NE(forms::windows().existing<Form8>(), nullptr);
    EXPECT_EQ(fg("字体"), "Noto Sans");
    EXPECT_FALSE(indicatorShown(w));
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
}

// --- the hints ------------------------------------------------------------------------------------

TEST_F(StyleTest, HintsSitUnderTheirColumnAndFollowThePointer) {
    Form5& w = ready();
    for (int Index : {0, 10, 11, 12, 17, 18, 13, 14, 15, 16}) {
        SCOPED_TRACE(Index);
        const bool colour = Index <= 12 || Index >= 17;
        w.Picture1.onMouseMove(7, 0, 0, 0, 0);
        ASSERT_FALSE(w.Picture2.visible());
        w.Text7.onMouseMove(Index, 0, 0, 120 + Index, 30);
        EXPECT_TRUE(w.Picture2.visible());
        EXPECT_EQ(w.Label3.caption(), colour ? kColourHint : kGlyphHint);
        EXPECT_EQ(w.Picture2.top(), colour ? w.Text7(0).top() + 3350 : w.Text7(16).top() + 800);
        EXPECT_EQ(w.Picture2.left(), 120 + Index + 2550);
        EXPECT_EQ(w.Picture2.width(), w.Label3.width() + 70);
        EXPECT_GT(stackIndex(w.Picture2), stackIndex(w.Picture1(7)));
    }
}

}  // namespace
