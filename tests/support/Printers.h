#pragma once

#include <ostream>

#include "platform/outside/QtStringPrinting.h"
#include "platform/values/Currency.h"

// Readable values in GoogleTest's failure messages.
namespace qxmxz {
inline void PrintTo(const Currency &value, std::ostream *os)
{
    *os << value.toFixedText().toStdString();
}
} // namespace qxmxz
