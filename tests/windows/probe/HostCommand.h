#pragma once

#include <string>
#include <vector>

// What a screen-saver control panel does with a preview: a top-level window holding a child
// of width x height, the saver started with "/p <child HWND>" (then `saverArguments`), and,
// once the saver's window covers the child (or after timeoutMs) and has drawn for holdMs,
// the child's pixels read back from the screen: into a BMP file when `bmpPath` is not empty,
// else printed. Then the host window is destroyed and the saver is watched until it ends.
// Prints:
//   saver-window=WxH    the client size of the saver's window in the child (0x0: none)
//   exited=yes|no       whether the saver ended within kExitWaitMs of the host's destruction
//   exit-ms=N           how long that took
//   exit-code=N         the saver's exit status
// Returns the exit status: 0 when all that could be done, 1 otherwise.
struct HostRequest {
    int width = 0;
    int height = 0;
    int timeoutMs = 0;
    int holdMs = 0;  // how long the saver draws in the covered child before the read-back
    std::wstring bmpPath;
    std::wstring saver;
    std::vector<std::wstring> saverArguments;
};

int hostCommand(const HostRequest& request);
