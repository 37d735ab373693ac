// The Task Scheduler 1.2 definition that starts the program at the user's logon on
// Windows Vista and later, where a program that asks for elevation is not started
// from the Run key. Pure, no <windows.h>.
#pragma once

#include <string>

namespace quorvane {

inline constexpr const char* kLogonTaskName = "Quorvane";

// The task's XML (declared UTF-16: the caller writes it so) for the program at
// programPath, started for userId ("DOMAIN\user") at that user's logon, with the
// user's own interactive token at the highest run level the user has.
std::string LogonTaskXml(const std::string& programPath, const std::string& userId);

// Text made safe for an XML element's content (& < > " ').
std::string XmlEscaped(const std::string& text);

}  // namespace quorvane
