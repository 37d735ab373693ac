#include "ping_bench.h"

#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "pinger/IcmpApi.h"
#include "pinger/mdlPing.h"

namespace quorvane::probes {

namespace {

constexpr uint32_t kTimeout = 10000;
constexpr ULONG kLoopback = 0x0100007F;  // 127.0.0.1 in network byte order

// Microseconds per echo of a whole PingHost: sockets start-up, echo, clean-up.
double TimePingHost(int count, bool* allAnswered) {
  double start = NowMicroseconds();
  for (int i = 0; i < count; ++i)
    if (!PingHost("127.0.0.1", kTimeout)) *allAnswered = false;
  return (NowMicroseconds() - start) / count;
}

// Microseconds per echo of the platform call alone, on one handle.
double TimeBareEcho(const IcmpApi& icmp, int count, bool* allAnswered) {
  HANDLE handle = icmp.IcmpCreateFile();
  if (handle == INVALID_HANDLE_VALUE) {
    *allAnswered = false;
    return 0.0;
  }
  char payload[] = "Echo This";
  EchoReply reply;
  double start = NowMicroseconds();
  for (int i = 0; i < count; ++i)
    if (icmp.IcmpSendEcho(handle, kLoopback, payload, 9, nullptr, &reply, kEchoReplySize, kTimeout) == 0 ||
        reply.Status != 0)
      *allAnswered = false;
  double perEcho = (NowMicroseconds() - start) / count;
  icmp.IcmpCloseHandle(handle);
  return perEcho;
}

}  // namespace

bool RunPingBench(int rounds, int pingsPerRound) {
  const IcmpApi* icmp = GetIcmpApi();
  if (!icmp) {
    std::printf("ping: icmp.dll is not available\n");
    return false;
  }
  bool allAnswered = true;
  TimePingHost(5, &allAnswered);  // warm-up: libraries, the name service, the ICMP driver
  TimeBareEcho(*icmp, 5, &allAnswered);

  std::vector<double> pingHost, bare;
  for (int round = 0; round < rounds; ++round) {
    // alternating, so a busy moment of the machine hits both alike
    pingHost.push_back(TimePingHost(pingsPerRound, &allAnswered));
    bare.push_back(TimeBareEcho(*icmp, pingsPerRound, &allAnswered));
  }
  double pingHostMedian = Median(pingHost);
  double bareMedian = Median(bare);
  std::printf("ping 127.0.0.1: PingHost %.1f us/echo, bare IcmpSendEcho %.1f us/echo, ratio %.2f (target <= 2.00)%s\n",
              pingHostMedian, bareMedian, pingHostMedian / bareMedian, allAnswered ? "" : "  [SOME ECHOES FAILED]");
  std::fflush(stdout);
  return allAnswered;
}

}  // namespace quorvane::probes
