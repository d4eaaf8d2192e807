// The Windows screen saver: the runtime template that the builder turns into a .scr file by
// appending a show. Windows starts it with /s, /p HWND or /c.
#include "runtime/windows/MessageTicker.h"
#include "runtime/windows/WideText.h"
#include "runtime/windows/WindowsOptions.h"
#include "runtime/windows/WindowsRuntime.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    MessageTicker ticker;
    const std::int64_t started = ticker.now();
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(WideText::toUtf8(wide[i]));
    }
    LocalFree(wide);
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    int status = WindowsRuntime(WindowsOptions::parse(arguments), ticker, started).run();
    if (com) {
        CoUninitialize();
    }
    return status;
}
