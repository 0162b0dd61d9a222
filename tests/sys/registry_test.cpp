#include "platform/rt/error.h"
#include "platform/sys/registry.h"
#include "platform/sys/xdg.h"
#include "sys_fixtures.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

using sys::Registry;

namespace {

const QString kHttpCommand = "HKEY_CLASSES_ROOT\\HTTP\\shell\\open\\command\\";
const QString kHttpChoice =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice\\Progid";
const QString kOpenCommand = "\"/opt/Zelvaro dir\\Zelvaro浏览器.exe\"%1";

// What the default-browser check asks of the registry.
bool checkSaysDefault() {
    try {
        return Registry::RegRead(kHttpCommand).toString().contains(kOpenCommand) &&
               Registry::RegRead(kHttpChoice).toString().contains("Tavrolin");
    } catch (const rt::RuntimeError&) {
        return false;
    }
}

// The start-up's class key and the six writes of the "set as default" answer.
void registerClassKey() {
    Registry::RegWrite("HKEY_CLASSES_ROOT\\Tavrolin\\shell\\", "open");
    Registry::RegWrite("HKEY_CLASSES_ROOT\\Tavrolin\\shell\\open\\command\\", kOpenCommand);
}
void makeDefault() {
    for (const char* path : {"HKEY_CLASSES_ROOT\\http\\shell\\open\\command\\", "HKEY_CLASSES_ROOT\\https\\shell\\open\\command\\",
                             "HKEY_CURRENT_USER\\Software\\Classes\\http\\shell\\open\\command\\",
                             "HKEY_CURRENT_USER\\Software\\Classes\\https\\shell\\open\\command\\"}) {
        Registry::RegWrite(path, kOpenCommand);
    }
    Registry::RegWrite(kHttpChoice, "Tavrolin");
    Registry::RegWrite(
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\https\\UserChoice\\Progid",
        "Tavrolin");
}

}  // namespace

using RegistryStore = TempHome;
using Association = TempHome;

TEST_F(RegistryStore, ValuesReadBackAsWritten) {
    struct Case {
        const char* written;
        QVariant value;
        const char* type;
        const char* read;
        QVariant::Type readType;
        const char* text;
    };
    const Case cases[] = {
        {"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Display Inline Images", "no", "REG_SZ",
         "HKCU\\software\\microsoft\\internet explorer\\main\\display inline images", QVariant::String, "no"},
        {"HKCU\\Software\\Zones\\3\\1200", "3", "REG_DWORD", "HKEY_CURRENT_USER\\Software\\Zones\\3\\1200", QVariant::UInt, "3"},
        {"HKLM\\Software\\FeatureControl\\FEATURE_GPU_RENDERING\\Zelvaro浏览器.exe", 1, "reg_dword",
         "HKEY_LOCAL_MACHINE\\SOFTWARE\\featurecontrol\\feature_gpu_rendering\\zelvaro浏览器.EXE", QVariant::UInt, "1"},
        {"HKCU\\Software\\Big", " 4294967295 ", "REG_DWORD", "HKCU\\Software\\Big", QVariant::UInt, "4294967295"},
        // DWORD text converts as the runtime converts text to a number: a half to the even neighbour,
        // "&H" hexadecimal, a negative number as its 32-bit pattern
        {"HKCU\\Software\\Half", "2.5", "REG_DWORD", "HKCU\\Software\\Half", QVariant::UInt, "2"},
        {"HKCU\\Software\\Half", 3.5, "REG_DWORD", "HKCU\\Software\\Half", QVariant::UInt, "4"},
        {"HKCU\\Software\\Hex", "&H10", "REG_DWORD", "HKCU\\Software\\Hex", QVariant::UInt, "16"},
        {"HKCU\\Software\\Minus", "-1", "REG_DWORD", "HKCU\\Software\\Minus", QVariant::UInt, "4294967295"},
        {"HKCR\\Tavrolin\\shell\\", "open", "", "HKEY_CLASSES_ROOT\\TAVROLIN\\Shell\\", QVariant::String, "open"},
        {"HKCU\\Software\\Text", "带 空格 和 \"引号\"", "", "HKCU\\Software\\Text", QVariant::String, "带 空格 和 \"引号\""},
        {"HKCU\\Software\\Empty", "", "REG_SZ", "HKCU\\Software\\Empty", QVariant::String, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        Registry::RegWrite(c.written, c.value, c.type);
        const QVariant v = Registry::RegRead(c.read);
        EXPECT_EQ(v.type(), c.readType);
        EXPECT_EQ(v.toString(), QString(c.text));
    }
}

TEST_F(RegistryStore, ALaterWriteReplacesTheValueAndItsType) {
    Registry::RegWrite("HKCU\\Software\\Zones\\3\\1400", "3", "REG_DWORD");
    Registry::RegWrite("hkcu\\SOFTWARE\\zones\\3\\1400", "0", "REG_DWORD");
    EXPECT_EQ(Registry::RegRead("HKCU\\Software\\Zones\\3\\1400").toString(), "0");
    Registry::RegWrite("HKCU\\Software\\Zones\\3\\1400", "off");
    EXPECT_EQ(Registry::RegRead("HKCU\\Software\\Zones\\3\\1400").type(), QVariant::String);
}

TEST_F(RegistryStore, WritingWhatIsStoredAlreadyLeavesTheStoreAlone) {
    const QString path = "HKEY_CURRENT_USER\\Software\\Zelvaro\\Mode";
    Registry::RegWrite(path, 11000, "REG_DWORD");
    const QString file = Registry::storeFile();
    const auto bytes = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    const QByteArray before = bytes();
    // A marker the store would lose on a rewrite: the same value again does not rewrite the file.
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\n");
    }
    Registry::RegWrite(path, 11000, "REG_DWORD");
    EXPECT_EQ(bytes(), before + "\n");
    // Another type or value is written.
    Registry::RegWrite(path, "11000", "REG_SZ");
    EXPECT_EQ(Registry::RegRead(path).toString(), "11000");
    EXPECT_NE(bytes(), before + "\n");
}

TEST_F(RegistryStore, DefaultValueAndNamedValueOfAKeyAreApart) {
    Registry::RegWrite("HKCR\\Tavrolin\\shell\\open\\command\\", kOpenCommand);
    Registry::RegWrite("HKCR\\Tavrolin\\shell\\open\\command\\extra", "x");
    EXPECT_EQ(Registry::RegRead("HKCR\\Tavrolin\\shell\\open\\command\\").toString(), kOpenCommand);
    EXPECT_EQ(Registry::RegRead("HKCR\\Tavrolin\\shell\\open\\command\\extra").toString(), "x");
    // The key "command" has no value named "" under its parent.
    EXPECT_EQ(errorOf([] { Registry::RegRead("HKCR\\Tavrolin\\shell\\open\\command"); }), sys::RegistryValueMissing);
}

TEST_F(RegistryStore, MissingValuesRaiseTheRegistryError) {
    Registry::RegWrite("HKCU\\Software\\Present\\name", "v");
    for (const char* path : {"HKCU\\Software\\Present\\other",  // key present, value absent
                             "HKCU\\Software\\Present\\",       // default value never set
                             "HKCU\\Software\\Absent\\name",    // key absent
                             "HKLM\\Software\\Present\\name",   // same path under another root
                             "HKEY_BOGUS\\Software\\x",         // unknown root
                             "HKCU",                            // no value named
                             "HKCU\\Software\\\\Present\\name"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(errorOf([&] { Registry::RegRead(path); }), sys::RegistryValueMissing);
    }
}

TEST_F(RegistryStore, BadWritesRaiseAndStoreNothing) {
    struct Case {
        const char* path;
        QVariant value;
        const char* type;
        int error;
    };
    const Case cases[] = {
        {"HKCU\\Software\\Bad", "three", "REG_DWORD", rt::TypeMismatch},
        {"HKCU\\Software\\Bad", "", "REG_DWORD", rt::TypeMismatch},
        {"HKCU\\Software\\Bad", "4294967296", "REG_DWORD", rt::Overflow},
        {"HKCU\\Software\\Bad", "nan", "REG_DWORD", rt::TypeMismatch},
        {"HKCU\\Software\\Bad", "1e3x", "REG_DWORD", rt::TypeMismatch},
        {"HKCU\\Software\\Bad", QVariant(), "REG_DWORD", rt::TypeMismatch},
        {"HKCU\\Software\\Bad", "x", "REG_BINARY", rt::InvalidProcedureCall},
        {"HKEY_BOGUS\\Software\\Bad", "x", "REG_SZ", rt::InvalidProcedureCall},
        {"Software\\Bad", "x", "REG_SZ", rt::InvalidProcedureCall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " " + c.type);
        EXPECT_EQ(errorOf([&] { Registry::RegWrite(c.path, c.value, c.type); }), c.error);
        EXPECT_EQ(errorOf([] { Registry::RegRead("HKCU\\Software\\Bad"); }), sys::RegistryValueMissing);
    }
}

TEST_F(RegistryStore, ARefusedRootRaisesPermissionDeniedAndTheOthersStillWrite) {
    Registry::setWritesRefused("HKLM", true);
    Registry::setWritesRefused("HKEY_CLASSES_ROOT", true);
    const QString feature = "\\Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_GPU_RENDERING\\Zelvaro浏览器.exe";
    EXPECT_EQ(errorOf([&] { Registry::RegWrite("HKEY_LOCAL_MACHINE" + feature, 1, "REG_DWORD"); }), rt::PermissionDenied);
    EXPECT_EQ(errorOf([] { Registry::RegWrite("HKCR\\Tavrolin\\shell\\", "open"); }), rt::PermissionDenied);
    EXPECT_EQ(errorOf([&] { Registry::RegWrite("HKEY_CURRENT_USER" + feature, 1, "REG_DWORD"); }), 0);

    EXPECT_EQ(errorOf([&] { Registry::RegRead("HKLM" + feature); }), sys::RegistryValueMissing);
    EXPECT_EQ(Registry::RegRead("HKCU" + feature).toString(), "1");

    Registry::setWritesRefused("HKEY_LOCAL_MACHINE", false);
    Registry::RegWrite("HKLM" + feature, 1, "REG_DWORD");
    EXPECT_EQ(Registry::RegRead("HKLM" + feature).toString(), "1");
}

TEST_F(RegistryStore, ValuesLiveInTheConfigFolderAndADamagedFileIsKeptAside) {
    qputenv("XDG_CONFIG_HOME", (home + "/cfg").toLocal8Bit());
    Registry::RegWrite("HKCU\\Software\\Main\\Start Page", "about:blank");
    const QString file = home + "/cfg/zelvaro/registry";
    EXPECT_EQ(Registry::storeFile(), file);
    EXPECT_TRUE(QJsonDocument::fromJson(readFile(file).toUtf8()).isObject());
    EXPECT_TRUE(readFile(file).contains("about:blank"));

    writeFile(file, "{ not json");
    EXPECT_EQ(errorOf([] { Registry::RegRead("HKCU\\Software\\Main\\Start Page"); }), sys::RegistryValueMissing);
    Registry::RegWrite("HKCU\\Software\\Main\\Start Page", "x");
    EXPECT_EQ(readFile(file + ".unreadable"), "{ not json");
    EXPECT_EQ(Registry::RegRead("HKCU\\Software\\Main\\Start Page").toString(), "x");
}

// A number edited by hand into the store that no REG_DWORD can hold reads as missing.
TEST_F(RegistryStore, AStoreEditedByAnotherProgramIsReadAgain) {
    // The same size, at once, in place: only the bytes tell the two versions apart.
    const QString key = "HKEY_CURRENT_USER\\Software\\Zelvaro";
    Registry::RegWrite(key + "\\Mode", "1");
    EXPECT_EQ(Registry::RegRead(key + "\\Mode").toString(), "1");
    QFile f(Registry::storeFile());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    const int at = bytes.indexOf("\"1\"");
    ASSERT_GE(at, 0);
    bytes[at + 1] = '2';
    f.seek(0);
    f.write(bytes);
    f.close();
    EXPECT_EQ(Registry::RegRead(key + "\\Mode").toString(), "2");
    Registry::RegWrite(key + "\\Mode", "3");
    EXPECT_EQ(Registry::RegRead(key + "\\Mode").toString(), "3");
}

TEST_F(RegistryStore, ADwordOutsideItsRangeReadsAsMissing) {
    const QString key = "HKEY_CURRENT_USER\\Software\\Fuzz";
    const struct { const char* data; bool readable; unsigned value; } cases[] = {
        {"3", true, 3},          {"4294967295", true, 4294967295u}, {"0", true, 0},
        {"1e300", false, 0},     {"-1", false, 0},                   {"4294967296", false, 0},
        {"1.5", false, 0},       {"\"3\"", false, 0},                {"null", false, 0},
    };
    for (const auto& c : cases) {
        writeFile(Registry::storeFile(), QString("{\"%1\": {\"v\": {\"type\": \"REG_DWORD\", \"data\": %2}}}")
                                             .arg(QString(key).replace("\\", "\\\\"), c.data));
        if (c.readable) {
            EXPECT_EQ(Registry::RegRead(key + "\\v").toUInt(), c.value) << c.data;
        } else {
            EXPECT_EQ(errorOf([&] { Registry::RegRead(key + "\\v"); }), sys::RegistryValueMissing) << c.data;
        }
    }
}

TEST_F(RegistryStore, EngineSwitchesFollowTheirValues) {
    const QString pictures = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Display Inline Images";
    const QString zone = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3\\";
    sys::EngineSwitches s = sys::engineSwitches();
    EXPECT_FALSE(s.picturesOff || s.pluginsOff || s.scriptsOff);  // nothing stored yet

    Registry::RegWrite(pictures, "no", "REG_SZ");
    Registry::RegWrite(zone + "1200", "3", "REG_DWORD");
    Registry::RegWrite(zone + "1400", "0", "REG_DWORD");
    s = sys::engineSwitches();
    EXPECT_TRUE(s.picturesOff);
    EXPECT_TRUE(s.pluginsOff);
    EXPECT_FALSE(s.scriptsOff);

    Registry::RegWrite(pictures, "yes", "REG_SZ");
    Registry::RegWrite(zone + "1400", "3", "REG_DWORD");
    s = sys::engineSwitches();
    EXPECT_FALSE(s.picturesOff);
    EXPECT_TRUE(s.scriptsOff);
}

TEST_F(Association, FreshHomeIsNotTheDefault) {
    EXPECT_EQ(errorOf([] { Registry::RegRead(kHttpCommand); }), sys::RegistryValueMissing);
    EXPECT_EQ(errorOf([] { Registry::RegRead(kHttpChoice); }), sys::RegistryValueMissing);
    registerClassKey();
    EXPECT_FALSE(checkSaysDefault());
}

TEST_F(Association, SettingAsDefaultMakesThisProgramTheDesktopsUrlHandler) {
    writeFile(configHome() + "/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop\n");
    registerClassKey();
    makeDefault();
    EXPECT_TRUE(checkSaysDefault());

    const QString list = readFile(configHome() + "/mimeapps.list");
    EXPECT_TRUE(list.contains("x-scheme-handler/http=zelvaro.desktop\n"));
    EXPECT_TRUE(list.contains("x-scheme-handler/https=zelvaro.desktop\n"));
    EXPECT_TRUE(list.contains("text/plain=editor.desktop\n"));  // other defaults stay

    const sys::xdg::DesktopEntry own = sys::xdg::readDesktopEntry(dataHome() + "/applications/zelvaro.desktop");
    ASSERT_TRUE(own.isValid());
    EXPECT_EQ(sys::xdg::execCommand(own, "http://example.com/a b"),
              QStringList({QCoreApplication::applicationFilePath(), "http://example.com/a b"}));
    EXPECT_EQ(sys::xdg::defaultHandler("x-scheme-handler/https").id, "zelvaro.desktop");
}

TEST_F(Association, AnotherBrowserBecomingTheDefaultEndsIt) {
    registerClassKey();
    makeDefault();
    ASSERT_TRUE(checkSaysDefault());

    desktopEntry("other-browser.desktop", "/usr/bin/other-browser %u");
    QString list = readFile(configHome() + "/mimeapps.list");
    list.replace("x-scheme-handler/http=zelvaro.desktop", "x-scheme-handler/http=other-browser.desktop");
    writeFile(configHome() + "/mimeapps.list", list);

    EXPECT_FALSE(checkSaysDefault());
    EXPECT_EQ(Registry::RegRead(kHttpCommand).toString(), "/usr/bin/other-browser %u");
    EXPECT_EQ(Registry::RegRead(kHttpChoice).toString(), "other-browser");
}

TEST_F(Association, DefaultChosenInTheDesktopSettingsCountsToo) {
    registerClassKey();
    // The desktop made this program the http handler; none of the association values was written.
    sys::xdg::makeOwnDefault("x-scheme-handler/http");
    EXPECT_EQ(Registry::RegRead(kHttpCommand).toString(), kOpenCommand);
    EXPECT_EQ(Registry::RegRead(kHttpChoice).toString(), "Tavrolin");
    EXPECT_TRUE(checkSaysDefault());

    // A list that names a desktop entry running another copy of the program does not count.
    writeFile(dataHome() + "/applications/zelvaro.desktop",
              "[Desktop Entry]\nType=Application\nName=Zelvaro浏览器\nExec=\"/elsewhere/Zelvaro浏览器\" %u\n");
    EXPECT_FALSE(checkSaysDefault());
}

TEST_F(Association, DesktopSpecificListIsKeptInLine) {
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    desktopEntry("other-browser.desktop", "other-browser %u");
    writeFile(configHome() + "/xfce-mimeapps.list", "[Default Applications]\nx-scheme-handler/http=other-browser.desktop\n");
    registerClassKey();
    makeDefault();
    EXPECT_TRUE(checkSaysDefault());
    EXPECT_TRUE(readFile(configHome() + "/xfce-mimeapps.list").contains("x-scheme-handler/http=zelvaro.desktop"));
}

TEST_F(Association, RefusedOrForeignWritesLeaveTheDesktopAlone) {
    Registry::setWritesRefused("HKCR", true);
    EXPECT_EQ(errorOf([] { Registry::RegWrite("HKEY_CLASSES_ROOT\\http\\shell\\open\\command\\", kOpenCommand); }),
              rt::PermissionDenied);
    EXPECT_FALSE(QFile::exists(configHome() + "/mimeapps.list"));

    // A value that does not name this program is stored but changes no association.
    Registry::RegWrite(kHttpChoice, "SomethingElse");
    EXPECT_FALSE(QFile::exists(configHome() + "/mimeapps.list"));
    EXPECT_EQ(errorOf([] { Registry::RegRead(kHttpChoice); }), sys::RegistryValueMissing);
}
