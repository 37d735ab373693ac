// Control and menu command identifiers, in one place.
#pragma once

#include <windows.h>

namespace quorvane {

// The controls of a form get ids from here on, in the order they were made.
// Ids stay clear of IDOK and IDCANCEL, which the dialog manager sends for Enter
// and Escape.
inline constexpr int kFirstControlId = 1000;

// Items of a form's menus get command ids from here on.
inline constexpr int kFirstMenuItemId = 40000;

}  // namespace quorvane
