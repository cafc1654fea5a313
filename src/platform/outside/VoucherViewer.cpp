#include "VoucherViewer.h"

namespace qxmxz {

void VoucherViewer::display(const VoucherRequest &request)
{
    m_shown.append(request);
    showVoucher(request);
}

} // namespace qxmxz
