#pragma once
// Strict and lenient conversions of text to numbers and truth values.
//
// One grammar serves every conversion of text to a number:
//
//   number  := blanks ( decimal | hex ) blanks
//   decimal := [sign] ( digits [ "." [digits] ] | "." digits ) [ exponent ]
//   exponent:= ( "E" | "e" | "D" | "d" ) [sign] digits
//   hex     := "&H" hexdigits          (1 to 8 digits, either case, read as a signed 32-bit value)
//   sign    := "+" | "-"
//   blanks  := any number of spaces and tabs
//
// The decimal point is always "."; no thousands separators, currency signs or other characters are
// allowed anywhere. The strict conversions raise type mismatch (13) for text outside the grammar,
// the empty text included, and overflow (6) for a value outside the target's range.
#include <QString>
#include <QtGlobal>

namespace rt {

// Strict conversion to a double-precision number.
double toDouble(const QString& text);

// Strict conversion to a 32-bit integer: a fraction goes to the nearest integer and a half to the
// even neighbour ("2.5" -> 2, "3.5" -> 4, "-0.5" -> 0).
qint32 toInt32(const QString& text);
qint32 toInt32(double value);

// Strict conversion to a 16-bit integer, rounded as `toInt32`.
qint16 toInt16(const QString& text);
qint16 toInt16(double value);

// Strict conversion to a truth value: "True" or "False" in any letter case (blanks around ignored),
// or a number of the grammar (0 is false, any other number true).
bool toBool(const QString& text);

// Strict conversion of a stored colour value: decimal text or "&H" hexadecimal, as a 32-bit integer
// ("&H8000000F" is the system colour reference -2147483633).
qint32 toColor(const QString& text);

// The lenient number test of the settings editors: true when the text is a number of the grammar.
bool isNumeric(const QString& text);

// Reads the number at the start of the text and ignores the rest: blanks, tabs and line feeds are
// skipped wherever they are, then the longest leading number is taken ("12abc" -> 12, "abc" -> 0,
// " 1 2 3" -> 123, "&HFF" -> 255). Raises overflow (6) for a number beyond the double range.
double val(const QString& text);

// Rounds to the nearest integer, a half to the even neighbour.
double roundHalfEven(double value);

}  // namespace rt
