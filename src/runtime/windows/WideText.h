#pragma once

#include <string>

// UTF-8 (the core's texts) to and from UTF-16 (the Windows API's).
namespace WideText {

std::wstring fromUtf8(const std::string& text);
std::string toUtf8(const std::wstring& text);

}  // namespace WideText
