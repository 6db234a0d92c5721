// TraceLines.h: debugger trace messages as Wine prints them and as the headless runner keeps
// them, and the parts of the start-up report that describe the machine rather than the game.
#pragma once

#include <string>
#include <vector>

namespace Lane
{

// The messages of Wine's "warn:debugstr:OutputDebugStringA "..."" lines, unescaped, each
// without the "\r\n" that ends every message.
std::vector<std::string> WineDebuggerMessages(const std::string& strStderr);

// The runner's trace file: messages one after another, each ending in "\r\n".
std::vector<std::string> SplitTrace(const std::string& strTrace);

// A line of the device's capability report.
bool IsCapabilityLine(const std::string& strMessage);

// The messages with the capability report's values replaced by "*", and its two optional
// lines ("No hardware support at all", "Device supports color fill") left out.
std::vector<std::string> WithoutDeviceValues(const std::vector<std::string>& messages);

// The message with carriage returns and line feeds written as \r and \n.
std::string Printable(const std::string& strMessage);

} // namespace Lane
