#pragma once
// A file list: the names of the files of one folder whose names match one of a list of patterns, kept
// as a list the program reads. It is never shown, so it has no widget.
//
// The names are sorted by name, letter case ignored, and the patterns ignore letter case too
// ("*.jpg" lists "A.JPG"). Hidden files are not listed. The list is read again whenever the pattern
// or the folder is set, and by refresh().
#include "platform/ui/control.h"

#include <QString>
#include <QStringList>

namespace ui {

class FileListBox : public Control {
public:
    // The parent is accepted for the control-array interface; the list has no widget.
    explicit FileListBox(QWidget* parent = nullptr);

    // Patterns separated by ";" ("*.jpg;*.gif"); "*.*" as made.
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // The folder listed ("" as made: nothing is listed). A folder that does not exist raises "path
    // not found" (76) and keeps the folder and the list as they were.
    QString path() const { return path_; }
    void setPath(const QString& folder);
    void refresh();

    int listCount() const { return static_cast<int>(names_.size()); }
    // The name of entry i (from 0); "" for an index with no entry.
    QString list(int index) const;

private:
    QString pattern_ = QStringLiteral("*.*");
    QString path_;
    QStringList names_;
};

}  // namespace ui
