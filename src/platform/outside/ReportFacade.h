#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>

namespace qxmxz {

// The values a report is asked for, in the order they were set.
class ReportFilterValues : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE void SetValue(const QString &name, const QVariant &value);
    const QList<QPair<QString, QVariant>> &values() const { return m_values; }

private:
    QList<QPair<QString, QVariant>> m_values;
};

// The filter object of one report: its values (Filter) and the text that
// sums them up (FilterInfo, "name=value;…").
class ReportFilter : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject *Filter READ Filter)
    Q_PROPERTY(QString FilterInfo READ FilterInfo)
public:
    explicit ReportFilter(const QString &reportId, QObject *parent = nullptr);
    QObject *Filter() { return &m_values; }
    QString FilterInfo() const;
    QString reportId() const { return m_reportId; }
    const ReportFilterValues &values() const { return m_values; }

private:
    QString m_reportId;
    ReportFilterValues m_values;
};

// What the report facade was asked to show: the objects it was given, the
// report and its filter values, and the arguments of the query.
struct ReportQuery {
    QPointer<QObject> business, zzPub, login;
    QString reportId;
    QList<QPair<QString, QVariant>> values;
    bool filterFromProject = false; // the filter queried is the one InitProject gave
    int reportKind = 0;
    QString filterInfo;
    bool modal = false;

    QVariant value(const QString &name) const;
};

// The general-ledger report facade, the least that takes the calls of the
// ledgers' new-report route: a host sets Business, ZzPub and Login by name,
// InitProject gives the filter object, QueryReportEx shows the report. It
// keeps every query it was asked; a host that runs windows installs the
// window that shows them.
class ReportFacade : public QObject {
    Q_OBJECT
    Q_CLASSINFO("ProgID", "GLNewReportFacade.clsNewReport")
    Q_PROPERTY(QObject *Business MEMBER m_business)
    Q_PROPERTY(QObject *ZzPub MEMBER m_zzPub)
    Q_PROPERTY(QObject *Login MEMBER m_login)
public:
    Q_INVOKABLE explicit ReportFacade(QObject *parent = nullptr);

    Q_INVOKABLE QObject *InitProject(const QString &reportId);
    Q_INVOKABLE void QueryReportEx(QObject *filter, int reportKind, const QString &filterInfo, bool modal);

    // Every query of the process, oldest first.
    static const QList<ReportQuery> &received();
    static void forgetReceived();
    // Where the queries are shown; none: they are only kept.
    using ReportWindow = std::function<void(const ReportQuery &)>;
    static void setReportWindow(ReportWindow window);

private:
    QObject *m_business = nullptr;
    QObject *m_zzPub = nullptr;
    QObject *m_login = nullptr;
    QPointer<ReportFilter> m_filter;
};

} // namespace qxmxz
