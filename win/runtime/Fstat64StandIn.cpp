// The C++ runtime's file streams (std::cout and std::cerr among them) ask the C runtime for an
// open file's size and kind through _fstat64, which came to msvcrt.dll with the 64-bit time
// functions, after Windows 2000. This file answers the runtime's import of it with _fstati64,
// which every msvcrt.dll has: the same answer, with 32-bit times.
#include <sys/stat.h>

namespace {

int __cdecl FileStatus(int file, struct _stat64* status) {
    struct _stat32i64 old {};
    if (_fstat32i64(file, &old) != 0) {
        return -1;
    }
    *status = {};
    status->st_dev = old.st_dev;
    status->st_ino = old.st_ino;
    status->st_mode = old.st_mode;
    status->st_nlink = old.st_nlink;
    status->st_uid = old.st_uid;
    status->st_gid = old.st_gid;
    status->st_rdev = old.st_rdev;
    status->st_size = old.st_size;
    status->st_atime = old.st_atime;
    status->st_mtime = old.st_mtime;
    status->st_ctime = old.st_ctime;
    return 0;
}

}  // namespace

// The import's address slot, under the name the runtime's objects refer to (32-bit C names
// carry a leading underscore). Only the 32-bit build needs it: every 64-bit msvcrt.dll has
// _fstat64.
extern "C" {
extern int(__cdecl* const fstat64Import)(int, struct _stat64*) __asm__("__imp___fstat64");
int(__cdecl* const fstat64Import)(int, struct _stat64*) = &FileStatus;
}
