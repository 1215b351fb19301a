#pragma once

// Resource, control and timer ids of the module, shared by the .rc file and the code.

#define IDR_MODULE_VERSION 1
