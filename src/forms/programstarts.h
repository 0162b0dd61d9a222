#pragma once
// Starting other programs (a browser, a text editor, a calculator): where a start fails, the user is
// told why, with the launcher's message ("没有找到文本编辑器", ...), the exclamation icon and no title of
// its own. Every place that starts another program passes its result through here.
//
// Program text files are GBK: an "edit the file" item opens its file with kProgramFileEncoding, so an
// editor that takes an encoding shows and saves it as it is.
#include "platform/sys/launcher.h"

namespace forms {

// The encoding of the program folder's text files, as text editors name it.
inline constexpr const char* kProgramFileEncoding = "GBK";

// Shows the message of a start that failed; returns whether the program started.
bool started(const sys::StartResult& result);

// Opens a text file of the program folder (a path written as the program folder plus a tail) in a
// text editor told its encoding; a failed start is reported as above.
bool editProgramFile(const QString& path);

}  // namespace forms
