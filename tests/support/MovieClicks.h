// Clicks on the movie as a user does: a button, pressed and released at its middle.
#pragma once

#include <windows.h>

#include <string>

#include "shell/movie/MovieControl.h"

namespace testing {

// Clicks the first reachable button that matches; false when the page has none.
template <typename Match>
bool ClickMovieButtonWhere(quorvane::MovieControl& movie, Match matches) {
  for (const quorvane::MovieButton* button : movie.ActiveButtons()) {
    if (!matches(*button)) continue;
    const LPARAM at = MAKELPARAM(button->rect.x + button->rect.width / 2, button->rect.y + button->rect.height / 2);
    SendMessageA(movie.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(movie.hWnd(), WM_LBUTTONUP, 0, at);
    return true;
  }
  return false;
}

// The button that turns to `page`.
inline bool ClickMovieButtonTurningTo(quorvane::MovieControl& movie, const std::string& page) {
  return ClickMovieButtonWhere(movie, [&](const quorvane::MovieButton& button) { return button.gotoPage == page; });
}

// The button that sends `command` ("IDC_FS_restart").
inline bool ClickMovieButton(quorvane::MovieControl& movie, const std::string& command) {
  return ClickMovieButtonWhere(movie, [&](const quorvane::MovieButton& button) { return button.command == command; });
}

}  // namespace testing
