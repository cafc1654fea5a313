#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "platform/sql/ReadAhead.h"

namespace qxmxz {

class Connection;

// The month table of a month-by-month run, copied on the server while the
// run reads the same lines straight from the voucher lines' index, so that
// its first rows do not wait for the copy. Where the database lets a
// connection write beside readers, the copy runs from the start on a
// connection and a thread of its own. An SQLite file takes the table on the
// run's connection once the reading is done, but its lines are chosen and
// sorted from the start, beside the reading, into a scratch file.
class MonthTableCopy {
public:
    MonthTableCopy(Connection &server, QString name, QString condition);
    ~MonthTableCopy();
    MonthTableCopy(const MonthTableCopy &) = delete;
    MonthTableCopy &operator=(const MonthTableCopy &) = delete;

    // Called once the run's reading is closed: makes the copy, or waits for
    // the one under way. Throws the copy's failure.
    void finish();

private:
    Connection &m_server;
    const QString m_name;
    const QString m_condition;
    // Declared before the copy beside, which may write in it until it ends.
    std::unique_ptr<QTemporaryDir> m_scratch; // an SQLite run's lines, chosen beside its reading
    QString scratchFile() const;
    // The copy under way beside the run: a reading that puts no items, whose
    // end is the end of the copy (on an SQLite file, of the lines' choosing).
    struct NoItem {};
    std::unique_ptr<ReadAhead<NoItem>> m_beside;
    bool m_finished = false;
};

} // namespace qxmxz
