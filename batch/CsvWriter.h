#pragma once

// Writes CSV records for spreadsheets: a cell is quoted, with its quotes
// doubled, when it holds the delimiter, a quote or a line break. Output is
// gathered in a buffer and handed to the sink in large pieces.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace Batch {

class CsvWriter {
public:
    using Sink = std::function<void(std::string_view)>;

    CsvWriter(char delimiter, std::string lineEnd, Sink sink);
    // What is still buffered is dropped: Flush hands it on.
    ~CsvWriter() = default;
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    // Bytes written straight through, such as a byte-order mark.
    void Raw(std::string_view bytes);
    void Cell(std::string_view text);
    void EndRecord();
    // Hands everything written so far to the sink.
    void Flush();

private:
    // Room for `size` more bytes at the end of the buffer.
    char* Reserve(std::size_t size) {
        if (capacity_ - used_ < size) {
            Grow(size);
        }
        return buffer_.get() + used_;
    }
    void Grow(std::size_t size);

    char delimiter_;
    std::string lineEnd_;
    Sink sink_;
    // The characters that make a cell quoted.
    std::array<bool, 256> special_{};
    // Written bytes are the first used_ of the capacity_ in buffer_.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    bool recordStarted_ = false;
};

} // namespace Batch
