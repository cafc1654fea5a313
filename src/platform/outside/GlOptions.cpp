#include "GlOptions.h"

#include "platform/sql/Connection.h"

namespace qxmxz {

GlOptions GlOptions::load(Connection &connection)
{
    GlOptions o;
    RecordSet rs = connection.query(QStringLiteral("select cname,cvalue from gl_options"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString name = rs.text(QStringLiteral("cname")).trimmed().toLower();
        const QString value = rs.text(QStringLiteral("cvalue")).trimmed();
        const int number = value.toInt();
        if (name == u"accountsetid") o.accountSetId = value;
        else if (name == u"accountsetname") o.accountSetName = value;
        else if (name == u"year") o.year = number;
        else if (name == u"homecurrency") o.homeCurrencyName = value;
        else if (name == u"quantitydecimals") o.quantityDecimals = number;
        else if (name == u"pricedecimals") o.priceDecimals = number;
        else if (name == u"summarywidth") o.summaryWidth = number;
        else if (name == u"amountwidth") o.amountWidth = number;
        else if (name == u"quantitywidth") o.quantityWidth = number;
        else if (name == u"pricewidth") o.priceWidth = number;
        else if (name == u"foreignwidth") o.foreignWidth = number;
        else if (name == u"ratewidth") o.rateWidth = number;
        else if (name == u"accountrightscontrolled") o.accountRightsControlled = number != 0;
        else if (name == u"newreport") o.newReport = number != 0;
        else if (name == u"newreportdefault") o.newReportDefault = number != 0;
        else if (name == u"directionstyle") o.directionStyle = number;
        else if (name == u"settingskey") o.settingsKey = value;
    }
    return o;
}

} // namespace qxmxz
