#pragma once

#include "platform/db/Value.h"

#include <sqlite3.h>

namespace tarvello::db {

// A field as SQLite hands it over, made a Value. A text is taken through SQLite's own conversion to
// UTF-8, so that it reads the same whatever encoding the file stores its texts in (UTF-8 or UTF-16);
// its stored bytes are the file's encoding, not UTF-8. A BLOB has no encoding: its bytes are read as
// UTF-8 text as they stand.
inline Value engineValue(sqlite3_value *value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return Value::integer(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return Value::real(sqlite3_value_double(value));
    case SQLITE_NULL:
        return {};
    case SQLITE_TEXT: {
        // The text first, then its length: the length is that of the converted text.
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
        return Value::text(QString::fromUtf8(text, sqlite3_value_bytes(value)));
    }
    default: {
        const auto *bytes = static_cast<const char *>(sqlite3_value_blob(value));
        return Value::text(QString::fromUtf8(bytes, sqlite3_value_bytes(value)));
    }
    }
}

} // namespace tarvello::db
