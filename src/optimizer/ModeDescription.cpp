#include "optimizer/ModeDescription.h"

namespace quorvane {

namespace {

const char* Word(bool value) { return value ? "True" : "False"; }

std::string Number(int32_t value) { return value == kWindowsDefault ? "Windows default" : std::to_string(value); }

}  // namespace

std::vector<ModeGridCell> ModeGridCells(const TcpSettings& s) {
  return {
      {TcpField::MSS, "MSS", Number(s.MSS)},
      {TcpField::MTU, "MTU", Number(s.MTU)},
      {TcpField::ICMP, "ICMP", Word(s.ICMPRedirect)},
      {TcpField::NDI, "NDI", Number(s.NDICacheSize)},
      {TcpField::MaxConn10, "MSCPS0", Number(s.MaxConn10)},
      {TcpField::MaxConn11, "MSCPS1", Number(s.MaxConn11)},
      {TcpField::BlackHole, "BlackHole", Word(s.BlackHoleDetect)},
      {TcpField::RWIN, "RWIN", Number(s.RWIN)},
      {TcpField::KeepAliveTime, "Keep Alive", Number(s.KeepAliveTime)},
      {TcpField::KeepAliveInterval, "Keep Alive Interval", Number(s.KeepAliveInterval)},
      {TcpField::SYN, "SYN", Number(s.SYNProtect)},
      {TcpField::TTL, "TTL", Number(s.TTL)},
  };
}

std::string ModeGridNote(WindowsGeneration generation, const std::string& releaseName) {
  std::string note;
  for (const ModeGridCell& cell : ModeGridCells(TcpSettings{})) {
    const std::string line = FieldNotUsedLine(cell.field, generation, releaseName);
    if (!line.empty()) note += (note.empty() ? "" : "\r\n") + std::string(cell.name) + ": " + line;
  }
  return note;
}

}  // namespace quorvane
