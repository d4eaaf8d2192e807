// Feeds arbitrary bytes to the workspace reader. Whatever it accepts must survive a write and a
// second read unchanged, and must make a show.

#include "document/WorkspaceFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Expected<WorkspaceRecord> record =
        WorkspaceFile::decode(QByteArrayView(data, qsizetype(size)));
    if (!record.ok()) {
        return 0;
    }
    const EditableShow show = WorkspaceFile::toShow(record.value());
    if (show.slideCount() != record->Slides.size() ||
        show.document.Slides.size() != record->Slides.size()) {
        __builtin_trap();
    }
    // Texts read as CP932 grow when written as UTF-8; those beyond the 16-bit length are
    // refused by save and need not round-trip.
    if (!WorkspaceFile::validate(record.value()).ok()) {
        return 0;
    }
    const Expected<WorkspaceRecord> again =
        WorkspaceFile::decode(WorkspaceFile::encode(record.value()));
    if (!again.ok() || !(again.value() == record.value())) {
        __builtin_trap();
    }
    return 0;
}
