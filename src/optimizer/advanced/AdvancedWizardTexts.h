// The fixed explanations of the advanced wizard's pages, word for word as the
// pages show them.
#pragma once

namespace quorvane {

inline constexpr const char* kConnectionTypeExplain = "How do you connect to the internet?";

inline constexpr const char* kMTUExplain =
    "MTU stands for Maximum Transmission Unit and in basic terms, it defines the maximum size of a packet that "
    "can be transferred in one frame over a network.";
inline constexpr const char* kMSSExplain =
    "MSS or Maximum Segment Size defines how much actual data can put in that packet, and it is therefore a "
    "marginally smaller value than MTU to allow for packet addressing and other information.";

inline constexpr const char* kBlackHoleRecom =
    "Recommended to be DISABLED since it imposes extra transmission overhead.";
inline constexpr const char* kBlackHoleExplain =
    "Black hole routers are configured not to return the Destination Host Unreachable messages that are used by "
    "path MTU discovery. If the PC sending out the packet receives a Destination Host Unreachable message, it "
    "means that the MTU for that particular network may be too high; in this case, TCP/IP will try to use a "
    "lower value.";
inline constexpr const char* kMTUDiscoverExplain =
    "Remote networks also have an MTU value. Enabling this registry key tells TCP/IP to try to automatically "
    "detect the MTU for all networks along the path to a remote host. ";

inline constexpr const char* kRWINExplain =
    "RWIN (Receive WINdow) is the maximum TCP Receive Window size offered by the system.\r\nThe receive window "
    "specifies the number of bytes a sender may transmit without receiving an acknowledgment.\r\n\r\nIn general, "
    "larger receive windows will improve performance over high (delay . bandwidth) networks.\r\n\r\nFor highest "
    "efficiency, the receive window should be an even multiple of the TCP Maximum Segment Size (MSS).";

inline constexpr const char* kTTLExplain =
    "The value of TTL (Time To Live) defines how long a packet can stay active before it is discarded.";
inline constexpr const char* kIEExplain =
    "Optimize Internet Explorer by setting the maximum number of simultaneous requests for accessing type 1.0 or "
    "1.1 HTTP servers.";

inline constexpr const char* kKeepAliveTimeExplain =
    "Keep Alive Time is the number of milliseconds to wait before sending keep alive packets , which are used in "
    "order to tell the network that you are still online so that the connection won't be disconnected.";
inline constexpr const char* kKeepAliveIntervalExplain =
    "Keep Alive Interval is the time in milliseconds between retransmissions of keepalives, once the Keep Alive "
    "Time has expired.";

inline constexpr const char* kSYNExplain =
    "Windows includes protection that allows it to detect and adjust when the system is being targeted with a "
    "SYN flood attack (a type of denial of service attack). When enabled the connection responses time out more "
    "quickly in the event of an attack. ";
inline constexpr const char* kSYNLevelTexts[3] = {
    "0 - (default) - typical protection against SYN attacks.",
    "1 - better protection against SYN attacks.",
    "2 - (recommended) - best protection against SYN attacks.",
};
inline constexpr const char* kNDIDescription =
    "The NDI cache size is the size of the cache of the Network Device. This size is set to 16 by default.  16 is "
    "appropriate for modem use, 32 is used for all other types of connections.";

inline constexpr const char* kICMPExplain =
    "Your computer may stop responding when connected to an internet work segment or to the Internet. If the "
    "computer is disconnected from the network segment or the Internet and then restarted, the problem does not "
    "occur again until the computer is reconnected to the network segment or Internet.  This problem is caused by "
    "the receipt of multiple Internet Control Message Protocol (ICMP) Redirect packets that are used to change "
    "routing table entries. Too many ICMP Redirect packets in a short period of time may cause Windows to "
    "dedicate an inordinate amount of CPU time to update the routing table and cause the computer to stop "
    "responding.";

}  // namespace quorvane
