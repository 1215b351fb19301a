#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/dialog_labels.h"

namespace platform {

// The labels that a dialog template's controls show, read from the template
// itself: what a dialog made from it would widen for before it exists. An
// extended template's (DIALOGEX) only; none for a plain one, or where the
// template ends early.
std::vector<DialogLabel> TemplateLabels(const BYTE* bytes, DWORD size);

}  // namespace platform
