// The registry store on any store file: reads of its values, and a write read back.
// Input: the store file's bytes, then optionally "\xff\xfe\xfd" and a value path (UTF-8).
#include "fuzz_support.h"

#include "platform/rt/error.h"
#include "platform/sys/registry.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace {

QTemporaryDir* home = nullptr;

void writeStore(const QByteArray& bytes) {
    const QString file = sys::Registry::storeFile();
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    QFile::remove(file + QStringLiteral(".unreadable"));
}

template <class F>
void tolerate(F f) {
    try {
        f();
    } catch (const rt::RuntimeError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startApplication();
    home = new QTemporaryDir();
    qputenv("HOME", home->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home->path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home->path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", (home->path() + QStringLiteral("/etc")).toUtf8());
    qputenv("XDG_DATA_DIRS", (home->path() + QStringLiteral("/share")).toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    const QByteArray mark("\xff\xfe\xfd");
    const QByteArray tail = fuzz::after(input, mark);
    writeStore(fuzz::before(input, mark));

    QStringList paths = {
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Display Inline Images"),
        QStringLiteral("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3\\1400"),
        QStringLiteral("HKLM\\a\\b"),
        QStringLiteral("HKCU\\a\\"),
    };
    if (!tail.isEmpty()) paths << QString::fromUtf8(tail);
    for (const QString& p : paths) tolerate([&] { sys::Registry::RegRead(p); });
    sys::engineSwitches();

    // A text and a number written to an ordinary key read back as written.
    const QString text = QStringLiteral("HKCU\\Software\\Fuzz\\Text");
    const QString number = QStringLiteral("HKCU\\Software\\Fuzz\\Number");
    bool wrote = true;
    try {
        sys::Registry::RegWrite(text, QString::fromUtf8(tail));
        sys::Registry::RegWrite(number, 4294967295.0, QStringLiteral("REG_DWORD"));
    } catch (const rt::RuntimeError&) {
        wrote = false;  // the file could not be moved aside or written
    }
    if (wrote) {
        fuzz::check(sys::Registry::RegRead(text).toString() == QString::fromUtf8(tail), "a text reads back");
        fuzz::check(sys::Registry::RegRead(number).toUInt() == 4294967295u, "a number reads back");
    }
    if (!tail.isEmpty()) {
        tolerate([&] { sys::Registry::RegWrite(QString::fromUtf8(tail), QString::fromUtf8(tail), QString::fromUtf8(tail)); });
    }
    return 0;
}
