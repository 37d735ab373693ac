// Clicks on the movie as a user does: the button that turns to a page, pressed
// and released at its middle.
#pragma once

#include <windows.h>

#include <string>

#include "shell/movie/MovieControl.h"

namespace testing {

// Returns false when the page the movie shows has no button turning to `page`.
inline bool ClickMovieButtonTurningTo(quorvane::MovieControl& movie, const std::string& page) {
  for (const quorvane::MovieButton* button : movie.ActiveButtons()) {
    if (button->gotoPage != page) continue;
    const LPARAM at = MAKELPARAM(button->rect.x + button->rect.width / 2, button->rect.y + button->rect.height / 2);
    SendMessageA(movie.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(movie.hWnd(), WM_LBUTTONUP, 0, at);
    return true;
  }
  return false;
}

}  // namespace testing
