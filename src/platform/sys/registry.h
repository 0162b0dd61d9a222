#pragma once
// The registry store: named values under the roots HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and
// HKEY_CLASSES_ROOT (also written HKCU, HKLM, HKCR), kept in the UTF-8 file
// `$XDG_CONFIG_HOME/zelvaro/registry` and rewritten atomically.
//
// A path is the root, the subkeys and the value name separated by backslashes; a path that ends with a
// backslash names the key's default value. Key and value names are compared without regard to case.
// Values are text (REG_SZ) or 32-bit numbers (REG_DWORD); a number reads back as a number whose text is
// its decimal form.
//
// The URL association of `http` and `https` is the desktop's own and is not kept in the file alone:
// HKCR\http\shell\open\command\ (and https), HKCU\Software\Classes\http\shell\open\command\ (and
// https) and HKCU\Software\Microsoft\Windows\Shell\Associations\UrlAssociations\http\UserChoice\Progid
// (and https) answer for the desktop's default URL handler (`x-scheme-handler/http` in mimeapps.list).
// While this program is that handler they read back what was written to them (or this program's class
// command and class name when nothing was); while another application is, they read its Exec line and
// its desktop file id; with no handler they are missing. Writing one of them a value that names this
// program ("Zelvaro浏览器" in a command, the class name in a Progid) makes this program the desktop's
// default handler of that scheme.
//
// Errors, as runtime errors: a value that is absent raises `RegistryValueMissing`; a write to a root
// that refuses writes, or one that cannot be stored, raises `rt::PermissionDenied` (70); a path without
// a known root or with an empty key name raises `rt::InvalidProcedureCall` (5) on writes and
// `RegistryValueMissing` on reads; an unknown type raises `rt::InvalidProcedureCall`; a REG_DWORD value
// that is not a number raises `rt::TypeMismatch` (13), one outside 32 bits `rt::Overflow` (6).
#include "platform/sys/engineswitches.h"

#include <QString>
#include <QVariant>

namespace sys {

// The error number the platform raises for a registry value that cannot be read (its "file not found"
// result, 0x80070002 as a signed number).
constexpr int RegistryValueMissing = -2147024894;

// The name of this program's class key, written at start with its open command; the desktop's
// association answers with it while this program is the default browser.
inline const QString ProgramClassName = QStringLiteral("Tavrolin");

class Registry {
public:
    // A REG_SZ value as a QString, a REG_DWORD value as an unsigned 32-bit number.
    static QVariant RegRead(const QString& path);
    // `type` is "REG_SZ" (also when empty) or "REG_DWORD", in any letter case. A REG_DWORD value may be
    // given as a number or as text, converted strictly (decimal or "&H" hexadecimal; a fraction is
    // rounded, a half to the even neighbour).
    static void RegWrite(const QString& path, const QVariant& value, const QString& type = QString());

    // The file that holds the values.
    static QString storeFile();

    // Test hook: make a root (any of its spellings) refuse every write, as a root the user has no
    // rights on does; false accepts writes again.
    static void setWritesRefused(const QString& root, bool refused);
    static void clearRefusedWrites();
};

// The engine's per-user switches, read from the store; a value that is absent leaves its switch off.
EngineSwitches engineSwitches();

}  // namespace sys
