// The message for each result code of the print control.

#include "services/PrintResult.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz {
namespace {

class PrintResultTest : public ::testing::Test {
protected:
    // The boxes one code raises.
    QList<MessageBoxRequest> boxesFor(int code, std::optional<int> kind = std::nullopt)
    {
        const qsizetype before = pub.recordedMessages().size();
        if (kind)
            ReportPrintResult(pub, code, *kind);
        else
            ReportPrintResult(pub, code);
        return pub.recordedMessages().mid(before);
    }

    QString expectedPrompt(const QString &item, int code) const
    {
        return pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum"), {item, QString::number(code)});
    }

    // Checks that the code raises one stop box with the text of the key.
    void expectKey(int code, const char *key)
    {
        SCOPED_TRACE(code);
        const QString k = QString::fromLatin1(key);
        ASSERT_TRUE(pub.texts().contains(k)) << key;
        expectItem(code, pub.text(k));
    }

    void expectItem(int code, const QString &item)
    {
        SCOPED_TRACE(code);
        const QList<MessageBoxRequest> boxes = boxesFor(code);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].prompt, expectedPrompt(item, code));
        EXPECT_EQ(boxes[0].title, pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo")));
        EXPECT_EQ(boxes[0].buttons, 16);
        EXPECT_TRUE(boxes[0].helpFile.isEmpty());
        EXPECT_EQ(boxes[0].helpContext, 0);
    }

    GlPublic pub;
};

TEST_F(PrintResultTest, CodesAtEachRangeBoundary)
{
    expectKey(-1, "R7.GL.QXMXZ.mxzdll.00259");
    expectKey(0, "R7.GL.QXMXZ.mxzdll.00320");
    expectKey(1, "R7.GL.QXMXZ.mxzdll.00260");
    expectKey(5, "R7.GL.QXMXZ.mxzdll.00264");
    expectKey(7, "R7.GL.QXMXZ.mxzdll.00265");
    expectKey(34, "R7.GL.QXMXZ.mxzdll.00292");
    expectKey(36, "R7.GL.QXMXZ.mxzdll.00293");
    expectKey(47, "R7.GL.QXMXZ.mxzdll.00304");
    expectKey(49, "R7.GL.QXMXZ.mxzdll.00305");
    expectKey(51, "R7.GL.QXMXZ.mxzdll.00307");
    expectKey(53, "R7.GL.QXMXZ.mxzdll.00308");
    expectKey(59, "R7.GL.QXMXZ.mxzdll.00314");
    expectKey(62, "R7.GL.QXMXZ.mxzdll.00315");
    expectKey(63, "R7.GL.QXMXZ.mxzdll.00316");
    expectKey(65, "R7.GL.QXMXZ.mxzdll.00317");
    expectKey(66, "R7.GL.QXMXZ.mxzdll.00318");
    expectKey(1001, "R7.GL.QXMXZ.mxzdll.00319");
}

TEST_F(PrintResultTest, FixedWordsForFourCodes)
{
    expectItem(48, QStringLiteral("Type1ScareType"));
    expectItem(60, QStringLiteral("WAGEBARSCAREELEMENT"));
    expectItem(61, QStringLiteral("WAGEBARFITPRINT"));
    expectItem(64, QStringLiteral("ScareBodyGrid"));
}

TEST_F(PrintResultTest, UnknownCodesShowTheGeneralText)
{
    for (int code : {-2, -1000, INT_MIN, 68, 500, 999, 1004, 5000, INT_MAX})
        expectKey(code, "R7.GL.QXMXZ.mxzdll.00320");
}

TEST_F(PrintResultTest, SomeCodesShowNothing)
{
    for (int code : {6, 35, 52, 67, 1000, 1002, 1003}) {
        EXPECT_TRUE(boxesFor(code).isEmpty()) << code;
        for (int kind : {1, 2, 3})
            EXPECT_TRUE(boxesFor(code, kind).isEmpty()) << code << " kind " << kind;
    }
    EXPECT_TRUE(pub.recordedMessages().isEmpty());
}

TEST_F(PrintResultTest, Codes1001And1004Differ)
{
    const QList<MessageBoxRequest> a = boxesFor(1001);
    const QList<MessageBoxRequest> b = boxesFor(1004);
    ASSERT_EQ(a.size(), 1);
    ASSERT_EQ(b.size(), 1);
    EXPECT_NE(pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00319")), pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00320")));
    EXPECT_EQ(a[0].prompt, expectedPrompt(pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00319")), 1001));
    EXPECT_EQ(b[0].prompt, expectedPrompt(pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00320")), 1004));
}

TEST_F(PrintResultTest, TheKindNeverChangesTheBox)
{
    for (int code : {-1, 0, 17, 48, 1001, 2000}) {
        const QList<MessageBoxRequest> omitted = boxesFor(code);
        ASSERT_EQ(omitted.size(), 1);
        for (int kind : {1, 2, 3}) {
            const QList<MessageBoxRequest> given = boxesFor(code, kind);
            ASSERT_EQ(given.size(), 1);
            EXPECT_EQ(given[0].prompt, omitted[0].prompt);
            EXPECT_EQ(given[0].title, omitted[0].title);
            EXPECT_EQ(given[0].buttons, omitted[0].buttons);
        }
    }
}

// Codes 1 to 66 that have a text of their own use each of the keys 00260 to
// 00318 exactly once, in rising order.
TEST_F(PrintResultTest, CodesOneToSixtySixCoverTheirKeysOnce)
{
    std::set<int> used;
    int previous = 0;
    for (int code = 1; code <= 66; ++code) {
        const QList<MessageBoxRequest> boxes = boxesFor(code);
        if (boxes.isEmpty())
            continue;
        int found = 0;
        for (int number = 260; number <= 318 && !found; ++number) {
            const QString key = QStringLiteral("R7.GL.QXMXZ.mxzdll.00%1").arg(number);
            if (boxes[0].prompt == expectedPrompt(pub.text(key), code))
                found = number;
        }
        if (!found)
            continue; // one of the fixed words
        EXPECT_GT(found, previous) << code;
        EXPECT_TRUE(used.insert(found).second) << code;
        previous = found;
    }
    EXPECT_EQ(used.size(), 318u - 260u + 1u);
}

} // namespace
} // namespace qxmxz
