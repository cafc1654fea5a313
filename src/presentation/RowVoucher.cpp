#include "RowVoucher.h"

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/ui/GridModel.h"
#include "services/AccountingYear.h"

namespace qxmxz {

namespace {

struct CaptionRight {
    const char *captionKey;
    const char *rightCode;
    int referenceColumn;
};

const CaptionRight CaptionRights[] = {
    {"R7.GL.QXMXZ.mmxz.00133", "GL0305", 3},
    {"R7.GL.QXMXZ.mmxz.00134", "GL0312", 3},
    {"R7.GL.QXMXZ.mmxz.00135", "GL0401", 3},
    {"R7.GL.QXMXZ.mmxz.00136", "GL0403", 3},
    {"R7.GL.QXMXZ.mmxz.00137", "GL0308", 2},
};

constexpr int PeriodColumn = 0;
constexpr int SummaryColumn = 6;

// The number a text begins with (blanks first allowed), 0 when it begins with none.
int leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9' && value < 1000000000; ++i)
        value = value * 10 + (text.at(i).unicode() - u'0');
    return int(negative ? -value : value);
}

} // namespace

std::optional<VoucherRequest> rowVoucher(const GlPublic &pub, const GridModel &grid, const QString &caption,
                                         int year)
{
    const int row = grid.Row();
    if (row <= 0 || row >= grid.Rows() || grid.Cols() <= SummaryColumn)
        return std::nullopt;
    const QString rowKey = grid.TextMatrix(row, PeriodColumn).trimmed();
    if (rowKey.isEmpty())
        return std::nullopt;
    const CaptionRight *right = nullptr;
    for (const CaptionRight &c : CaptionRights)
        if (caption == pub.text(QString::fromLatin1(c.captionKey))) {
            right = &c;
            break;
        }
    if (!right)
        return std::nullopt;

    const QString reference = grid.TextMatrix(row, right->referenceColumn);
    VoucherRequest request;
    request.rightCode = QString::fromLatin1(right->rightCode);
    request.period = leadingNumber(grid.TextMatrix(row, PeriodColumn).left(2));
    request.posted = grid.TextMatrix(row, SummaryColumn).startsWith(u'*') ? 0 : 1;
    const bool fourDigits = reference.size() >= 5 && reference.at(reference.size() - 5) == u'-';
    request.voucherNumber = leadingNumber(reference.right(fourDigits ? 4 : 5));
    request.voucherType = reference.section(u'-', 0, 0);
    request.year = year;
    request.systemCode = QStringLiteral("GL");
    request.country = QStringLiteral("CN");
    return request;
}

bool ShowRowVoucher(GlPublic &pub, const GridModel &grid, const QString &caption, VoucherViewer &viewer)
{
    const std::optional<VoucherRequest> request =
        rowVoucher(pub, grid, caption, AccountingYear(pub.login().get()));
    if (!request)
        return false;
    viewer.setPublic(&pub);
    viewer.setLogin(pub.login());
    viewer.display(*request);
    return true;
}

} // namespace qxmxz
