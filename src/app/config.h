#pragma once
// The configuration store of the program and the getters several windows share.
//
// Every read goes to its file at the moment of the call and every write goes to the file at once;
// nothing is cached. The functions trap no errors: a getter whose value does not convert raises the
// runtime error into the calling statement.
//
// Written inline over the platform layer only, so the store can be tested without the windows.
#include "platform/rt/convert.h"
#include "platform/rt/format.h"
#include "platform/sys/inifile.h"
#include "platform/sys/programfolder.h"

#include <QString>

namespace app {

// The one section of every settings and text file.
inline const QString kSection = QStringLiteral("Zelvaro");

// The usual files of the program folder.
inline QString appTxt() { return sys::appPath() + QStringLiteral("\\txt\\应用.txt"); }
inline QString fgTxt() { return sys::appPath() + QStringLiteral("\\txt\\fg.txt"); }
inline QString yuyanTxt() { return sys::appPath() + QStringLiteral("\\txt\\语言.txt"); }
inline QString youjianTxt() { return sys::appPath() + QStringLiteral("\\txt\\右键.txt"); }
inline QString sousuoTxt() { return sys::appPath() + QStringLiteral("\\txt\\sousuo.txt"); }

// Reads one value ("" when the file, the section or the key is absent).
inline QString OS(const QString& txt, const QString& jiedian, const QString& jianzhi) {
    return sys::getProfileString(txt, jiedian, jianzhi);
}

// Writes one value; a failed write is silent and leaves the file as it was.
inline void XIERU(const QString& dizhi, const QString& jiedian, const QString& jianzhi, const QString& xinzi) {
    sys::writeProfileString(dizhi, jiedian, jianzhi, xinzi);
}

// A key of 应用.txt or fg.txt in the section "Zelvaro".
inline QString setting(const QString& key) { return OS(appTxt(), kSection, key); }
inline QString fgSetting(const QString& key) { return OS(fgTxt(), kSection, key); }
inline void writeSetting(const QString& key, const QString& value) { XIERU(appTxt(), kSection, key, value); }
inline void writeFgSetting(const QString& key, const QString& value) { XIERU(fgTxt(), kSection, key, value); }

// HTML before and after the table of a generated tag or attribute page.
inline QString ge1() { return OS(yuyanTxt(), kSection, QStringLiteral("表格头")); }
inline QString ge2() { return OS(yuyanTxt(), kSection, QStringLiteral("表格尾")); }
// The two alternating row colours of those tables.
inline QString bg1() { return OS(yuyanTxt(), kSection, QStringLiteral("背景色1")); }
inline QString bg2() { return OS(yuyanTxt(), kSection, QStringLiteral("背景色2")); }
// The back colour of the front tab's label.
inline QString j() { return OS(appTxt(), kSection, QStringLiteral("当前标签")); }
// The left offset in twips of the tab strip and the page area: fg.txt 网页右移 plus 150, as text.
// An empty or non-numeric value raises type mismatch.
inline QString youyi() {
    return rt::str(rt::toDouble(OS(fgTxt(), kSection, QStringLiteral("网页右移"))) + 150.0);
}

}  // namespace app
