#pragma once

#include <string>

// Text on the standard handles the program inherited (a GUI program has no console of its own):
// UTF-16 into a console, the UTF-8 bytes into a pipe or file. Nothing when there is no handle.
namespace StandardStream {

void out(const std::string& text);
void err(const std::string& text);

}  // namespace StandardStream
