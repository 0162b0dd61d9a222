#pragma once
// The engine switches shared by every browser; the start-up sets them from the registry.
#include "platform/sys/engineswitches.h"

namespace web {

// One set of switches for the store and the engine (sys/engineswitches.h).
using EngineSwitches = sys::EngineSwitches;

void setEngineSwitches(const EngineSwitches& switches);
EngineSwitches engineSwitches();

// For the web layer: puts the engine's global settings in place once (text encoding, scripts, the
// switches); every browser calls it before it makes its page.
void initEngineSettings();

}  // namespace web
