#include "batch/CsvReader.h"

#include <cerrno>
#include <cstring>
#include <csv.h>
#include <new>

namespace Batch {

namespace {

constexpr std::size_t kBlockSize = 256 * 1024;
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
    : std::runtime_error("line " + std::to_string(line) + ": " + what), m_line(line) {}

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

CsvReader::CsvReader(std::FILE* input) : m_input(input), m_block(kBlockSize) {
    m_parser = new csv_parser;
    if (csv_init(m_parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        delete m_parser;
        throw std::bad_alloc();
    }
    csv_set_space_func(m_parser, NeverBlank);
    ReadHeaderLine();
}

CsvReader::~CsvReader() {
    csv_free(m_parser);
    delete m_parser;
}

bool CsvReader::ReadBlock() {
    m_blockSize = std::fread(m_block.data(), 1, m_block.size(), m_input);
    if (m_blockSize == 0 && std::ferror(m_input)) {
        throw std::runtime_error(std::string("cannot read the input: ") + std::strerror(errno));
    }
    m_bytesRead += static_cast<long long>(m_blockSize);
    return m_blockSize > 0;
}

void CsvReader::ReadHeaderLine() {
    // Everything up to the first line end decides the delimiter and the line
    // end; it is then parsed like the rest.
    std::string start;
    while (start.find('\n') == std::string::npos && ReadBlock()) {
        start.append(m_block.data(), m_blockSize);
    }
    if (start.rfind(kByteOrderMark, 0) == 0) {
        m_byteOrderMark = true;
        start.erase(0, std::strlen(kByteOrderMark));
    }
    const std::size_t end = start.find('\n');
    const std::string header = start.substr(0, end);
    if (header.find_first_not_of("\r") == std::string::npos) {
        throw MalformedFile(1, "there is no header line naming the columns");
    }
    m_delimiter = DetectDelimiter(header);
    m_lineEnd = header.ends_with('\r') ? "\r\n" : "\n";
    csv_set_delim(m_parser, static_cast<unsigned char>(m_delimiter));
    FeedLines(start.data(), start.size());
}

void CsvReader::Feed(const char* data, std::size_t size) {
    if (csv_parse(m_parser, data, size, CellCallback, RecordCallback, this) != size) {
        if (csv_error(m_parser) == CSV_EPARSE) {
            throw MalformedFile(m_line, "a quote stands inside a cell that is not quoted as a "
                                        "whole, or text follows a closing quote");
        }
        throw std::bad_alloc();
    }
    if (m_badCellLine != 0) {
        throw MalformedFile(m_badCellLine, "the text is not UTF-8");
    }
}

void CsvReader::FeedLines(const char* data, std::size_t size) {
    while (size > 0) {
        if (m_atLineStart && m_recordPending && data[0] != '\r' && data[0] != '\n') {
            // Blank lines between records are skipped, as libcsv does.
            m_current.line = m_line;
            m_recordPending = false;
        }
        const void* found = std::memchr(data, '\n', size);
        if (found == nullptr) {
            Feed(data, size);
            m_atLineStart = false;
            return;
        }
        const std::size_t length = static_cast<const char*>(found) - data + 1;
        Feed(data, length);
        ++m_line;
        m_atLineStart = true;
        data += length;
        size -= length;
    }
}

void CsvReader::Finish() {
    if (csv_fini(m_parser, CellCallback, RecordCallback, this) != 0) {
        throw MalformedFile(m_current.line, "a quoted cell begun in this record is never closed");
    }
    if (m_badCellLine != 0) {
        throw MalformedFile(m_badCellLine, "the text is not UTF-8");
    }
}

void CsvReader::OnCell(const char* text, std::size_t size) {
    if (m_badCellLine == 0 && !IsUtf8(text, size)) {
        m_badCellLine = m_line;
    }
    m_current.cells.emplace_back(text, size);
}

void CsvReader::OnRecordEnd() {
    const std::size_t width = m_current.cells.size();
    m_ready.push_back(std::move(m_current));
    m_current.cells.clear();
    m_current.cells.reserve(width);
    m_recordPending = true;
}

bool CsvReader::Next(CsvRecord& record) {
    while (m_ready.empty()) {
        if (m_finished) {
            return false;
        }
        if (ReadBlock()) {
            FeedLines(m_block.data(), m_blockSize);
        } else {
            m_finished = true;
            Finish();
        }
    }
    record = std::move(m_ready.front());
    m_ready.pop_front();
    return true;
}

} // namespace Batch
