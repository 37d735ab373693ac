// Interfaces of the benchmark's own below the NT Interfaces key, and the cleanup of
// everything an apply creates for them, so the Wine prefix ends as it began.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane::bench {

// Names QuorvaneBench0001, QuorvaneBench0002, ...; nothing else starts so.
constexpr const char* kBenchInterfacePrefix = "QuorvaneBench";

// Makes bench interfaces 1..count exist and no others; interfaces that are not the
// benchmark's are left alone. False with *error set when a key cannot be made.
bool SetBenchInterfaceCount(int count, std::string* error);

// Removes every bench interface and the adapter service key an apply created for
// it (Services\<name>, which exists only because of the apply).
void RemoveBenchInterfaces();

}  // namespace quorvane::bench
