#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace qxmxz {

// A page-header field: t1..t6 of the heading table ("first") or of the
// footing table ("second").
struct TemplateField {
    bool footingTable = false;
    int number = 1;
};

// A ".rep" print template: a small text file of "key = value" lines ('#'
// starts a comment).
//
//   page = A4                         A3, A4, A5, B5, Letter, Legal
//   orientation = landscape           or portrait
//   margins = 12 10 12 10             millimetres: left top right bottom
//   font = Noto Sans CJK SC 8         family, then the size in points
//   title-font = Noto Sans CJK SC 14
//   title = first.t1                  the field centred above the page
//   heading = first.t2 | first.t3 | first.t4   a line of fields: left | centre | right
//   footing = second.t1 | second.t2 | second.t3 | second.t4
//   page-number = page %1 of %2
//
// Heading lines come in the order written; fields of a line spread evenly,
// the first left-aligned, the last right-aligned.
struct PrintTemplate {
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    QMarginsF marginsMm{12, 10, 12, 10};
    QString fontFamily = QStringLiteral("Noto Sans CJK SC");
    double fontSize = 8;
    QString titleFontFamily = QStringLiteral("Noto Sans CJK SC");
    double titleFontSize = 14;
    QList<TemplateField> title{TemplateField{false, 1}};
    QList<QList<TemplateField>> headingLines;
    QList<QList<TemplateField>> footingLines;
    QString pageNumberText = QStringLiteral("%1 / %2");

    QPageLayout pageLayout() const;
};

// Reads a template's text. Returns print::Done, or print::TemplateDamaged
// with the offending line in `problem`.
int parsePrintTemplate(const QString &text, PrintTemplate &out, QString *problem = nullptr);

// The template of a print name ("GLMxzJe") in a language folder ("zh-CN"),
// from the templates that travel with the component; a language without its
// own folder reads zh-CN. Returns print::Done, print::TemplateNotFound or
// print::TemplateDamaged.
int loadPrintTemplate(const QString &printName, const QString &language, PrintTemplate &out);

// The same for a template path as the print-template record gives it
// ("GLRep\en-US\GLMxzJe.rep"); "printdef" is the built-in default layout.
int loadPrintTemplatePath(const QString &path, PrintTemplate &out);

} // namespace qxmxz
