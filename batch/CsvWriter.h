#pragma once

// Writes CSV records for spreadsheets: a cell is quoted, with its quotes
// doubled, when it holds the delimiter, a quote or a line break. Output is
// gathered in a buffer and handed to the sink in large pieces.

#include <functional>
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
    char m_delimiter;
    std::string m_lineEnd;
    Sink m_sink;
    std::string m_buffer;
    bool m_recordStarted = false;
};

} // namespace Batch
