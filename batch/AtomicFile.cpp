#include "batch/AtomicFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace Batch {

namespace {

// Temporary files in the making, for the signal handler: a fixed table of
// owned strings, claimed and released without locks so that the handler may
// read it at any moment.
constexpr int kSlots = 256;

// Bytes written between two requests to start writing them to the disk.
constexpr off_t kWriteBehind = off_t{8} * 1024 * 1024;
std::array<std::atomic<char*>, kSlots> g_temporaries{};

int Claim(const std::string& path) {
    char* copy = strdup(path.c_str());
    for (int slot = 0; slot < kSlots; ++slot) {
        char* expected = nullptr;
        if (g_temporaries[slot].compare_exchange_strong(expected, copy)) {
            return slot;
        }
    }
    std::free(copy);
    return -1; // more files at once than slots: this one is simply not listed
}

void Release(int slot) {
    if (slot >= 0) {
        std::free(g_temporaries[slot].exchange(nullptr));
    }
}

extern "C" void RemoveTemporaries(int signalNumber) {
    for (auto& entry : g_temporaries) {
        if (const char* path = entry.load()) {
            unlink(path);
        }
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

std::runtime_error Failure(const std::string& what, const std::string& path) {
    return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

std::string Directory(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void RemoveTemporariesOnSignals() {
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        std::signal(signalNumber, RemoveTemporaries);
    }
}

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
    std::string pattern = Directory(path_);
    if (!pattern.ends_with('/')) {
        pattern += '/';
    }
    pattern += "." + FileName(path_) + ".XXXXXX";
    fd_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        throw Failure("cannot create a file beside", path_);
    }
    temporary_ = pattern;
    slot_ = Claim(temporary_);
    // mkstemp makes the file private; give it the mode a new file would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd_, 0666 & ~mask);
}

AtomicFile::~AtomicFile() {
    Discard();
}

void AtomicFile::Discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
    Release(slot_);
    slot_ = -1;
}

void AtomicFile::Write(std::string_view data) {
    const off_t start = written_;
    while (!data.empty()) {
        const ssize_t written = write(fd_, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Failure("cannot write", path_);
        }
        data.remove_prefix(static_cast<std::size_t>(written));
        written_ += written;
    }
    // A large file is handed to the disk as it grows, so that the sync before
    // the rename has little left to wait for.
    if (written_ / kWriteBehind != start / kWriteBehind) {
        const off_t from = (start / kWriteBehind) * kWriteBehind;
        sync_file_range(fd_, from, written_ - from, SYNC_FILE_RANGE_WRITE);
    }
}

void AtomicFile::Commit(bool replace) {
    if (fsync(fd_) != 0 || close(fd_) != 0) {
        fd_ = -1;
        throw Failure("cannot write", path_);
    }
    fd_ = -1;
    if (replace) {
        if (rename(temporary_.c_str(), path_.c_str()) != 0) {
            throw Failure("cannot write", path_);
        }
    } else if (renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, path_.c_str(), RENAME_NOREPLACE) !=
               0) {
        // File systems without the no-replace rename still refuse a hard
        // link over an existing name.
        if (errno != EINVAL || link(temporary_.c_str(), path_.c_str()) != 0) {
            if (errno == EEXIST) {
                throw std::runtime_error(path_ + " exists already (--force replaces it)");
            }
            throw Failure("cannot write", path_);
        }
        unlink(temporary_.c_str());
    }
    temporary_.clear();
    Release(slot_);
    slot_ = -1;
}

void WriteFileAtomically(const std::string& path, std::string_view data, bool replace) {
    AtomicFile file(path);
    file.Write(data);
    file.Commit(replace);
}

} // namespace Batch
