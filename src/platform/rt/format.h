#pragma once
// Numbers, dates and times as text, in the program's fixed forms, independent of the locale.
#include <QDateTime>
#include <QString>

#include <type_traits>

namespace rt {

// A single-precision value: at most 7 significant digits (140 twips / 15 -> "9.333333").
QString str(float value);
// A double-precision value: at most 15 significant digits.
//
// Both drop trailing zeros and a trailing decimal point, show a negative value with "-", and use the
// exponent form "1.5E+20" / "1E-05" (at least two exponent digits) when the exponent is below -4 or
// reaches the number of significant digits.
QString str(double value);
// Integers plainly.
template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
QString str(T value) {
    return QString::number(value);
}
// "True" / "False".
QString str(bool value);

// "mm-dd-yyyy" and "hh:mm:ss" (24-hour clock).
QString dateText(const QDate& date);
QString dateText(const QDateTime& moment);
QString timeText(const QTime& time);
QString timeText(const QDateTime& moment);

int year(const QDateTime& moment);
int month(const QDateTime& moment);
int day(const QDateTime& moment);
int hour(const QDateTime& moment);
int minute(const QDateTime& moment);
int second(const QDateTime& moment);

}  // namespace rt
