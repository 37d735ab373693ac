#include "shell/movie/MovieAccessible.h"

#include "common/Mnemonic.h"

namespace quorvane {

namespace {

class MovieAccessible : public AccessibleObject {
 public:
  MovieAccessible(MovieControl& movie, HWND window) : AccessibleObject(window), movie_(movie) {}

 private:
  LONG ChildCount() override { return static_cast<LONG>(MovieParts(movie_).size()); }

  void Describe(LONG child, AccessibleFacts& facts) override {
    if (child == CHILDID_SELF) return;
    const MoviePart part = MovieParts(movie_)[child - 1];
    if (part.text) {
      facts.name = movie_.ShownText(*part.text);
      facts.role = ROLE_SYSTEM_STATICTEXT;
      facts.state = STATE_SYSTEM_READONLY;
      facts.location = Place(part.text->rect);
      return;
    }
    const MovieButton& button = *movie_.ActiveButtons()[part.button];
    facts.name = button.label.empty() ? button.tip : CaptionText(button.label);
    if (!button.label.empty() && !button.tip.empty()) facts.description = button.tip;
    facts.role = ROLE_SYSTEM_PUSHBUTTON;
    facts.shortcut = AltShortcutOf(button.label);
    facts.defaultAction = "Press";
    facts.location = Place(button.rect);
    LONG state = IsWindowEnabled(Window()) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    if (GetFocus() == Window() && movie_.FocusedButton() == part.button) state |= STATE_SYSTEM_FOCUSED;
    if (movie_.HoverButton() == part.button) state |= STATE_SYSTEM_HOTTRACKED;
    if (movie_.PressedButton() == part.button) state |= STATE_SYSTEM_PRESSED;
    facts.state = state;
  }

  bool DoDefaultAction(LONG child) override {
    if (child == CHILDID_SELF) return false;
    const MoviePart part = MovieParts(movie_)[child - 1];
    if (part.button < 0 || !IsWindowEnabled(Window())) return false;
    movie_.PressSoon(part.button);
    return true;
  }

  RECT Place(const MovieRect& rect) const { return ScreenRect({rect.x, rect.y, rect.Right(), rect.Bottom()}); }

  MovieControl& movie_;
};

}  // namespace

std::vector<MoviePart> MovieParts(const MovieControl& movie) {
  std::vector<MoviePart> parts;
  const auto buttons = movie.ActiveButtons();
  for (size_t i = 0; i < buttons.size(); ++i)
    if (movie.Reachable(*buttons[i])) parts.push_back({static_cast<int>(i), nullptr});
  // The shared layer lies under the page: its texts (the title) come first.
  const MoviePage* page = movie.Scene().FindPage(movie.CurrentPage());
  for (const MoviePage* layer : {&movie.Scene().shared, page}) {
    if (!layer) continue;
    for (const MovieText& text : layer->texts)
      if (!movie.ShownText(text).empty() && movie.AreaShowing(text.rect)) parts.push_back({-1, &text});
  }
  return parts;
}

AccessibleObject* NewMovieAccessible(MovieControl& movie, HWND window) { return new MovieAccessible(movie, window); }

}  // namespace quorvane
