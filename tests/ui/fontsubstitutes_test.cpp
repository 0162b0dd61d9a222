// The design's font names of another desktop are shown with the installed CJK font that draws every
// character of the program's captions.
#include "platform/ui/fontsubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(FontSubstitutes, TheDesignFontIsShownWithTheInstalledCjkFont) {
    ui::installFontSubstitutes();
    ui::installFontSubstitutes();  // twice changes nothing
    // In their order (the toolkit keeps the names in lower case).
    const QString expected = QStringLiteral("noto sans cjk sc|文泉驿微米黑");
    for (const char* name : {"微软雅黑", "Microsoft YaHei"}) {
        EXPECT_EQ(QFont::substitutes(QString::fromUtf8(name)).join('|').toLower().toStdString(), expected.toStdString())
            << name;
    }
    if (!QFontDatabase().families().contains(QStringLiteral("Noto Sans CJK SC")))
        GTEST_SKIP() << "the CJK font is not installed here";
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("微软雅黑"))).family(), QStringLiteral("Noto Sans CJK SC"));
}
