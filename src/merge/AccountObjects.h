#pragma once

#include <QObject>
#include <QString>

#include "platform/outside/ChartOfAccounts.h"

namespace qxmxz {

// The account object of the general-ledger library, as a host hands it to
// the merged ledger (objKm_p): one account of the chart, read by name.
class AccountObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString code READ code CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString currencyName READ currencyName CONSTANT)
    Q_PROPERTY(QString measureUnit READ measureUnit CONSTANT)
    Q_PROPERTY(bool isEnd READ isEnd CONSTANT)
    Q_PROPERTY(int grade READ grade CONSTANT)

public:
    explicit AccountObject(AccountRecord record = {}, QObject *parent = nullptr);

    const AccountRecord &record() const { return m_record; }
    QString code() const { return m_record.code; }
    QString name() const { return m_record.name; }
    QString currencyName() const { return m_record.currencyName; }
    QString measureUnit() const { return m_record.measureUnit; }
    bool isEnd() const { return m_record.isEnd; }
    int grade() const { return m_record.grade; }

private:
    AccountRecord m_record;
};

// The foreign-currency object of the general-ledger library (objWb_p).
class CurrencyObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(bool multiply READ multiply CONSTANT)
    Q_PROPERTY(int rateDecimals READ rateDecimals CONSTANT)

public:
    explicit CurrencyObject(CurrencyRecord record = {}, QObject *parent = nullptr);

    const CurrencyRecord &record() const { return m_record; }
    QString name() const { return m_record.name; }
    bool multiply() const { return m_record.multiply; }
    int rateDecimals() const { return m_record.rateDecimals; }

private:
    CurrencyRecord m_record;
};

} // namespace qxmxz
