// kremoa-cli workspace: prints a workspace file as JSON, or writes one from JSON.

#include "CliCommand.h"
#include "ShowJson.h"

#include "document/WorkspaceFile.h"

#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 2;

int fail(const QString& message)
{
    QTextStream(stderr) << message << '\n';
    return kFailure;
}

int dump(const QString& path)
{
    const Expected<WorkspaceRecord> record = WorkspaceFile::load(path);
    if (!record.ok()) {
        return fail(WorkspaceFile::kCannotOpenMessage + '\n' + record.error());
    }
    const QByteArray json = ShowJson::toJson(WorkspaceFile::toShow(record.value()));
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kSuccess;
}

int write(const QString& showPath, const QString& target)
{
    const Expected<EditableShow> show = loadShow(showPath);
    if (!show.ok()) {
        return fail(show.error());
    }
    const Status saved = WorkspaceFile::save(target, WorkspaceFile::fromShow(show.value()));
    if (!saved.ok()) {
        return fail(saved.error());
    }
    return kSuccess;
}

int run(const QStringList& args)
{
    if (args.size() == 2 && args[0] == QLatin1String("dump")) {
        return dump(args[1]);
    }
    if (args.size() == 3 && args[0] == QLatin1String("write")) {
        return write(args[1], args[2]);
    }
    return fail(QStringLiteral(
        "usage: kremoa-cli workspace dump FILE.kwp | workspace write SHOW.json FILE.kwp"));
}

const CliCommand command("workspace",
                         "workspace dump FILE.kwp | workspace write SHOW.json FILE.kwp", &run);

}  // namespace
