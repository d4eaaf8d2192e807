#pragma once

#include <string>
#include <string_view>

// Plain text to the standard handles the probe inherits (under Wine with redirection: the Unix
// stdout and stderr), UTF-8, lines ended by "\n" alone.
namespace ProbeText {

std::string utf8(std::wstring_view text);
void out(std::string_view text);
void err(std::string_view text);

}  // namespace ProbeText
