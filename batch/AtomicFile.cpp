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
constexpr off_t kWriteBehind = 8 * 1024 * 1024;
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

AtomicFile::AtomicFile(std::string path) : m_path(std::move(path)) {
    std::string pattern = Directory(m_path);
    if (!pattern.ends_with('/')) {
        pattern += '/';
    }
    pattern += "." + FileName(m_path) + ".XXXXXX";
    m_fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (m_fd < 0) {
        throw Failure("cannot create a file beside", m_path);
    }
    m_temporary = pattern;
    m_slot = Claim(m_temporary);
    // mkstemp makes the file private; give it the mode a new file would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(m_fd, 0666 & ~mask);
}

AtomicFile::~AtomicFile() {
    Discard();
}

void AtomicFile::Discard() {
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    Release(m_slot);
    m_slot = -1;
}

void AtomicFile::Write(std::string_view data) {
    const off_t start = m_written;
    while (!data.empty()) {
        const ssize_t written = write(m_fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Failure("cannot write", m_path);
        }
        data.remove_prefix(static_cast<std::size_t>(written));
        m_written += written;
    }
    // A large file is handed to the disk as it grows, so that the sync before
    // the rename has little left to wait for.
    if (m_written / kWriteBehind != start / kWriteBehind) {
        const off_t from = (start / kWriteBehind) * kWriteBehind;
        sync_file_range(m_fd, from, m_written - from, SYNC_FILE_RANGE_WRITE);
    }
}

void AtomicFile::Commit(bool replace) {
    if (fsync(m_fd) != 0 || close(m_fd) != 0) {
        m_fd = -1;
        throw Failure("cannot write", m_path);
    }
    m_fd = -1;
    if (replace) {
        if (rename(m_temporary.c_str(), m_path.c_str()) != 0) {
            throw Failure("cannot write", m_path);
        }
    } else if (renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_path.c_str(),
                         RENAME_NOREPLACE) != 0) {
        // File systems without the no-replace rename still refuse a hard
        // link over an existing name.
        if (errno != EINVAL || link(m_temporary.c_str(), m_path.c_str()) != 0) {
            if (errno == EEXIST) {
                throw std::runtime_error(m_path + " exists already (--force replaces it)");
            }
            throw Failure("cannot write", m_path);
        }
        unlink(m_temporary.c_str());
    }
    m_temporary.clear();
    Release(m_slot);
    m_slot = -1;
}

void WriteFileAtomically(const std::string& path, std::string_view data, bool replace) {
    AtomicFile file(path);
    file.Write(data);
    file.Commit(replace);
}

} // namespace Batch
