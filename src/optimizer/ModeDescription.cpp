#include "optimizer/ModeDescription.h"

namespace quorvane {

namespace {
const char* Word(bool value) { return value ? "True" : "False"; }
}  // namespace

std::string BuildModeDescriptionText(const TcpSettings& s) {
  const std::string tab = "\t", crlf = "\r\n";
  std::string text;
  text += "MSS = " + std::to_string(s.MSS) + tab;
  text += "MTU = " + std::to_string(s.MTU) + tab + tab;
  text += "ICMP = " + std::string(Word(s.ICMPRedirect)) + crlf + crlf;
  text += "NDI = " + std::to_string(s.NDICacheSize) + tab;
  text += "MSCPS0 = " + std::to_string(s.MaxConn10) + tab + tab;
  text += "MSCPS1 = " + std::to_string(s.MaxConn11) + crlf + crlf;
  text += "BlackHole = " + std::string(Word(s.BlackHoleDetect)) + tab;
  text += "RWIN = " + std::to_string(s.RWIN) + tab + crlf;
  text += "Keep Alive = " + std::to_string(s.KeepAliveTime) + crlf + crlf;
  text += "Keep Alive Interval= " + std::to_string(s.KeepAliveInterval) + tab;
  text += "SYN = " + std::to_string(s.SYNProtect) + tab + tab;
  text += "TTL= " + std::to_string(s.TTL) + crlf + crlf;
  return text;
}

}  // namespace quorvane
