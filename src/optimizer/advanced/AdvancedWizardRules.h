// What the advanced wizard recommends and accepts, as data and pure rules: the
// pages' captions, the connection types with their recommendations, the bounds
// of the guarded input boxes and the receive-window formula. No <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr int kWizardPageCount = 8;
inline constexpr int kFinishPage = kWizardPageCount;  // WizardPage only while Finish runs

// Frame captions; a doubled "&&" shows as one ampersand.
extern const char* const kWizardPageCaptions[kWizardPageCount];

inline constexpr const char* kNextCaption = "Next>>";
inline constexpr const char* kNextAfterFinishCaption = "Next";
inline constexpr const char* kFinishCaption = "Finish";

struct ConnectionRecommendation {
  const char* caption;  // the option button's
  int32_t mtu;
  const char* mtuLabel;
  int32_t mss;
  const char* mssLabel;
  int multiplier;  // of the receive window: MSS * multiplier * scale factor
};

inline constexpr int kConnectionTypeCount = 4;
extern const ConnectionRecommendation kConnectionTypes[kConnectionTypeCount];

// The recommendation of a connection type; dial-up for an index outside 0..3.
const ConnectionRecommendation& RecommendationFor(int connectionType);

// The scale factor the wizard shows (fixed) and the largest receive window it
// lets a multiplier produce.
inline constexpr const char* kScaleFactorText = "4";
inline constexpr double kLargestReceiveWindow = 1073741823.0;

// The fixed recommendations that entering pages 4 to 6 puts into the working set.
inline constexpr int32_t kRecommendedTTL = 64;
inline constexpr int32_t kRecommendedMaxConnections = 20;
inline constexpr int32_t kRecommendedKeepAliveTime = 7200000;
inline constexpr int32_t kRecommendedKeepAliveInterval = 1000;
inline constexpr int16_t kRecommendedSYNProtect = 2;
inline constexpr int32_t kRecommendedNDICacheSize = 0;

// A guarded box: what its refusal calls it, and its inclusive bounds. The boxes
// take digits only (common/NumberText's BoxWholeNumber).
struct Bounds {
  const char* field;
  int64_t minimum;
  int64_t maximum;
};
// Windows takes a TTL of 1 to 255 and an MTU of at least 68 (docs/tcpip-bounds.md);
// an MSS leaves room for the 40 bytes of IPv4 and TCP headers in the largest MTU.
inline constexpr Bounds kMTUBounds{"MTU", 68, 65535};
inline constexpr Bounds kMSSBounds{"MSS", 1, 65495};
inline constexpr Bounds kTTLBounds{"TTL", 1, 255};
inline constexpr Bounds kHttp10Bounds{"HTTP 1.0 connections", 4, 2147483647};
inline constexpr Bounds kHttp11Bounds{"HTTP 1.1 connections", 2, 2147483647};
inline constexpr Bounds kKeepAliveTimeBounds{"Keep Alive Time", 0, 2147483647};
inline constexpr Bounds kKeepAliveIntervalBounds{"Keep Alive Interval", 0, 2147483647};

// While typing: true for digits that spell a number inside the bounds, or one
// that more digits can still bring into them ("6" on the way to 68).
bool GuardAccepts(std::string_view text, Bounds bounds);

// Leaving the page: the number inside the bounds; nothing otherwise.
std::optional<int32_t> BoundedValue(std::string_view text, Bounds bounds);

// "TTL: a whole number from 1 to 255."
std::string DescribeBounds(Bounds bounds);

// MSS * value of the multiplier text * value of the scale factor text, in double
// precision, as the receive-window box shows it (no decimal point when whole).
std::string ReceiveWindowText(int32_t mss, std::string_view multiplierText, std::string_view scaleFactorText);

// True when the multiplier gives an unusable receive window: beyond the largest,
// or smaller than one segment.
bool MultiplierRejected(int32_t mss, std::string_view receiveWindowText);

// "6432Bytes": the label beside the recommended receive window.
std::string ReceiveWindowLabel(int32_t rwin);

}  // namespace quorvane
