#include "FiscalCalendar.h"

#include "platform/Failure.h"
#include "platform/sql/Connection.h"

namespace qxmxz {

QDate toDate(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    QDate d = QDate::fromString(text.left(10), Qt::ISODate);
    return d;
}

FiscalCalendar FiscalCalendar::load(Connection &connection, int year)
{
    FiscalCalendar calendar;
    calendar.m_year = year;
    RecordSet rs = connection.query(
        QStringLiteral("select iperiod,dbegin,dend from gl_calendar where iyear=%1 order by iperiod").arg(year));
    for (; !rs.eof(); rs.moveNext()) {
        Period p;
        p.number = rs.field(QStringLiteral("iperiod")).toInt();
        p.begin = toDate(rs.field(QStringLiteral("dbegin")));
        p.end = toDate(rs.field(QStringLiteral("dend")));
        if (p.number != calendar.m_periods.size() + 1 || !p.begin.isValid() || !p.end.isValid() || p.end < p.begin)
            throw Failure(QStringLiteral("The accounting calendar of %1 is broken at period %2").arg(year).arg(p.number));
        calendar.m_periods.append(p);
    }
    if (calendar.m_periods.isEmpty())
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.nodatayear"), {QString::number(year)},
                               QStringLiteral("The account set has no data for the year %1").arg(year));
    return calendar;
}

QDate FiscalCalendar::begin(int number) const
{
    return isPeriod(number) ? m_periods[number - 1].begin : QDate();
}

QDate FiscalCalendar::end(int number) const
{
    return isPeriod(number) ? m_periods[number - 1].end : QDate();
}

int FiscalCalendar::periodOfDate(const QDate &date) const
{
    for (const Period &p : m_periods)
        if (date >= p.begin && date <= p.end)
            return p.number;
    return 0;
}

} // namespace qxmxz
