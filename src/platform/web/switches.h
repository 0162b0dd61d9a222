#pragma once
// The engine switches shared by every browser; the start-up sets them from the registry.
namespace web {

struct EngineSwitches {
    bool scriptsOff = false;   // scripts of pages from the network do not run (local pages' scripts and
                               // the program's own scripts still do)
    bool picturesOff = false;  // pictures are not loaded
    bool pluginsOff = false;   // plug-in objects are not started
};
void setEngineSwitches(const EngineSwitches& switches);
EngineSwitches engineSwitches();

// For the web layer: puts the engine's global settings in place once (text encoding, scripts, the
// switches); every browser calls it before it makes its page.
void initEngineSettings();

}  // namespace web
