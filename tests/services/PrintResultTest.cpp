// The message for each result code of the print control.

#include "services/PrintResult.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/outside/GlPublic.h"
#include "support/Printers.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz {
namespace {

// The text a code names: a resource key of the component, a fixed word, or
// nothing when the code shows no message.
struct Expected {
    int code;
    const char *item;
};

TEST(ReportPrintResult, EachRangeBoundaryRaisesItsTextUnderTheComponentTitle)
{
    const Expected table[] = {
        {INT_MIN, "00320"}, {-2, "00320"}, {-1, "00259"}, {0, "00320"}, {1, "00260"}, {5, "00264"}, {6, ""},
        {7, "00265"}, {34, "00292"}, {35, ""}, {36, "00293"}, {47, "00304"}, {48, "=Type1ScareType"},
        {49, "00305"}, {51, "00307"}, {52, ""}, {53, "00308"}, {59, "00314"}, {60, "=WAGEBARSCAREELEMENT"},
        {61, "=WAGEBARFITPRINT"}, {62, "00315"}, {63, "00316"}, {64, "=ScareBodyGrid"}, {65, "00317"},
        {66, "00318"}, {67, ""}, {68, "00320"}, {999, "00320"}, {1000, ""}, {1001, "00319"}, {1002, ""},
        {1003, ""}, {1004, "00320"}, {INT_MAX, "00320"},
    };
    GlPublic pub;
    ASSERT_NE(pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00319")), pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00320")));
    for (const Expected &e : table) {
        SCOPED_TRACE(e.code);
        const QString item = QString::fromLatin1(e.item);
        for (std::optional<int> kind : {std::optional<int>(), std::optional<int>(1), std::optional<int>(3)}) {
            const qsizetype before = pub.recordedMessages().size();
            if (kind)
                ReportPrintResult(pub, e.code, *kind);
            else
                ReportPrintResult(pub, e.code);
            const QList<MessageBoxRequest> boxes = pub.recordedMessages().mid(before);
            if (item.isEmpty()) {
                EXPECT_TRUE(boxes.isEmpty());
                continue;
            }
            const QString key = QStringLiteral("R7.GL.QXMXZ.mxzdll.") + item;
            ASSERT_TRUE(item.startsWith(QLatin1Char('=')) || pub.texts().contains(key)) << e.item;
            const QString text = item.startsWith(QLatin1Char('=')) ? item.mid(1) : pub.text(key);
            ASSERT_EQ(boxes.size(), 1);
            EXPECT_EQ(boxes[0].prompt,
                      pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum"), {text, QString::number(e.code)}));
            EXPECT_EQ(boxes[0].title, pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo")));
            EXPECT_EQ(boxes[0].buttons, 16);
        }
    }
}

} // namespace
} // namespace qxmxz
