#pragma once
// Text files of the program folder: GBK text with CR LF line ends.
//
// Paths may be written with backslashes (see programfolder.h). A whole rewrite goes to a temporary
// file in the same folder (see removeInterruptedRewrites for its name) that keeps the old file's
// permissions, is flushed to the disk and is then renamed over the old file, so a failure or a crash
// never leaves half a file. Failures raise rt::RuntimeError: file not found (53), path not found (76, the
// folder is missing), path/file access error (75, the file cannot be read or written).
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sys {

// The lines of a file. Lines end with CR LF or LF alone; a line end at the end of the file does not
// start another line, so "a\r\nb\r\n" gives {"a", "b"} and an empty file gives no lines.
QStringList readLines(const QString& path);
// The whole text of a file, line ends as they are.
QString readText(const QString& path);

// Rewrites the file whole with these lines, each followed by CR LF.
void writeLines(const QString& path, const QStringList& lines);
// Rewrites the file whole with this text as it is.
void writeText(const QString& path, const QString& text);
// Adds one line followed by CR LF at the end of the file, creating the file when it is missing. When
// the file's last line has no line end, one is added first so the two lines stay apart.
void appendLine(const QString& path, const QString& line);

// Byte-level forms used by the layers above. `readFileBytes` gives false (and no bytes) when the file
// cannot be read; `replaceFileBytes` rewrites a file atomically and gives false, with the file as it
// was, when it cannot; `errorNumber` receives the runtime error number of the failure.
bool readFileBytes(const QString& path, QByteArray& bytes, int* errorNumber = nullptr);
bool replaceFileBytes(const QString& path, const QByteArray& bytes, int* errorNumber = nullptr);

// Splits text into lines by the rule of `readLines`.
QStringList splitLines(const QString& text);

// Removes what whole rewrites cut short (a kill, a power cut) left in `folder`: the temporary file of a
// rewrite is named after its file, ".zelvaro-" and six letters or digits ("fg.txt.zelvaro-HQ7Jiq").
// Only such files beside files of the program's own kinds (*.txt, *.html, *.htm, *.utf8) are removed,
// never a folder or a link, and never a file a user named ("网址.html.backup", "笔记.txt.before").
// Gives the native paths removed.
QStringList removeInterruptedRewrites(const QString& folder);

}  // namespace sys
