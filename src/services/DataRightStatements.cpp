#include "DataRightStatements.h"

#include "platform/Failure.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

// A code for a literal of a check: empty, or a plain code with its quotes doubled.
QString checkedCode(const QString &code)
{
    if (code.isEmpty())
        return code;
    if (!isPlainCode(code))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badcode"), {code},
                               QStringLiteral("Not a valid code for a rights check: %1").arg(code));
    return sqlLikePrefix(code);
}

QString codeColumn(DataRightKind kind)
{
    return kind == DataRightKind::Accounts ? QStringLiteral("ccode") : QStringLiteral("cDepCode");
}

QString rangeHead(DataRightKind kind)
{
    if (kind == DataRightKind::Accounts)
        return QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where 1=1 ");
    return QStringLiteral("select Ta.cDepName,Ta.cDepCode as cDepId,Tc.cACCode as AuthId from (select cDepCode,cDepName "
                          "from department where 1=1 ");
}

QString rangeTail(DataRightKind kind, const QString &authority)
{
    if (kind == DataRightKind::Accounts)
        return QStringLiteral(") Ta left outer join (") + authority
               + QStringLiteral(") Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode");
    return QStringLiteral(") Ta left outer join (") + authority
           + QStringLiteral(") Tc on Ta.cDepCode = Tc.cACCode  order by Ta.cDepCode");
}

QString rangeClause(const QString &column, const QString &start, const QString &end)
{
    if (start.isEmpty() && end.isEmpty())
        return {};
    if (end.isEmpty())
        return QStringLiteral("and (") + column + QStringLiteral(" >= N'") + start + QStringLiteral("')");
    if (start.isEmpty())
        return QStringLiteral(" and (") + column + QStringLiteral(" <= N'") + end + QStringLiteral("' or ") + column
               + QStringLiteral(" like N'") + end + QStringLiteral("%') ");
    return QStringLiteral(" and (") + column + QStringLiteral(" >=N'") + start + QStringLiteral("' and ") + column
           + QStringLiteral(" <= N'") + end + QStringLiteral("' or ") + column + QStringLiteral(" like N'") + end
           + QStringLiteral("%') ");
}

} // namespace

QString authorityObjectName(DataRightKind kind)
{
    return kind == DataRightKind::Accounts ? QStringLiteral("code") : QStringLiteral("department");
}

QString codeRightStatement(DataRightKind kind, const QString &prefix, const QString &authority)
{
    const QString p = checkedCode(prefix);
    if (kind == DataRightKind::Accounts)
        return QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where ccode like N'")
               + p + QStringLiteral("%') Ta left outer join (") + authority
               + QStringLiteral(") Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode");
    return QStringLiteral("select Ta.cDepName,Ta.cDepCode as cDepId,Tc.cACCode as AuthId from (select cDepCode,cDepName "
                          "from department where cDepCode ")
           + QStringLiteral(" like N'") + p + QStringLiteral("%') Ta left outer join (") + authority
           + QStringLiteral(") Tc on Ta.cDepCode = Tc.cACCode order by ") + QStringLiteral(" Ta.cDepCode");
}

QString codeRangeRightStatement(DataRightKind kind, const QString &start, const QString &end,
                                const QString &authority, const QString &extraCondition)
{
    QString s = checkedCode(start);
    QString e = checkedCode(end);
    // Departments are compared in the order the user meant; accounts are taken as given.
    if (kind == DataRightKind::Departments && !s.isEmpty() && !e.isEmpty() && s > e)
        std::swap(s, e);
    return rangeHead(kind) + extraCondition + rangeClause(codeColumn(kind), s, e) + rangeTail(kind, authority);
}

QString gradeRightStatement(const QString &mode, const QString &start, const QString &end, quint8 startGrade,
                            quint8 endGrade, const QString &authority)
{
    QString head;
    if (mode == u"Grade")
        head = QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where iGrade >= ")
               + QString::number(startGrade) + QStringLiteral(" and iGrade <= ") + QString::number(endGrade)
               // The blank keeps a start-only clause ("and (…") from fusing with the grade: "2and" is
               // no token on SQLite and PostgreSQL.
               + QLatin1Char(' ');
    else if (mode == u"EndGrade")
        head = QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where bEnd = 1 ");
    else
        throw Failure(QStringLiteral("Unknown grade mode %1").arg(mode));
    return head + rangeClause(QStringLiteral("ccode"), checkedCode(start), checkedCode(end))
           + rangeTail(DataRightKind::Accounts, authority);
}

} // namespace qxmxz
