#include "platform/db/Database.h"

#include "platform/db/SqlFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <atomic>
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

// Runs one statement to the end and keeps its rows.
QueryOutcome runQuery(sqlite3 *connection, const QString &sql, QStringList &names,
                      std::vector<std::vector<Value>> &rows)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const char *tail = nullptr;
    int rc = sqlite3_prepare_v2(connection, text.constData(), static_cast<int>(text.size()), &stmt, &tail);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> guard(stmt, sqlite3_finalize);
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
    rows.clear();
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<Value> row;
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                row.push_back(Value::integer(sqlite3_column_int64(stmt, i)));
                break;
            case SQLITE_FLOAT:
                row.push_back(Value::real(sqlite3_column_double(stmt, i)));
                break;
            case SQLITE_NULL:
                row.emplace_back();
                break;
            default: {
                const auto *bytes = static_cast<const char *>(sqlite3_column_blob(stmt, i));
                row.push_back(Value::text(QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, i))));
                break;
            }
            }
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        return {rc, engineMessage(connection)};
    return {};
}

} // namespace

Database::Database(sqlite3 *connection, QString name) : connection_(connection), name_(std::move(name))
{
    if (connection_)
        ++liveConnections;
}

Database::Database(Database &&other) noexcept
    : connection_(std::exchange(other.connection_, nullptr)), name_(std::move(other.name_))
{}

Database &Database::operator=(Database &&other) noexcept
{
    if (this != &other) {
        close();
        connection_ = std::exchange(other.connection_, nullptr);
        name_ = std::move(other.name_);
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
    std::vector<std::vector<Value>> rows;
    const QueryOutcome outcome = runQuery(connection_, sql, names, rows);
    if (outcome.code != SQLITE_OK)
        return Status::failure(
            QStringLiteral("Could not read the price database (%1).").arg(outcome.message));
    return Recordset(std::move(names), std::move(rows));
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

    sqlite3 *connection = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &connection, SQLITE_OPEN_READONLY, nullptr);
    Database db(connection, path); // owns the handle even when the open failed
    if (rc != SQLITE_OK) {
        return Status::failure(QStringLiteral("Could not open the price database \"%1\" (%2).")
                                   .arg(shown, engineMessage(connection)));
    }
    sqlite3_busy_timeout(connection, 2000);

    // SQLite opens any file lazily; reading the schema is what proves it is a database.
    QStringList names;
    std::vector<std::vector<Value>> rows;
    QueryOutcome outcome = runQuery(connection,
                                    QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                                   "AND name = 'DatabaseInfo' COLLATE NOCASE"),
                                    names, rows);
    if (outcome.code == SQLITE_NOTADB)
        return Status::failure(QStringLiteral("\"%1\" is not a price database.").arg(shown));
    if (outcome.code != SQLITE_OK) {
        return Status::failure(
            QStringLiteral("Could not read the price database \"%1\" (%2).").arg(shown, outcome.message));
    }

    if (!rows.empty() && rows.front().front().toInt() > 0) {
        outcome =
            runQuery(connection, QStringLiteral("SELECT Value FROM DatabaseInfo WHERE Name = 'Password'"),
                     names, rows);
        if (outcome.code != SQLITE_OK) {
            return Status::failure(
                QStringLiteral("Could not read the price database \"%1\" (%2).").arg(shown, outcome.message));
        }
        if (!rows.empty() && rows.front().front().toString() != connectPassword(connect))
            return Status::failure(QStringLiteral("Not a valid password for the price database."));
    }

    if (!registerDateFunctions(connection)) {
        return Status::failure(QStringLiteral("Could not open the price database \"%1\" (%2).")
                                   .arg(shown, engineMessage(connection)));
    }
    return db;
}

} // namespace tarvello::db
