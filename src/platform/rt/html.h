#pragma once
// HTML escaping of text the program writes into markup (pages it makes, records it writes as HTML),
// and its decoding. Every page and record the program writes escapes through `htmlEscape`; the
// record readers decode through `htmlUnescape`.
//
// The program's files are GBK text: a character GBK cannot hold (Hangul, emoji, accented letters,
// Arabic, lone surrogates, U+FEFF, ...) is written as a decimal character reference ("&#54620;",
// a surrogate pair as one reference of its code point), so every character survives the file and
// shows as itself in the page. Which other characters become references depends on where the text
// goes; the sets below name them.
#include <QString>

namespace rt {

// Characters that become character references, besides those GBK cannot hold.
enum HtmlChars : unsigned {
    kHtmlAmpersand = 1u << 0,    // & as &amp;
    kHtmlAngles = 1u << 1,       // < > as &lt; &gt;
    kHtmlDoubleQuote = 1u << 2,  // " as &quot;
    kHtmlApostrophe = 1u << 3,   // ' as &#39;
    kHtmlBlank = 1u << 4,        // blank as &#32;
    kHtmlTab = 1u << 5,          // tab as &#9;
    kHtmlLineEnds = 1u << 6,     // CR LF as &#13; &#10;
    kHtmlFormFeed = 1u << 7,     // form feed as &#12;
    kHtmlEquals = 1u << 8,       // = as &#61;
    kHtmlBacktick = 1u << 9,     // ` as &#96;
    // "<" is written "<br>&lt;": every tag of a source shown as text starts a line.
    kHtmlBreakBeforeTags = 1u << 10,
    // Characters GBK cannot hold stay as they are (for text that is escaped again when written).
    kHtmlKeepOutsideGbk = 1u << 11,

    kHtmlNone = 0,
    // Text content and quoted attribute values.
    kHtmlText = kHtmlAmpersand | kHtmlAngles | kHtmlDoubleQuote | kHtmlApostrophe,
    // Attribute values, also unquoted ones: nothing ends or splits them.
    kHtmlAttribute = kHtmlText | kHtmlBlank | kHtmlTab | kHtmlLineEnds | kHtmlEquals | kHtmlBacktick,
    // Source text shown as text with its entities working: only the angle brackets.
    kHtmlSource = kHtmlAngles | kHtmlKeepOutsideGbk,
};

// The escape: every character of `chars` and every character GBK cannot hold (unless
// kHtmlKeepOutsideGbk) becomes a character reference; everything else stays as it is. With
// kHtmlNone only the characters GBK cannot hold change: the last step of a page that is written
// whole from markup the program made.
QString htmlEscape(const QString& text, unsigned chars = kHtmlText);

// Attribute values, also unquoted ones: htmlEscape(value, kHtmlAttribute).
QString htmlAttributeEscape(const QString& value);

// Decodes what htmlEscape writes: the references &amp; &lt; &gt; &quot; &apos; (in any letter case)
// and decimal or hexadecimal character references of a code point (&#39;, &#x4E00;); any other "&"
// stays as it stands.
QString htmlUnescape(const QString& value);

}  // namespace rt
