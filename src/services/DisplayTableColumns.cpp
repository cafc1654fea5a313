#include "DisplayTableColumns.h"

namespace qxmxz {

const QStringList &displayTableColumns()
{
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("Nian"),     QStringLiteral("Yue"),         QStringLiteral("Ri"),
                      QStringLiteral("PzId"),     QStringLiteral("ccode"),       QStringLiteral("CodeName"),
                      QStringLiteral("cDigest"),  QStringLiteral("ccode_equal"), QStringLiteral("Price"),
                      QStringLiteral("Frate"),    QStringLiteral("Snd_s"),       QStringLiteral("Smd_f"),
                      QStringLiteral("Smd"),      QStringLiteral("Snc_s"),       QStringLiteral("Smc_f"),
                      QStringLiteral("Smc"),      QStringLiteral("Scendd_c"),    QStringLiteral("Sne_s"),
                      QStringLiteral("aPrice"),   QStringLiteral("Sme_f"),       QStringLiteral("aFrat"),
                      QStringLiteral("Smend"),    QStringLiteral("cPerson_id"),  QStringLiteral("cCus_id"),
                      QStringLiteral("cDept_id"), QStringLiteral("cItem_id"),    QStringLiteral("cn_m"),
                      QStringLiteral("cn_id"),    QStringLiteral("cbill"),       QStringLiteral("cCheck"),
                      QStringLiteral("cSup_id")};
        for (int i = 1; i <= 16; ++i)
            c << QStringLiteral("cdef%1").arg(i);
        c << QStringLiteral("coutsysname") << QStringLiteral("iBook");
        return c;
    }();
    return columns;
}

} // namespace qxmxz
