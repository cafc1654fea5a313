#pragma once

#include <QList>
#include <QString>
#include <memory>

namespace qxmxz {

class GlPublic;
class Login;

// What the voucher display component is asked to show: one voucher of a
// period, read under a function right.
struct VoucherRequest {
    QString rightCode;   // "GL0305" …
    int period = 0;
    QString voucherType; // csign
    int voucherNumber = 0;
    int posted = 1;      // 1 posted, 0 not yet posted
    int year = 0;
    QString systemCode;  // "GL"
    QString country;     // "CN"

    friend bool operator==(const VoucherRequest &, const VoucherRequest &) = default;
};

// The voucher display component. Without a window it records every voucher
// it was asked to show; a window host derives from it and shows the voucher
// in showVoucher, before display returns.
class VoucherViewer {
public:
    virtual ~VoucherViewer() = default;

    void setPublic(GlPublic *pub) { m_pub = pub; }
    GlPublic *publicObject() const { return m_pub; }
    void setLogin(std::shared_ptr<Login> login) { m_login = std::move(login); }
    std::shared_ptr<Login> login() const { return m_login; }

    void display(const VoucherRequest &request);
    const QList<VoucherRequest> &shown() const { return m_shown; }

protected:
    virtual void showVoucher(const VoucherRequest &) {}

private:
    GlPublic *m_pub = nullptr;
    std::shared_ptr<Login> m_login;
    QList<VoucherRequest> m_shown;
};

} // namespace qxmxz
