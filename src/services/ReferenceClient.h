#pragma once

#include <QList>
#include <QStringList>

#include "ReferenceFilters.h"

namespace qxmxz {

class Connection;

// The rows a reference list offers: code, name and, for persons, the
// department, read from the reference table of the type under the filter
// in force (the last one handed over), in code order.
class ReferenceClient {
public:
    explicit ReferenceClient(Connection &connection) : m_connection(connection) {}

    QList<QStringList> rows(const ReferenceSetup &setup, const QString &optionalValue = {}) const;
    // The statement rows() runs.
    static QString statement(const ReferenceSetup &setup, const QString &optionalValue = {});

private:
    Connection &m_connection;
};

} // namespace qxmxz
