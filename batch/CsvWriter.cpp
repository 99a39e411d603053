#include "batch/CsvWriter.h"

#include <algorithm>

namespace Batch {

namespace {
constexpr std::size_t kFlushSize = 256 * 1024;
}

CsvWriter::CsvWriter(char delimiter, std::string lineEnd, Sink sink)
    : m_delimiter(delimiter), m_lineEnd(std::move(lineEnd)), m_sink(std::move(sink)) {
    m_buffer.reserve(kFlushSize + 4096);
}

void CsvWriter::Raw(std::string_view bytes) {
    m_buffer += bytes;
}

void CsvWriter::Cell(std::string_view text) {
    if (m_recordStarted) {
        m_buffer += m_delimiter;
    }
    m_recordStarted = true;
    const auto special = [this](char c) {
        return c == m_delimiter || c == '"' || c == '\r' || c == '\n';
    };
    if (std::ranges::none_of(text, special)) {
        m_buffer += text;
        return;
    }
    m_buffer += '"';
    for (const char c : text) {
        if (c == '"') {
            m_buffer += '"';
        }
        m_buffer += c;
    }
    m_buffer += '"';
}

void CsvWriter::EndRecord() {
    m_buffer += m_lineEnd;
    m_recordStarted = false;
    if (m_buffer.size() >= kFlushSize) {
        Flush();
    }
}

void CsvWriter::Flush() {
    if (!m_buffer.empty()) {
        std::string pending;
        pending.swap(m_buffer);
        m_buffer.reserve(kFlushSize + 4096);
        m_sink(pending);
    }
}

} // namespace Batch
