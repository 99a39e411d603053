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
        if (m_capacity - m_used < size) {
            Grow(size);
        }
        return m_buffer.get() + m_used;
    }
    void Grow(std::size_t size);

    char m_delimiter;
    std::string m_lineEnd;
    Sink m_sink;
    // The characters that make a cell quoted.
    std::array<bool, 256> m_special{};
    // Written bytes are the first m_used of the m_capacity in m_buffer.
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    std::size_t m_used = 0;
    bool m_recordStarted = false;
};

} // namespace Batch
