#pragma once
// The Linux desktop's own places and rules: the XDG base folders, the user's desktop and download
// folders, desktop entries (`.desktop` files) with their Exec lines, and the default application of a
// MIME type or URL scheme as `mimeapps.list` records it.
//
// Every function reads the environment (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CONFIG_DIRS,
// XDG_DATA_DIRS, XDG_DOWNLOAD_DIR, XDG_CURRENT_DESKTOP, PATH) at the moment it is called, so a test can
// point them at a temporary home.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace sys::xdg {

// The desktop entry that makes this program a URL handler, under `dataHome()/applications`.
inline const QString ownDesktopId = QStringLiteral("zelvaro.desktop");

QString homeDir();          // $HOME, else the account's home folder
QString configHome();       // $XDG_CONFIG_HOME when absolute, else ~/.config
QString dataHome();         // $XDG_DATA_HOME when absolute, else ~/.local/share
QStringList configDirs();   // $XDG_CONFIG_DIRS, else /etc/xdg
QStringList dataDirs();     // $XDG_DATA_DIRS, else /usr/local/share and /usr/share
QStringList currentDesktops();  // $XDG_CURRENT_DESKTOP, lower case, in order

// The user's desktop folder: XDG_DESKTOP_DIR of `configHome()/user-dirs.dirs`, else ~/Desktop.
QString desktopDir();
// The user's download folder: $XDG_DOWNLOAD_DIR when it is an absolute path, else XDG_DOWNLOAD_DIR of
// `configHome()/user-dirs.dirs`, else ~/Downloads; whether it exists is left to the caller.
QString downloadDir();

struct DesktopEntry {
    QString id;    // the desktop file id ("firefox.desktop"); empty for a file read by path
    QString file;  // the file it was read from; empty when nothing was found
    QString name;
    QString exec;  // the Exec value with the string escapes undone, field codes still in it
    QString icon;
    QString path;  // working folder
    QString comment;
    bool hidden = false;
    bool isValid() const { return !file.isEmpty(); }
};

// Key files (desktop entries, mimeapps.list, user-dirs.dirs) are read whole as UTF-8: a NUL byte or a
// stray CR cuts nothing off. A line ends with LF (CRs before it belong to the line end); group lines
// are "[name]", key lines "key=value" (blanks around both taken off), "#" starts a comment.
struct KeyFileEntry {
    QString group;
    QString key;
    QString value;
};
QVector<KeyFileEntry> parseKeyFile(const QByteArray& bytes);

// The bytes of a mimeapps.list after making `id` the default application of `mimeType` and, with
// `alsoAssociations`, the first of its added associations and none of its removed ones. Every line it
// does not change stays byte for byte (a line that already says so too); a changed line keeps its line
// end, a new one ends with LF; further lines of a changed key in the same group are removed.
QByteArray withDefaultApplication(const QByteArray& bytes, const QString& mimeType, const QString& id,
                                  bool alsoAssociations);

// Reads the [Desktop Entry] group of a file; an invalid entry when the file cannot be read.
DesktopEntry readDesktopEntry(const QString& file);
// Looks a desktop file id up in the applications folders of dataHome() and dataDirs(). An entry that is
// hidden, or whose TryExec program is missing, counts as not installed.
DesktopEntry findDesktopEntry(const QString& id);
// The application the desktop starts for a MIME type ("text/plain", "x-scheme-handler/http"): the
// defaults of the mimeapps.list files in their order of precedence, then their added associations,
// then the mimeinfo.cache files. Invalid when there is none.
DesktopEntry defaultHandler(const QString& mimeType);

// Splits an Exec value into the program and its arguments, each one item, with the field codes
// expanded for `target` (an address or a file; empty for none). A target that the Exec line has no
// field code for is added as the last argument.
QStringList execCommand(const DesktopEntry& entry, const QString& target = QString());
// True when the entry's Exec line starts the program file `program` (compared as canonical paths).
bool runsProgram(const DesktopEntry& entry, const QString& program);

// One Exec argument quoted by the desktop entry rules, ready to be written as a desktop file value
// (a blank-free plain word stays as it is).
QString execArgumentForFile(const QString& argument);
// A text escaped as a desktop file string value.
QString escapeValue(const QString& text);
// Undoes the string escapes of a desktop file value (\s \n \t \r \\).
QString unescapeValue(const QString& value);

// Writes `ownDesktopId` (Exec runs this program with the address) and makes it the user's default for
// `mimeType` in `configHome()/mimeapps.list`, and in the desktop-specific lists of the user that exist.
// Raises the runtime error "permission denied" when a file cannot be written.
void makeOwnDefault(const QString& mimeType);

// The text of a desktop file written atomically with LF line ends; false when it could not be written.
bool writeTextFile(const QString& file, const QString& text);

}  // namespace sys::xdg
