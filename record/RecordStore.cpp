// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <atomic>

namespace {

// A record another program holds is given this long before it counts as
// locked; the drill must not wait on it.
constexpr int BUSY_MILLISECONDS = 300;

// Opening a record, in order, with the answer a statement must give. The
// first one reads the whole file, so a damaged one fails before anything is
// written; taking the write lock at once fails on a record that is locked
// or cannot be written.
struct Opening {
    const char* statement;
    const char* answer;
};
constexpr Opening opening[] = {
    {"PRAGMA quick_check", "ok"},
    {"BEGIN IMMEDIATE", nullptr},
    {"ROLLBACK", nullptr},
    {"PRAGMA journal_mode=WAL", "wal"},
    {"PRAGMA synchronous=FULL", nullptr},
    {"CREATE TABLE IF NOT EXISTS judged ("
     " judged_at INTEGER NOT NULL, range INTEGER NOT NULL, carry INTEGER NOT NULL, chosen_operation INTEGER NOT NULL,"
     " operation INTEGER NOT NULL,"
     " upper INTEGER NOT NULL, lower INTEGER NOT NULL, answer TEXT NOT NULL, notes TEXT NOT NULL,"
     " strikes TEXT NOT NULL, outcome TEXT NOT NULL, seconds INTEGER NOT NULL, sightings TEXT NOT NULL,"
     " UNIQUE (judged_at, operation, upper, lower, answer, notes, strikes))",
     nullptr},
    {"CREATE TABLE IF NOT EXISTS choice (name TEXT PRIMARY KEY, is_on INTEGER NOT NULL)", nullptr},
};

QString nextConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("record-%1").arg(count++);
}

QSqlDatabase database(const QString& connection)
{
    return QSqlDatabase::database(connection, false);
}

std::string joined(const std::vector<std::string>& ids)
{
    std::string text;
    for (const std::string& id : ids)
        text += (text.empty() ? "" : " ") + id;
    return text;
}

std::vector<std::string> split(const QString& text)
{
    std::vector<std::string> ids;
    for (const QString& id : text.split(u' ', Qt::SkipEmptyParts))
        ids.push_back(id.toStdString());
    return ids;
}

} // namespace

RecordStore::RecordStore(const QString& path) : connection_(nextConnectionName())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BUSY_MILLISECONDS));
    if (!db.open()) {
        Fail(db.lastError().text());
        return;
    }
    QSqlQuery query(db);
    for (const Opening& step : opening) {
        if (!query.exec(QString::fromLatin1(step.statement))) {
            Fail(query.lastError().text());
            return;
        }
        const QString answer = query.next() ? query.value(0).toString() : QString();
        if (step.answer && answer != QString::fromLatin1(step.answer)) {
            Fail(QStringLiteral("%1: %2").arg(QString::fromLatin1(step.statement), answer));
            return;
        }
    }
}

RecordStore::~RecordStore()
{
    database(connection_).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool RecordStore::IsOpen() const
{
    return problem_.isEmpty();
}

QString RecordStore::Problem() const
{
    return problem_;
}

bool RecordStore::Fail(const QString& what)
{
    if (problem_.isEmpty())
        problem_ = what.isEmpty() ? QStringLiteral("unknown error") : what;
    database(connection_).close();
    return false;
}

bool RecordStore::Insert(const JudgedProblem& problem, bool& added)
{
    QSqlQuery query(database(connection_));
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO judged VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QVariant values[] = {
        QVariant::fromValue<qint64>(problem.judgedAt),
        static_cast<int>(problem.settings.range),
        static_cast<int>(problem.settings.carryMode),
        static_cast<int>(problem.settings.operation),
        static_cast<int>(problem.operation),
        problem.upper,
        problem.lower,
        QString::fromStdString(problem.answer),
        QString::fromStdString(problem.notes),
        QString::fromStdString(problem.strikes),
        QString::fromStdString(problem.outcome),
        problem.seconds,
        QString::fromStdString(joined(problem.sightings)),
    };
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Fail(query.lastError().text());
    added = query.numRowsAffected() > 0;
    return true;
}

bool RecordStore::Add(const JudgedProblem& problem)
{
    bool added = false;
    return IsOpen() && Insert(problem, added);
}

std::optional<int> RecordStore::Merge(const std::vector<JudgedProblem>& problems)
{
    QSqlDatabase db = database(connection_);
    if (!IsOpen() || !db.transaction()) {
        Fail(db.lastError().text());
        return std::nullopt;
    }
    int count = 0;
    for (const JudgedProblem& problem : problems) {
        bool added = false;
        if (!Insert(problem, added)) {
            db.rollback();
            return std::nullopt;
        }
        count += added ? 1 : 0;
    }
    if (!db.commit()) {
        Fail(db.lastError().text());
        return std::nullopt;
    }
    return count;
}

bool RecordStore::EraseAll()
{
    QSqlQuery query(database(connection_));
    return IsOpen() && (query.exec(QStringLiteral("DELETE FROM judged")) || Fail(query.lastError().text()));
}

std::vector<JudgedProblem> RecordStore::All() const
{
    std::vector<JudgedProblem> problems;
    if (!IsOpen())
        return problems;
    QSqlQuery query(database(connection_));
    query.exec(QStringLiteral("SELECT * FROM judged ORDER BY judged_at, rowid"));
    while (query.next()) {
        JudgedProblem problem;
        problem.judgedAt = query.value(0).toLongLong();
        problem.settings = {static_cast<Range>(query.value(1).toInt()), static_cast<CarryMode>(query.value(2).toInt()),
                            static_cast<Operation>(query.value(3).toInt())};
        problem.operation = static_cast<Operation>(query.value(4).toInt());
        problem.upper = query.value(5).toInt();
        problem.lower = query.value(6).toInt();
        problem.answer = query.value(7).toString().toStdString();
        problem.notes = query.value(8).toString().toStdString();
        problem.strikes = query.value(9).toString().toStdString();
        problem.outcome = query.value(10).toString().toStdString();
        problem.seconds = query.value(11).toInt();
        problem.sightings = split(query.value(12).toString());
        problems.push_back(problem);
    }
    return problems;
}

bool RecordStore::Choice(const QString& name, bool otherwise) const
{
    QSqlQuery query(database(connection_));
    query.prepare(QStringLiteral("SELECT is_on FROM choice WHERE name = ?"));
    query.addBindValue(name);
    if (!IsOpen() || !query.exec() || !query.next())
        return otherwise;
    return query.value(0).toInt() != 0;
}

bool RecordStore::SetChoice(const QString& name, bool on)
{
    QSqlQuery query(database(connection_));
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO choice VALUES (?, ?)"));
    query.addBindValue(name);
    query.addBindValue(on ? 1 : 0);
    return IsOpen() && (query.exec() || Fail(query.lastError().text()));
}

QString DefaultRecordPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
         + QStringLiteral("/porominka/record.sqlite");
}
