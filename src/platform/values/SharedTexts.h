#pragma once

#include <QSet>
#include <QString>

namespace qxmxz {

// Texts that repeat over many read rows (account codes, voucher signs,
// currency names) kept once: each row's copy shares the first equal text's
// storage instead of holding its own. Meant for texts of few distinct values.
class SharedTexts {
public:
    const QString &share(const QString &text)
    {
        auto found = m_seen.constFind(text);
        if (found == m_seen.cend())
            found = m_seen.insert(text);
        return *found;
    }

private:
    QSet<QString> m_seen;
};

} // namespace qxmxz
