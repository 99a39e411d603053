#pragma once

// The container in which the pie chart keeps its accepted data lines: an
// ordered list of texts, duplicates kept, each entry optionally carrying the
// parsed value together with the object the caller attached to its line.

#include <QString>
#include <optional>
#include <vector>

class QObject;

// The parsed value of one data line and the caller's object for that line.
// The object is only carried along; the list never uses or releases it.
struct TObjectAndDouble {
    QObject* Obj = nullptr;
    double Value = 0.0;
};

// Entries keep the order in which they were added. The list owns its payloads
// by value, so clearing or destroying it releases them with nothing to leak.
class TStringListWithDouble {
public:
    void Clear() { entries_.clear(); }
    void Add(const QString& text, std::optional<TObjectAndDouble> payload) {
        entries_.push_back(Entry{text, payload});
    }
    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }
    // Index 0 .. Count() - 1; the caller keeps inside the range.
    const QString& Text(int index) const { return At(index).text; }
    // The payload of an entry, or nullptr for an entry without one.
    const TObjectAndDouble* Payload(int index) const {
        const auto& payload = At(index).payload;
        return payload ? &*payload : nullptr;
    }

private:
    struct Entry {
        QString text;
        std::optional<TObjectAndDouble> payload;
    };
    const Entry& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    std::vector<Entry> entries_;
};
