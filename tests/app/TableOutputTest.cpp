// What the command line writes of a table for machine readers: CSV fields
// quoted only where they must be, JSON strings escaped, typed values written
// as numbers, truth values and nulls, and a table longer than one piece of
// output written whole.

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "qxmxz/TableOutput.h"

using namespace qxmxz;
using namespace qxmxz::cli;

namespace {

const QStringList awkwardTexts{QStringLiteral("收到货款"), QStringLiteral("a,b"), QStringLiteral("say \"hi\""),
                               QStringLiteral("two\nlines"), QStringLiteral("back\\slash\ttab\x01")};

// Column 0 the awkward text of the row, 1 a money figure, 2 a count, 3 a truth value, 4 nothing.
TableSource typedTable(qsizetype rows)
{
    TableSource table;
    table.keys = {QStringLiteral("text"), QStringLiteral("amount"), QStringLiteral("count"), QStringLiteral("posted"),
                  QStringLiteral("none")};
    table.headings = table.keys;
    table.rowCount = rows;
    table.cell = [](qsizetype, int) { return QString(); };
    table.typedCell = [](qsizetype row, int column) -> TypedCell {
        switch (column) {
        case 0: return TypedCell(awkwardTexts[row % awkwardTexts.size()]);
        case 1: return TypedCell(-1234.5 - double(row), 2);
        case 2: return TypedCell::whole(row);
        case 3: return TypedCell::boolean(row % 2 == 0);
        }
        return {};
    };
    return table;
}

QByteArray written(const TableSource &table, TableFormat format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTable(table, format, buffer);
    return buffer.data();
}

TEST(TableOutput, CsvQuotesOnlyTheFieldsThatNeedItAndWritesTypedValuesPlainly)
{
    const QByteArray csv = written(typedTable(5), TableFormat::Csv);
    const QByteArray expected = "\xEF\xBB\xBF"
                                "text,amount,count,posted,none\r\n" +
                                QStringLiteral("收到货款").toUtf8() +
                                ",-1234.50,0,true,\r\n"
                                "\"a,b\",-1235.50,1,false,\r\n"
                                "\"say \"\"hi\"\"\",-1236.50,2,true,\r\n"
                                "\"two\nlines\",-1237.50,3,false,\r\n"
                                "back\\slash\ttab\x01,-1238.50,4,true,\r\n";
    EXPECT_EQ(csv, expected);
}

TEST(TableOutput, JsonReadsBackAsTheTypedValuesWhateverTheTextsHold)
{
    const qsizetype rows = 20000; // several pieces of output
    const QByteArray json = written(typedTable(rows), TableFormat::Json);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray array = document.array();
    ASSERT_EQ(array.size(), rows);
    for (qsizetype r : {qsizetype(0), qsizetype(3), qsizetype(4), rows - 1}) {
        const QJsonObject row = array[r].toObject();
        EXPECT_EQ(row[QStringLiteral("text")].toString(), awkwardTexts[r % awkwardTexts.size()]) << r;
        EXPECT_DOUBLE_EQ(row[QStringLiteral("amount")].toDouble(), -1234.5 - double(r));
        EXPECT_EQ(row[QStringLiteral("count")].toInteger(), r);
        EXPECT_EQ(row[QStringLiteral("posted")].toBool(), r % 2 == 0);
        EXPECT_TRUE(row[QStringLiteral("none")].isNull());
    }
    // Amounts keep their two decimals in the text itself, as in CSV.
    EXPECT_TRUE(json.contains("\"amount\":-1234.50,"));
}

TEST(TableOutput, ACsvGoingOnFromAnotherHasNoMarkAndNoHeading)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTable(typedTable(1), TableFormat::Csv, buffer, true);
    EXPECT_EQ(buffer.data(), QStringLiteral("收到货款,-1234.50,0,true,\r\n").toUtf8());
}

} // namespace
