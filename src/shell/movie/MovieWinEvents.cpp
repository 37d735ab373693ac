#include "shell/movie/MovieWinEvents.h"

#include "shell/movie/MovieAccessible.h"
#include "ui/AccessibilityLibrary.h"

namespace quorvane {

void MovieWinEvents::Follow(const MovieControl& movie) {
  HWND window = movie.hWnd();
  if (!window) return;
  const std::vector<MoviePart> parts = MovieParts(movie);
  long focused = 0;
  std::vector<std::string> texts;
  std::vector<long> textChildren;
  for (size_t i = 0; i < parts.size(); ++i) {
    const long child = static_cast<long>(i) + 1;
    if (parts[i].text) {
      texts.push_back(movie.ShownText(*parts[i].text));
      textChildren.push_back(child);
    } else if (parts[i].button == movie.FocusedButton() && GetFocus() == window) {
      focused = child;
    }
  }

  if (movie.CurrentPage() != page_ || texts.size() != texts_.size()) {
    if (!page_.empty()) RaiseWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
  } else {
    for (size_t i = 0; i < texts.size(); ++i)
      if (texts[i] != texts_[i]) RaiseWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, textChildren[i]);
  }
  if (focused && focused != focusedChild_) RaiseWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, focused);
  page_ = movie.CurrentPage();
  texts_ = std::move(texts);
  focusedChild_ = focused;
}

}  // namespace quorvane
