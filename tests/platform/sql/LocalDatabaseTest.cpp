#include <gtest/gtest.h>

#include <QFileInfo>

#include "platform/Failure.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"
#include "platform/values/Currency.h"

using namespace qxmxz;

namespace {

const QString Ddl = QStringLiteral(
    "CREATE TABLE %1 (nian TEXT,yue TEXT,ccode TEXT,cdigest Memo,md Currency,nd_s Double,ibook BYTE,Flag BYTE,iListCount long);");

QVariant money(qint64 units) { return QVariant::fromValue(Currency::fromUnits(units)); }

} // namespace

TEST(LocalDatabase, LivesInAPrivateFolderRemovedWithTheSession)
{
    QString path;
    {
        LocalDatabase db;
        path = db.filePath();
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_EQ(QFileInfo(QFileInfo(path).path()).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(LocalDatabase, DynasetAddsReadsAndChangesRows)
{
    LocalDatabase db;
    for (const char *table : {"t1", "t2"}) { // the same index name on two tables is no conflict
        db.execute(Ddl.arg(QLatin1String(table)));
        db.execute(QStringLiteral("Create INDEX PrimaryKey ON %1 (ccode,yue)").arg(QLatin1String(table)));
    }
    DynasetRecordSet rs = db.openDynaset(QStringLiteral("t1"));
    const auto field = [&rs](const char *name) { return rs.field(QString::fromLatin1(name)); };
    for (int i = 0; i < 1500; ++i) {
        rs.addNew();
        rs.setField(QStringLiteral("ccode"), QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')));
        rs.setField(QStringLiteral("md"), money(i * 125));
        rs.setField(QStringLiteral("cdigest"), i % 2 ? QStringLiteral("付款") : QString());
        rs.update();
    }
    EXPECT_EQ(rs.recordCount(), 1500);
    rs.moveFirst();
    rs.move(1023); // across a read-ahead block
    EXPECT_EQ(field("ccode").toString(), QStringLiteral("1023"));
    EXPECT_EQ(rs.money(rs.fieldIndex(QStringLiteral("md"))), Currency::fromUnits(1023 * 125));
    EXPECT_EQ(field("cdigest").toString(), QStringLiteral("付款"));
    // Positions found once by name, and the whole row at once, read alike.
    const QList<int> at = rs.fieldPositions({QStringLiteral("md"), QStringLiteral("CCODE")});
    EXPECT_EQ(at, (QList<int>{rs.fieldIndex(QStringLiteral("md")), rs.fieldIndex(QStringLiteral("ccode"))}));
    EXPECT_EQ(rs.rowValues().value(at[1]).toString(), QStringLiteral("1023"));
    EXPECT_EQ(rs.rowValues().size(), rs.fieldCount());
    EXPECT_THROW(rs.fieldPositions({QStringLiteral("ccode"), QStringLiteral("nosuch")}), Failure);
    rs.edit();
    rs.setField(QStringLiteral("Flag"), 3);
    rs.update();
    EXPECT_EQ(field("ccode").toString(), QStringLiteral("1023")); // still on the edited row
    EXPECT_THROW(rs.setField(QStringLiteral("ccode"), 1), Failure); // without AddNew or Edit

    // Rows appended while reading on are seen.
    rs.moveLast();
    rs.addNew();
    rs.setField(2, QStringLiteral("new"));
    rs.update();
    rs.moveNext();
    EXPECT_EQ(field("ccode").toString(), QStringLiteral("new"));
    rs.moveNext();
    EXPECT_THROW(rs.field(0), Failure); // past the end

    DynasetRecordSet sorted = db.openDynaset(QStringLiteral("Select * from t1 where Flag = 3 order by ccode desc"));
    EXPECT_EQ(sorted.field(QStringLiteral("ccode")).toString(), QStringLiteral("1023"));
    EXPECT_THROW(sorted.addNew(), Failure);
}

// Rows written one after another share texts; each row must still read back
// as what it was given, as rows written by a record set of their own do.
TEST(LocalDatabase, RowsSharingTextsReadBackAsTheyWereWritten)
{
    LocalDatabase db;
    db.execute(Ddl.arg(QStringLiteral("shared")));
    db.execute(Ddl.arg(QStringLiteral("single")));
    const QString code = QStringLiteral("100201");
    const QString digest = QStringLiteral("付款");
    QString growing = QStringLiteral("a");
    const QString marked = QChar(0xFEFF) + QStringLiteral("标记");
    // Two texts over the same characters, of different lengths.
    static const QChar characters[] = {u'1', u'0', u'0', u'2'};
    const QString whole = QString::fromRawData(characters, 4), part = QString::fromRawData(characters, 3);
    const QList<QVariantList> rows = {
        {code, digest},          {code, QVariant()},      {code, digest},
        {QString(), digest},     {code, QString()},       {QVariant(7), digest},
        {code, marked},          {code, marked},          {code.left(4), digest.left(1)},
        {growing, growing},      {growing += u'b', growing}, {code, QVariant(2.5)},
        {whole, part},           {part, whole},           {code, digest},
    };
    DynasetRecordSet together = db.openDynaset(QStringLiteral("shared"));
    for (const QVariantList &row : rows) {
        together.addNew();
        together.setField(2, row[0]);
        together.setField(3, row[1]);
        together.update();
        DynasetRecordSet alone = db.openDynaset(QStringLiteral("single"));
        alone.addNew();
        alone.setField(2, row[0]);
        alone.setField(3, row[1]);
        alone.update();
    }
    const auto read = [&db](const char *table) {
        QStringList texts;
        DynasetRecordSet rs = db.openDynaset(
            QStringLiteral("Select ccode, cdigest, typeof(ccode), typeof(cdigest) from %1 order by rowid").arg(QLatin1String(table)));
        for (; !rs.eof(); rs.moveNext())
            texts << QStringList{rs.field(0).toString(), rs.field(1).toString(), rs.field(2).toString(), rs.field(3).toString()}.join(u'|');
        return texts;
    };
    const QStringList written = read("shared");
    EXPECT_EQ(written, read("single"));
    ASSERT_EQ(written.size(), rows.size());
    EXPECT_EQ(written[1], QStringLiteral("100201||text|null"));
    EXPECT_EQ(written[10], QStringLiteral("ab|ab|text|text"));
    EXPECT_EQ(written[13], QStringLiteral("100|1002|text|integer")); // a Memo column takes numbers as numbers
    EXPECT_EQ(written[14], QStringLiteral("100201|付款|text|text"));
}

TEST(LocalDatabase, TableSeeksOnItsCurrentIndex)
{
    LocalDatabase db;
    db.execute(Ddl.arg(QStringLiteral("y")));
    db.execute(QStringLiteral("CREATE INDEX ccode ON y (ccode,yue,Flag);"));
    TableRecordSet table = db.openTable(QStringLiteral("y"));
    table.setIndex(QStringLiteral("ccode"));
    const QVariantList key{QStringLiteral("1002"), QStringLiteral("03"), 0};
    EXPECT_FALSE(table.seek(key));
    table.addNew();
    for (const auto &[name, value] : {std::pair{"ccode", QVariant(QStringLiteral("1002"))}, {"yue", QStringLiteral("03")},
                                      {"Flag", 0}, {"md", money(50000)}})
        table.setField(QString::fromLatin1(name), value);
    table.update();
    ASSERT_TRUE(table.seek(key));
    table.edit();
    table.setField(QStringLiteral("md"), money(table.money(QStringLiteral("md")).units() + 70000));
    table.update();
    ASSERT_TRUE(table.seek(key));
    EXPECT_EQ(table.money(QStringLiteral("md")), Currency::fromInteger(12));
    EXPECT_FALSE(table.seek({QStringLiteral("1002"), QStringLiteral("03"), 1}));
}

TEST(LocalDatabase, ARunCommitsOrRollsBackAsAWhole)
{
    LocalDatabase db;
    db.execute(Ddl.arg(QStringLiteral("r")));
    try {
        LocalRun run(db);
        db.execute(QStringLiteral("insert into r (ccode) values ('x')"));
        throw Failure(QStringLiteral("stop"));
    } catch (const Failure &) {
    }
    EXPECT_EQ(db.openDynaset(QStringLiteral("r")).recordCount(), 0);
    {
        LocalRun run(db);
        db.execute(QStringLiteral("insert into r (ccode) values ('y')"));
    }
    EXPECT_EQ(db.openDynaset(QStringLiteral("r")).recordCount(), 1);
}
