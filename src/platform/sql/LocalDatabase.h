#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "RecordSet.h"
#include "SqlDialect.h"

namespace qxmxz {

class DynasetRecordSet;
class TableRecordSet;

// The local working database of one login session: an SQLite file in a
// private temporary folder, removed when the session ends. Working and print
// tables are created here with the component's own DDL (TEXT, Memo, Currency,
// long, BIT, BYTE, Double), which SQLite accepts as written.
class LocalDatabase {
public:
    // An empty path makes a fresh file in a private temporary folder.
    explicit LocalDatabase(const QString &filePath = {});
    ~LocalDatabase();
    LocalDatabase(const LocalDatabase &) = delete;
    LocalDatabase &operator=(const LocalDatabase &) = delete;

    QString filePath() const { return m_filePath; }
    QSqlDatabase database() const;
    const SqlDialect &dialect() const { return *m_dialect; }

    void execute(const QString &sql);
    bool executeIgnoringErrors(const QString &sql);
    bool hasTable(const QString &table) const;

    // A table name gives an appendable record set over the table in the order
    // rows were added; a SELECT gives a read-only record set over its result.
    DynasetRecordSet openDynaset(const QString &tableOrSelect);
    TableRecordSet openTable(const QString &table);
    // A SELECT read once from top to bottom: the rows stream from the file,
    // none is held, however long the result.
    RecordSet openForward(const QString &select);

    // A run writes inside one transaction: begin, then commit when it ends
    // (also when the user stopped it); a failure rolls back.
    void beginRun();
    void commitRun();
    void rollbackRun();
    bool inRun() const { return m_inRun; }

private:
    QString m_connectionName;
    QString m_filePath;
    QString m_privateFolder;
    std::unique_ptr<SqlDialect> m_dialect;
    bool m_inRun = false;
};

// Begins a run and commits it when the scope ends normally, rolls back when
// it is left by an exception.
class LocalRun {
public:
    explicit LocalRun(LocalDatabase &db);
    ~LocalRun();
    void commit();

private:
    LocalDatabase &m_db;
    bool m_done = false;
    int m_exceptions;
};

} // namespace qxmxz
