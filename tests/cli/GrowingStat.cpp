// A shim for the fault matrix (LD_PRELOAD): stat() reports the file that TOV_GROW_PATH names as
// longer than it is, as for a file that shrinks between a size check and its read.
#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

namespace {
constexpr off_t kExtraBytes = 1000;
}  // namespace

extern "C" int stat(const char* path, struct stat* buf) noexcept {
    using Stat = int (*)(const char*, struct stat*);
    static const auto real = reinterpret_cast<Stat>(dlsym(RTLD_NEXT, "stat"));
    const int result = real(path, buf);
    const char* grown = std::getenv("TOV_GROW_PATH");
    if (result == 0 && grown != nullptr && std::strcmp(path, grown) == 0) {
        buf->st_size += kExtraBytes;
    }
    return result;
}
