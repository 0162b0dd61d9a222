// Favorite records: any line read, and records built from any texts written and read back through
// the file's code page.
#include "fuzz_support.h"

#include "platform/rt/gbk.h"
#include "platform/rt/html.h"
#include "records/favoriterecord.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytes(data, size);

    // Any line, as the file gives it.
    const QString line = rt::fromGbk(input);
    FavoriteRecord read;
    if (FavoriteRecord::parse(line, &read) && line.contains(QStringLiteral(" id="))) {
        const QString address = FavoriteRecord::addressOf(line);
        (void)address;
    }
    FavoriteRecord::indexOfId({line}, QStringLiteral("0.5"));
    rt::htmlUnescape(line);

    // A record from four texts of any code units: its line survives the file whole.
    const QStringList parts = fuzz::units(input).split(QChar(0x1F));
    FavoriteRecord r;
    r.label = parts.value(0);
    r.address = parts.value(1);
    r.id = parts.value(2);
    r.text = parts.value(3);
    const QString stored = rt::fromGbk(rt::toGbk(r.toLine()));
    fuzz::check(stored == r.toLine(), "a record's line survives the code page");
    const FavoriteRecord back = FavoriteRecord::fromLine(stored);
    fuzz::check(back.label == r.label, "the label reads back");
    fuzz::check(back.address == r.address, "the address reads back");
    fuzz::check(back.id == r.id, "the id reads back");
    fuzz::check(back.text == r.text, "the text reads back");
    fuzz::check(FavoriteRecord::addressOf(stored) == r.address, "addressOf agrees with the record");
    fuzz::check(rt::htmlUnescape(FavoriteRecord::escapeAttribute(r.address)) == r.address,
                "escaping an attribute is undone");
    fuzz::check(rt::htmlUnescape(FavoriteRecord::escapeText(r.text)) == r.text, "escaping a text is undone");
    return 0;
}
