#pragma once

#include <QString>

#include <cstdint>
#include <variant>

namespace tarvello::db {

// A field value as a query hands it over: empty (null), a whole number, a real number (dates
// are day serials) or a text. The accessors never fail: a null or unreadable value gives the fallback
// and reports it through `ok` when asked.
class Value {
public:
    enum class Kind { Null, Integer, Real, Text };

    Value() = default;
    static Value integer(int64_t v) { return Value(Storage(v)); }
    static Value real(double v) { return Value(Storage(v)); }
    static Value text(QString v) { return Value(Storage(std::move(v))); }

    Kind kind() const { return static_cast<Kind>(data_.index()); }
    bool isNull() const { return kind() == Kind::Null; }

    // Numbers as they are; a numeric text read in the C locale; null or other text gives 0.
    double toDouble(bool *ok = nullptr) const;
    // Rounded half to even (a Long's conversion), saturating at the 32-bit range.
    int32_t toInt(bool *ok = nullptr) const;
    // Null gives an empty text; numbers their general text form ("2.5", "42").
    QString toString() const;

    friend bool operator==(const Value &, const Value &) = default;

private:
    using Storage = std::variant<std::monostate, int64_t, double, QString>;
    explicit Value(Storage s) : data_(std::move(s)) {}

    Storage data_;
};

} // namespace tarvello::db
