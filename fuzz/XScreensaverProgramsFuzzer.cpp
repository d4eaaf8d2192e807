// Feeds arbitrary bytes to the reader of xscreensaver's settings file as a user's
// ~/.xscreensaver. When a list is found, adding an entry must keep every other byte, and the
// result must read back with the new entry listed once more than before.

#include "platform/XScreensaverPrograms.h"

#include <cstddef>
#include <cstdint>

namespace {

const QString kProgram = QStringLiteral("/home/user/Stars.scr");

qsizetype commonPrefix(const QByteArray& a, const QByteArray& b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) {
        ++n;
    }
    return n;
}

qsizetype commonSuffix(const QByteArray& a, const QByteArray& b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n]) {
        ++n;
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const Expected<XScreensaverPrograms> programs = XScreensaverPrograms::read(input);
    if (!programs.ok()) {
        return 0;
    }
    const Expected<QString> entry =
        XScreensaverPrograms::entryFor(QStringLiteral("星空"), kProgram);
    const QByteArray added = programs->withEntry(entry.value());
    if (added.size() <= input.size() ||
        commonPrefix(input, added) + commonSuffix(input, added) < input.size()) {
        __builtin_trap();
    }
    const Expected<XScreensaverPrograms> again = XScreensaverPrograms::read(added);
    if (!again.ok() || !again->lists(kProgram) ||
        again->commands().size() != programs->commands().size() + 1) {
        __builtin_trap();
    }
    return 0;
}
