#include "SimFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SimFile::Result refuse(int fd, std::string& error, const std::string& why)
{
    if (fd >= 0)
        close(fd);
    error = why;
    return SimFile::Result::Refused;
}

} // namespace

SimFile::Result SimFile::read(const std::string& path, std::string& content, std::string& error)
{
    content.clear();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0 && errno == ENOENT)
        return Result::Missing;
    if (fd < 0)
        return refuse(fd, error, std::string("cannot be read: ") + strerror(errno));
    struct stat info = {};
    if (fstat(fd, &info) != 0)
        return refuse(fd, error, std::string("cannot be read: ") + strerror(errno));
    if (S_ISDIR(info.st_mode))
        return refuse(fd, error, "is a directory, not a file");
    if (!S_ISREG(info.st_mode))
        return refuse(fd, error, "is not a regular file");
    if (static_cast<unsigned long long>(info.st_size) > kMaxSize)
        return refuse(fd, error, "is larger than " + std::to_string(kMaxSize / (1024 * 1024)) + " MiB");
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refuse(fd, error, std::string("cannot be read: ") + strerror(errno));
        if (n == 0)
            break;
        content.append(buffer, static_cast<size_t>(n));
        // The file may grow while it is read.
        if (content.size() > kMaxSize)
            return refuse(fd, error, "is larger than " + std::to_string(kMaxSize / (1024 * 1024)) + " MiB");
    }
    close(fd);
    return Result::Read;
}

bool SimFile::isPrivateDirectory(const std::string& path, std::string& error)
{
    struct stat info = {};
    if (lstat(path.c_str(), &info) != 0) {
        error = std::string(strerror(errno));
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        error = "not a directory";
        return false;
    }
    if (info.st_uid != geteuid()) {
        error = "owned by another user (uid " + std::to_string(info.st_uid) + ")";
        return false;
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        error = "writable by other users";
        return false;
    }
    return true;
}

std::string SimFile::privateTemporaryDirectory()
{
    const std::string dir = "/tmp/marlix-sim-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    std::string ignored;
    return isPrivateDirectory(dir, ignored) ? dir : std::string();
}
