#include "ReportFacade.h"

namespace qxmxz {

namespace {

QList<ReportQuery> &queries()
{
    static QList<ReportQuery> all;
    return all;
}

ReportFacade::ReportWindow &reportWindow()
{
    static ReportFacade::ReportWindow window;
    return window;
}

} // namespace

void ReportFilterValues::SetValue(const QString &name, const QVariant &value)
{
    for (auto &entry : m_values)
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    m_values.append({name, value});
}

ReportFilter::ReportFilter(const QString &reportId, QObject *parent) : QObject(parent), m_reportId(reportId) {}

QString ReportFilter::FilterInfo() const
{
    QStringList parts;
    for (const auto &[name, value] : m_values.values())
        parts << name + u'=' + value.toString();
    return parts.join(u';');
}

QVariant ReportQuery::value(const QString &name) const
{
    for (const auto &[key, value] : values)
        if (key == name)
            return value;
    return {};
}

ReportFacade::ReportFacade(QObject *parent) : QObject(parent) {}

QObject *ReportFacade::InitProject(const QString &reportId)
{
    m_filter = new ReportFilter(reportId, this);
    return m_filter;
}

void ReportFacade::QueryReportEx(QObject *filter, int reportKind, const QString &filterInfo, bool modal)
{
    ReportQuery query;
    query.business = m_business;
    query.zzPub = m_zzPub;
    query.login = m_login;
    query.reportKind = reportKind;
    query.filterInfo = filterInfo;
    query.modal = modal;
    if (auto *given = qobject_cast<ReportFilter *>(filter)) {
        query.reportId = given->reportId();
        query.values = given->values().values();
        query.filterFromProject = given == m_filter;
    }
    queries().append(query);
    if (reportWindow())
        reportWindow()(query);
}

const QList<ReportQuery> &ReportFacade::received()
{
    return queries();
}

void ReportFacade::forgetReceived()
{
    queries().clear();
}

void ReportFacade::setReportWindow(ReportWindow window)
{
    reportWindow() = std::move(window);
}

} // namespace qxmxz
