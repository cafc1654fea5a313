#pragma once

#include <QObject>
#include <QString>

#include "AccountObjects.h"

namespace qxmxz {

class GlPublic;

// The merged detail ledger: one row per voucher, currency and side, the
// voucher's lines summed per summary text (enuCodeDigest) or per account
// code (enuKmCode), with period subtotals and cumulative rows, filled into a
// host's grid in batches while the query runs.
//
// A host binds by name: the properties below follow the member order, kinds
// and types of the class's dispatch interface (twenty-seven data members, then
// the five property procedures), and the three methods are invokable. Object
// members are plain QObject pointers the host sets; inside, the grid must be a
// GridModel, the header a HeaderModel, the labels HintStates and the stop
// button a StopButtonState (another kind of object is refused with a
// Failure). The host window `mxForm` is read by name only: its property
// "bUserStop" (polled once before each voucher) and its grid "MxzGrid2"
// (emptied by ClsGridRows).
//
// The merged ledger needs the component's general-ledger object: give it at
// construction or with setGlPublic. A query without one throws a Failure.
// Database and general-ledger failures end a query and reach the caller as
// Failures.
class clsMxzHb : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TypeLibrary", "QxMxz")
    Q_CLASSINFO("LibraryID", "{6F287C9A-E9EF-4A1F-8315-BE0030FE4974}")
    Q_CLASSINFO("Version", "1.1")
    Q_CLASSINFO("ClassID", "{CFD34AB7-504A-40A9-8CAE-F3E9B6F0A80A}")
    Q_CLASSINFO("InterfaceID", "{A50C7942-D846-4B99-BFB4-8C08AA4595B2}")
    Q_CLASSINFO("DefaultInterface", "_clsMxzHb")
    Q_CLASSINFO("EnumID", "{19B3FECA-F71B-42EE-90FF-A97D4D76BE95}")
    Q_CLASSINFO("ProgID", "QxMxz.clsMxzHb")

    // ---- public data members (get with let or set), in interface order
    Q_PROPERTY(QObject *Grd1 MEMBER Grd1)
    Q_PROPERTY(QString sCallState MEMBER sCallState)
    Q_PROPERTY(QObject *mxHeader MEMBER mxHeader)
    Q_PROPERTY(bool bKmQuery MEMBER bKmQuery)
    Q_PROPERTY(QObject *mxForm MEMBER mxForm)
    Q_PROPERTY(QObject *lblSl MEMBER lblSl)
    Q_PROPERTY(QObject *lblWb MEMBER lblWb)
    Q_PROPERTY(QObject *lblHint MEMBER lblHint)
    Q_PROPERTY(QObject *cmdStop MEMBER cmdStop)
    Q_PROPERTY(quint8 iStart MEMBER iStart)
    Q_PROPERTY(quint8 iEnd MEMBER iEnd)
    Q_PROPERTY(qxmxz::AccountObject *objKm_p MEMBER objKm_p)
    Q_PROPERTY(qxmxz::CurrencyObject *objWb_p MEMBER objWb_p)
    Q_PROPERTY(qint16 iPageNum MEMBER iPageNum)
    Q_PROPERTY(qint32 iOnePageNum MEMBER iOnePageNum)
    Q_PROPERTY(qint32 lngBookMark MEMBER lngBookMark)
    Q_PROPERTY(qint32 lngStartRecord MEMBER lngStartRecord)
    Q_PROPERTY(qint32 lngEndRecord MEMBER lngEndRecord)
    Q_PROPERTY(qint32 iBeginPage MEMBER iBeginPage)
    Q_PROPERTY(quint8 iLinesEachPage MEMBER iLinesEachPage)
    Q_PROPERTY(qint32 iEndPage MEMBER iEndPage)
    Q_PROPERTY(quint8 iMaxFsMonth MEMBER iMaxFsMonth)
    Q_PROPERTY(bool bOptOpen MEMBER bOptOpen)
    Q_PROPERTY(bool bFirst MEMBER bFirst)
    Q_PROPERTY(QString NpBeginDate MEMBER NpBeginDate)
    Q_PROPERTY(QString MonthKm1 MEMBER MonthKm1)
    Q_PROPERTY(QString MonthKm2 MEMBER MonthKm2)
    // ---- property procedures (get, let)
    Q_PROPERTY(QString KmCode READ KmCode WRITE setKmCode)
    Q_PROPERTY(bool Include READ Include WRITE setInclude)
    Q_PROPERTY(bool bMonthmxz READ bMonthmxz WRITE setBMonthmxz)
    Q_PROPERTY(mxzHbType HbType READ HbType WRITE setHbType)
    Q_PROPERTY(bool IsOrder READ IsOrder WRITE setIsOrder)

public:
    enum mxzHbType : qint32 {
        enuNotHb = 0,
        enuCodeDigest = 1,
        enuKmCode = 2,
    };
    Q_ENUM(mxzHbType)

    // The constructor a host reaches through the meta-object.
    Q_INVOKABLE explicit clsMxzHb(QObject *parent = nullptr);
    explicit clsMxzHb(GlPublic &pub, QObject *parent = nullptr);
    ~clsMxzHb() override;

    void setGlPublic(GlPublic *pub) { m_pub = pub; }
    GlPublic *glPublic() const { return m_pub; }

    // ---- public data members
    QObject *Grd1 = nullptr;
    QString sCallState;
    QObject *mxHeader = nullptr;
    bool bKmQuery = false;
    QObject *mxForm = nullptr;
    QObject *lblSl = nullptr;
    QObject *lblWb = nullptr;
    QObject *lblHint = nullptr;
    QObject *cmdStop = nullptr;
    quint8 iStart = 1;
    quint8 iEnd = 1;
    AccountObject *objKm_p = nullptr;  // carried for the host
    CurrencyObject *objWb_p = nullptr; // carried for the host
    qint16 iPageNum = 0;
    qint32 iOnePageNum = 0;
    qint32 lngBookMark = 0;
    qint32 lngStartRecord = 0;
    qint32 lngEndRecord = 0;
    qint32 iBeginPage = 0;
    quint8 iLinesEachPage = 0;
    qint32 iEndPage = 0;
    quint8 iMaxFsMonth = 0;
    bool bOptOpen = false;
    bool bFirst = false;
    QString NpBeginDate;
    QString MonthKm1;
    QString MonthKm2;

    // ---- property procedures
    QString KmCode() const { return m_KmCode; }
    void setKmCode(const QString &code) { m_KmCode = code; }
    bool Include() const { return m_Include; }
    void setInclude(bool include) { m_Include = include; }
    bool bMonthmxz() const { return m_bMonthmxz; }
    void setBMonthmxz(bool monthly) { m_bMonthmxz = monthly; }
    mxzHbType HbType() const { return m_HbType; }
    void setHbType(mxzHbType type) { m_HbType = type; }
    bool IsOrder() const { return m_IsOrder; }
    void setIsOrder(bool order) { m_IsOrder = order; }

    // ---- methods
    // The merged ledger of KmCode: nothing at all under enuNotHb; an end
    // account as one ledger; a parent account as one ledger of all lines under
    // it, or, with IsOrder, one ledger after another for each end account
    // under it ("R7.GL.QXMXZ.clsmxzhb.00775" when there is none).
    Q_INVOKABLE void mxzCodeHbQuery(qint16 nAccType = 0);
    // Empties the host window's grid MxzGrid2; never fails.
    Q_INVOKABLE void ClsGridRows();
    // The merged ledger of one code (and the codes under it) for iStart to
    // iEnd, written into a fresh working table and copied into Grd1.
    Q_INVOKABLE void mxzEndKmQuery(const QString &Code, qint16 nAccType = 0);

    // ---- what the last query left, for hosts that link the class
    // The working table the last ledger was written to.
    QString lastTableName() const { return m_lastTable; }
    // How many ledgers the last mxzCodeHbQuery wrote (0 under enuNotHb or
    // when an end-account loop found no end account).
    int ledgersWritten() const { return m_ledgersWritten; }
    // Whether the host's stop flag ended the last ledger.
    bool stoppedByUser() const { return m_stopped; }
    // The grouped lines are read per period by default; per voucher, one or
    // two statements each, is the plain reading the faster one must equal.
    bool readsEachVoucher() const { return m_readsEachVoucher; }
    void setReadsEachVoucher(bool each) { m_readsEachVoucher = each; }

private:
    GlPublic &requirePub() const;
    void queryEachEndAccount();

    GlPublic *m_pub = nullptr;
    QString m_KmCode;
    bool m_readsEachVoucher = false;
    bool m_Include = false;
    bool m_bMonthmxz = false;
    mxzHbType m_HbType = enuNotHb;
    bool m_IsOrder = false;

    QString m_lastTable;
    int m_ledgersWritten = 0;
    bool m_stopped = false;
};

} // namespace qxmxz
