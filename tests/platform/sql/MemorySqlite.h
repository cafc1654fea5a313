#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/sql/SqlDialect.h"

namespace qxmxz {

using Rows = std::vector<std::string>;

// An in-memory SQLite database and the SQLite dialect: statements written in
// the component's SQL are translated and run, table contents are set up in
// SQLite's own SQL.
class MemorySqlite : public ::testing::Test {
protected:
    static QStringList procedureNames()
    {
        return {QStringLiteral("GL_SubsLedger"), QStringLiteral("GL_CodeExchBegin"), QStringLiteral("GL_glCode")};
    }

    void SetUp() override
    {
        static int serial = 0;
        m_name = QStringLiteral("memory-sqlite-%1").arg(++serial);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            db.setDatabaseName(QStringLiteral(":memory:"));
            ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        }
        m_dialect = makeDialect(Backend::Sqlite, procedureNames());
    }

    void TearDown() override
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    const SqlDialect &dialect() const { return *m_dialect; }

    // Runs SQLite SQL as it is (table set-up).
    void given(const QString &sqliteSql)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        ASSERT_TRUE(query.exec(sqliteSql)) << query.lastError().text().toStdString() << "\n" << sqliteSql.toStdString();
    }

    // Translates a statement of the component and runs it; each row comes
    // back as its values joined by "|", a Null as "<null>". With `fields`,
    // only those columns, read by name as the component reads them.
    Rows run(const QString &componentSql, const QStringList &fields = {})
    {
        const SqlAction action = m_dialect->translate(componentSql);
        EXPECT_EQ(action.kind, SqlAction::Kind::Statement) << componentSql.toStdString();
        QSqlQuery query(QSqlDatabase::database(m_name));
        Rows rows;
        if (!query.exec(action.text)) {
            ADD_FAILURE() << query.lastError().text().toStdString() << "\n  written: " << componentSql.toStdString()
                          << "\n  run:     " << action.text.toStdString();
            return rows;
        }
        while (query.next()) {
            QStringList values;
            const int count = fields.isEmpty() ? query.record().count() : int(fields.size());
            for (int i = 0; i < count; ++i) {
                const int column = fields.isEmpty() ? i : query.record().indexOf(fields[i]);
                EXPECT_GE(column, 0) << "no column " << fields.value(i).toStdString();
                const QVariant value = query.value(column);
                values << (value.isNull() ? QStringLiteral("<null>") : value.toString());
            }
            rows.push_back(values.join(u'|').toStdString());
        }
        return rows;
    }

    // The column names of a translated query's result.
    Rows columns(const QString &componentSql)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        EXPECT_TRUE(query.exec(m_dialect->translate(componentSql).text)) << query.lastError().text().toStdString();
        Rows names;
        for (int i = 0; i < query.record().count(); ++i)
            names.push_back(query.record().fieldName(i).toStdString());
        return names;
    }

    bool hasTable(const QString &table) const
    {
        return QSqlDatabase::database(m_name).tables().contains(table, Qt::CaseInsensitive);
    }

private:
    QString m_name;
    std::unique_ptr<SqlDialect> m_dialect;
};

} // namespace qxmxz
