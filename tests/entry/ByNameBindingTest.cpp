// A host binds to the public classes by name only, through Qt's meta-object
// system: it creates them by program identifier, finds members by name,
// writes properties and invokes methods. Member order, kinds and types are
// checked against the interfaces _clsMxz and _clsMxzHb.

#include <gtest/gtest.h>

#include <QMetaClassInfo>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <memory>

#include "EntryRig.h"
#include "entry/ComponentClasses.h"
#include "entry/GlPublicObject.h"
#include "entry/LoginContext.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"

namespace qxmxz {
namespace {

enum class Kind { GetLet, GetSet, SetOnly };

struct PropertyEntry {
    const char *name;
    Kind kind;
    // The type name; "object" for any pointer to a QObject class, "enum" for
    // an enumeration (checked on its own).
    const char *type;
};

struct ParameterEntry {
    const char *name;
    const char *type;
    bool byReference;
};

struct MethodEntry {
    const char *name;
    const char *result; // "void" for none
    std::vector<ParameterEntry> parameters;
    int optionalParameters;
};

QString classInfo(const QMetaObject &meta, const char *name)
{
    const int index = meta.indexOfClassInfo(name);
    return index < 0 ? QString() : QString::fromLatin1(meta.classInfo(index).value());
}

QList<QMetaProperty> ownProperties(const QMetaObject &meta)
{
    QList<QMetaProperty> list;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        list << meta.property(i);
    return list;
}

// The methods a host sees, without the copies Qt makes for default arguments.
QList<QMetaMethod> ownMethods(const QMetaObject &meta)
{
    QList<QMetaMethod> list;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        if (m.methodType() == QMetaMethod::Method && !(m.attributes() & QMetaMethod::Cloned))
            list << m;
    }
    return list;
}

int overloadsOf(const QMetaObject &meta, const char *name)
{
    int count = 0;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        if (meta.method(i).name() == name)
            ++count;
    return count;
}

void checkProperties(const QMetaObject &meta, const std::vector<PropertyEntry> &expected)
{
    const QList<QMetaProperty> properties = ownProperties(meta);
    ASSERT_EQ(properties.size(), qsizetype(expected.size())) << meta.className();
    for (size_t i = 0; i < expected.size(); ++i) {
        const QMetaProperty &p = properties[qsizetype(i)];
        const PropertyEntry &e = expected[i];
        SCOPED_TRACE(std::string(meta.className()) + "::" + e.name);
        EXPECT_STREQ(p.name(), e.name) << "member " << i + 1;
        EXPECT_TRUE(p.isWritable());
        EXPECT_EQ(p.isReadable(), e.kind != Kind::SetOnly);
        const bool isObject = p.metaType().flags().testFlag(QMetaType::PointerToQObject);
        EXPECT_EQ(isObject, e.kind != Kind::GetLet) << p.typeName();
        if (std::string(e.type) != "object" && std::string(e.type) != "enum") {
            EXPECT_EQ(p.metaType(), QMetaType::fromName(e.type)) << p.typeName() << " is not " << e.type;
        }
    }
}

void checkMethods(const QMetaObject &meta, const std::vector<MethodEntry> &expected, bool exactReferences)
{
    const QList<QMetaMethod> methods = ownMethods(meta);
    ASSERT_EQ(methods.size(), qsizetype(expected.size())) << meta.className();
    for (size_t i = 0; i < expected.size(); ++i) {
        const QMetaMethod &m = methods[qsizetype(i)];
        const MethodEntry &e = expected[i];
        SCOPED_TRACE(std::string(meta.className()) + "::" + e.name);
        EXPECT_EQ(m.name(), QByteArray(e.name));
        EXPECT_EQ(m.returnMetaType(), QMetaType::fromName(e.result)) << m.typeName();
        ASSERT_EQ(m.parameterCount(), int(e.parameters.size()));
        for (int p = 0; p < m.parameterCount(); ++p) {
            const ParameterEntry &pe = e.parameters[size_t(p)];
            EXPECT_EQ(m.parameterNames().value(p), QByteArray(pe.name));
            QByteArray type = m.parameterTypes().value(p);
            const bool byReference = type.endsWith('&');
            if (byReference)
                type.chop(1);
            EXPECT_EQ(QMetaType::fromName(type), QMetaType::fromName(pe.type)) << m.methodSignature().constData();
            if (exactReferences) {
                EXPECT_EQ(byReference, pe.byReference) << m.methodSignature().constData();
            }
        }
        // Optional parameters: the method can be called without them.
        EXPECT_EQ(overloadsOf(meta, e.name), 1 + e.optionalParameters);
    }
}

class ByNameBinding : public ::testing::Test {
protected:
    void SetUp() override { test::resetComponent(); }
    void TearDown() override { test::resetComponent(); }
};

TEST_F(ByNameBinding, BothClassesAreCreatedByProgramIdentifier)
{
    std::unique_ptr<QObject> mxz(createComponentObject(QStringLiteral("QxMxz.clsMxz")));
    std::unique_ptr<QObject> hb(createComponentObject(QStringLiteral("QxMxz.clsMxzHb")));
    ASSERT_TRUE(mxz);
    ASSERT_TRUE(hb);
    EXPECT_STREQ(mxz->metaObject()->className(), "qxmxz::clsMxz");
    EXPECT_STREQ(hb->metaObject()->className(), "qxmxz::clsMxzHb");
    EXPECT_EQ(createComponentObject(QStringLiteral("QxMxz.Nothing")), nullptr);
    EXPECT_EQ(creatableClasses().size(), 2);
}

TEST_F(ByNameBinding, TheIdentifiersOfTheTypeLibrary)
{
    const QMetaObject &mxz = *creatableClasses().at(0);
    const QMetaObject &hb = *creatableClasses().at(1);
    for (const QMetaObject *meta : {&mxz, &hb}) {
        EXPECT_EQ(classInfo(*meta, "TypeLibrary"), QStringLiteral("QxMxz"));
        EXPECT_EQ(classInfo(*meta, "LibraryID"), QStringLiteral("{6F287C9A-E9EF-4A1F-8315-BE0030FE4974}"));
        EXPECT_EQ(classInfo(*meta, "Version"), QStringLiteral("1.1"));
    }
    EXPECT_EQ(classInfo(mxz, "ClassID"), QStringLiteral("{AA43EAA6-512F-455A-92EC-08E87E0F741B}"));
    EXPECT_EQ(classInfo(mxz, "InterfaceID"), QStringLiteral("{28CCC333-5650-4B01-953F-CCF8A2843664}"));
    EXPECT_EQ(classInfo(mxz, "DefaultInterface"), QStringLiteral("_clsMxz"));
    EXPECT_EQ(classInfo(mxz, "ProgID"), QStringLiteral("QxMxz.clsMxz"));
    EXPECT_EQ(classInfo(mxz, "Locale"), QStringLiteral("0x409"));
    EXPECT_EQ(classInfo(mxz, "HelpFile"), QStringLiteral("Qxmxz.hlp"));
    EXPECT_EQ(classInfo(hb, "ClassID"), QStringLiteral("{CFD34AB7-504A-40A9-8CAE-F3E9B6F0A80A}"));
    EXPECT_EQ(classInfo(hb, "InterfaceID"), QStringLiteral("{A50C7942-D846-4B99-BFB4-8C08AA4595B2}"));
    EXPECT_EQ(classInfo(hb, "DefaultInterface"), QStringLiteral("_clsMxzHb"));
    EXPECT_EQ(classInfo(hb, "ProgID"), QStringLiteral("QxMxz.clsMxzHb"));
    EXPECT_EQ(classInfo(hb, "EnumID"), QStringLiteral("{19B3FECA-F71B-42EE-90FF-A97D4D76BE95}"));
}

TEST_F(ByNameBinding, TheMembersOfClsMxzInInterfaceOrder)
{
    const QMetaObject &meta = *creatableClasses().at(0);
    checkProperties(meta, {{"ObjLogin", Kind::GetSet, "object"},
                           {"MyZwPub", Kind::GetSet, "object"},
                           {"iYear", Kind::GetLet, "qint16"},
                           {"isModal", Kind::GetLet, "bool"},
                           {"Business", Kind::SetOnly, "object"}});
    checkMethods(meta,
                 {{"mxzDisplay", "bool", {{"KmStr", "QString", true}, {"iPeriod", "quint8", true}, {"bIbook", "bool", true}}, 0},
                  {"mxzDisplay1", "bool", {{"KmStr", "QString", true}, {"cPeriod", "QString", true}, {"bIbook", "bool", true}}, 0},
                  {"ZzDisplay", "bool", {{"KmStr", "QString", true}, {"bIbook", "bool", true}}, 0}},
                 true);
    // The order of all interface entries, and the dispatch identifiers.
    EXPECT_EQ(classInfo(meta, "Entries"),
              QStringLiteral("ObjLogin get;ObjLogin set;MyZwPub get;MyZwPub set;iYear get;iYear let;mxzDisplay;"
                             "mxzDisplay1;ZzDisplay;isModal get;isModal let;Business set"));
    const QList<std::pair<const char *, const char *>> dispatch{
        {"ObjLogin", "0x68030002"}, {"MyZwPub", "0x68030001"},   {"iYear", "0x68030000"},
        {"mxzDisplay", "0x60030003"}, {"mxzDisplay1", "0x60030005"}, {"ZzDisplay", "0x60030006"},
        {"isModal", "0x68030008"},  {"Business", "0x68030007"}};
    for (const auto &[member, id] : dispatch)
        EXPECT_EQ(classInfo(meta, (std::string("DispID.") + member).c_str()), QString::fromLatin1(id)) << member;
    // Every entry names a member the meta-object has, in the same order.
    QStringList properties, methods;
    for (const QString &entry : classInfo(meta, "Entries").split(u';')) {
        const QString member = entry.section(u' ', 0, 0);
        if (entry.contains(u' ')) {
            if (!properties.contains(member))
                properties << member;
        } else {
            methods << member;
        }
    }
    QStringList metaProperties, metaMethods;
    for (const QMetaProperty &p : ownProperties(meta))
        metaProperties << QString::fromLatin1(p.name());
    for (const QMetaMethod &m : ownMethods(meta))
        metaMethods << QString::fromLatin1(m.name());
    EXPECT_EQ(properties, metaProperties);
    EXPECT_EQ(methods, metaMethods);
}

TEST_F(ByNameBinding, TheMembersOfClsMxzHbInInterfaceOrder)
{
    const QMetaObject &meta = *creatableClasses().at(1);
    checkProperties(meta, {{"Grd1", Kind::GetSet, "object"},        {"sCallState", Kind::GetLet, "QString"},
                           {"mxHeader", Kind::GetSet, "object"},    {"bKmQuery", Kind::GetLet, "bool"},
                           {"mxForm", Kind::GetSet, "object"},      {"lblSl", Kind::GetSet, "object"},
                           {"lblWb", Kind::GetSet, "object"},       {"lblHint", Kind::GetSet, "object"},
                           {"cmdStop", Kind::GetSet, "object"},     {"iStart", Kind::GetLet, "quint8"},
                           {"iEnd", Kind::GetLet, "quint8"},        {"objKm_p", Kind::GetSet, "object"},
                           {"objWb_p", Kind::GetSet, "object"},     {"iPageNum", Kind::GetLet, "qint16"},
                           {"iOnePageNum", Kind::GetLet, "qint32"}, {"lngBookMark", Kind::GetLet, "qint32"},
                           {"lngStartRecord", Kind::GetLet, "qint32"}, {"lngEndRecord", Kind::GetLet, "qint32"},
                           {"iBeginPage", Kind::GetLet, "qint32"},  {"iLinesEachPage", Kind::GetLet, "quint8"},
                           {"iEndPage", Kind::GetLet, "qint32"},    {"iMaxFsMonth", Kind::GetLet, "quint8"},
                           {"bOptOpen", Kind::GetLet, "bool"},      {"bFirst", Kind::GetLet, "bool"},
                           {"NpBeginDate", Kind::GetLet, "QString"}, {"MonthKm1", Kind::GetLet, "QString"},
                           {"MonthKm2", Kind::GetLet, "QString"},   {"KmCode", Kind::GetLet, "QString"},
                           {"Include", Kind::GetLet, "bool"},       {"bMonthmxz", Kind::GetLet, "bool"},
                           {"HbType", Kind::GetLet, "enum"},      {"IsOrder", Kind::GetLet, "bool"}});
    // HbType is the enumeration mxzHbType, a 32-bit integer.
    const QMetaProperty hbType = meta.property(meta.indexOfProperty("HbType"));
    ASSERT_TRUE(hbType.isEnumType());
    const QMetaEnum enumeration = hbType.enumerator();
    EXPECT_STREQ(enumeration.name(), "mxzHbType");
    ASSERT_EQ(enumeration.keyCount(), 3);
    const QList<std::pair<const char *, int>> values{{"enuNotHb", 0}, {"enuCodeDigest", 1}, {"enuKmCode", 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(enumeration.key(i), values[i].first);
        EXPECT_EQ(enumeration.value(i), values[i].second);
    }
    EXPECT_EQ(hbType.metaType().sizeOf(), 4);
    // Parameters: names, types and optional ones. (The interface passes them
    // by reference; the merged ledger only reads them.)
    checkMethods(meta,
                 {{"mxzCodeHbQuery", "void", {{"nAccType", "qint16", true}}, 1},
                  {"ClsGridRows", "void", {}, 0},
                  {"mxzEndKmQuery", "void", {{"Code", "QString", true}, {"nAccType", "qint16", true}}, 1}},
                 false);
}

TEST_F(ByNameBinding, AHostWritesPropertiesAndInvokesMethodsByName)
{
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("zhao"));
    std::unique_ptr<QObject> mxz(createComponentObject(QStringLiteral("QxMxz.clsMxz")));
    ASSERT_TRUE(mxz->setProperty("ObjLogin", QVariant::fromValue(login.get())));
    EXPECT_EQ(mxz->property("ObjLogin").value<LoginObject *>(), login.get());
    ASSERT_TRUE(mxz->setProperty("iYear", QVariant::fromValue<qint16>(2026)));
    EXPECT_EQ(mxz->property("iYear").value<qint16>(), 2026);
    ASSERT_TRUE(mxz->setProperty("isModal", true));
    EXPECT_TRUE(mxz->property("isModal").toBool());
    QObject business;
    EXPECT_TRUE(mxz->setProperty("Business", QVariant::fromValue(&business)));

    // zhao may not see detail ledgers: the method answers false by name.
    QString km = QStringLiteral("1001");
    quint8 period = 3;
    bool include = false;
    bool shown = true;
    ASSERT_TRUE(QMetaObject::invokeMethod(mxz.get(), "mxzDisplay", Q_RETURN_ARG(bool, shown), Q_ARG(QString &, km),
                                          Q_ARG(quint8 &, period), Q_ARG(bool &, include)));
    EXPECT_FALSE(shown);

    // With a window host the account text comes back through the reference.
    test::RecordingWindowHost host;
    LoginContext::setWindowHost(&host);
    auto demo = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    ASSERT_TRUE(mxz->setProperty("ObjLogin", QVariant::fromValue(demo.get())));
    ASSERT_TRUE(QMetaObject::invokeMethod(mxz.get(), "mxzDisplay", Q_RETURN_ARG(bool, shown), Q_ARG(QString &, km),
                                          Q_ARG(quint8 &, period), Q_ARG(bool &, include)));
    EXPECT_TRUE(shown);
    EXPECT_EQ(km, QStringLiteral("1001 库存现金"));

    QString general = QStringLiteral("1002");
    ASSERT_TRUE(QMetaObject::invokeMethod(mxz.get(), "ZzDisplay", Q_RETURN_ARG(bool, shown), Q_ARG(QString &, general),
                                          Q_ARG(bool &, include)));
    EXPECT_TRUE(shown);
    ASSERT_EQ(host.general.size(), 1);

    // The merged ledger's members by name.
    std::unique_ptr<QObject> hb(createComponentObject(QStringLiteral("QxMxz.clsMxzHb")));
    ASSERT_TRUE(hb->setProperty("KmCode", QStringLiteral("1002")));
    ASSERT_TRUE(hb->setProperty("iStart", QVariant::fromValue<quint8>(2)));
    ASSERT_TRUE(hb->setProperty("HbType", 2));
    EXPECT_EQ(hb->property("KmCode").toString(), QStringLiteral("1002"));
    EXPECT_EQ(hb->property("iStart").value<quint8>(), 2);
    EXPECT_EQ(hb->property("HbType").toInt(), 2);
    EXPECT_TRUE(QMetaObject::invokeMethod(hb.get(), "ClsGridRows"));
}

TEST_F(ByNameBinding, AnObjectThatIsNoGeneralLedgerObjectIsRefused)
{
    std::unique_ptr<QObject> mxz(createComponentObject(QStringLiteral("QxMxz.clsMxz")));
    QObject stranger;
    GlPublicObject *before = mxz->property("MyZwPub").value<GlPublicObject *>();
    ASSERT_NE(before, nullptr);
    EXPECT_FALSE(mxz->setProperty("MyZwPub", QVariant::fromValue(&stranger)));
    EXPECT_EQ(mxz->property("MyZwPub").value<GlPublicObject *>(), before);
    GlPublicObject own;
    EXPECT_TRUE(mxz->setProperty("MyZwPub", QVariant::fromValue(&own)));
    EXPECT_EQ(mxz->property("MyZwPub").value<GlPublicObject *>(), &own);
    EXPECT_FALSE(mxz->setProperty("ObjLogin", QVariant::fromValue(&stranger)));
}

} // namespace
} // namespace qxmxz
