// Linked into the save program for the tests that kill it at one step of its
// saves: with YORUMA_KILL_AT_STEP=N it kills itself just before the Nth call
// that writes or cuts a regular file, so that a test sees what each step of a
// save leaves behind.

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace {

void BeforeStep(int fd) {
    static const long killAt = std::atol(std::getenv("YORUMA_KILL_AT_STEP") ? std::getenv("YORUMA_KILL_AT_STEP") : "0");
    static long steps = 0;
    struct stat status {};
    if (killAt > 0 && fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ++steps == killAt) std::raise(SIGKILL);
}

}  // namespace

extern "C" ssize_t write(int fd, const void* bytes, size_t size) {
    static const auto next = reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
    BeforeStep(fd);
    return next(fd, bytes, size);
}

extern "C" ssize_t pwrite(int fd, const void* bytes, size_t size, off_t offset) {
    static const auto next = reinterpret_cast<ssize_t (*)(int, const void*, size_t, off_t)>(dlsym(RTLD_NEXT, "pwrite"));
    BeforeStep(fd);
    return next(fd, bytes, size, offset);
}

extern "C" int ftruncate(int fd, off_t length) {
    static const auto next = reinterpret_cast<int (*)(int, off_t)>(dlsym(RTLD_NEXT, "ftruncate"));
    BeforeStep(fd);
    return next(fd, length);
}
