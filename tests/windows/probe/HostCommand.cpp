#include "HostCommand.h"

#include "PixelGrid.h"
#include "ProbeText.h"

#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kHostClass[] = L"KremoaProbeHost";
constexpr wchar_t kPaneClass[] = L"KremoaProbePane";
// The pane starts in a colour no saver test shows: a pixel of it left is one the saver left.
constexpr COLORREF kPaneColour = RGB(255, 0, 255);
constexpr int kHostX = 40;
constexpr int kHostY = 40;
constexpr int kBorder = 8;
constexpr DWORD kPollMs = 50;
constexpr DWORD kExitWaitMs = 10000;

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClasses(HINSTANCE instance)
{
    WNDCLASSW host{};
    host.lpfnWndProc = hostProcedure;
    host.hInstance = instance;
    host.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    host.lpszClassName = kHostClass;
    RegisterClassW(&host);
    WNDCLASSW pane = host;
    pane.hbrBackground = CreateSolidBrush(kPaneColour);
    pane.lpszClassName = kPaneClass;
    RegisterClassW(&pane);
}

// Runs the probe's own windows (the saver's window is our pane's child: the saver's thread
// sends it messages) until `milliseconds` have passed or `process` has ended.
void pump(HANDLE process, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) {
            return;
        }
        if (MsgWaitForMultipleObjects(1, &process, FALSE, milliseconds - elapsed, QS_ALLINPUT) ==
            WAIT_OBJECT_0) {
            return;
        }
    }
}

bool running(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

std::wstring quoted(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring text = L"\"";
    for (const wchar_t c : argument) {
        text += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
    }
    return text + L"\"";
}

PixelGrid grabPane(HWND pane, int width, int height)
{
    POINT origin{0, 0};
    ClientToScreen(pane, &origin);
    return PixelGrid::fromScreen(origin.x, origin.y, width, height);
}

// The saver's window in the pane: its first child window, once it is visible.
HWND saverWindow(HWND pane)
{
    const HWND child = GetWindow(pane, GW_CHILD);
    return child != nullptr && IsWindowVisible(child) ? child : nullptr;
}

// Waits until the saver has put a window over the whole pane (or the time is up, or the saver
// has ended), then gives it holdMs to draw; the size of that window, or 0 x 0.
SIZE waitForSaverWindow(HWND pane, const HostRequest& request, HANDLE process)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(request.timeoutMs) && running(process)) {
        pump(process, kPollMs);
        const HWND window = saverWindow(pane);
        RECT area{};
        if (window != nullptr && GetClientRect(window, &area) && area.right >= request.width &&
            area.bottom >= request.height) {
            pump(process, static_cast<DWORD>(request.holdMs));
            return {area.right, area.bottom};
        }
    }
    const HWND window = saverWindow(pane);
    RECT area{};
    if (window != nullptr && GetClientRect(window, &area)) {
        return {area.right, area.bottom};
    }
    return {0, 0};
}

}  // namespace

int hostCommand(const HostRequest& request)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClasses(instance);
    const HWND host = CreateWindowExW(0, kHostClass, L"kremoa-probe host",
                                      WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kHostX, kHostY,
                                      request.width + 2 * kBorder, request.height + 2 * kBorder,
                                      nullptr, nullptr, instance, nullptr);
    const HWND pane =
        CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, kBorder,
                        kBorder, request.width, request.height, host, nullptr, instance, nullptr);
    if (host == nullptr || pane == nullptr) {
        ProbeText::err("the host window cannot be made\n");
        return 1;
    }
    UpdateWindow(host);

    std::wstring commandLine =
        quoted(request.saver) + L" /p " + std::to_wstring(reinterpret_cast<UINT_PTR>(pane));
    for (const std::wstring& argument : request.saverArguments) {
        commandLine += L" " + quoted(argument);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION saver{};
    if (!CreateProcessW(request.saver.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                        nullptr, nullptr, &startup, &saver)) {
        ProbeText::err("the saver cannot be started\n");
        DestroyWindow(host);
        return 1;
    }
    CloseHandle(saver.hThread);

    const SIZE covered = waitForSaverWindow(pane, request, saver.hProcess);
    const PixelGrid picture = grabPane(pane, request.width, request.height);
    bool saved = true;
    if (!request.bmpPath.empty()) {
        saved = picture.saveBmp(request.bmpPath);
    } else {
        ProbeText::out(picture.hexRows());
    }

    const DWORD destroyed = GetTickCount();
    DestroyWindow(host);
    pump(saver.hProcess, kExitWaitMs);
    const DWORD exitMs = GetTickCount() - destroyed;
    const bool exited = !running(saver.hProcess);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(saver.hProcess, &code);
    if (!exited) {
        TerminateProcess(saver.hProcess, 1);
    }
    CloseHandle(saver.hProcess);

    ProbeText::out("saver-window=" + std::to_string(covered.cx) + "x" + std::to_string(covered.cy) +
                   "\n" + "exited=" + (exited ? "yes" : "no") + "\n" + "exit-ms=" +
                   std::to_string(exitMs) + "\n" + "exit-code=" + std::to_string(code) + "\n");
    if (!saved) {
        ProbeText::err("the picture cannot be written\n");
        return 1;
    }
    return 0;
}
