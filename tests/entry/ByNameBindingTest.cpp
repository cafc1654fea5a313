// A host binds to the public classes by name only, through Qt's meta-object
// system: it creates them by program identifier, finds members by name,
// writes properties and invokes methods. Member order, kinds and types are
// checked against the interfaces _clsMxz and _clsMxzHb.

#include <gtest/gtest.h>

#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <memory>

#include "EntryRig.h"
#include "entry/ComponentClasses.h"
#include "entry/LoginContext.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "support/LedgerCells.h"
#include "support/Printers.h"

namespace qxmxz {
namespace {

// One line per member as a host sees it, in order: properties as "name kind
// type" (kind let, set or set-only; objects of any class are "object"), then
// methods as "name(type name, …) result" with the number of trailing
// parameters a caller may leave out.
QStringList membersOf(const QMetaObject &meta)
{
    QStringList members;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        const bool object = p.metaType().flags().testFlag(QMetaType::PointerToQObject);
        const char *kind = !p.isWritable() ? "read-only" : !p.isReadable() ? "set-only" : object ? "set" : "let";
        const QString type = object ? QStringLiteral("object")
                             : p.isEnumType() ? QStringLiteral("enum ") + QLatin1String(p.enumerator().name())
                                              : QString::fromLatin1(p.metaType().name());
        members << QStringLiteral("%1 %2 %3").arg(QLatin1String(p.name()), QLatin1String(kind), type);
    }
    QMap<QByteArray, int> optional; // Qt adds a copy of the method for each parameter with a default
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        if (meta.method(i).attributes() & QMetaMethod::Cloned)
            ++optional[meta.method(i).name()];
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        if (m.methodType() != QMetaMethod::Method || (m.attributes() & QMetaMethod::Cloned))
            continue;
        QStringList parameters;
        for (int p = 0; p < m.parameterCount(); ++p) {
            QByteArray type = m.parameterTypes().at(p);
            const bool byReference = type.endsWith('&');
            if (byReference)
                type.chop(1);
            parameters << QStringLiteral("%1%2 %3").arg(QLatin1String(QMetaType::fromName(type).name()),
                                                        byReference ? QStringLiteral("&") : QString(),
                                                        QLatin1String(m.parameterNames().at(p)));
        }
        members << QStringLiteral("%1(%2) %3, %4 optional")
                       .arg(QLatin1String(m.name()), parameters.join(QStringLiteral(", ")),
                            QLatin1String(m.returnMetaType().name()))
                       .arg(optional.value(m.name()));
    }
    return members;
}

struct Interface {
    const char *programId;
    const char *className;
    QStringList members;
};

void PrintTo(const Interface &i, std::ostream *os) { *os << i.programId; }

const Interface clsMxzInterface{"QxMxz.clsMxz", "qxmxz::clsMxz",
    {"ObjLogin set object", "MyZwPub set object", "iYear let short", "isModal let bool", "Business set-only object",
     "mxzDisplay(QString& KmStr, uchar& iPeriod, bool& bIbook) bool, 0 optional",
     "mxzDisplay1(QString& KmStr, QString& cPeriod, bool& bIbook) bool, 0 optional",
     "ZzDisplay(QString& KmStr, bool& bIbook) bool, 0 optional"}};

// The merged ledger only reads its arguments, so it takes them by value.
const Interface clsMxzHbInterface{"QxMxz.clsMxzHb", "qxmxz::clsMxzHb",
    {"Grd1 set object", "sCallState let QString", "mxHeader set object", "bKmQuery let bool", "mxForm set object",
     "lblSl set object", "lblWb set object", "lblHint set object", "cmdStop set object", "iStart let uchar",
     "iEnd let uchar", "objKm_p set object", "objWb_p set object", "iPageNum let short", "iOnePageNum let int",
     "lngBookMark let int", "lngStartRecord let int", "lngEndRecord let int", "iBeginPage let int",
     "iLinesEachPage let uchar", "iEndPage let int", "iMaxFsMonth let uchar", "bOptOpen let bool", "bFirst let bool",
     "NpBeginDate let QString", "MonthKm1 let QString", "MonthKm2 let QString", "KmCode let QString",
     "Include let bool", "bMonthmxz let bool", "HbType let enum mxzHbType", "IsOrder let bool",
     "mxzCodeHbQuery(short nAccType) void, 1 optional", "ClsGridRows() void, 0 optional",
     "mxzEndKmQuery(QString Code, short nAccType) void, 1 optional"}};

class ByNameBinding : public ::testing::TestWithParam<Interface> {};

TEST_P(ByNameBinding, TheClassIsCreatedByProgramIdentifierWithTheMembersOfItsInterface)
{
    std::unique_ptr<QObject> object(createComponentObject(QString::fromLatin1(GetParam().programId)));
    ASSERT_TRUE(object);
    EXPECT_STREQ(object->metaObject()->className(), GetParam().className);
    EXPECT_EQ(createComponentObject(QStringLiteral("QxMxz.Nothing")), nullptr);
    EXPECT_EQ(membersOf(*object->metaObject()), GetParam().members);
}

INSTANTIATE_TEST_SUITE_P(PublicClasses, ByNameBinding, ::testing::Values(clsMxzInterface, clsMxzHbInterface),
                         [](const auto &info) { return std::string(info.param.className).substr(7); });

TEST(ByNameBindingDetails, AHostWritesPropertiesAndInvokesMethodsByName)
{
    test::resetComponent();
    test::RecordingWindowHost host;
    LoginContext::setWindowHost(&host);
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    std::unique_ptr<QObject> mxz(createComponentObject(QStringLiteral("QxMxz.clsMxz")));
    ASSERT_TRUE(mxz->setProperty("ObjLogin", QVariant::fromValue(login.get())));

    // The account text comes back through the reference.
    QString km = QStringLiteral("1001");
    quint8 period = 3;
    bool include = false, shown = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(mxz.get(), "mxzDisplay", Q_RETURN_ARG(bool, shown), Q_ARG(QString &, km),
                                          Q_ARG(quint8 &, period), Q_ARG(bool &, include)));
    EXPECT_TRUE(shown);
    EXPECT_EQ(km, QStringLiteral("1001 库存现金"));
    EXPECT_EQ(host.detail.size(), 1);

    // Objects of the wrong class are refused and leave the member as it was.
    QObject stranger;
    EXPECT_FALSE(mxz->setProperty("MyZwPub", QVariant::fromValue(&stranger)));
    EXPECT_FALSE(mxz->setProperty("ObjLogin", QVariant::fromValue(&stranger)));
    EXPECT_EQ(mxz->property("ObjLogin").value<LoginObject *>(), login.get());

    // HbType takes the names of mxzHbType and reads back as a 32-bit integer.
    std::unique_ptr<QObject> hb(createComponentObject(QStringLiteral("QxMxz.clsMxzHb")));
    ASSERT_TRUE(hb->setProperty("HbType", QStringLiteral("enuKmCode")));
    EXPECT_EQ(hb->property("HbType").toInt(), 2);
    EXPECT_EQ(hb->property("HbType").metaType().sizeOf(), 4);
    EXPECT_TRUE(QMetaObject::invokeMethod(hb.get(), "ClsGridRows"));
    test::resetComponent();
}

TEST(ByNameBindingDetails, AMergedLedgerCreatedByNameRunsAQueryOnTheComponentsLogin)
{
    test::resetComponent();
    test::RecordingWindowHost host;
    LoginContext::setWindowHost(&host);
    // Created before the login reaches the component, as a host may do.
    std::unique_ptr<QObject> hb(createComponentObject(QStringLiteral("QxMxz.clsMxzHb")));
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    std::unique_ptr<QObject> mxz(createComponentObject(QStringLiteral("QxMxz.clsMxz")));
    ASSERT_TRUE(mxz->setProperty("ObjLogin", QVariant::fromValue(login.get())));

    GridModel grid;
    grid.setCols(49);
    HeaderModel header;
    HintState hint, quantityLabel, currencyLabel;
    StopButtonState stop;
    QObject form;
    form.setProperty("bUserStop", false);
    form.setProperty("MxzGrid2", QVariant::fromValue<QObject *>(&grid));
    const std::pair<const char *, QObject *> objects[] = {{"Grd1", &grid},           {"mxHeader", &header},
                                                         {"lblSl", &quantityLabel}, {"lblWb", &currencyLabel},
                                                         {"lblHint", &hint},        {"cmdStop", &stop},
                                                         {"mxForm", &form}};
    for (const auto &[name, object] : objects)
        ASSERT_TRUE(hb->setProperty(name, QVariant::fromValue(object))) << name;
    ASSERT_TRUE(hb->setProperty("iStart", QVariant::fromValue<quint8>(1)));
    ASSERT_TRUE(hb->setProperty("iEnd", QVariant::fromValue<quint8>(12)));
    ASSERT_TRUE(hb->setProperty("KmCode", QStringLiteral("100201")));
    ASSERT_TRUE(hb->setProperty("HbType", QStringLiteral("enuKmCode")));
    EXPECT_NO_THROW(QMetaObject::invokeMethod(hb.get(), "mxzCodeHbQuery", Q_ARG(qint16, 0)));
    EXPECT_GT(grid.Rows(), 12) << "an opening, the merged vouchers and a total for each period";
    bool anyVoucher = false;
    for (int row = 0; row < grid.Rows() && !anyVoucher; ++row)
        anyVoucher = !grid.TextMatrix(row, test::Voucher).isEmpty();
    EXPECT_TRUE(anyVoucher) << "the merged rows carry their vouchers";
    test::resetComponent();
}

} // namespace
} // namespace qxmxz
