// Tells screen readers what changed on the face, so they follow the keyboard
// and the home line without asking: the button the keyboard moved to
// (EVENT_OBJECT_FOCUS), a text whose words changed (EVENT_OBJECT_NAMECHANGE),
// and a page that changed its parts (EVENT_OBJECT_REORDER). Raised whether or
// not a screen reader has asked for the movie's object yet.
#pragma once

#include <string>
#include <vector>

namespace quorvane {

class MovieControl;

class MovieWinEvents {
 public:
  // Compares the face with what it showed last time and raises the differences.
  void Follow(const MovieControl& movie);

 private:
  long focusedChild_ = 0;  // 0 while the keyboard is elsewhere
  std::string page_;
  std::vector<std::string> texts_;  // the text parts' words, in child order
};

}  // namespace quorvane
