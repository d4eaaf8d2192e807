#include "runtime/windows/StandardStream.h"

#include "runtime/windows/WideText.h"

#include <windows.h>

namespace {

void write(DWORD which, const std::string& text)
{
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) {
        return;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = WideText::fromUtf8(text);
        WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr);
        return;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        if (!WriteFile(handle, text.data() + done, DWORD(text.size() - done), &written, nullptr) ||
            written == 0) {
            return;
        }
        done += written;
    }
}

}  // namespace

namespace StandardStream {

void out(const std::string& text)
{
    write(STD_OUTPUT_HANDLE, text);
}

void err(const std::string& text)
{
    write(STD_ERROR_HANDLE, text);
}

}  // namespace StandardStream
