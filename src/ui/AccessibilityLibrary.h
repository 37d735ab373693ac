// What screen readers need from Windows (Microsoft Active Accessibility: oleacc,
// with strings from oleaut32 and marshalling from ole32), looked up at run time:
// nothing of it is loaded until a screen reader first asks, and Windows 95
// without its accessibility redistributable simply goes without.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace quorvane {

// The system's own object for the window's client area (its parent, navigation,
// the window's state); nullptr when oleacc is missing. The caller releases it.
IAccessible* StandardClientObject(HWND window);

// The answer to WM_GETOBJECT carrying the object (COM is started on this thread
// first, as marshalling needs it); 0 when oleacc is missing.
LRESULT ResultForGetObject(IAccessible* object, WPARAM wParam);

// A string for a screen reader, from the program's ANSI text; nullptr when
// oleaut32 is missing or memory ran out.
BSTR NewAccessibleString(const std::string& text);

// Tells screen readers that something changed (NotifyWinEvent; Windows 95
// without the redistributable has none, and nobody listens there).
void RaiseWinEvent(DWORD event, HWND window, LONG objectId, LONG childId);

}  // namespace quorvane
