#include "memory/MemoryUnits.h"

namespace quorvane {

std::string GroupThousands(int64_t number) {
  const std::string digits = std::to_string(number < 0 ? -number : number);
  std::string grouped = number < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace quorvane
