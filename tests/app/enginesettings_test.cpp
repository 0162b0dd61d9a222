// The engine's registry settings written at start: the document mode, the fixed feature-control
// values, the class key with the open command, the marks of the engine switches and the switches
// handed to the browsers, and writes refused on the machine and class roots.
#include "app_fixture.h"

#include "app/enginesettings.h"
#include "platform/rt/error.h"
#include "platform/sys/registry.h"
#include "platform/web/webbrowser.h"

#include <QVariant>

namespace {

const QString kFeatures = QStringLiteral("\\Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\");
const QString kEmulation =
    QStringLiteral("HKEY_CURRENT_USER") + kFeatures + QStringLiteral("FEATURE_BROWSER_EMULATION\\Zelvaro浏览器.exe");
const QString kPictures = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Display Inline Images");
const QString kPlugins =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3\\1200");
const QString kScripts =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3\\1400");
const QString kClassShell = QStringLiteral("HKEY_CLASSES_ROOT\\Tavrolin\\shell\\");
const QString kClassCommand = QStringLiteral("HKEY_CLASSES_ROOT\\Tavrolin\\shell\\open\\command\\");

// The value as text, or "<absent>".
QString read(const QString& path) {
    try {
        return sys::Registry::RegRead(path).toString();
    } catch (const rt::RuntimeError&) {
        return QStringLiteral("<absent>");
    }
}

QString feature(const char* root, const char* name) {
    return QString::fromLatin1(root) + kFeatures + QString::fromLatin1(name) + QStringLiteral("\\Zelvaro浏览器.exe");
}

class EngineSettingsTest : public AppTest {
protected:
    void apply() {
        EngineSettings settings(f4());
        settings.apply();
    }
};

TEST_F(EngineSettingsTest, DocumentModeFollowsTheSettingExactly) {
    struct Case {
        const char* ie;
        const char* written;  // "<absent>": nothing written
    };
    const Case cases[] = {
        {"ie7.0", "7000"},     {"ie8.0", "8000"},     {"ie8.9", "8888"},     {"ie9.0", "9000"},
        {"ie9.9", "9999"},     {"ie10.0", "10000"},   {"ie10.9", "10001"},   {"ie11.0", "11000"},
        {"ie11.9", "11001"},   {"12001", "12001"},    {"IE9.9", "<absent>"}, {"ie9", "<absent>"},
        {"", "<absent>"},      {" ie9.9x", "<absent>"}, {"11000", "<absent>"},
    };
    make();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ie);
        QFile::remove(sys::Registry::storeFile());
        setSetting("IE", QString::fromUtf8(c.ie));
        apply();
        EXPECT_EQ(read(kEmulation), QString::fromUtf8(c.written));
    }
}

TEST_F(EngineSettingsTest, UnknownModeLeavesTheEarlierValue) {
    make();
    setSetting("IE", "ie9.0");
    apply();
    setSetting("IE", "ie9");
    apply();
    EXPECT_EQ(read(kEmulation), "9000");
}

TEST_F(EngineSettingsTest, WritesFixedValuesAndTheOpenCommand) {
    make();
    apply();
    EXPECT_EQ(read(feature("HKEY_CURRENT_USER", "FEATURE_BLOCK_LMZ_SCRIPT")), "0");
    EXPECT_EQ(read(feature("HKEY_LOCAL_MACHINE", "FEATURE_BLOCK_LMZ_SCRIPT")), "0");
    EXPECT_EQ(read(feature("HKEY_CURRENT_USER", "FEATURE_GPU_RENDERING")), "1");
    EXPECT_EQ(read(feature("HKEY_LOCAL_MACHINE", "FEATURE_GPU_RENDERING")), "1");
    EXPECT_EQ(read(feature("HKEY_CURRENT_USER", "FEATURE_SCRIPTURL_MITIGATION")), "1");
    EXPECT_EQ(read(feature("HKEY_LOCAL_MACHINE", "FEATURE_SCRIPTURL_MITIGATION")), "1");
    EXPECT_EQ(read(kClassShell), "open");
    EXPECT_EQ(read(kClassCommand), "\"" + folder.path() + "/Zelvaro浏览器.exe\"%1");
}

TEST_F(EngineSettingsTest, OpenCommandNamesTheRealExecutableInAFolderWithBlanks) {
    const QString spaced = folder.path() + "/my apps";
    QDir().mkpath(spaced);
    QDir().mkpath(spaced + "/txt");
    QFile exe(spaced + "/Zelvaro浏览器");  // the executable as it is built on this system
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.close();
    sys::setAppPath(spaced);
    make();
    apply();
    EXPECT_EQ(read(kClassCommand), "\"" + spaced + "/Zelvaro浏览器\"%1");
    EXPECT_EQ(app::openCommand(), "\"" + spaced + "/Zelvaro浏览器\"%1");
}

TEST_F(EngineSettingsTest, RefusedRootsSkipOnlyTheirOwnWrites) {
    struct Case {
        const char* refused;
        bool userValues, machineValues, classKey;
    };
    const Case cases[] = {
        {"HKLM", true, false, true},
        {"HKCR", true, true, false},
        {"HKCU", false, true, true},
    };
    make();
    setSetting("IE", "ie11.0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        QFile::remove(sys::Registry::storeFile());
        sys::Registry::clearRefusedWrites();
        sys::Registry::setWritesRefused(QString::fromLatin1(c.refused), true);
        apply();
        EXPECT_EQ(read(kEmulation) == "11000", c.userValues);
        EXPECT_EQ(read(feature("HKEY_CURRENT_USER", "FEATURE_SCRIPTURL_MITIGATION")) == "1", c.userValues);
        EXPECT_EQ(read(feature("HKEY_LOCAL_MACHINE", "FEATURE_GPU_RENDERING")) == "1", c.machineValues);
        EXPECT_EQ(read(feature("HKEY_LOCAL_MACHINE", "FEATURE_SCRIPTURL_MITIGATION")) == "1", c.machineValues);
        EXPECT_EQ(read(kClassShell) == "open", c.classKey);
        EXPECT_EQ(read(kClassCommand) == app::openCommand(), c.classKey);
    }
    sys::Registry::clearRefusedWrites();
}

TEST_F(EngineSettingsTest, EngineValuesMarkTheMenuAndReachTheBrowsers) {
    struct Case {
        const char* name;
        QVariant pictures, plugins, scripts;  // invalid: absent
        bool mark4, mark5, mark6;             // expected marks, each item ticked beforehand
        bool picturesOff, pluginsOff, scriptsOff;
    };
    const Case cases[] = {
        {"all off", QString("no"), 3, 3, true, true, true, true, true, true},
        {"all on", QString("yes"), 0, 0, false, false, false, false, false, false},
        {"absent keeps the marks", QVariant(), QVariant(), QVariant(), true, true, true, false, false, false},
        {"text three counts", QString("No"), QString("3"), 1, false, true, false, false, true, false},
    };
    make();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(sys::Registry::storeFile());
        auto put = [](const QString& path, const QVariant& v) {
            if (!v.isValid()) return;
            sys::Registry::RegWrite(path, v, v.type() == QVariant::String ? QString() : QStringLiteral("REG_DWORD"));
        };
        put(kPictures, c.pictures);
        put(kPlugins, c.plugins);
        put(kScripts, c.scripts);
        for (int i = 4; i <= 6; ++i) f4().WYJZ100(i).setChecked(true);
        web::setEngineSwitches(web::EngineSwitches{});
        apply();
        EXPECT_EQ(f4().WYJZ100(4).checked(), c.mark4);
        EXPECT_EQ(f4().WYJZ100(5).checked(), c.mark5);
        EXPECT_EQ(f4().WYJZ100(6).checked(), c.mark6);
        EXPECT_EQ(web::engineSwitches().picturesOff, c.picturesOff);
        EXPECT_EQ(web::engineSwitches().pluginsOff, c.pluginsOff);
        EXPECT_EQ(web::engineSwitches().scriptsOff, c.scriptsOff);
    }
    web::setEngineSwitches(web::EngineSwitches{});
}

TEST_F(EngineSettingsTest, StartWritesTheValues) {
    setSetting("IE", "ie10.9");
    ASSERT_TRUE(start(QString(), false));
    EXPECT_EQ(read(kEmulation), "10001");
    EXPECT_EQ(read(kClassCommand), app::openCommand());
}

}  // namespace
