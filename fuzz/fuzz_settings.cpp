// The settings store on any file bytes: reads, and a write of one key.
// Input: the file's bytes, then optionally "\xff\xfe\xfd", a byte that picks the key, and the value
// (GBK bytes).
#include "fuzz_support.h"

#include "platform/rt/gbk.h"
#include "platform/sys/inifile.h"
#include "platform/sys/settingsfile.h"

#include <QStringList>

namespace {

const QString kSection = QStringLiteral("Zelvaro");
const QStringList kKeys = {QStringLiteral("UA"), QStringLiteral("软件命名"), QStringLiteral("启动主页"),
                           QStringLiteral(" ua "), QStringLiteral("Lv20"), QStringLiteral("高度")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    const QByteArray mark("\xff\xfe\xfd");
    const QByteArray file = fuzz::before(input, mark);
    const QByteArray tail = fuzz::after(input, mark);
    const QString key = kKeys[tail.isEmpty() ? 0 : uchar(tail[0]) % kKeys.size()];
    const QString value = rt::fromGbk(tail.mid(1));

    // Reads give at most 665 bytes and never a NUL.
    for (const QString& k : kKeys) {
        const QString v = sys::profileStringIn(file, kSection, k);
        fuzz::check(rt::gbkLength(v) <= sys::kProfileValueBytes, "a read is at most 665 bytes");
        fuzz::check(!v.contains(QChar(0)), "a read holds no NUL");
    }
    sys::isUtf8Settings(file, kSection, kKeys);

    // A write: the key is there afterwards, reads the same as in a file of its own, writing it again
    // changes nothing, and every other key keeps its value.
    const QByteArray written = sys::withProfileString(file, kSection, key, value);
    fuzz::check(sys::hasProfileKey(written, kSection, key), "a written key is there");
    const QString alone = sys::profileStringIn(sys::withProfileString(QByteArray(), kSection, key, value), kSection, key);
    fuzz::check(sys::profileStringIn(written, kSection, key) == alone, "a written value reads as in a file of its own");
    fuzz::check(sys::withProfileString(written, kSection, key, value) == written, "a second write changes nothing");
    for (const QString& other : kKeys) {
        if (other.trimmed().compare(key.trimmed(), Qt::CaseInsensitive) == 0) continue;
        fuzz::check(sys::profileStringIn(written, kSection, other) == sys::profileStringIn(file, kSection, other),
                    "other keys keep their values");
        fuzz::check(sys::profileStringIn(written, QStringLiteral("Other"), other) ==
                        sys::profileStringIn(file, QStringLiteral("Other"), other),
                    "other sections keep their values");
    }
    return 0;
}
