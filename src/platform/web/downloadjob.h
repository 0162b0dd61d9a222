#pragma once
// Saving a download (web layer internal).
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSaveFile>
#include <QString>

namespace web {

// The file name a download suggests: its Content-Disposition name (UTF-8, else GBK), else the last
// part of its address, else "download". Only the last part of a name is taken (after "/" or "\\"),
// and never "." or "..", so the file lands in the folder the user chose.
QString suggestedDownloadName(QNetworkReply* reply);

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
