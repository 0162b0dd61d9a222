#pragma once
// Documents whose scripts must not run (web layer internal). The engine takes the page-script policy
// from the headers of http replies only; a document from elsewhere is rewritten before the engine sees
// it. Documents made from data: addresses never reach the network layer: the page loads their
// rewritten content in their place (browserpage.cpp).
#include <QByteArray>
#include <QUrl>

namespace web {

// The policy that stops a page's scripts (script elements, handler attributes, javascript: links)
// and leaves the program's own scripts working.
extern const QByteArray kScriptsOffPolicy;

struct RewrittenDocument {
    QByteArray contentType;
    QByteArray bytes;
};

// What a document becomes so that no script of it runs, by its content type: HTML gets the policy as
// its first element (after a leading doctype); an SVG picture is shown as a picture in an HTML page that
// has the policy (a picture runs no scripts); other XML documents, and HTML in a 16- or 32-bit
// encoding, are shown as plain text. Anything else stays as it is.
RewrittenDocument scriptlessDocument(const QUrl& address, const QByteArray& contentType, const QByteArray& bytes);

// Whether scriptlessDocument changes a document of this content type (HTML, SVG and other XML).
bool isScriptable(const QByteArray& contentType);

// The content type and bytes a data: address holds ("data:[type][;base64],content"; no type is
// "text/plain;charset=US-ASCII"); false for an address that is not a data: address.
bool dataAddressContent(const QUrl& address, QByteArray& contentType, QByteArray& bytes);

}  // namespace web
