#include "platform/web/scriptless.h"

namespace web {

const QByteArray kScriptsOffPolicy = "script-src 'none'";

namespace {

const QByteArray kPolicyElement = "<meta http-equiv=\"Content-Security-Policy\" content=\"" + kScriptsOffPolicy + "\">";

QByteArray mimeOf(const QByteArray& contentType) { return contentType.split(';').first().trimmed().toLower(); }

bool isXml(const QByteArray& mime) { return mime.endsWith("/xml") || mime.endsWith("+xml") || mime == "text/xsl"; }

bool isWideCharset(const QByteArray& contentType, const QByteArray& bytes) {
    const QByteArray type = contentType.toLower();
    return type.contains("utf-16") || type.contains("utf-32") || type.contains("ucs-2") || type.contains("ucs-4") ||
           bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff") || bytes.startsWith(QByteArray(1, '\0'));
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

}  // namespace

bool isScriptable(const QByteArray& contentType) {
    const QByteArray mime = mimeOf(contentType);
    return mime == "text/html" || isXml(mime);
}

RewrittenDocument scriptlessDocument(const QUrl& address, const QByteArray& contentType, const QByteArray& bytes) {
    const QByteArray mime = mimeOf(contentType);
    const QByteArray plain = "text/plain;charset=utf-8";
    if (mime == "image/svg+xml") {
        QByteArray source = address.toEncoded();
        source.replace('"', "%22");
        return {"text/html;charset=utf-8", kPolicyElement + "<body style=\"margin:0\"><img src=\"" + source + "\"></body>"};
    }
    if (isXml(mime)) return {plain, bytes};
    if (mime != "text/html") return {contentType, bytes};
    if (isWideCharset(contentType, bytes)) return {plain, bytes};
    // The policy goes first; a doctype in front keeps its place (and the page its mode).
    int at = 0;
    while (at < bytes.size() && isBlank(bytes[at])) ++at;
    if (bytes.mid(at, 3) == "\xef\xbb\xbf") at += 3;
    if (bytes.mid(at, 9).toLower() == "<!doctype" && bytes.indexOf('>', at) >= 0) {
        at = bytes.indexOf('>', at) + 1;
    } else {
        at = 0;
    }
    return {contentType, bytes.left(at) + kPolicyElement + bytes.mid(at)};
}

bool dataAddressContent(const QUrl& address, QByteArray& contentType, QByteArray& bytes) {
    if (address.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) != 0) return false;
    const QByteArray encoded = address.toEncoded(QUrl::RemoveScheme | QUrl::RemoveFragment);
    const int comma = encoded.indexOf(',');
    if (comma < 0) return false;
    QByteArray header = QByteArray::fromPercentEncoding(encoded.left(comma)).trimmed();
    const QByteArray content = QByteArray::fromPercentEncoding(encoded.mid(comma + 1));
    const bool base64 = header.toLower().endsWith(";base64");
    if (base64) header.chop(7);
    contentType = header.isEmpty() || header.startsWith(';') ? "text/plain;charset=US-ASCII" + header : header;
    bytes = base64 ? QByteArray::fromBase64(content) : content;
    return true;
}

}  // namespace web
