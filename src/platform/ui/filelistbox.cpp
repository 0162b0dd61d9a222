#include "platform/ui/filelistbox.h"

#include "platform/rt/error.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

FileListBox::FileListBox(QWidget*) : Control(nullptr) {}

void FileListBox::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileListBox::setPath(const QString& folder) {
    if (!QFileInfo(folder).isDir()) rt::raise(rt::PathNotFound, folder);
    path_ = folder;
    refresh();
}

void FileListBox::refresh() {
    names_.clear();
    if (path_.isEmpty()) return;
    QDir dir(path_);
    dir.setNameFilters(pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    // Without QDir::CaseSensitive the patterns ignore letter case.
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    names_ = dir.entryList();
}

QString FileListBox::list(int index) const {
    if (index < 0 || index >= names_.size()) return QString();
    return names_.at(index);
}

}  // namespace ui
