#pragma once
#include <QString>

namespace ui {

// The caption with its access-key markers taken out ("&&" stays a single "&").
QString stripAccessKey(const QString& caption);
// The letter after a single "&" (upper case), or an empty string.
QString accessKeyOf(const QString& caption);

}  // namespace ui
