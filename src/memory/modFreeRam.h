// Which platform the program runs on, as the memory and processor monitor
// needs to know it: the processor-usage sampler differs between the NT family
// and Windows 95, 98 and ME.
#pragma once

namespace quorvane {

// True when GetVersionExA reports the NT platform (NT, 2000, XP and later).
bool IsNTPlatform();

}  // namespace quorvane
