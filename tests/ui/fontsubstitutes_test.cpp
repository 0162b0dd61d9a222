// The design's font names of another desktop are shown with the installed CJK font.
#include "platform/ui/fontsubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(FontSubstitutes, TheDesignFontIsShownWithTheInstalledCjkFont) {
    ui::installFontSubstitutes();
    ui::installFontSubstitutes();  // twice changes nothing
    const QString substitute = QString::fromUtf8(ui::kSubstituteFont);
    for (const char* name : {"微软雅黑", "Microsoft YaHei"}) {
        const QStringList substitutes = QFont::substitutes(QString::fromUtf8(name));
        EXPECT_EQ(substitutes.count(substitute), 1) << name;
    }
    if (!QFontDatabase().families().contains(QStringLiteral("WenQuanYi Micro Hei")))
        GTEST_SKIP() << "the CJK font is not installed here";
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("微软雅黑"))).family(), QStringLiteral("WenQuanYi Micro Hei"));
}
