#pragma once
// HTML escaping of text the program writes into markup (pages it makes, records it writes as HTML).
// Every piece of text that did not come from the program's own markup goes through one of these.
#include <QString>

namespace rt {

// Text content and quoted attribute values: & < > " ' become character references; everything else
// stays as it is.
QString htmlEscape(const QString& text);

// Attribute values, also unquoted ones: besides the characters of htmlEscape, the characters that
// end or split an unquoted value (blank, tab, line ends, "=", "`") become character references, so a
// value keeps its line breaks and can not break out of its attribute.
QString htmlAttributeEscape(const QString& value);

}  // namespace rt
