// The ".rep" templates: every print name the ledgers use exists in both
// languages, and a broken or missing template is a result code.

#include <gtest/gtest.h>

#include "platform/print/PrintResultCodes.h"
#include "platform/print/PrintTemplate.h"

using namespace qxmxz;

TEST(PrintTemplate, EveryLedgerPrintNameHasATemplateInEachLanguage)
{
    for (const char *language : {"zh-CN", "en-US"})
        for (const char *book : {"GLMxz", "GLZz", "GLSl"})
            for (const char *style : {"Je", "Sl", "Wb", "SlWb"}) {
                const QString name = QString::fromLatin1(book) + QString::fromLatin1(style);
                SCOPED_TRACE(name.toStdString() + " " + language);
                PrintTemplate t;
                EXPECT_EQ(loadPrintTemplate(name, QString::fromLatin1(language), t), print::Done);
                EXPECT_FALSE(t.headingLines.isEmpty());
                EXPECT_TRUE(t.pageNumberText.contains(QStringLiteral("%2")));
            }
    PrintTemplate english;
    ASSERT_EQ(loadPrintTemplatePath(QStringLiteral("GLRep\\en-US\\GLMxzJe.rep"), english), print::Done);
    EXPECT_EQ(english.pageNumberText, QStringLiteral("page %1 of %2"));
    EXPECT_EQ(english.orientation, QPageLayout::Landscape);
}

TEST(PrintTemplate, ReadsItsKeysAndRefusesWhatItDoesNotKnow)
{
    PrintTemplate t;
    ASSERT_EQ(parsePrintTemplate(QStringLiteral("page = A3 # big\norientation = portrait\nmargins = 5 6 7 8\n"
                                                "font = Noto Sans CJK SC 9.5\nheading = first.t2 | second.t6\n"),
                                 t),
              print::Done);
    EXPECT_EQ(t.pageSize.id(), QPageSize::A3);
    EXPECT_EQ(t.orientation, QPageLayout::Portrait);
    EXPECT_EQ(t.marginsMm, QMarginsF(5, 6, 7, 8));
    EXPECT_EQ(t.fontFamily, QStringLiteral("Noto Sans CJK SC"));
    EXPECT_DOUBLE_EQ(t.fontSize, 9.5);
    ASSERT_EQ(t.headingLines.size(), 1);
    EXPECT_TRUE(t.headingLines[0][1].footingTable);
    EXPECT_EQ(t.headingLines[0][1].number, 6);

    for (const char *bad : {"page = A9", "heading = first.t7", "margins = 1 2 3", "colour = red", "font = 12", "no equals sign"}) {
        QString problem;
        PrintTemplate kept;
        EXPECT_EQ(parsePrintTemplate(QString::fromLatin1(bad), kept, &problem), print::TemplateDamaged) << bad;
        EXPECT_TRUE(problem.contains(QStringLiteral("line 1"))) << bad;
    }
    EXPECT_EQ(loadPrintTemplate(QStringLiteral("GLNone"), QStringLiteral("zh-CN"), t), print::TemplateNotFound);
    EXPECT_EQ(loadPrintTemplate(QStringLiteral("../texts/zh-CN"), QStringLiteral("zh-CN"), t), print::TemplateNotFound);
    EXPECT_EQ(loadPrintTemplatePath(QStringLiteral("GLRep\\zh-CN\\GLNone.rep"), t), print::TemplateNotFound);
    EXPECT_EQ(loadPrintTemplatePath(QStringLiteral("printdef"), t), print::Done);
}
