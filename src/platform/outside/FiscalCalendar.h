#pragma once

#include <QDate>
#include <QList>

namespace qxmxz {

class Connection;

// The accounting periods of one fiscal year (table gl_calendar). Periods need
// not follow calendar months.
class FiscalCalendar {
public:
    struct Period {
        int number = 0;
        QDate begin;
        QDate end;
    };

    // Throws a Failure with key "QXMXZ.cli.nodatayear" when the year has no periods.
    static FiscalCalendar load(Connection &connection, int year);

    int year() const { return m_year; }
    const QList<Period> &periods() const { return m_periods; }
    int periodCount() const { return int(m_periods.size()); }
    bool isPeriod(int number) const { return number >= 1 && number <= periodCount(); }
    QDate begin(int number) const;
    QDate end(int number) const;
    // 0 when the date lies outside the year.
    int periodOfDate(const QDate &date) const;

private:
    int m_year = 0;
    QList<Period> m_periods;
};

// A date read from the database: a date value, or text in ISO form.
QDate toDate(const QVariant &value);

} // namespace qxmxz
