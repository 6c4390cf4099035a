// The floor of `tovbrenn-cli menu`: a process linked to QtCore, as the command-line tool is,
// that writes a 60-byte file with the same steps as the safe file output (temporary file,
// fsync, rename, fsync of the folder) and prints one line.
// Usage: tov-write-baseline FOLDER
#include <QByteArray>

#include <cstdio>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "not a folder: %s\n", argv[1]);
        return 1;
    }
    const QByteArray record(60, '\0');
    std::string tempName = (folder / ".menu.dat.XXXXXX").string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        return 1;
    }
    const bool ok =
        ::write(fd, record.constData(), static_cast<std::size_t>(record.size())) == record.size() &&
        ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::chmod(tempName.c_str(), 0644) != 0 ||
        ::rename(tempName.c_str(), (folder / "menu.dat").c_str()) != 0) {
        ::unlink(tempName.c_str());
        return 1;
    }
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    std::printf("menu.dat has been generated\n");
    return 0;
}
