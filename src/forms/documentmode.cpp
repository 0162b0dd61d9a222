#include "forms/documentmode.h"

#include "platform/sys/registry.h"

namespace forms {

QString documentModeValue() {
    return QStringLiteral(
               "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\"
               "FEATURE_BROWSER_EMULATION\\") +
           kExeName;
}

void writeDocumentMode(int number) {
    sys::Registry::RegWrite(documentModeValue(), number, QStringLiteral("REG_DWORD"));
}

}  // namespace forms
