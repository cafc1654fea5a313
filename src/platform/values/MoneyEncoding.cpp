#include "MoneyEncoding.h"

#include <cmath>

namespace qxmxz {

Currency decodeMoney(const QVariant &value, MoneyEncoding encoding)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>();
    if (encoding != MoneyEncoding::TenThousandths)
        return Currency::fromVariant(value);
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        // An expression SQLite evaluated in floating point, still in ten-thousandths.
        return Currency::fromUnits(std::llround(value.toDouble()));
    default: {
        bool ok = false;
        const qlonglong units = value.toLongLong(&ok);
        if (ok)
            return Currency::fromUnits(units);
        const double d = value.toDouble(&ok);
        return ok ? Currency::fromUnits(std::llround(d)) : Currency{};
    }
    }
}

QVariant encodeMoney(Currency amount, MoneyEncoding encoding)
{
    switch (encoding) {
    case MoneyEncoding::TenThousandths:
        return QVariant(qlonglong(amount.units()));
    case MoneyEncoding::FloatingPoint:
        return QVariant(amount.toDouble());
    case MoneyEncoding::Decimal:
        break;
    }
    return QVariant(amount.toFixedText());
}

QString moneyLiteral(Currency amount, MoneyEncoding encoding)
{
    if (encoding == MoneyEncoding::TenThousandths)
        return QString::number(amount.units());
    return amount.toFixedText();
}

} // namespace qxmxz
