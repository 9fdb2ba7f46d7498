// What a query does when it is asked for an area, leaf or option name that
// does not exist. Such names are spelled by our own code (through the
// constants of Z5MemoryMap.h), so an unknown one is a programming fault:
// checked builds stop with a message naming it; other builds carry on and
// the query answers "absent".
//
// Checked builds: those without NDEBUG, and every build configured with the
// CMake option CPZ5_CHECKED_NAMES (on by default in test and debug builds,
// so the RelWithDebInfo test build checks; the programs built without tests,
// as the package is, do not).
#pragma once

#include <string_view>

// Called with the kind of name ("area", "leaf", "option") and the name.
using UnknownNameHandler = void (*)(std::string_view kind, std::string_view name);

// Reports an unknown name to the installed handler.
void ReportUnknownName(std::string_view kind, std::string_view name);

// Test hook: installs handler (nullptr: the default one) and returns the
// one it replaces.
UnknownNameHandler SetUnknownNameHandler(UnknownNameHandler handler);

// True when the default handler stops the program.
bool UnknownNamesAreFatal();
