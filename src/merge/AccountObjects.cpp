#include "AccountObjects.h"

namespace qxmxz {

AccountObject::AccountObject(AccountRecord record, QObject *parent) : QObject(parent), m_record(std::move(record)) {}

CurrencyObject::CurrencyObject(CurrencyRecord record, QObject *parent) : QObject(parent), m_record(std::move(record))
{
}

} // namespace qxmxz
