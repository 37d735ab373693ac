// A skin file as the skin control reads it: accepted whole, or rejected with a
// reason.
#include <cstdio>
#include <cstdlib>

#include "shell/skin/SkinParser.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkinParseResult result = ParseSkin({reinterpret_cast<const char*>(data), size});
  if (result.skin.has_value() == !result.error.empty()) {
    std::fprintf(stderr, "accepted with an error, or rejected without one: %s\n", result.error.c_str());
    std::abort();
  }
  return 0;
}
