// The text-to-number rules of the wizard's boxes and the receive-window formula.
#include <doctest.h>

#include "common/NumberText.h"
#include "optimizer/advanced/AdvancedWizardRules.h"

using namespace quorvane;

TEST_CASE("a text is numeric only when it reads as one number as a whole") {
  for (const char* numeric : {"576", " 576 ", "-1", "+2", "2.5", ".5", "5.", "1e3", "1E+3", "2.5e-1", "\t7\t"}) {
    CAPTURE(numeric);
    CHECK(IsNumericText(numeric));
  }
  for (const char* other : {"", " ", ".", "-", "+", "e3", "1e", "1e+", "12abc", "1 2", "1,000", "0x10", "1e999",
                            "--1", "1.2.3"}) {
    CAPTURE(other);
    CHECK_FALSE(IsNumericText(other));
  }
}

TEST_CASE("the value of a text is its leading numeric part, exponent included") {
  CHECK(LeadingValue("12abc") == 12);
  CHECK(LeadingValue("  -7.5 items") == -7.5);
  CHECK(LeadingValue("2e3x") == 2000);
  CHECK(LeadingValue("1e+20") == 1e20);
  CHECK(LeadingValue("3e") == 3);  // an exponent without digits is not part of it
  CHECK(LeadingValue("abc") == 0);
  CHECK(LeadingValue("") == 0);
  CHECK(LeadingValue("inf") == 0);
}

TEST_CASE("converting a text to a whole number rounds halves to even inside the range") {
  CHECK(TextToInt32("2.5") == 2);
  CHECK(TextToInt32("3.5") == 4);
  CHECK(TextToInt32("-2.5") == -2);
  CHECK(TextToInt32(" 1500 ") == 1500);
  CHECK(TextToInt32("2147483647.4") == 2147483647);
  CHECK_FALSE(TextToInt32("2147483647.5").has_value());
  CHECK(TextToInt32("-2147483648") == INT32_MIN);
  CHECK_FALSE(TextToInt32("4e9").has_value());
  CHECK_FALSE(TextToInt32("12abc").has_value());
  CHECK_FALSE(TextToInt32("").has_value());

  CHECK(TextToInt16("1") == 1);
  CHECK(TextToInt16("32767") == 32767);
  CHECK(TextToInt16("-32768") == -32768);
  CHECK(TextToInt16("1.5") == 2);
  CHECK_FALSE(TextToInt16("32768").has_value());
  CHECK_FALSE(TextToInt16("40000").has_value());
  CHECK_FALSE(TextToInt16("two").has_value());
}

TEST_CASE("the receive window is MSS times multiplier times scale factor, shortest text") {
  CHECK(ReceiveWindowText(536, "3", kScaleFactorText) == "6432");
  CHECK(ReceiveWindowText(1460, "44", kScaleFactorText) == "256960");
  CHECK(ReceiveWindowText(1452, "44", kScaleFactorText) == "255552");
  CHECK(ReceiveWindowText(536, "1.5", "4") == "3216");
  CHECK(ReceiveWindowText(536, "0.3", "4") == "643.2");
  CHECK(ReceiveWindowText(536, "0", "4") == "0");
  CHECK(ReceiveWindowLabel(6432) == "6432Bytes");

  // Rejected: smaller than one segment, or beyond 1073741823.
  CHECK(MultiplierRejected(536, "0"));
  CHECK(MultiplierRejected(536, "535"));
  CHECK_FALSE(MultiplierRejected(536, "536"));
  CHECK_FALSE(MultiplierRejected(536, "1073741823"));
  CHECK(MultiplierRejected(536, "1073741824"));
  CHECK(MultiplierRejected(536, ReceiveWindowText(536, "1e300", "4")));
  CHECK(MultiplierRejected(536, ReceiveWindowText(536, "1e306", "4")));  // beyond a double: "inf"
}

TEST_CASE("guarded boxes keep digits inside their bounds, or on their way into them") {
  CHECK(GuardAccepts("255", kTTLBounds));
  CHECK_FALSE(GuardAccepts("256", kTTLBounds));
  CHECK_FALSE(GuardAccepts("0", kTTLBounds));  // no digit added makes it a TTL
  CHECK_FALSE(GuardAccepts("64x", kTTLBounds));
  CHECK(GuardAccepts("6", kMTUBounds));  // on its way to 68 and beyond
  CHECK_FALSE(BoundedValue("6", kMTUBounds));
  CHECK(BoundedValue("68", kMTUBounds) == 68);
  CHECK(GuardAccepts("2147483647", kKeepAliveTimeBounds));
  CHECK_FALSE(GuardAccepts("2147483648", kKeepAliveTimeBounds));
}

TEST_CASE("each connection type carries its recommendations") {
  CHECK(RecommendationFor(0).mtu == 576);
  CHECK(RecommendationFor(0).multiplier == 3);
  CHECK(std::string(RecommendationFor(2).mssLabel) == "1452Byte");
  CHECK(RecommendationFor(3).mss == 1460);
  CHECK(RecommendationFor(3).multiplier == 44);
  CHECK(RecommendationFor(9).mtu == 576);
}
