#pragma once
// The engine switches shared by every browser; the start-up sets them from the registry.
#include "platform/sys/engineswitches.h"

namespace web {

// One set of switches for the store and the engine (sys/engineswitches.h).
using EngineSwitches = sys::EngineSwitches;

void setEngineSwitches(const EngineSwitches& switches);
EngineSwitches engineSwitches();

// For the web layer: puts the engine's global settings in place once (scripts, the switches); every
// browser calls it before it makes its page.
void initEngineSettings();

// For the web layer: the default text encoding of pages without a charset (GBK, as the program's own
// pages are), put in once. A frame made while it is set makes the engine build its table of every
// encoding it knows, which a first request does not need: the first navigation sets it once its request
// is on its way, and the first turn of the event loop (before any page content is decoded) sets it in
// any case.
void applyDefaultTextEncoding();

}  // namespace web
