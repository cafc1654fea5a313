// The surface a host binds by name: members in interface order with their
// kinds and types, the enumeration, the identifiers, creation through the
// meta-object, and property access by name.
#include <gtest/gtest.h>

#include <QMetaClassInfo>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>

#include "merge/clsMxzHb.h"
#include "platform/outside/QtStringPrinting.h"

using namespace qxmxz;

namespace {

const QMetaObject &meta()
{
    return clsMxzHb::staticMetaObject;
}

QString classInfo(const char *name)
{
    const int index = meta().indexOfClassInfo(name);
    return index < 0 ? QString() : QString::fromLatin1(meta().classInfo(index).value());
}

} // namespace

TEST(ClsMxzHbSurface, PropertiesFollowTheInterfaceInOrderWithTheirTypes)
{
    const QList<std::pair<const char *, const char *>> expected{
        {"Grd1", "QObject*"},         {"sCallState", "QString"},   {"mxHeader", "QObject*"},
        {"bKmQuery", "bool"},         {"mxForm", "QObject*"},      {"lblSl", "QObject*"},
        {"lblWb", "QObject*"},        {"lblHint", "QObject*"},     {"cmdStop", "QObject*"},
        {"iStart", "uchar"},          {"iEnd", "uchar"},           {"objKm_p", "qxmxz::AccountObject*"},
        {"objWb_p", "qxmxz::CurrencyObject*"},      {"iPageNum", "short"},       {"iOnePageNum", "int"},
        {"lngBookMark", "int"},       {"lngStartRecord", "int"},   {"lngEndRecord", "int"},
        {"iBeginPage", "int"},        {"iLinesEachPage", "uchar"}, {"iEndPage", "int"},
        {"iMaxFsMonth", "uchar"},     {"bOptOpen", "bool"},        {"bFirst", "bool"},
        {"NpBeginDate", "QString"},   {"MonthKm1", "QString"},     {"MonthKm2", "QString"},
        {"KmCode", "QString"},        {"Include", "bool"},         {"bMonthmxz", "bool"},
        {"HbType", "qxmxz::clsMxzHb::mxzHbType"},                  {"IsOrder", "bool"},
    };
    ASSERT_EQ(meta().propertyCount() - meta().propertyOffset(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QMetaProperty p = meta().property(meta().propertyOffset() + int(i));
        EXPECT_STREQ(p.name(), expected[i].first) << "member " << i + 1;
        EXPECT_STREQ(p.typeName(), expected[i].second) << p.name();
        EXPECT_TRUE(p.isReadable() && p.isWritable()) << p.name();
    }
}

TEST(ClsMxzHbSurface, MethodsFollowThePropertiesInOrder)
{
    QStringList methods;
    for (int i = meta().methodOffset(); i < meta().methodCount(); ++i) {
        const QMetaMethod m = meta().method(i);
        if (m.methodType() == QMetaMethod::Method && !methods.contains(QString::fromLatin1(m.name())))
            methods << QString::fromLatin1(m.name());
    }
    EXPECT_EQ(methods, (QStringList{QStringLiteral("mxzCodeHbQuery"), QStringLiteral("ClsGridRows"),
                                    QStringLiteral("mxzEndKmQuery")}));
    auto method = [](const char *name, int parameters) {
        for (int i = meta().methodOffset(); i < meta().methodCount(); ++i)
            if (meta().method(i).name() == name && meta().method(i).parameterCount() == parameters)
                return meta().method(i);
        return QMetaMethod();
    };
    const QMetaMethod query = method("mxzCodeHbQuery", 1);
    ASSERT_TRUE(query.isValid());
    EXPECT_EQ(query.parameterType(0), QMetaType::Short);
    EXPECT_TRUE(method("mxzCodeHbQuery", 0).isValid()) << "nAccType is optional";
    const QMetaMethod end = method("mxzEndKmQuery", 2);
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(end.parameterType(0), QMetaType::QString);
    EXPECT_EQ(end.parameterNames(), (QList<QByteArray>{"Code", "nAccType"}));
    EXPECT_TRUE(method("ClsGridRows", 0).isValid());
}

TEST(ClsMxzHbSurface, TheEnumerationAndTheIdentifiersAreRecorded)
{
    const QMetaEnum e = QMetaEnum::fromType<clsMxzHb::mxzHbType>();
    ASSERT_TRUE(e.isValid());
    EXPECT_STREQ(e.name(), "mxzHbType");
    ASSERT_EQ(e.keyCount(), 3);
    EXPECT_EQ(e.keyToValue("enuNotHb"), 0);
    EXPECT_EQ(e.keyToValue("enuCodeDigest"), 1);
    EXPECT_EQ(e.keyToValue("enuKmCode"), 2);
    EXPECT_EQ(classInfo("ClassID"), QStringLiteral("{CFD34AB7-504A-40A9-8CAE-F3E9B6F0A80A}"));
    EXPECT_EQ(classInfo("InterfaceID"), QStringLiteral("{A50C7942-D846-4B99-BFB4-8C08AA4595B2}"));
    EXPECT_EQ(classInfo("EnumID"), QStringLiteral("{19B3FECA-F71B-42EE-90FF-A97D4D76BE95}"));
    EXPECT_EQ(classInfo("ProgID"), QStringLiteral("QxMxz.clsMxzHb"));
}

TEST(ClsMxzHbSurface, AHostCreatesItAndSetsItsMembersByName)
{
    std::unique_ptr<QObject> object(meta().newInstance());
    ASSERT_TRUE(object);
    auto *hb = qobject_cast<clsMxzHb *>(object.get());
    ASSERT_TRUE(hb);
    EXPECT_EQ(hb->HbType(), clsMxzHb::enuNotHb);
    EXPECT_FALSE(hb->Include());
    EXPECT_TRUE(hb->KmCode().isEmpty());

    QObject grid;
    EXPECT_TRUE(object->setProperty("Grd1", QVariant::fromValue<QObject *>(&grid)));
    EXPECT_TRUE(object->setProperty("iStart", 3));
    EXPECT_TRUE(object->setProperty("KmCode", QStringLiteral("1002")));
    EXPECT_TRUE(object->setProperty("HbType", QStringLiteral("enuKmCode")));
    EXPECT_TRUE(object->setProperty("Include", true));
    AccountRecord account;
    account.code = QStringLiteral("100202");
    account.currencyName = QStringLiteral("美元");
    AccountObject accountObject(account);
    EXPECT_TRUE(object->setProperty("objKm_p", QVariant::fromValue<QObject *>(&accountObject)));
    EXPECT_EQ(hb->objKm_p, &accountObject);
    const auto *shown = object->property("objKm_p").value<QObject *>();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->property("code").toString(), QStringLiteral("100202"));
    EXPECT_EQ(shown->property("currencyName").toString(), QStringLiteral("美元"));
    EXPECT_EQ(hb->Grd1, &grid);
    EXPECT_EQ(hb->iStart, 3);
    EXPECT_EQ(hb->KmCode(), QStringLiteral("1002"));
    EXPECT_EQ(hb->HbType(), clsMxzHb::enuKmCode);
    EXPECT_TRUE(hb->Include());
    EXPECT_EQ(object->property("HbType").toInt(), 2);

    // Without a general-ledger object a query fails cleanly, by name as well.
    EXPECT_ANY_THROW(QMetaObject::invokeMethod(object.get(), "mxzCodeHbQuery"));
    EXPECT_TRUE(QMetaObject::invokeMethod(object.get(), "ClsGridRows"));
}
