#include <doctest.h>

#include "common/NumberText.h"

using namespace quorvane;

TEST_CASE("rounding halves to the even neighbour into 32 bits") {
  CHECK(RoundHalfEven(2.5) == 2);
  CHECK(RoundHalfEven(3.5) == 4);
  CHECK(RoundHalfEven(-2.5) == -2);
  CHECK(RoundHalfEven(-3.5) == -4);
  CHECK(RoundHalfEven(1.4999) == 1);
  CHECK(RoundHalfEven(1.5001) == 2);
  CHECK(ToInt32(2147483647.0) == 2147483647);
  CHECK(ToInt32(2147483647.4) == 2147483647);
  CHECK_FALSE(ToInt32(2147483647.5).has_value());  // rounds to 2147483648
  CHECK(ToInt32(-2147483648.0) == INT32_MIN);
  CHECK(ToInt32(-2147483648.5) == INT32_MIN);  // halves to the even -2147483648
  CHECK_FALSE(ToInt32(-2147483649.0).has_value());
}

TEST_CASE("the leading numeric part of a text") {
  CHECK(LeadingNumber("abc") == 0);
  CHECK(LeadingNumber("005") == 5);
  CHECK(LeadingNumber("  12.5x") == 12.5);
  CHECK(LeadingNumber("-7 items") == -7);
  CHECK(LeadingNumber(".5") == 0.5);
  CHECK(LeadingNumber("-") == 0);
  CHECK(LeadingNumber("") == 0);

  CHECK(LeadingInteger("128") == 128);
  CHECK(LeadingInteger("1500 bytes") == 1500);
  CHECK(LeadingInteger("-1") == -1);
  CHECK(LeadingInteger(" 12") == 0);
  CHECK(LeadingInteger("x1") == 0);
  CHECK(LeadingInteger("99999999999999999999999") > INT32_MAX);
  // 19 and more digits, as a text read from the registry may hold, stay in range.
  CHECK(LeadingInteger("9999999999999999999") == 1000000000000000000LL);
  CHECK(LeadingInteger("-99999999999999999999") == -1000000000000000000LL);
}

TEST_CASE("whole texts as numbers") {
  double value = 0;
  CHECK(ParseNumber("1500", &value));
  CHECK(value == 1500);
  CHECK(ParseNumber(" -2.5 ", &value));
  CHECK(value == -2.5);
  CHECK_FALSE(ParseNumber("15x", &value));
  CHECK_FALSE(ParseNumber("", &value));
  CHECK_FALSE(ParseNumber(".", &value));

  CHECK(ParseWholeNumber("-12") == -12);
  CHECK(ParseWholeNumber("0") == 0);
  CHECK(ParseWholeNumber("4294967295") == 4294967295LL);
  CHECK_FALSE(ParseWholeNumber("").has_value());
  CHECK_FALSE(ParseWholeNumber("-").has_value());
  CHECK_FALSE(ParseWholeNumber(" 1").has_value());
  CHECK_FALSE(ParseWholeNumber("+1").has_value());
  CHECK_FALSE(ParseWholeNumber("1.0").has_value());

  CHECK(NumberToText(1500) == "1500");
  CHECK(NumberToText(-1) == "-1");
  CHECK(NumberToText(-0.0) == "0");
  CHECK(NumberToText(2.5) == "2.5");
}
