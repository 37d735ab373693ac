// The "&" letter of a caption: "Optimize &Now" is pressed by Alt+N ("&&" is a
// plain ampersand).
#pragma once

#include <string>
#include <string_view>

#include "common/TextCase.h"

namespace quorvane {

// The letter after the caption's single "&", lower case; 0 when it has none.
inline char MnemonicOf(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return LowerAscii(caption[i + 1]);
    ++i;
  }
  return 0;
}

// The caption as it reads: without the "&" marks, "&&" read as one "&".
inline std::string CaptionText(std::string_view caption) {
  std::string text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    else if (caption[i] == '&') break;
    text += caption[i];
  }
  return text;
}

// The keys that press it, as a screen reader says them ("Alt+W"); empty when none.
inline std::string AltShortcutOf(std::string_view caption) {
  const char letter = MnemonicOf(caption);
  if (!letter) return {};
  return std::string("Alt+") + static_cast<char>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
}

inline bool HasMnemonic(std::string_view caption, char letter) {
  return letter && MnemonicOf(caption) == LowerAscii(letter);
}

}  // namespace quorvane
