#pragma once
// One line of the navigation page, read and edited as markup rather than as plain text.
//
// A tile line is found by the exact id of its element: a tag of the line whose id attribute is the id,
// whole (an added `TavrolinOK1` is not found in the line of `TavrolinOK10`, nor a record id inside a
// longer one). Its fields are attributes: `src`, `width`, `height` and `title` of the tag that holds
// the id, and `href` of the link that holds it (the last "<a" tag before it; the tag itself when it is
// a link). A field is read and written inside its own value only, so editing the link leaves a web
// picture address that starts with the same text alone, and a width of 200 is changed in `width=`
// and nowhere else.
//
// Values stand unquoted. Written values are escaped (blanks, quotes, "<", ">", "&", "=", "`", tabs and
// line ends, and characters that GBK cannot hold become character references), so a title with a
// blank or a ">" stays one attribute; read values are decoded, so a field reads back as it was typed.
// The tail is the text after the line's first "</a>"; a line without one has no tail to edit.
#include <QString>
#include <QStringList>

class TileLine {
public:
    // The index of the first line, from 0, that holds a tag whose id is exactly `id`; -1 when none
    // does or when `id` is empty.
    static int find(const QStringList& lines, const QString& id);
    static bool holdsId(const QString& line, const QString& id);

    // The decoded value of the field `name` ("href", "src", "width", "height", "title") of the tile
    // `id` in `line`; false when the line has no such tag or the tag no such attribute.
    static bool field(const QString& line, const QString& id, const QString& name, QString* value);
    // The line with that field's value replaced by `value` (escaped); the line as it was when the
    // field is not there.
    static QString withField(const QString& line, const QString& id, const QString& name, const QString& value);

    // Whether the line holds "</a>"; the text after its first "</a>"; the line up to and including its
    // first "</a>" followed by `tail` (the line as it was when it holds no "</a>").
    static bool hasLinkEnd(const QString& line);
    static QString tail(const QString& line);
    static QString withTail(const QString& line, const QString& tail);

    // The escaping of written values (rt::htmlEscape); rt::htmlUnescape decodes it.
    static QString escape(const QString& value);
};
