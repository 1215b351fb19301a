#pragma once

#include <windows.h>

namespace platform {

// The window rectangle that one of the module's dialog templates makes,
// worked out before the window exists: the template's size in dialog units
// through the font of an open dialog (right only for templates that name the
// same font), widened as the dialog widens for its labels where it is an
// extended template (dpi_layout.h), framed as its styles frame it. The rectangle is relative to the
// client area's top-left corner, so its left and top are negative (the frame,
// and the caption above the client area). False when there is no such template.
bool TemplateWindowRect(HINSTANCE module, int templateId, HWND sameFontDialog, RECT& rect);

}  // namespace platform
