#include "RowStore.h"

#include <QDate>
#include <QDateTime>
#include <cstring>

#include "platform/values/VariantKinds.h"

namespace qxmxz {

namespace {

enum Tag : char { Null = 0, Integer, Real, Text, Boolean, Date, DateTime, Bytes, Invalid };

template <typename T>
void put(QByteArray &bytes, T value)
{
    bytes.append(reinterpret_cast<const char *>(&value), sizeof(T));
}

template <typename T>
T take(const char *&p)
{
    T value;
    std::memcpy(&value, p, sizeof(T));
    p += sizeof(T);
    return value;
}

} // namespace

void RowStore::append(const QVector<QVariant> &row)
{
    m_rowOffsets.push_back(std::uint64_t(m_bytes.size()));
    put<std::uint16_t>(m_bytes, std::uint16_t(row.size()));
    for (const QVariant &v : row) {
        if (!v.isValid()) {
            m_bytes.append(char(Invalid));
            continue;
        }
        if (v.isNull()) {
            m_bytes.append(char(Null));
            continue;
        }
        if (holdsWholeNumber(v)) {
            m_bytes.append(char(Integer));
            put<qint64>(m_bytes, v.toLongLong());
            continue;
        }
        switch (v.metaType().id()) {
        case QMetaType::Bool:
            m_bytes.append(char(Boolean));
            m_bytes.append(char(v.toBool() ? 1 : 0));
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            m_bytes.append(char(Real));
            put<double>(m_bytes, v.toDouble());
            break;
        case QMetaType::QDate:
            m_bytes.append(char(Date));
            put<qint64>(m_bytes, v.toDate().toJulianDay());
            break;
        case QMetaType::QDateTime:
            m_bytes.append(char(DateTime));
            put<qint64>(m_bytes, v.toDateTime().toMSecsSinceEpoch());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            m_bytes.append(char(Bytes));
            put<quint32>(m_bytes, quint32(b.size()));
            m_bytes.append(b);
            break;
        }
        default: {
            const QString s = v.toString();
            m_bytes.append(char(Text));
            put<quint32>(m_bytes, quint32(s.size()));
            m_bytes.append(reinterpret_cast<const char *>(s.utf16()), s.size() * qsizetype(sizeof(char16_t)));
            break;
        }
        }
    }
}

void RowStore::read(qsizetype row, QVector<QVariant> &out) const
{
    const char *p = m_bytes.constData() + m_rowOffsets[size_t(row)];
    const auto count = take<std::uint16_t>(p);
    out.resize(count);
    for (int i = 0; i < count; ++i) {
        const char tag = *p++;
        switch (tag) {
        case Null:
            out[i] = QVariant(QMetaType::fromType<QString>());
            break;
        case Invalid:
            out[i] = QVariant();
            break;
        case Boolean:
            out[i] = QVariant(*p++ != 0);
            break;
        case Integer:
            out[i] = QVariant(take<qint64>(p));
            break;
        case Real:
            out[i] = QVariant(take<double>(p));
            break;
        case Date:
            out[i] = QVariant(QDate::fromJulianDay(take<qint64>(p)));
            break;
        case DateTime:
            out[i] = QVariant(QDateTime::fromMSecsSinceEpoch(take<qint64>(p)));
            break;
        case Bytes: {
            const auto n = take<quint32>(p);
            out[i] = QVariant(QByteArray(p, qsizetype(n)));
            p += n;
            break;
        }
        default: {
            const auto n = take<quint32>(p);
            out[i] = QVariant(QString(reinterpret_cast<const QChar *>(p), qsizetype(n)));
            p += n * sizeof(char16_t);
            break;
        }
        }
    }
}

void RowStore::clear()
{
    m_bytes.clear();
    m_rowOffsets.clear();
}

} // namespace qxmxz
