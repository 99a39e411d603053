#pragma once

// Reads a spreadsheet's CSV export one record at a time, as it streams in:
// RFC 4180 quoting (delimiters, quotes and line breaks inside quoted cells),
// UTF-8 with or without a byte-order mark, comma or semicolon as the
// delimiter (whichever the header line uses more of outside quotes), CRLF or
// LF line ends. Every cell is kept exactly as written, blanks included.
// The splitting itself is libcsv's streaming parser in strict mode; this
// class adds what libcsv leaves to its caller: the byte-order mark, the
// delimiter, the line each record starts on, and the UTF-8 check.

#include <cstdio>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct csv_parser;

namespace Batch {

struct CsvRecord {
    std::vector<std::string> cells;
    long long line = 0; // physical line the record starts on, from 1
};

// A file that cannot be read as CSV at all; the message names the line.
class MalformedFile : public std::runtime_error {
public:
    MalformedFile(long long line, const std::string& what);
    long long Line() const { return line_; }

private:
    long long line_;
};

class CsvReader {
public:
    // Reads from `input`, which stays open and owned by the caller. The
    // header line is read at once to find the delimiter; an empty input
    // throws MalformedFile.
    explicit CsvReader(std::FILE* input);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record, the header first; false at the end of the input.
    // Throws MalformedFile for a stray or unclosed quote or a cell that is
    // not UTF-8, and std::runtime_error when reading fails.
    bool Next(CsvRecord& record);

    char Delimiter() const { return delimiter_; }
    bool ByteOrderMark() const { return byteOrderMark_; }
    // "\r\n" or "\n", as the header line ends.
    const std::string& LineEnd() const { return lineEnd_; }
    // Bytes of the input consumed so far.
    long long BytesRead() const { return bytesRead_; }

    // libcsv's callbacks, public only so that the C callbacks can reach them.
    void OnCell(const char* text, std::size_t size);
    void OnRecordEnd();

private:
    bool ReadBlock();
    void ReadHeaderLine();
    void Feed(const char* data, std::size_t size);
    void FeedLines(const char* data, std::size_t size);
    void Finish();

    std::FILE* input_;
    struct ParserFree {
        void operator()(csv_parser* parser) const;
    };
    std::unique_ptr<csv_parser, ParserFree> parser_;
    std::vector<char> block_;
    std::size_t blockSize_ = 0;
    std::string firstLine_;
    char delimiter_ = ',';
    bool byteOrderMark_ = false;
    std::string lineEnd_ = "\n";
    long long bytesRead_ = 0;
    bool finished_ = false;

    long long line_ = 1;        // physical line being fed
    bool atLineStart_ = true;   // the next byte fed begins a line
    bool recordPending_ = true; // the next non-blank line begins a record
    CsvRecord current_;
    std::deque<CsvRecord> ready_;
    long long badCellLine_ = 0; // first line with a cell that is not UTF-8
};

// Whether `text` is well-formed UTF-8.
bool IsUtf8(const char* text, std::size_t size);

} // namespace Batch
