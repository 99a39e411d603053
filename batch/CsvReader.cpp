#include "batch/CsvReader.h"

#include <cerrno>
#include <cstring>
#include <csv.h>
#include <memory>
#include <new>

namespace Batch {

namespace {

constexpr std::size_t kBlockSize = std::size_t{256} * 1024;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

extern "C" void CellCallback(void* text, std::size_t size, void* reader) {
    static_cast<CsvReader*>(reader)->OnCell(static_cast<const char*>(text), size);
}

extern "C" void RecordCallback(int /*terminator*/, void* reader) {
    static_cast<CsvReader*>(reader)->OnRecordEnd();
}

// Cells keep their blanks: nothing is trimmed around an unquoted cell.
extern "C" int NeverBlank(unsigned char /*c*/) {
    return 0;
}

// The delimiter a header line uses: the one of comma and semicolon that
// stands more often outside quotes; a comma when neither does.
char DetectDelimiter(const std::string& line) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            ++commas;
        } else if (!quoted && c == ';') {
            ++semicolons;
        }
    }
    return semicolons > commas ? ';' : ',';
}

} // namespace

MalformedFile::MalformedFile(long long line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

bool IsUtf8(const char* text, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned int lowest = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (size - i < length) {
            return false;
        }
        unsigned int code = lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (bytes[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

void CsvReader::ParserFree::operator()(csv_parser* parser) const {
    csv_free(parser);
    delete parser;
}

CsvReader::CsvReader(std::FILE* input) : input_(input), block_(kBlockSize) {
    auto parser = std::make_unique<csv_parser>();
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
        throw std::bad_alloc();
    }
    // Owned from here on, so a header that throws below frees it too.
    parser_.reset(parser.release());
    csv_set_space_func(parser_.get(), NeverBlank);
    ReadHeaderLine();
}

CsvReader::~CsvReader() = default;

bool CsvReader::ReadBlock() {
    blockSize_ = std::fread(block_.data(), 1, block_.size(), input_);
    if (blockSize_ == 0 && std::ferror(input_)) {
        throw std::runtime_error(std::string("cannot read the input: ") + std::strerror(errno));
    }
    bytesRead_ += static_cast<long long>(blockSize_);
    return blockSize_ > 0;
}

void CsvReader::ReadHeaderLine() {
    // Everything up to the first line end decides the delimiter and the line
    // end; it is then parsed like the rest.
    std::string start;
    while (start.find('\n') == std::string::npos && ReadBlock()) {
        start.append(block_.data(), blockSize_);
    }
    if (start.rfind(kByteOrderMark, 0) == 0) {
        byteOrderMark_ = true;
        start.erase(0, std::strlen(kByteOrderMark));
    }
    const std::size_t end = start.find('\n');
    const std::string header = start.substr(0, end);
    if (header.find_first_not_of('\r') == std::string::npos) {
        throw MalformedFile(1, "there is no header line naming the columns");
    }
    delimiter_ = DetectDelimiter(header);
    lineEnd_ = header.ends_with('\r') ? "\r\n" : "\n";
    csv_set_delim(parser_.get(), static_cast<unsigned char>(delimiter_));
    FeedLines(start.data(), start.size());
}

void CsvReader::Feed(const char* data, std::size_t size) {
    if (csv_parse(parser_.get(), data, size, CellCallback, RecordCallback, this) != size) {
        if (csv_error(parser_.get()) == CSV_EPARSE) {
            throw MalformedFile(line_, "a quote stands inside a cell that is not quoted as a "
                                       "whole, or text follows a closing quote");
        }
        throw std::bad_alloc();
    }
    if (badCellLine_ != 0) {
        throw MalformedFile(badCellLine_, "the text is not UTF-8");
    }
}

void CsvReader::FeedLines(const char* data, std::size_t size) {
    while (size > 0) {
        if (atLineStart_ && recordPending_ && data[0] != '\r' && data[0] != '\n') {
            // Blank lines between records are skipped, as libcsv does.
            current_.line = line_;
            recordPending_ = false;
        }
        const void* found = std::memchr(data, '\n', size);
        if (found == nullptr) {
            Feed(data, size);
            atLineStart_ = false;
            return;
        }
        const std::size_t length = static_cast<const char*>(found) - data + 1;
        Feed(data, length);
        ++line_;
        atLineStart_ = true;
        data += length;
        size -= length;
    }
}

void CsvReader::Finish() {
    if (csv_fini(parser_.get(), CellCallback, RecordCallback, this) != 0) {
        throw MalformedFile(current_.line, "a quoted cell begun in this record is never closed");
    }
    if (badCellLine_ != 0) {
        throw MalformedFile(badCellLine_, "the text is not UTF-8");
    }
}

void CsvReader::OnCell(const char* text, std::size_t size) {
    if (badCellLine_ == 0 && !IsUtf8(text, size)) {
        badCellLine_ = line_;
    }
    current_.cells.emplace_back(text, size);
}

void CsvReader::OnRecordEnd() {
    const std::size_t width = current_.cells.size();
    ready_.push_back(std::move(current_));
    current_.cells.clear();
    current_.cells.reserve(width);
    recordPending_ = true;
}

bool CsvReader::Next(CsvRecord& record) {
    while (ready_.empty()) {
        if (finished_) {
            return false;
        }
        if (ReadBlock()) {
            FeedLines(block_.data(), blockSize_);
        } else {
            finished_ = true;
            Finish();
        }
    }
    record = std::move(ready_.front());
    ready_.pop_front();
    return true;
}

} // namespace Batch
