#include "batch/CsvWriter.h"

#include <algorithm>
#include <cstring>

namespace Batch {

namespace {
constexpr std::size_t kFlushSize = 256 * 1024;
constexpr std::size_t kFirstSize = 64 * 1024;
} // namespace

CsvWriter::CsvWriter(char delimiter, std::string lineEnd, Sink sink)
    : m_delimiter(delimiter), m_lineEnd(std::move(lineEnd)), m_sink(std::move(sink)) {
    for (const char c : {m_delimiter, '"', '\r', '\n'}) {
        m_special[static_cast<unsigned char>(c)] = true;
    }
}

void CsvWriter::Grow(std::size_t size) {
    const std::size_t capacity = std::max({kFirstSize, 2 * m_capacity, m_used + size});
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    if (m_used > 0) {
        std::memcpy(larger.get(), m_buffer.get(), m_used);
    }
    m_buffer = std::move(larger);
    m_capacity = capacity;
}

void CsvWriter::Raw(std::string_view bytes) {
    char* out = Reserve(bytes.size());
    std::copy(bytes.begin(), bytes.end(), out);
    m_used += bytes.size();
}

void CsvWriter::Cell(std::string_view text) {
    // At most a delimiter, two quotes and every character doubled.
    char* out = Reserve(2 * text.size() + 3);
    if (m_recordStarted) {
        *out++ = m_delimiter;
    }
    m_recordStarted = true;
    // Cells are short and seldom need quotes: copied while looked at, and
    // written again quoted when they do.
    char* const cellStart = out;
    bool special = false;
    for (const char c : text) {
        special |= m_special[static_cast<unsigned char>(c)];
        *out++ = c;
    }
    if (special) {
        out = cellStart;
        *out++ = '"';
        for (const char c : text) {
            if (c == '"') {
                *out++ = '"';
            }
            *out++ = c;
        }
        *out++ = '"';
    }
    m_used = static_cast<std::size_t>(out - m_buffer.get());
}

void CsvWriter::EndRecord() {
    Raw(m_lineEnd);
    m_recordStarted = false;
    if (m_used >= kFlushSize) {
        Flush();
    }
}

void CsvWriter::Flush() {
    if (m_used > 0) {
        const std::size_t used = m_used;
        m_used = 0;
        m_sink({m_buffer.get(), used});
    }
}

} // namespace Batch
