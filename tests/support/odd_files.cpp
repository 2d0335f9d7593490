#include "support/odd_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace cn3::test {

std::string MakeOddFile(const TempFolder& folder, OddFile odd, std::string_view name) {
    const std::string path = folder.file(name);
    bool made = false;
    switch (odd) {
        case OddFile::Fifo:
            made = ::mkfifo(path.c_str(), 0600) == 0;
            break;
        case OddFile::DevZero:
            made = ::symlink("/dev/zero", path.c_str()) == 0;
            break;
        case OddFile::Sparse4GiB: {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            made = fd >= 0 && ::ftruncate(fd, off_t{1} << 32) == 0;
            if (fd >= 0) ::close(fd);
            break;
        }
        case OddFile::Folder:
            made = std::filesystem::create_directory(path);
            break;
        case OddFile::ReadError:
            made = ::symlink("/proc/self/mem", path.c_str()) == 0;
            break;
    }
    if (!made) throw std::runtime_error("cannot make the odd file " + path);
    return path;
}

std::string DataFileReason(OddFile odd) {
    switch (odd) {
        case OddFile::Fifo:
        case OddFile::DevZero:
            return "is not a regular file";
        case OddFile::Sparse4GiB:
            return "is 4294967296 bytes long, more than the 16 MiB a data file may hold";
        case OddFile::Folder:
            return "is a folder";
        case OddFile::ReadError:
            return "cannot be read (Input/output error)";
    }
    return {};
}

}  // namespace cn3::test
