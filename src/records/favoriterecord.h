#pragma once
// One favorite record: a line of `\txt\网址.html` and an item of the favorites window's mirror list.
//
// The line is
//   <label>mm-dd-yyyy　<period word>hh:mm:ss</label>　<a href=javascript:; title=ADDRESS id=ID>TEXT</a><br><br>
// with nothing between the pieces. The address stands directly after the first "title=" that follows
// the label (a label is never searched for it) and ends at the first " id=" after it; the id ends at
// the next ">"; the text ends at the closing "</a>".
//
// Addresses and texts are written HTML-escaped, so markup typed into the address bar shows as text in
// the favorites window instead of running there. The title value is unquoted, so blanks, quotes, "=",
// "`", "<" and ">" are escaped in it as well: the address can never hold a " id=" or end the tag early.
// Characters the file's code page (GBK) cannot hold as they are are written as decimal character
// references, so every code point survives the file (U+FEFF and lone surrogates too). Readers decode
// what the writer escapes and take older unescaped lines as they stand.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class FavoriteRecord {
public:
    QString label;    // date, ideographic space, period word and time, as shown in the label
    QString address;  // the record's address, plain text
    QString id;       // the record id
    QString text;     // what the link shows, plain text

    // The most records the list may hold for another one to be added: a record is added while the
    // list holds this many or fewer, so it grows to one more than this.
    static constexpr int kAddLimit = 500;
    static bool canAdd(int recordCount) { return recordCount <= kAddLimit; }

    // The period word of an hour given as the time text "hh:mm:ss" (its first two characters);
    // empty for anything that is not an hour 00..23.
    static QString periodWord(const QString& time);
    // The label of a record written at `when`: one clock reading gives date, period word and time.
    static QString labelAt(const QDateTime& when);

    // The link text of a typed-address record: the address with every "." replaced by "：".
    static QString typedText(const QString& address);

    // A fresh record id. `draw` returns a random number in [0, 1); a number is drawn again while its
    // text is shorter than two characters or already stands in one of `lines` (the mirror), so no two
    // records share an id and no id is found inside another record's line.
    static QString makeId(const QStringList& lines, const std::function<float()>& draw);
    // The same with the program's random-number source, reseeded from the clock first.
    static QString makeId(const QStringList& lines);
    // The default text of a random number as a record id (seven significant digits).
    static QString idText(float value);

    // A record built at `when` from its address, id and link text.
    static FavoriteRecord make(const QDateTime& when, const QString& address, const QString& id,
                               const QString& text);

    // The record's line, escaped.
    QString toLine() const;
    // Reads a line (escaped or older unescaped). Pieces that are missing read as empty; returns false
    // when the line holds no "title=".
    static bool parse(const QString& line, FavoriteRecord* record);
    static FavoriteRecord fromLine(const QString& line);

    // The address of a line: the text between its first "title=" after the label and the next " id=",
    // decoded. Empty when the line has no "title=" there.
    static QString addressOf(const QString& line);

    // The index of the first line whose record id equals `id` (compared without regard to case),
    // or -1. Only the id piece is compared, never the address or the text.
    static int indexOfId(const QStringList& lines, const QString& id);

    // HTML escaping used in the line (rt::htmlEscape): for the unquoted title value and for the link
    // text. rt::htmlUnescape reads both back.
    static QString escapeAttribute(const QString& value);
    static QString escapeText(const QString& value);
};
