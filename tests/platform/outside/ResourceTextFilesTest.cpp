// The two text files compiled into the library: the same keys in both, a text
// for every key the component, the general-ledger public object and the
// command line show, and placeholders that match what the callers pass.

#include "platform/outside/ResourceTexts.h"
#include "platform/outside/QtStringPrinting.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace qxmxz {
namespace {

// The component's keys, by module: numbered items (inclusive ranges, written
// with five digits) and mnemonic items.
struct ModuleKeys {
    const char *module;
    std::vector<std::pair<int, int>> numbers;
    std::vector<const char *> items;
};

const std::vector<ModuleKeys> &componentModules()
{
    static const std::vector<ModuleKeys> modules = {
        {"mxzdll", {{256, 320}, {323, 323}},
         {"cannotexecute", "errnum", "notesinfo", "notfoundmodal", "operatornodepright", "operatornoright",
          "youhavenotright"}},
        {"mmxz", {{133, 137}, {144, 148}, {150, 150}, {157, 157}, {161, 161}, {163, 171}, {212, 219}, {221, 226}},
         {"amount", "cashamount", "day", "df", "dj", "errhappend", "jf", "month", "numyear", "wb", "ye"}},
        {"basgrwl", {{392, 393}},
         {"amount", "bqdffs", "bqjffs", "cashamount", "date", "day", "depcode", "depname", "df", "dj", "fx", "hl",
          "jf", "kmcode", "kmname", "ljdffs", "ljjffs", "month", "numyear", "personcode", "personname", "pzhs",
          "qcye", "qmye", "wb", "ye", "year", "zy"}},
        {"kmmx", {{666, 666}, {689, 690}, {693, 693}, {704, 704}},
         {"curproccpz", "curproccpz1", "curproccpzfl", "nextpage", "nextpagee", "notesinfo", "prevpage",
          "prevpagee", "qcye", "snjz", "sum", "wait", "waityeardata", "yje"}},
        {"clsmxzhb", {{775, 775}, {778, 778}, {781, 782}, {786, 786}, {799, 799}},
         {"curproccpz", "notesinfo", "query", "wait"}},
        {"clsmxz", {{247, 247}}, {"cashstyle", "kminputwrong", "nohavequeryright", "noqueryright", "noteinfo"}},
        {"mxz", {{65, 69}}, {"km", "mxz", "yf"}},
        {"zzmain", {{119, 123}}, {"km", "notesinfo", "zz"}},
        {"mxzcond", {{604, 604}, {607, 607}, {609, 609}, {611, 611}, {619, 619}},
         {"kminputerror", "notesinfo", "pleasegoaccountday"}},
        {"zzcond", {{584, 584}, {590, 590}, {594, 594}}, {"kminputerror", "notesinfo"}},
        {"mxfind", {{626, 626}, {639, 642}}, {"datagrid", "dateerror", "noteinfo", "pz", "pzhtoobig", "sum"}},
        {"frmzyx_yj", {{649, 649}, {652, 652}, {655, 655}, {658, 658}, {661, 661}},
         {"date", "intger", "notesinfo", "num", "text"}},
        {"frmkjyl", {}, {"enddate", "periad", "startdate"}},
        {"yujmod", {{811, 812}}, {"day"}},
        {"zwconst", {{251, 255}}, {}},
    };
    return modules;
}

QStringList componentKeys()
{
    QStringList keys;
    for (const ModuleKeys &m : componentModules()) {
        const QString head = QStringLiteral("R7.GL.QXMXZ.%1.").arg(QString::fromLatin1(m.module));
        for (const auto &[first, last] : m.numbers)
            for (int n = first; n <= last; ++n)
                keys << head + QStringLiteral("%1").arg(n, 5, 10, QLatin1Char('0'));
        for (const char *item : m.items)
            keys << head + QString::fromLatin1(item);
    }
    return keys;
}

// Keys of the sibling libraries, of the general-ledger public object and of
// the command line.
QStringList productKeys()
{
    QStringList keys;
    for (const char *key : {"JeType", "SlJeType", "WbJeType", "SlWbType", "Dir.Debit", "Dir.Credit", "Dir.Balanced",
                            "MonthTotal", "YearToDate", "PeriodTotal", "Cumulative", "PeriodText", "MonthText",
                            "Right.GL0305", "Right.GL0306", "Right.GL030101", "Right.GL0301", "Right.GL030102",
                            "Right.GL030103", "Right.GL03050102", "Right.GL03050103", "Right.GL03050104",
                            "Right.GL03050105", "Right.GL0312", "Right.GL0401", "Right.GL0403", "Right.GL0308",
                            "Right.Unknown"})
        keys << QStringLiteral("R7.GL.VSZZPUB.") + QString::fromLatin1(key);
    keys << QStringLiteral("R7.GL.clscoderemark.notesinfo");
    for (const char *item : {"usage", "unknowncommand", "unknownoption", "missingargument", "badvalue",
                             "cannotopendb", "missingtable", "unknownaccount", "noendaccounts", "badperiod",
                             "reversedperiods", "nodatayear", "badcode", "unknownuser", "cannotwrite",
                             "demo.created", "demo.lines", "stopped", "timings", "accounts.code", "accounts.name",
                             "accounts.grade", "accounts.end", "accounts.currency", "accounts.unit",
                             "accounts.opening", "accounts.direction", "yes", "no"})
        keys << QStringLiteral("QXMXZ.cli.") + QString::fromLatin1(item);
    keys << QStringLiteral("QXMXZ.entry.nowindowhost");
    return keys;
}

// The number of arguments each caller passes; every other key takes none.
const std::map<QString, int> &argumentCounts()
{
    static const std::map<QString, int> counts = {
        {QStringLiteral("R7.GL.QXMXZ.mxzdll.cannotexecute"), 1},
        {QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum"), 2},
        {QStringLiteral("R7.GL.QXMXZ.mxzdll.notfoundmodal"), 1},
        {QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornodepright"), 1},
        {QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornoright"), 1},
        {QStringLiteral("R7.GL.QXMXZ.mxzdll.youhavenotright"), 1},
        {QStringLiteral("R7.GL.QXMXZ.mmxz.numyear"), 1},
        {QStringLiteral("R7.GL.QXMXZ.basgrwl.numyear"), 1},
        {QStringLiteral("R7.GL.QXMXZ.kmmx.curproccpz1"), 2},
        {QStringLiteral("R7.GL.QXMXZ.kmmx.curproccpzfl"), 4},
        {QStringLiteral("R7.GL.QXMXZ.clsmxzhb.curproccpz"), 2},
        {QStringLiteral("R7.GL.QXMXZ.clsmxz.nohavequeryright"), 1},
        {QStringLiteral("R7.GL.VSZZPUB.PeriodTotal"), 1},
        {QStringLiteral("R7.GL.VSZZPUB.PeriodText"), 2},
        {QStringLiteral("R7.GL.VSZZPUB.MonthText"), 1},
        {QStringLiteral("R7.GL.VSZZPUB.Right.Unknown"), 1},
        {QStringLiteral("QXMXZ.cli.unknowncommand"), 1},
        {QStringLiteral("QXMXZ.cli.unknownoption"), 1},
        {QStringLiteral("QXMXZ.cli.missingargument"), 1},
        {QStringLiteral("QXMXZ.cli.badvalue"), 2},
        {QStringLiteral("QXMXZ.cli.cannotopendb"), 2},
        {QStringLiteral("QXMXZ.cli.missingtable"), 1},
        {QStringLiteral("QXMXZ.cli.unknownaccount"), 1},
        {QStringLiteral("QXMXZ.cli.noendaccounts"), 1},
        {QStringLiteral("QXMXZ.cli.badperiod"), 1},
        {QStringLiteral("QXMXZ.cli.reversedperiods"), 2},
        {QStringLiteral("QXMXZ.cli.nodatayear"), 1},
        {QStringLiteral("QXMXZ.cli.badcode"), 1},
        {QStringLiteral("QXMXZ.cli.unknownuser"), 1},
        {QStringLiteral("QXMXZ.cli.cannotwrite"), 2},
        {QStringLiteral("QXMXZ.cli.demo.created"), 1},
        {QStringLiteral("QXMXZ.cli.demo.lines"), 1},
        {QStringLiteral("QXMXZ.cli.timings"), 3},
    };
    return counts;
}

const ResourceTexts &chinese() { return ResourceTexts::forLanguage(QStringLiteral("zh-CN")); }
const ResourceTexts &english() { return ResourceTexts::forLanguage(QStringLiteral("en-US")); }

QSet<int> placeholderNumbers(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    QSet<int> numbers;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        numbers.insert(match.captured(1).toInt());
    return numbers;
}

TEST(ResourceTextFiles, BothLanguagesHoldTheSameKeysOnceEach)
{
    const QStringList zh = chinese().keys();
    const QStringList en = english().keys();
    ASSERT_FALSE(zh.isEmpty());
    const QSet<QString> zhSet(zh.begin(), zh.end());
    const QSet<QString> enSet(en.begin(), en.end());
    for (const QString &key : zhSet - enSet)
        ADD_FAILURE() << "only in zh-CN: " << key.toStdString();
    for (const QString &key : enSet - zhSet)
        ADD_FAILURE() << "only in en-US: " << key.toStdString();
    EXPECT_TRUE(chinese().duplicateKeys().isEmpty()) << chinese().duplicateKeys().join(u' ').toStdString();
    EXPECT_TRUE(english().duplicateKeys().isEmpty()) << english().duplicateKeys().join(u' ').toStdString();
}

TEST(ResourceTextFiles, TheKeyListOfTheComponentIsComplete)
{
    const QStringList keys = componentKeys();
    // Guards the table above against a slip in a range.
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), 246);
    EXPECT_EQ(keys.size(), 246);
    for (const ResourceTexts *texts : {&chinese(), &english()})
        for (const QString &key : keys) {
            EXPECT_TRUE(texts->contains(key)) << texts->language().toStdString() << " lacks " << key.toStdString();
            EXPECT_FALSE(texts->text(key).trimmed().isEmpty())
                << texts->language().toStdString() << " has no text for " << key.toStdString();
        }
}

TEST(ResourceTextFiles, TheProductsOwnKeysHaveTexts)
{
    for (const ResourceTexts *texts : {&chinese(), &english()})
        for (const QString &key : productKeys()) {
            EXPECT_TRUE(texts->contains(key)) << texts->language().toStdString() << " lacks " << key.toStdString();
            EXPECT_FALSE(texts->text(key).trimmed().isEmpty())
                << texts->language().toStdString() << " has no text for " << key.toStdString();
        }
}

TEST(ResourceTextFiles, NoKeyOutsideTheKnownLists)
{
    QStringList known = componentKeys() + productKeys();
    const QSet<QString> knownSet(known.begin(), known.end());
    for (const QString &key : chinese().keys())
        EXPECT_TRUE(knownSet.contains(key)) << "a text for an unknown key: " << key.toStdString();
}

TEST(ResourceTextFiles, PlaceholdersMatchTheArgumentsOfTheCallers)
{
    for (const ResourceTexts *texts : {&chinese(), &english()})
        for (const QString &key : texts->keys()) {
            const auto found = argumentCounts().find(key);
            const int count = found == argumentCounts().end() ? 0 : found->second;
            QSet<int> expected;
            for (int n = 1; n <= count; ++n)
                expected.insert(n);
            EXPECT_EQ(placeholderNumbers(texts->text(key)), expected)
                << texts->language().toStdString() << " " << key.toStdString() << ": "
                << texts->text(key).toStdString();
        }
    for (const auto &[key, count] : argumentCounts())
        EXPECT_TRUE(chinese().contains(key)) << key.toStdString();
}

TEST(ResourceTextFiles, EnglishTextsHoldNoChinese)
{
    for (const QString &key : english().keys()) {
        const QString text = english().text(key);
        const bool hasChinese = std::any_of(text.begin(), text.end(), [](QChar c) {
            return c.script() == QChar::Script_Han || (c.unicode() >= 0x3000 && c.unicode() <= 0x303F) ||
                   (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF);
        });
        EXPECT_FALSE(hasChinese) << key.toStdString() << ": " << text.toStdString();
    }
}

// Texts that other code compares with each other must agree.
TEST(ResourceTextFiles, TextsThatCodeComparesAgree)
{
    for (const ResourceTexts *texts : {&chinese(), &english()}) {
        const std::string language = texts->language().toStdString();
        const auto text = [texts](const char *key) { return texts->text(QString::fromLatin1(key)); };

        // The voucher drill-down finds its right by the window caption.
        EXPECT_EQ(text("R7.GL.QXMXZ.mxz.mxz"), text("R7.GL.QXMXZ.mmxz.00133")) << language;
        QSet<QString> captions;
        for (const char *key : {"R7.GL.QXMXZ.mmxz.00133", "R7.GL.QXMXZ.mmxz.00134", "R7.GL.QXMXZ.mmxz.00135",
                                "R7.GL.QXMXZ.mmxz.00136", "R7.GL.QXMXZ.mmxz.00137"})
            captions.insert(text(key));
        EXPECT_EQ(captions.size(), 5) << language;

        // A display request selects its book style by this text.
        EXPECT_EQ(text("R7.GL.QXMXZ.clsmxz.cashstyle"), text("R7.GL.VSZZPUB.JeType")) << language;
        QSet<QString> styles;
        for (const char *key : {"R7.GL.VSZZPUB.JeType", "R7.GL.VSZZPUB.SlJeType", "R7.GL.VSZZPUB.WbJeType",
                                "R7.GL.VSZZPUB.SlWbType"})
            styles.insert(text(key));
        EXPECT_EQ(styles.size(), 4) << language;

        // The merged ledger tells a query from a print run by these two.
        EXPECT_NE(text("R7.GL.QXMXZ.clsmxzhb.query"), text("R7.GL.QXMXZ.clsmxzhb.00786")) << language;

        // The month fill recognises opening rows by their summary.
        EXPECT_NE(text("R7.GL.QXMXZ.kmmx.qcye"), text("R7.GL.QXMXZ.kmmx.snjz")) << language;

        // The item picker tells the four item types apart by these texts.
        QSet<QString> types;
        for (const char *key : {"R7.GL.QXMXZ.frmzyx_yj.text", "R7.GL.QXMXZ.frmzyx_yj.date",
                                "R7.GL.QXMXZ.frmzyx_yj.intger", "R7.GL.QXMXZ.frmzyx_yj.num"})
            types.insert(text(key));
        EXPECT_EQ(types.size(), 4) << language;

        // The direction words are distinct.
        QSet<QString> directions;
        for (const char *key : {"R7.GL.VSZZPUB.Dir.Debit", "R7.GL.VSZZPUB.Dir.Credit", "R7.GL.VSZZPUB.Dir.Balanced"})
            directions.insert(text(key));
        EXPECT_EQ(directions.size(), 3) << language;
    }

    // In Chinese the item types read as the type words stored with the items,
    // and the direction words are the ledger's own.
    const auto zh = [](const char *key) { return chinese().text(QString::fromLatin1(key)); };
    EXPECT_EQ(zh("R7.GL.QXMXZ.frmzyx_yj.text"), QString::fromUtf8("文本"));
    EXPECT_EQ(zh("R7.GL.QXMXZ.frmzyx_yj.date"), QString::fromUtf8("日期"));
    EXPECT_EQ(zh("R7.GL.QXMXZ.frmzyx_yj.num"), QString::fromUtf8("数字"));
    EXPECT_EQ(zh("R7.GL.QXMXZ.frmzyx_yj.intger"), QString::fromUtf8("整型"));
    EXPECT_EQ(zh("R7.GL.VSZZPUB.Dir.Debit"), QString::fromUtf8("借"));
    EXPECT_EQ(zh("R7.GL.VSZZPUB.Dir.Credit"), QString::fromUtf8("贷"));
    EXPECT_EQ(zh("R7.GL.VSZZPUB.Dir.Balanced"), QString::fromUtf8("平"));
    EXPECT_EQ(zh("R7.GL.VSZZPUB.JeType"), QString::fromUtf8("金额式"));
    EXPECT_EQ(zh("R7.GL.VSZZPUB.SlJeType"), QString::fromUtf8("数量金额式"));
    EXPECT_EQ(zh("R7.GL.VSZZPUB.WbJeType"), QString::fromUtf8("外币金额式"));
    EXPECT_EQ(zh("R7.GL.VSZZPUB.SlWbType"), QString::fromUtf8("数量外币式"));
}

TEST(ResourceTextFiles, MessagesWithArgumentsReadAsWholeSentences)
{
    EXPECT_EQ(english().text(QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum"),
                             {english().text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00320")), QStringLiteral("0")}),
              QStringLiteral("The print control returned an unrecognised result.\nError code: 0"));
    EXPECT_EQ(chinese().text(QStringLiteral("R7.GL.QXMXZ.kmmx.curproccpzfl"),
                             {QStringLiteral("1002"), QStringLiteral("2026-03-05"), QString::fromUtf8("记-0007"),
                              QStringLiteral("2")}),
              QString::fromUtf8("正在处理：科目 1002  日期 2026-03-05  凭证 记-0007  第 2 行"));
    EXPECT_EQ(chinese().text(QStringLiteral("R7.GL.VSZZPUB.PeriodTotal"),
                             {chinese().text(QStringLiteral("R7.GL.VSZZPUB.PeriodText"),
                                             {QStringLiteral("2026"), QStringLiteral("03")})}),
              QString::fromUtf8("2026.03 本期合计"));
}

} // namespace
} // namespace qxmxz
