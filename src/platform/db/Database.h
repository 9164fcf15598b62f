#pragma once

#include "platform/db/Recordset.h"
#include "platform/db/Result.h"
#include "platform/db/RowStream.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace tarvello::db {

// An open price database: one read-only SQLite connection with DateValue and timevalue registered.
// Move-only; the connection closes with close() or when the object goes.
class Database {
public:
    Database() = default; // closed
    Database(Database &&) noexcept;
    Database &operator=(Database &&) noexcept;
    ~Database();

    bool isOpen() const { return connection_ != nullptr; }
    const QString &name() const { return name_; }

    // Runs one read-only SQL statement and returns its rows. A closed database, an SQL error (a
    // missing table, a syntax error) or a statement that would write each fail with a description.
    Result<Recordset> openRecordset(const QString &sql) const;
    // The same statement, its rows read one at a time (RowStream) instead of taken whole; it fails the
    // same way when it cannot run.
    Result<RowStream> streamRows(const QString &sql) const;

    // Whether a table's column is declared NOT NULL, from the schema alone; none when the database is
    // closed or has no such table or column.
    std::optional<bool> columnNotNull(const QString &table, const QString &column) const;

    // What a name stands for in the file's schema (as it was when the file opened): a table of stored
    // rows, a table or view whose rows or values are made only when read (a view, a virtual table, a
    // table with a column computed when read), or nothing. Reading the second kind has no bound on its
    // time. For Computed, `computedColumn` receives the name of such a column.
    enum class TableKind { Missing, Stored, View, Virtual, Computed };
    TableKind tableKind(QStringView name, QString *computedColumn = nullptr) const;

    // Closing twice, or closing a database that never opened, does nothing.
    void close();

    // Connections this layer holds open right now, in the whole program: a check that none is leaked.
    static int openConnections();

private:
    friend class Workspace;
    Database(sqlite3 *connection, QString name);

    // The file's tables and views, read once as it opened.
    struct SchemaEntry {
        QString name;
        bool view = false;
        QString sql; // the statement that made it
    };

    sqlite3 *connection_ = nullptr;
    QString name_;
    std::vector<SchemaEntry> schema_;
};

// The same from a schema entry read by the caller: `name` is a table (or, with `view`, a view) made by
// the statement `sql`, on an open connection that is asked for its columns only when needed.
Database::TableKind classifyTable(sqlite3 *connection, const QString &name, bool view, const QString &sql,
                                  QString *computedColumn = nullptr);

// The session databases are opened in: a name, a user and a password. It holds no resource of its
// own; opening on a closed workspace fails.
class Workspace {
public:
    Workspace() = default; // closed
    static Result<Workspace> create(const QString &name, const QString &user, const QString &password);

    bool isOpen() const { return open_; }
    const QString &name() const { return name_; }
    const QString &user() const { return user_; }

    // Opens the file at `path`, always read-only and never creating it, and checks that it is an
    // SQLite database. `connect` is a connect string ("; database=...;PWD=secret"): its PWD value must
    // equal the password the file records in DatabaseInfo ('Password'); a file that records none
    // accepts any. `exclusive` and `readOnly` are accepted for the callers' sake: the game only reads,
    // so every open is shared and read-only, and nothing is ever written beside the file: a file in
    // WAL journal mode is read as it stands, and refused while another program's changes wait in its
    // "-wal" file; a file whose "-journal" holds changes a program left unfinished is refused too (only a
    // writer can undo them). A missing file, a file the user may not read, a file that is not a
    // database and a wrong password each fail with a description.
    Result<Database> openDatabase(const QString &path, bool exclusive, bool readOnly,
                                  const QString &connect) const;

    // Closing twice does nothing. Databases opened on it stay open until they are closed.
    void close() { open_ = false; }

private:
    bool open_ = false;
    QString name_;
    QString user_;
    QString password_;
};

// Whether the file at `path` is an SQLite file written in WAL journal mode. Opened as usual, such a file
// makes SQLite create "-wal" and "-shm" files beside it.
bool isWalModeFile(const QString &path);
// The SQLite file name (URI form, opened with SQLITE_OPEN_URI) that reads the file at `path` as it
// stands: no lock is taken and no journal, "-wal" or "-shm" file is made or written beside it.
QByteArray immutableFileUri(const QString &path);

// The PWD value of a connect string ("; database=x;PWD=kxq" -> "kxq"); empty when there is none.
QString connectPassword(const QString &connect);

} // namespace tarvello::db
