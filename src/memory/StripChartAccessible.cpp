#include "memory/StripChartAccessible.h"

#include <cmath>
#include <string>

#include "memory/StripChart.h"
#include "ui/Frame.h"

namespace quorvane {

namespace {

class StripChartAccessible : public AccessibleObject {
 public:
  StripChartAccessible(const StripChart& chart, HWND window) : AccessibleObject(window), chart_(chart) {}

 private:
  void Describe(LONG child, AccessibleFacts& facts) override {
    if (child != CHILDID_SELF) return;
    if (const auto* frame = dynamic_cast<const Frame*>(chart_.Parent())) facts.name = frame->Caption();
    facts.role = ROLE_SYSTEM_GRAPHIC;
    facts.value = std::to_string(std::lround(chart_.value())) + "%";
    facts.description = "The newest of " + std::to_string(chart_.Samples().size()) + " samples, on a scale of 0 to " +
                        std::to_string(std::lround(chart_.ScaleTop())) + "%.";
    facts.state = (StandardState() & ~STATE_SYSTEM_FOCUSABLE) | STATE_SYSTEM_READONLY;
  }

  const StripChart& chart_;
};

}  // namespace

AccessibleObject* NewStripChartAccessible(const StripChart& chart, HWND window) {
  return new StripChartAccessible(chart, window);
}

}  // namespace quorvane
