#include "startup/LogonTaskXml.h"

namespace quorvane {

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string LogonTaskXml(const std::string& programPath, const std::string& userId) {
  const std::string user = XmlEscaped(userId);
  const size_t slash = programPath.find_last_of('\\');
  const std::string folder = slash == std::string::npos ? std::string() : programPath.substr(0, slash);
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
      "<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\r\n"
      "  <RegistrationInfo>\r\n"
      "    <Description>Starts Quorvane when you log on.</Description>\r\n"
      "  </RegistrationInfo>\r\n"
      "  <Triggers>\r\n"
      "    <LogonTrigger>\r\n"
      "      <Enabled>true</Enabled>\r\n"
      "      <UserId>" + user + "</UserId>\r\n"
      "    </LogonTrigger>\r\n"
      "  </Triggers>\r\n"
      "  <Principals>\r\n"
      "    <Principal id=\"Author\">\r\n"
      "      <UserId>" + user + "</UserId>\r\n"
      "      <LogonType>InteractiveToken</LogonType>\r\n"
      "      <RunLevel>HighestAvailable</RunLevel>\r\n"
      "    </Principal>\r\n"
      "  </Principals>\r\n"
      // The defaults would stop the program after 72 hours and keep it from
      // starting on a laptop's battery.
      "  <Settings>\r\n"
      "    <MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>\r\n"
      "    <DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>\r\n"
      "    <StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>\r\n"
      "    <ExecutionTimeLimit>PT0S</ExecutionTimeLimit>\r\n"
      "    <Enabled>true</Enabled>\r\n"
      "  </Settings>\r\n"
      "  <Actions Context=\"Author\">\r\n"
      "    <Exec>\r\n"
      "      <Command>" + XmlEscaped("\"" + programPath + "\"") + "</Command>\r\n";
  if (!folder.empty()) xml += "      <WorkingDirectory>" + XmlEscaped(folder) + "</WorkingDirectory>\r\n";
  xml +=
      "    </Exec>\r\n"
      "  </Actions>\r\n"
      "</Task>\r\n";
  return xml;
}

}  // namespace quorvane
