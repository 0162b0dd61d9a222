#pragma once
// Addresses as the browser control reads and reports them.
#include <QString>
#include <QUrl>

class QWebFrame;

namespace web {

// Normalises typed text into an address the way Navigate reads it: a scheme-less host becomes
// http, an absolute local path (its backslashes read as folder separators, as the program writes
// paths) or "file:" a file address, "about:blank" the empty page.
QUrl addressFromText(const QString& text);
// The canonical text form of an address used by every event and property.
QString addressText(const QUrl& url);

// The form in which the program's record files (GBK text) keep an address: the address as
// addressText gives it, with every character GBK cannot hold written as the engine requests it (a
// host holding one as its ASCII form, anything else as percent-encoded UTF-8), so the file keeps the
// address whole; what GBK holds stays as it is. addressFromRecord gives back the address exactly.
QString recordAddress(const QString& address);
QString addressFromRecord(const QString& stored);

// For the web layer: two addresses name the same resource (fragment, trailing slash and encoding
// aside).
bool sameAddress(const QUrl& a, const QUrl& b);
// For the web layer: the canonical address of a frame's current document.
QUrl frameAddress(QWebFrame* frame);

}  // namespace web
