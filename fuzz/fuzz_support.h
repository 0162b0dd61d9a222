#pragma once
// What the fuzz targets share: a Qt core application, a check that stops the run with a message, and
// ways to turn the fuzzer's bytes into texts.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A property that must hold: prints what broke it and aborts, so the fuzzer keeps the input.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// One core application for the process (some platform functions ask for the program's path).
inline void startApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
}

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

// Any sequence of UTF-16 code units, lone surrogates included: two bytes a unit.
inline QString units(const QByteArray& bytes) {
    QString text;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(ushort(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
    return text;
}

// Splits the input at the first occurrence of `mark`: what stands before and after it.
inline QByteArray before(const QByteArray& input, const QByteArray& mark) {
    const int at = input.indexOf(mark);
    return at < 0 ? input : input.left(at);
}
inline QByteArray after(const QByteArray& input, const QByteArray& mark) {
    const int at = input.indexOf(mark);
    return at < 0 ? QByteArray() : input.mid(at + mark.size());
}

}  // namespace fuzz
