// The number conversions on any text.
#include "fuzz_support.h"

#include "platform/rt/convert.h"
#include "platform/rt/error.h"

#include <cmath>
#include <optional>

namespace {

template <class T, class F>
std::optional<T> attempt(F f, int* error) {
    try {
        return f();
    } catch (const rt::RuntimeError& e) {
        *error = e.number();
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    for (const QString& text : {QString::fromLatin1(input), QString::fromUtf8(input), fuzz::units(input)}) {
        int error = 0;
        const std::optional<double> d = attempt<double>([&] { return rt::toDouble(text); }, &error);
        const bool numeric = rt::isNumeric(text);
        fuzz::check(numeric == d.has_value(), "the number test agrees with the conversion");
        if (!d) fuzz::check(error == rt::TypeMismatch || error == rt::Overflow, "a failed conversion says why");
        if (d) fuzz::check(std::isfinite(*d), "a converted number is finite");

        int e32 = 0;
        const std::optional<qint32> i32 = attempt<qint32>([&] { return rt::toInt32(text); }, &e32);
        if (i32 && d) {
            int again = 0;
            const auto viaDouble = attempt<qint32>([&] { return rt::toInt32(*d); }, &again);
            fuzz::check(viaDouble && *viaDouble == *i32, "toInt32 of the text and of its number agree");
        }
        int ignored = 0;
        attempt<qint16>([&] { return rt::toInt16(text); }, &ignored);
        attempt<bool>([&] { return rt::toBool(text); }, &ignored);
        attempt<qint32>([&] { return rt::toColor(text); }, &ignored);
        int valError = 0;
        const auto v = attempt<double>([&] { return rt::val(text); }, &valError);
        fuzz::check(v.has_value() || valError == rt::Overflow, "val only overflows");
        if (d) fuzz::check(rt::roundHalfEven(*d) == std::nearbyint(*d) || std::fabs(*d) > 1e15,
                           "rounding goes to the even neighbour");
    }
    return 0;
}
