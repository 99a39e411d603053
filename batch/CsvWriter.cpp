#include "batch/CsvWriter.h"

#include <algorithm>
#include <cstring>

namespace Batch {

namespace {
constexpr std::size_t kFlushSize = std::size_t{256} * 1024;
constexpr std::size_t kFirstSize = std::size_t{64} * 1024;
} // namespace

CsvWriter::CsvWriter(char delimiter, std::string lineEnd, Sink sink)
    : delimiter_(delimiter), lineEnd_(std::move(lineEnd)), sink_(std::move(sink)) {
    for (const char c : {delimiter_, '"', '\r', '\n'}) {
        special_[static_cast<unsigned char>(c)] = true;
    }
}

void CsvWriter::Grow(std::size_t size) {
    const std::size_t capacity = std::max({kFirstSize, 2 * capacity_, used_ + size});
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    if (used_ > 0) {
        std::memcpy(larger.get(), buffer_.get(), used_);
    }
    buffer_ = std::move(larger);
    capacity_ = capacity;
}

void CsvWriter::Raw(std::string_view bytes) {
    char* out = Reserve(bytes.size());
    std::copy(bytes.begin(), bytes.end(), out);
    used_ += bytes.size();
}

void CsvWriter::Cell(std::string_view text) {
    // At most a delimiter, two quotes and every character doubled.
    char* out = Reserve(2 * text.size() + 3);
    if (recordStarted_) {
        *out++ = delimiter_;
    }
    recordStarted_ = true;
    // Cells are short and seldom need quotes: copied while looked at, and
    // written again quoted when they do.
    char* const cellStart = out;
    bool special = false;
    for (const char c : text) {
        special |= special_[static_cast<unsigned char>(c)];
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
    used_ = static_cast<std::size_t>(out - buffer_.get());
}

void CsvWriter::EndRecord() {
    Raw(lineEnd_);
    recordStarted_ = false;
    if (used_ >= kFlushSize) {
        Flush();
    }
}

void CsvWriter::Flush() {
    if (used_ > 0) {
        const std::size_t used = used_;
        used_ = 0;
        sink_({buffer_.get(), used});
    }
}

} // namespace Batch
