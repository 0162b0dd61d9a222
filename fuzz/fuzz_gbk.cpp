// The GBK conversions on any bytes and on any UTF-16 text, lone surrogates included.
#include "fuzz_support.h"

#include "platform/rt/gbk.h"

namespace {

// Characters of a text: a surrogate pair counts once.
int characters(const QString& text) {
    int n = 0;
    for (int i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    return n;
}

void checkText(const QString& text) {
    const QByteArray gbk = rt::toGbk(text);
    fuzz::check(rt::gbkLength(text) == gbk.size(), "the length is the size of the encoding");
    fuzz::check(characters(rt::fromGbk(gbk)) == characters(text), "no character is dropped or added");
    for (const int budget : {0, 1, 2, 3, gbk.size() / 2, gbk.size() - 1, gbk.size()}) {
        const QString cut = rt::gbkLeft(text, budget);
        fuzz::check(text.startsWith(cut), "a cut is a start of the text");
        const int used = rt::toGbk(cut).size();
        fuzz::check(used <= budget || budget < 0, "a cut stays within its budget");
        fuzz::check(rt::gbkLength(cut) == used, "the cut's length matches its encoding");
        if (cut.size() < text.size()) {
            int next = 1;
            if (text[cut.size()].isHighSurrogate() && cut.size() + 1 < text.size() && text[cut.size() + 1].isLowSurrogate())
                next = 2;
            fuzz::check(rt::toGbk(text.left(cut.size() + next)).size() > budget, "a cut is the longest that fits");
        }
    }
    for (int i = 0; i < text.size(); ++i) {
        if (!rt::gbkHolds(text, i)) continue;
        const int n = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        fuzz::check(rt::fromGbk(rt::toGbk(text.mid(i, n))) == text.mid(i, n), "a held character reads back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    const QString decoded = rt::fromGbk(input);
    // Decoding and encoding again gives the bytes back where they were GBK.
    if (!decoded.contains(QChar(0xFFFD))) {
        const QString again = rt::fromGbk(rt::toGbk(decoded));
        fuzz::check(again == decoded, "decoded GBK reads back after a round trip");
    }
    checkText(decoded);
    checkText(fuzz::units(input));
    return 0;
}
