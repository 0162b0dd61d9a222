#include "platform/web/pluginhook.h"

namespace web {

namespace {

PluginHook g_pluginHook;

}  // namespace

void setPluginHook(PluginHook hook) { g_pluginHook = std::move(hook); }

const PluginHook& pluginHook() { return g_pluginHook; }

}  // namespace web
