#include "platform/sys/registry.h"

#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/filestamp.h"
#include "platform/sys/xdg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>
#include <cmath>
#include <optional>

namespace sys {

namespace {

const QString kSz = QStringLiteral("REG_SZ");
const QString kDword = QStringLiteral("REG_DWORD");

QSet<QString>& refusedRoots() {
    static QSet<QString> roots;
    return roots;
}

QString canonicalRoot(const QString& root) {
    const QString r = root.toUpper();
    if (r == QLatin1String("HKEY_CURRENT_USER") || r == QLatin1String("HKCU")) return QStringLiteral("HKEY_CURRENT_USER");
    if (r == QLatin1String("HKEY_LOCAL_MACHINE") || r == QLatin1String("HKLM")) return QStringLiteral("HKEY_LOCAL_MACHINE");
    if (r == QLatin1String("HKEY_CLASSES_ROOT") || r == QLatin1String("HKCR")) return QStringLiteral("HKEY_CLASSES_ROOT");
    return QString();
}

struct RegPath {
    QString root;
    QStringList keys;
    QString value;  // empty: the key's default value
    bool valid = false;
    QString keyPath() const { return (QStringList{root} + keys).join(QLatin1Char('\\')); }
};

RegPath parsePath(const QString& path) {
    RegPath p;
    const QStringList parts = path.split(QLatin1Char('\\'));
    if (parts.size() < 2) return p;
    p.root = canonicalRoot(parts.first());
    if (p.root.isEmpty()) return p;
    p.keys = parts.mid(1, parts.size() - 2);
    for (const QString& k : p.keys) {
        if (k.isEmpty()) return p;
    }
    p.value = parts.last();
    p.valid = true;
    return p;
}

[[noreturn]] void raiseMissing(const QString& path) {
    rt::raise(RegistryValueMissing, QStringLiteral("无法读取注册表值 ") + path);
}

// The last store file parsed: a start reads the store a dozen times, and it rarely changes between two
// reads. A file with the same stamp (filestamp.h) is not read again; one read again is parsed again
// only when its bytes changed.
struct ParsedStore {
    QString file;
    std::optional<FileStamp> stamp;
    QByteArray bytes;
    QJsonObject keys;
};

ParsedStore& lastParsed() {
    static ParsedStore parsed;
    return parsed;
}

// The values of the store file, loaded for one call.
class Store {
public:
    // Loads the file. An absent file is an empty store. For reading, an unreadable or damaged file is
    // an empty store too; for writing, a damaged file is moved aside (to "registry.unreadable") so its
    // contents are not lost, and one that cannot be read raises "permission denied".
    void load(bool forWrite) {
        const QString file = Registry::storeFile();
        ParsedStore& last = lastParsed();
        FileStamp stamp;
        const bool stamped = stampOf(file, stamp);
        if (stamped && last.stamp && last.file == file && *last.stamp == stamp && !changedLately(stamp)) {
            keys_ = last.keys;
            return;
        }
        if (!QFileInfo::exists(file)) return;
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            if (forWrite) rt::raise(rt::PermissionDenied, QStringLiteral("无法读取 ") + file);
            return;
        }
        const QByteArray bytes = f.readAll();
        f.close();
        // The stamp counts only for the bytes read after it was taken, and only when it still describes
        // a file of their size.
        std::optional<FileStamp> kept;
        if (stamped && stamp.size == bytes.size()) kept = stamp;
        if (last.file == file && last.bytes == bytes) {
            keys_ = last.keys;
            last.stamp = kept;
            return;
        }
        QJsonParseError err{};
        const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
        if (err.error == QJsonParseError::NoError && doc.isObject()) {
            keys_ = doc.object();
            last = ParsedStore{file, kept, bytes, keys_};
            return;
        }
        if (forWrite) {
            const QString aside = file + QStringLiteral(".unreadable");
            QFile::remove(aside);
            if (!QFile::rename(file, aside)) rt::raise(rt::PermissionDenied, QStringLiteral("无法移开 ") + file);
        }
    }

    std::optional<QJsonObject> value(const RegPath& p) const {
        const QString key = existingKey(p.keyPath());
        if (key.isEmpty()) return std::nullopt;
        const QJsonObject values = keys_.value(key).toObject();
        const auto name = existingName(values, p.value);
        if (!name) return std::nullopt;
        return values.value(*name).toObject();
    }

    void set(const RegPath& p, const QJsonObject& v) {
        QString key = existingKey(p.keyPath());
        if (key.isEmpty()) key = p.keyPath();
        QJsonObject values = keys_.value(key).toObject();
        const QString name = existingName(values, p.value).value_or(p.value);
        values.insert(name, v);
        keys_.insert(key, values);
    }

    void save() const {
        const QString file = Registry::storeFile();
        const QString text = QString::fromUtf8(QJsonDocument(keys_).toJson(QJsonDocument::Indented));
        if (!xdg::writeTextFile(file, text)) rt::raise(rt::PermissionDenied, QStringLiteral("无法写入 ") + file);
    }

private:
    QString existingKey(const QString& keyPath) const {
        for (auto it = keys_.begin(); it != keys_.end(); ++it) {
            if (it.key().compare(keyPath, Qt::CaseInsensitive) == 0) return it.key();
        }
        return QString();
    }
    static std::optional<QString> existingName(const QJsonObject& values, const QString& name) {
        for (auto it = values.begin(); it != values.end(); ++it) {
            if (it.key().compare(name, Qt::CaseInsensitive) == 0) return it.key();
        }
        return std::nullopt;
    }

    QJsonObject keys_;
};

// A stored value as it reads; a REG_DWORD whose data is not a whole number from 0 to 4294967295 (a
// store edited by hand) reads as missing, as a damaged store does.
std::optional<QVariant> toVariant(const QJsonObject& v) {
    const QJsonValue data = v.value(QStringLiteral("data"));
    if (v.value(QStringLiteral("type")).toString() == kDword) {
        const double d = data.toDouble(-1);
        if (!data.isDouble() || !(d >= 0 && d <= 4294967295.0) || d != std::floor(d)) return std::nullopt;
        return QVariant(uint(quint32(d)));
    }
    return QVariant(data.toString());
}

std::optional<QVariant> readStored(const RegPath& p) {
    Store store;
    store.load(false);
    if (const auto v = store.value(p)) return toVariant(*v);
    return std::nullopt;
}

// A REG_DWORD value given as text or as a number: text converts strictly, as the runtime converts text
// to a number (decimal or "&H" hexadecimal); a fraction goes to the nearest whole number, a half to the
// even one. The result is the 32-bit pattern, so -1 is stored as 4294967295.
quint32 toDword(const QVariant& value) {
    double d = 0;
    if (value.type() == QVariant::String || value.type() == QVariant::ByteArray) {
        d = rt::toDouble(value.toString());
    } else {
        bool ok = false;
        if (value.canConvert<double>()) d = value.toDouble(&ok);
        if (!ok) rt::raise(rt::TypeMismatch);
    }
    d = rt::roundHalfEven(d);
    if (!(d >= -2147483648.0 && d <= 4294967295.0)) rt::raise(rt::Overflow);
    return quint32(qint64(d));
}

// The association values that answer for the desktop's URL handler.
struct Association {
    enum Kind { None, Command, ProgId } kind = None;
    QString scheme;
};

Association associationOf(const RegPath& p) {
    Association a;
    const QString keys = p.keys.join(QLatin1Char('\\')).toLower();
    for (const char* s : {"http", "https"}) {
        const QString scheme = QString::fromLatin1(s);
        const QString command = scheme + QStringLiteral("\\shell\\open\\command");
        if (p.value.isEmpty() &&
            ((p.root == QLatin1String("HKEY_CLASSES_ROOT") && keys == command) ||
             (p.root == QLatin1String("HKEY_CURRENT_USER") && keys == QStringLiteral("software\\classes\\") + command))) {
            a.kind = Association::Command;
            a.scheme = scheme;
        }
        if (p.root == QLatin1String("HKEY_CURRENT_USER") && p.value.compare(QLatin1String("progid"), Qt::CaseInsensitive) == 0 &&
            keys == QStringLiteral("software\\microsoft\\windows\\shell\\associations\\urlassociations\\") + scheme +
                        QStringLiteral("\\userchoice")) {
            a.kind = Association::ProgId;
            a.scheme = scheme;
        }
    }
    return a;
}

QVariant readAssociation(const RegPath& p, const Association& a, const QString& path) {
    const xdg::DesktopEntry handler = xdg::defaultHandler(QStringLiteral("x-scheme-handler/") + a.scheme);
    if (!handler.isValid()) raiseMissing(path);
    if (xdg::runsProgram(handler, QCoreApplication::applicationFilePath())) {
        if (const auto v = readStored(p)) return *v;
        if (a.kind == Association::ProgId) return ProgramClassName;
        if (const auto v = readStored(parsePath(QStringLiteral("HKEY_CLASSES_ROOT\\") + ProgramClassName +
                                                QStringLiteral("\\shell\\open\\command\\")))) {
            return *v;
        }
        raiseMissing(path);
    }
    if (a.kind == Association::ProgId) {
        QString id = handler.id;
        if (id.endsWith(QLatin1String(".desktop"))) id.chop(8);
        return id;
    }
    return handler.exec;
}

bool namesThisProgram(const Association& a, const QString& text) {
    if (a.kind == Association::ProgId) return text.contains(ProgramClassName);
    return text.contains(QStringLiteral("Zelvaro浏览器"));
}

}  // namespace

QString Registry::storeFile() { return xdg::configHome() + QStringLiteral("/zelvaro/registry"); }

void Registry::setWritesRefused(const QString& root, bool refused) {
    const QString r = canonicalRoot(root);
    if (r.isEmpty()) return;
    if (refused) refusedRoots().insert(r);
    else refusedRoots().remove(r);
}

void Registry::clearRefusedWrites() { refusedRoots().clear(); }

QVariant Registry::RegRead(const QString& path) {
    const RegPath p = parsePath(path);
    if (!p.valid) raiseMissing(path);
    const Association a = associationOf(p);
    if (a.kind != Association::None) return readAssociation(p, a, path);
    if (const auto v = readStored(p)) return *v;
    raiseMissing(path);
}

void Registry::RegWrite(const QString& path, const QVariant& value, const QString& type) {
    const RegPath p = parsePath(path);
    if (!p.valid) rt::raise(rt::InvalidProcedureCall, QStringLiteral("注册表路径无效 ") + path);
    const QString t = type.trimmed().toUpper();
    if (!t.isEmpty() && t != kSz && t != kDword) rt::raise(rt::InvalidProcedureCall, QStringLiteral("注册表值类型无效 ") + type);
    if (refusedRoots().contains(p.root)) rt::raise(rt::PermissionDenied, QStringLiteral("无权写入 ") + path);

    QJsonObject v;
    if (t == kDword) {
        v.insert(QStringLiteral("type"), kDword);
        v.insert(QStringLiteral("data"), double(toDword(value)));
    } else {
        v.insert(QStringLiteral("type"), kSz);
        v.insert(QStringLiteral("data"), value.toString());
    }

    Store store;
    store.load(true);
    const Association a = associationOf(p);
    if (a.kind != Association::None && t != kDword && namesThisProgram(a, value.toString())) {
        xdg::makeOwnDefault(QStringLiteral("x-scheme-handler/") + a.scheme);
    }
    // A value that already holds this type and data is left as it is: the start writes the same
    // values every time, and each save syncs the store to disk.
    const std::optional<QJsonObject> old = store.value(p);
    if (old && *old == v) return;
    store.set(p, v);
    store.save();
}

EngineSwitches engineSwitches() {
    EngineSwitches s;
    auto text = [](const char* path) -> QString {
        try {
            return Registry::RegRead(QString::fromUtf8(path)).toString();
        } catch (const rt::RuntimeError&) {
            return QString();
        }
    };
    s.picturesOff = text(kPicturesSwitchPath) == QLatin1String(kPicturesOffText);
    s.pluginsOff = text(kPluginsSwitchPath) == QLatin1String(kZoneDisabledText);
    s.scriptsOff = text(kScriptsSwitchPath) == QLatin1String(kZoneDisabledText);
    return s;
}

}  // namespace sys
