#pragma once
// Saving a download or a page (web layer internal): the name offered, where the Save As box starts,
// the folders a save may not write into, and the job that writes a download.
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSaveFile>
#include <QString>

namespace web {

// The title of the Save As box, for pages and downloads alike.
QString saveAsTitle();

// A name fit to offer in a Save As box: control characters, line and paragraph separators, marks that
// turn the direction of text, "\\", "/" and the characters other systems refuse in names (":*?\"<>|")
// become "_", and blanks and dots at its start (and blanks at its end) are taken off, so the name is
// never hidden, "." or "..". Everything else stays, the extension and any Chinese text included; ""
// when nothing is left.
QString cleanFileName(const QString& name);

// The file name a download suggests: its Content-Disposition name (UTF-8, else GBK), else the last
// part of its address, else "download". Only the last part of a name is taken (after "/" or "\\"),
// so the file lands in the folder the user chose, and it is cleaned (cleanFileName).
QString suggestedDownloadName(QNetworkReply* reply);

// Where a Save As box starts: the folder of the last save while it is still there, else the user's
// download folder (made when missing), else the home folder; never the working folder and never the
// program's folder tree.
QString saveStartFolder();

// Whether `path` lies in the program's own folder tree: the program folder and everything under it
// (the executable, txt\, html\, pifu\, 导航.html), links followed, also for a file not yet there.
bool insideProgramFolder(const QString& path);

// Asks with a Save As box where to save a file, offering `suggestedName` in saveStartFolder(). The
// chosen path (its folder is where the next box starts), or "" when the user cancelled or chose a path
// in the program's folder tree: that is refused with the critical message `refusal` and the path.
QString askSavePath(const QString& suggestedName, const QString& refusal);

// Asks where to save a download under its suggested name; as askSavePath.
QString askDownloadPath(QNetworkReply* reply);

// Saves one download to a file: written whole to a temporary file that replaces the target only
// when everything arrived, so a broken download never leaves half a file. Deletes itself when done.
class DownloadJob : public QObject {
public:
    DownloadJob(QNetworkReply* reply, const QString& path);

private:
    void pump();
    void finish();

    QPointer<QNetworkReply> reply_;
    QSaveFile file_;
    bool failed_ = false;
    bool done_ = false;
};

}  // namespace web
