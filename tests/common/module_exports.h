#pragma once

#include "host/simulator/plugin_exports.h"
#include "platform/ole_date_time.h"

// The module's exported functions as a host finds them: natively the linked
// functions, under Windows GetProcAddress on the loaded DLL.
using ModuleExports = PluginExports;

const ModuleExports& Module();
