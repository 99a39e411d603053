#pragma once

// A file that appears complete or not at all: it is written beside its final
// name under a hidden temporary one and renamed into place only when it is
// finished, so an interrupted run never leaves half a file under the name.
// If the program is stopped by a signal, the temporary files of the moment
// are removed.

#include <string>
#include <string_view>

namespace Batch {

class AtomicFile {
public:
    // Creates the temporary file beside `path`. Throws std::runtime_error
    // when it cannot be created.
    explicit AtomicFile(std::string path);
    // Removes the temporary file unless Commit succeeded.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Throws std::runtime_error when the data cannot be written.
    void Write(std::string_view data);

    // Flushes the file to disk and gives it its name. Without `replace` an
    // existing file of that name is left alone and Commit throws
    // std::runtime_error saying so; with it, the existing file is replaced in
    // one step. Throws on any other failure, leaving no file behind.
    void Commit(bool replace);

    const std::string& Path() const { return path_; }

private:
    void Discard();

    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    int slot_ = -1;
    long long written_ = 0;
};

// Removes the temporary files of unfinished AtomicFiles when the program is
// stopped by SIGINT, SIGTERM or SIGHUP, then ends it as the signal would.
void RemoveTemporariesOnSignals();

// Writes the whole of `data` to `path` as an AtomicFile.
void WriteFileAtomically(const std::string& path, std::string_view data, bool replace);

} // namespace Batch
