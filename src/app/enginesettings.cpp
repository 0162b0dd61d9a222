#include "app/enginesettings.h"

#include "forms/documentmode.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/registry.h"
#include "platform/sys/shell.h"
#include "platform/web/webbrowser.h"

#include <QVariant>

namespace {

const QString kFeatureControl = QStringLiteral("\\Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\");
const QString kCurrentUser = QStringLiteral("HKEY_CURRENT_USER");
const QString kLocalMachine = QStringLiteral("HKEY_LOCAL_MACHINE");

QString featureValue(const QString& root, const QString& feature) {
    return root + kFeatureControl + feature + QLatin1Char('\\') + app::kExeName;
}

// The three per-user engine values and the menu item each one marks.
struct SwitchValue {
    int item;
    const char* path;
    const char* ticked;
};
const SwitchValue kSwitchValues[] = {
    {4, sys::kPicturesSwitchPath, sys::kPicturesOffText},
    {5, sys::kPluginsSwitchPath, sys::kZoneDisabledText},
    {6, sys::kScriptsSwitchPath, sys::kZoneDisabledText},
};

void writeDword(const QString& path, int value) {
    sys::Registry::RegWrite(path, value, QStringLiteral("REG_DWORD"));
}

}  // namespace

namespace app {

QString openCommand() {
    const QString exe = sys::nativeProgramPath(sys::appPath() + QStringLiteral("\\") + kExeName);
    return QLatin1Char('"') + exe + QLatin1Char('"') + QStringLiteral("%1");
}

}  // namespace app

EngineSettings::EngineSettings(Form4& menus) : menus_(menus) {}

void EngineSettings::apply() {
    // The marks of the page-loading menu's engine switches; a value that cannot be read leaves its
    // mark as it is.
    for (const SwitchValue& s : kSwitchValues) {
        rt::step([&] {
            const QString value = sys::Registry::RegRead(QString::fromUtf8(s.path)).toString();
            menus_.WYJZ100(s.item).setChecked(value == QString::fromUtf8(s.ticked));
        });
    }
    // The same three switches take effect in every browser of this run.
    rt::step([&] { web::setEngineSwitches(sys::engineSwitches()); });

    // The document mode: each row reads the setting anew; at most one matches.
    for (const forms::DocumentMode& m : forms::kDocumentModes) {
        rt::step([&] {
            if (forms::read(forms::appkey::IE) == QString::fromUtf8(m.setting)) forms::writeDocumentMode(m.number);
        });
    }

    // The six fixed feature-control values, the user's before the machine's.
    const struct {
        const char* feature;
        int value;
    } fixed[] = {{"FEATURE_BLOCK_LMZ_SCRIPT", 0}, {"FEATURE_GPU_RENDERING", 1}, {"FEATURE_SCRIPTURL_MITIGATION", 1}};
    for (const auto& f : fixed) {
        for (const QString& root : {kCurrentUser, kLocalMachine}) {
            rt::step([&] { writeDword(featureValue(root, QString::fromUtf8(f.feature)), f.value); });
        }
    }

    // The class key of the program with its open command.
    const QString classKey = QStringLiteral("HKEY_CLASSES_ROOT\\") + sys::ProgramClassName;
    rt::step([&] { sys::Registry::RegWrite(classKey + QStringLiteral("\\shell\\"), QStringLiteral("open")); });
    rt::step([&] {
        sys::Registry::RegWrite(classKey + QStringLiteral("\\shell\\open\\command\\"), app::openCommand());
    });
}
