#include "runtime/launcher/EmbeddedCore.h"

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

// The stripped core library, placed after the launcher's own data (its version block and
// icon), so that what the builder looks for is found in the launcher's part first.
asm(".pushsection kremoa_core, \"a\", @progbits\n"
    ".balign 16\n"
    ".hidden kremoa_core_begin\n"
    ".globl kremoa_core_begin\n"
    "kremoa_core_begin:\n"
    ".incbin \"" KREMOA_RUNTIME_CORE
    "\"\n"
    ".hidden kremoa_core_end\n"
    ".globl kremoa_core_end\n"
    "kremoa_core_end:\n"
    ".popsection\n");

extern "C" const unsigned char kremoa_core_begin[];
extern "C" const unsigned char kremoa_core_end[];

namespace {

constexpr const char* kMemoryFileName = "kremoa-runtime-core";

bool writeAll(int descriptor, const unsigned char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

RuntimeEntry EmbeddedCore::load(std::string& error)
{
    const int descriptor = ::memfd_create(kMemoryFileName, MFD_CLOEXEC);
    if (descriptor < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    const auto size = static_cast<std::size_t>(kremoa_core_end - kremoa_core_begin);
    if (!writeAll(descriptor, kremoa_core_begin, size)) {
        error = std::strerror(errno);
        ::close(descriptor);
        return nullptr;
    }
    const std::string path = "/proc/self/fd/" + std::to_string(descriptor);
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    // The loaded library keeps its own mapping of the file.
    ::close(descriptor);
    if (library == nullptr) {
        error = ::dlerror();
        return nullptr;
    }
    auto entry = reinterpret_cast<RuntimeEntry>(::dlsym(library, kRuntimeEntryName));
    if (entry == nullptr) {
        error = ::dlerror();
    }
    return entry;
}
