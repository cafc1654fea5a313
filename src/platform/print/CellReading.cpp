#include "CellReading.h"

#include <QRegularExpression>

namespace qxmxz {

CellReading readCell(const QString &text, bool decimalRequired)
{
    CellReading reading;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return reading;
    static const QRegularExpression number(QStringLiteral(R"(^([-+]?)(\d{1,3}(?:,\d{3})+|\d+)(?:\.(\d+))?$)"));
    static const QRegularExpression date(QStringLiteral(R"(^(\d{4})[-.](\d{2})[-.](\d{2})$)"));
    if (const auto m = date.match(t); m.hasMatch()) {
        const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (d.isValid()) {
            reading.kind = CellReading::Date;
            reading.date = d;
            return reading;
        }
    }
    if (const auto m = number.match(t); m.hasMatch() && (!decimalRequired || m.capturedLength(3) > 0)) {
        QString digits = m.captured(2);
        reading.thousands = digits.contains(u',');
        digits.remove(u',');
        const QString fraction = m.captured(3);
        bool ok = false;
        const double value = (digits + (fraction.isEmpty() ? QString() : u'.' + fraction)).toDouble(&ok);
        if (ok) {
            reading.kind = CellReading::Number;
            reading.number = m.captured(1) == u"-" ? -value : value;
            reading.decimals = int(fraction.size());
            return reading;
        }
    }
    reading.kind = CellReading::Text;
    return reading;
}

} // namespace qxmxz
