// The "&" letter of a caption: "Optimize &Now" is pressed by Alt+N ("&&" is a
// plain ampersand).
#pragma once

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

inline bool HasMnemonic(std::string_view caption, char letter) {
  return letter && MnemonicOf(caption) == LowerAscii(letter);
}

}  // namespace quorvane
