#pragma once

#include <QVariant>

namespace qxmxz {

// Whether a value holds a whole number of any width (booleans excluded):
// stored, bound and written as a 64-bit integer everywhere.
inline bool holdsWholeNumber(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

} // namespace qxmxz
