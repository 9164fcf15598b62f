#include "platform/db/Database.h"

#include "platform/db/EngineValue.h"
#include "platform/db/SqlFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <utility>

namespace tarvello::db {

namespace {

std::atomic<int> liveConnections{0};

QString engineMessage(sqlite3 *connection)
{
    return connection ? QString::fromUtf8(sqlite3_errmsg(connection)) : QStringLiteral("out of memory");
}

struct QueryOutcome {
    int code = SQLITE_OK;
    QString message;
};

using StatementGuard = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)>;

// Prepares one read-only statement and names its fields. Anything else fails: an SQL error, an empty
// text, a second statement, or one that would write.
QueryOutcome prepareQuery(sqlite3 *connection, const QString &sql, StatementGuard &guard, QStringList &names)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const char *tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(connection, text.constData(), static_cast<int>(text.size()), &stmt, &tail);
    guard.reset(stmt);
    if (rc != SQLITE_OK)
        return {rc, engineMessage(connection)};
    if (!stmt)
        return {SQLITE_MISUSE, QStringLiteral("the query is empty")};
    if (tail && !QByteArray(tail).trimmed().isEmpty())
        return {SQLITE_MISUSE, QStringLiteral("only one statement can be run at a time")};
    // The game never writes to its price database.
    if (!sqlite3_stmt_readonly(stmt))
        return {SQLITE_READONLY, QStringLiteral("the price database is only read")};
    const int columns = sqlite3_column_count(stmt);
    names.clear();
    for (int i = 0; i < columns; ++i)
        names << QString::fromUtf8(sqlite3_column_name(stmt, i));
    return {};
}

// Runs one statement to the end and keeps its rows, one after the other in `values`.
QueryOutcome runQuery(sqlite3 *connection, const QString &sql, QStringList &names, std::deque<Value> &values)
{
    StatementGuard guard(nullptr, sqlite3_finalize);
    QueryOutcome prepared = prepareQuery(connection, sql, guard, names);
    if (prepared.code != SQLITE_OK)
        return prepared;
    sqlite3_stmt *stmt = guard.get();
    int rc = SQLITE_OK;
    const int columns = static_cast<int>(names.size());
    values.clear();
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            values.push_back(engineValue(sqlite3_column_value(stmt, i)));
        }
    }
    if (rc != SQLITE_DONE)
        return {rc, engineMessage(connection)};
    return {};
}

// Changes another program left beside the file (a "-journal" or a "-wal" file): only a program that
// may write the file can finish them or undo them, and the game never writes.
QString unfinishedChanges(const QString &shown, const QString &leftOver)
{
    return QStringLiteral("The price database \"%1\" has unfinished changes in \"%2\", made by another "
                          "program that may still be changing it or that stopped before it finished. Close "
                          "any program that may be changing the file, then start the game again. If none "
                          "is running, open the file once in a program that may write to it (such as "
                          "sqlite3), which settles the changes, or put a sound copy of the price database "
                          "in its place.")
        .arg(shown, QDir::toNativeSeparators(leftOver));
}

// How the file is handed to SQLite. Opened as usual, a WAL-mode file makes SQLite create "-wal" and
// "-shm" files beside it, and write the "-shm" of another program that holds it. Such a file is read as
// it stands instead ("immutable"): nothing is created, locked or written. That is only sound while no
// other program has changes of its own waiting in the "-wal" file; such a file is refused.
struct OpenName {
    QByteArray name;
    int flags = 0;
    QString refusal;
};

OpenName openName(const QString &path, const QString &shown)
{
    if (!isWalModeFile(path))
        return {QFile::encodeName(path), 0, {}};
    const QString wal = path + QStringLiteral("-wal");
    if (QFileInfo(wal).size() > 0)
        return {{}, 0, unfinishedChanges(shown, wal)};
    return {immutableFileUri(path), SQLITE_OPEN_URI, {}};
}

bool isPermissionDenied(int systemError)
{
    return systemError == EACCES || systemError == EPERM;
}

} // namespace

QByteArray immutableFileUri(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?immutable=1";
}

// Bytes 18 and 19 of an SQLite file header are its write and read format versions; 2 marks a file
// written in WAL journal mode. A file too short to have a header is not one.
bool isWalModeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.startsWith("SQLite format 3") &&
           (header[18] == 2 || header[19] == 2);
}

Database::Database(sqlite3 *connection, QString name) : connection_(connection), name_(std::move(name))
{
    if (connection_)
        ++liveConnections;
}

Database::Database(Database &&other) noexcept
    : connection_(std::exchange(other.connection_, nullptr)), name_(std::move(other.name_)),
      schema_(std::move(other.schema_))
{}

Database &Database::operator=(Database &&other) noexcept
{
    if (this != &other) {
        close();
        connection_ = std::exchange(other.connection_, nullptr);
        name_ = std::move(other.name_);
        schema_ = std::move(other.schema_);
    }
    return *this;
}

Database::~Database()
{
    close();
}

void Database::close()
{
    if (!connection_)
        return;
    sqlite3_close_v2(connection_);
    connection_ = nullptr;
    schema_.clear();
    --liveConnections;
}

int Database::openConnections()
{
    return liveConnections.load();
}

Result<Recordset> Database::openRecordset(const QString &sql) const
{
    if (!connection_)
        return Status::failure(QStringLiteral("The price database is not open."));
    QStringList names;
    std::deque<Value> rows;
    const QueryOutcome outcome = runQuery(connection_, sql, names, rows);
    if (outcome.code != SQLITE_OK)
        return Status::failure(
            QStringLiteral("Could not read the price database (%1).").arg(outcome.message));
    return Recordset(std::move(names), std::move(rows));
}

Result<RowStream> Database::streamRows(const QString &sql) const
{
    if (!connection_)
        return Status::failure(QStringLiteral("The price database is not open."));
    StatementGuard guard(nullptr, sqlite3_finalize);
    QStringList names;
    const QueryOutcome outcome = prepareQuery(connection_, sql, guard, names);
    if (outcome.code != SQLITE_OK)
        return Status::failure(
            QStringLiteral("Could not read the price database (%1).").arg(outcome.message));
    return RowStream(guard.release(), std::move(names));
}

std::optional<bool> Database::columnNotNull(const QString &table, const QString &column) const
{
    if (!connection_)
        return std::nullopt;
    int notNull = 0;
    if (sqlite3_table_column_metadata(connection_, nullptr, table.toUtf8().constData(),
                                      column.toUtf8().constData(), nullptr, nullptr, &notNull, nullptr,
                                      nullptr) != SQLITE_OK)
        return std::nullopt;
    return notNull != 0;
}

Database::TableKind Database::tableKind(QStringView name, QString *computedColumn) const
{
    const auto entry = std::find_if(schema_.begin(), schema_.end(), [&](const SchemaEntry &e) {
        return QStringView(e.name).compare(name, Qt::CaseInsensitive) == 0;
    });
    if (!connection_ || entry == schema_.end())
        return TableKind::Missing;
    return classifyTable(connection_, entry->name, entry->view, entry->sql, computedColumn);
}

Database::TableKind classifyTable(sqlite3 *connection, const QString &name, bool view, const QString &sql,
                                  QString *computedColumn)
{
    using Kind = Database::TableKind;
    if (view)
        return Kind::View;
    if (sql.simplified().startsWith(QLatin1String("CREATE VIRTUAL"), Qt::CaseInsensitive))
        return Kind::Virtual;
    // A column computed when read is declared with the word AS; only a table whose statement has that
    // word is asked for its columns (table_xinfo marks such a column hidden 2, one stored when written 3).
    static const QRegularExpression asWord(QStringLiteral("\\bAS\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!sql.contains(asWord))
        return Kind::Stored;
    QStringList names;
    std::deque<Value> rows;
    const QString columns = QStringLiteral("SELECT name FROM pragma_table_xinfo('%1') WHERE hidden = 2")
                                .arg(QString(name).replace(QLatin1Char('\''), QLatin1String("''")));
    if (runQuery(connection, columns, names, rows).code != SQLITE_OK || rows.empty())
        return Kind::Stored;
    if (computedColumn)
        *computedColumn = rows.front().toString();
    return Kind::Computed;
}

Result<Workspace> Workspace::create(const QString &name, const QString &user, const QString &password)
{
    Workspace ws;
    ws.open_ = true;
    ws.name_ = name;
    ws.user_ = user;
    ws.password_ = password;
    return ws;
}

QString connectPassword(const QString &connect)
{
    for (const QString &part : connect.split(QLatin1Char(';'))) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 && part.left(eq).trimmed().compare(QLatin1String("PWD"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1);
    }
    return {};
}

Result<Database> Workspace::openDatabase(const QString &path, bool exclusive, bool readOnly,
                                         const QString &connect) const
{
    Q_UNUSED(exclusive);
    Q_UNUSED(readOnly);
    const QString shown = QDir::toNativeSeparators(path);
    if (!open_)
        return Status::failure(QStringLiteral("The workspace is closed."));
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Status::failure(QStringLiteral("Could not find the price database \"%1\".").arg(shown));
    if (!info.isFile())
        return Status::failure(QStringLiteral("\"%1\" is not a price database file.").arg(shown));

    const OpenName name = openName(path, shown);
    if (!name.refusal.isEmpty())
        return Status::failure(name.refusal);
    sqlite3 *connection = nullptr;
    const int rc = sqlite3_open_v2(name.name.constData(), &connection,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | name.flags, nullptr);
    Database db(connection, path); // owns the handle even when the open failed
    if (rc != SQLITE_OK && connection && isPermissionDenied(sqlite3_system_errno(connection))) {
        return Status::failure(
            QStringLiteral("Permission to read the price database \"%1\" is denied. Ask whoever looks "
                           "after this computer to let you read the file, or put a copy you may read in "
                           "its place.")
                .arg(shown));
    }
    if (rc != SQLITE_OK) {
        return Status::failure(QStringLiteral("Could not open the price database \"%1\" (%2).")
                                   .arg(shown, engineMessage(connection)));
    }
    sqlite3_busy_timeout(connection, 2000);

    // SQLite opens any file lazily; reading the schema is what proves it is a database.
    QStringList names;
    std::deque<Value> rows;
    QueryOutcome outcome =
        runQuery(connection,
                 QStringLiteral("SELECT name, type, sql FROM sqlite_master WHERE type IN ('table', 'view')"),
                 names, rows);
    if (outcome.code == SQLITE_NOTADB)
        return Status::failure(QStringLiteral("\"%1\" is not a price database.").arg(shown));
    // A "-journal" file with changes that were never finished: reading would first undo them, which
    // writes the file, and a read-only handle is refused instead.
    if (outcome.code != SQLITE_OK && sqlite3_extended_errcode(connection) == SQLITE_READONLY_ROLLBACK)
        return Status::failure(unfinishedChanges(shown, path + QStringLiteral("-journal")));
    if (outcome.code != SQLITE_OK) {
        return Status::failure(
            QStringLiteral("Could not read the price database \"%1\" (%2).").arg(shown, outcome.message));
    }

    for (size_t i = 0; i + 2 < rows.size(); i += 3) {
        db.schema_.push_back(
            {rows[i].toString(), rows[i + 1].toString() == QLatin1String("view"), rows[i + 2].toString()});
    }
    const bool hasInfo =
        std::any_of(db.schema_.begin(), db.schema_.end(), [](const Database::SchemaEntry &e) {
            return !e.view && e.name.compare(QLatin1String("DatabaseInfo"), Qt::CaseInsensitive) == 0;
        });
    if (hasInfo) {
        outcome =
            runQuery(connection, QStringLiteral("SELECT Value FROM DatabaseInfo WHERE Name = 'Password'"),
                     names, rows);
        if (outcome.code != SQLITE_OK) {
            return Status::failure(
                QStringLiteral("Could not read the price database \"%1\" (%2).").arg(shown, outcome.message));
        }
        if (!rows.empty() && rows.front().toString() != connectPassword(connect))
            return Status::failure(QStringLiteral("Not a valid password for the price database."));
    }

    if (!registerDateFunctions(connection)) {
        return Status::failure(QStringLiteral("Could not open the price database \"%1\" (%2).")
                                   .arg(shown, engineMessage(connection)));
    }
    return db;
}

} // namespace tarvello::db
