#pragma once
// A desktop shortcut on the Linux desktop: a shortcut named "….lnk" is written as a freedesktop
// launcher "….desktop" beside it (executable, and marked trusted with `gio` when that tool is
// installed).
#include <QString>

namespace sys {

// A desktop shortcut. Made by `Shell::createShortcut`, which loads the launcher when it exists already,
// so fields that are not set keep their values; `save()` writes it.
class Shortcut {
public:
    explicit Shortcut(const QString& path);

    // The launcher file written: the path with native separators and ".desktop" in place of ".lnk".
    QString fullName() const { return file_; }

    QString targetPath() const { return target_; }
    void setTargetPath(const QString& path) { target_ = path; }
    // "file" or "file,index"; an .ico picture is converted to a PNG picture for the launcher.
    QString iconLocation() const { return icon_; }
    void setIconLocation(const QString& location) { icon_ = location; }
    QString workingDirectory() const { return workingDirectory_; }
    void setWorkingDirectory(const QString& folder) { workingDirectory_ = folder; }
    QString description() const { return description_; }
    void setDescription(const QString& text) { description_ = text; }
    // Kept for the caller; a launcher has no hot key.
    QString hotkey() const { return hotkey_; }
    void setHotkey(const QString& keys) { hotkey_ = keys; }
    // The arguments of a launcher that existed, as written in its Exec line; kept on save.
    QString arguments() const { return arguments_; }

    // Writes the launcher. Raises rt::PathNotFound when its folder does not exist and
    // rt::PermissionDenied when it cannot be written.
    void save();

private:
    QString file_;
    QString target_;
    QString arguments_;
    QString icon_;
    QString workingDirectory_;
    QString description_;
    QString hotkey_;
};

}  // namespace sys
