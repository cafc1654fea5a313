#include "PrintLayout.h"

#include "BookStyle.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"

namespace qxmxz {

namespace {

struct TableLayouts {
    const char *table;
    int amount;          // "金额式"
    int quantity;        // "数量金额式"
    int quantityForeign; // "数量外币式"
};

const TableLayouts Layouts[] = {
    {"GLMxz", 1, 3, 2},
    {"GLRjz", 4, 6, 5},
    {"GLSl", 7, 9, 8},
    {"GLYeb", 10, 12, 11},
};

} // namespace

int printLayoutId(const QString &printTable, const QString &styleText)
{
    BookStyle style;
    if (!BookStyles::fromText(styleText, style))
        return 0;
    for (const TableLayouts &l : Layouts) {
        if (printTable != QLatin1String(l.table))
            continue;
        switch (style) {
        case BookStyle::Je: return l.amount;
        case BookStyle::Sl: return l.quantity;
        case BookStyle::SlWb: return l.quantityForeign;
        case BookStyle::Wb: return 0;
        }
    }
    return 0;
}

QString printTemplateName(const QString &printTable, const QString &styleText)
{
    if (printTable == u"GLXs" || printTable == u"GLRbb" || printTable == u"GLRbd")
        return printTable;
    BookStyle style;
    if (!BookStyles::fromText(styleText, style))
        return printTable;
    return printTable + BookStyles::code(style);
}

PrintLayout ResolvePrintLayout(GlPublic &pub, const QString &printTable, const QString &styleText, bool useTemplate)
{
    PrintLayout layout;
    if (useTemplate) {
        layout.templateName = printTemplateName(printTable, styleText);
        return layout;
    }
    layout.layoutId = printLayoutId(printTable, styleText);
    if (layout.layoutId == 0)
        return layout;
    RecordSet rows = pub.database().query(QStringLiteral("select * from GL_mybooktype where itable_id=")
                                          + QString::number(layout.layoutId)
                                          + QStringLiteral(" order by itable_id,ifield_id"));
    for (; !rows.eof(); rows.moveNext())
        layout.pageFields.append({rows.field(QStringLiteral("ifield_id")).toInt(),
                                  rows.field(QStringLiteral("itable_line")).toInt(),
                                  rows.text(QStringLiteral("cfield_name")),
                                  rows.field(QStringLiteral("iwidth")).toInt()});
    return layout;
}

} // namespace qxmxz
