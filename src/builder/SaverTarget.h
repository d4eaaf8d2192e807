#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// The system a built screen saver runs on. Each has its own runtime template in the application
// folder; the build procedure is the same for both.
enum class SaverTarget { Linux, Windows };

namespace SaverTargets {

struct Entry {
    SaverTarget target;
    const char* name;          // as typed after --target
    const char* label;         // as the builder dialog lists it
    const char* templateName;  // the runtime template in the application folder
};

inline constexpr std::array<Entry, 2> kAll = {{
    {SaverTarget::Linux, "linux", "Linux", "Project.krt"},
    {SaverTarget::Windows, "windows", "Windows", "ProjectWin.krt"},
}};

// The system this program runs on: a build makes a saver for it unless told otherwise.
constexpr SaverTarget host()
{
#ifdef Q_OS_WIN
    return SaverTarget::Windows;
#else
    return SaverTarget::Linux;
#endif
}

const Entry& entry(SaverTarget target);
QString templateName(SaverTarget target);
// "linux" or "windows", in any case; nothing for any other text.
std::optional<SaverTarget> fromName(const QString& name);
// What a saver's first bytes say it was built for: an ELF program runs on Linux, a PE program
// ("MZ") on Windows; nothing for anything else.
std::optional<SaverTarget> ofProgram(QByteArrayView bytes);

}  // namespace SaverTargets
