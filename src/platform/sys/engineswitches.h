#pragma once
// The engine's per-user switches. The registry store reads them (sys::engineSwitches(), registry.h);
// the web layer applies them to every browser (web::setEngineSwitches(), web/switches.h).
namespace sys {

// The registry values of the three switches, and the text each holds while its switch is on.
inline constexpr const char* kPicturesSwitchPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Display Inline Images";
inline constexpr const char* kPluginsSwitchPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3\\1200";
inline constexpr const char* kScriptsSwitchPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3\\1400";
inline constexpr const char* kPicturesOffText = "no";
inline constexpr const char* kZoneDisabledText = "3";

struct EngineSwitches {
    bool picturesOff = false;  // pictures are not loaded ("Display Inline Images" is "no")
    bool pluginsOff = false;   // plug-in objects are not started (Internet zone value 1200 is 3)
    bool scriptsOff = false;   // scripts of pages from the network do not run (Internet zone value 1400
                               // is 3); local pages' scripts and the program's own scripts still do
};

}  // namespace sys
