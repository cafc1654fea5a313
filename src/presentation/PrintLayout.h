#pragma once

#include <QList>
#include <QString>

namespace qxmxz {

class GlPublic;

// One row of a page layout of GL_mybooktype.
struct PageLayoutField {
    int fieldId = 0;
    int lines = 0;        // itable_line: the ledger lines a page holds
    QString fieldName;
    int width = 0;

    friend bool operator==(const PageLayoutField &, const PageLayoutField &) = default;
};

// The print layout of a ledger in a book style.
struct PrintLayout {
    QString templateName;             // with the template: e.g. "GLMxzJe"
    int layoutId = 0;                 // without it: the GL_mybooktype layout, 0 when there is none
    QList<PageLayoutField> pageFields; // the layout's rows, in field order
};

// The GL_mybooktype layout of a print table ("GLMxz", "GLRjz", "GLSl",
// "GLYeb") in a book style; 0 for another table and for "外币金额式", which
// has no page layout of its own.
int printLayoutId(const QString &printTable, const QString &styleText);

// The print table's name extended by the style's code ("GLMxz" and "金额式"
// give "GLMxzJe"); "GLXs", "GLRbb" and "GLRbd" stay as they are. An unknown
// style text leaves the name as it is.
QString printTemplateName(const QString &printTable, const QString &styleText);

// With `useTemplate`, the template name of the print table and style; without
// it, the layout identifier and the rows of that layout of GL_mybooktype
// (none for a table or style without a layout). The print path applies
// either.
PrintLayout ResolvePrintLayout(GlPublic &pub, const QString &printTable, const QString &styleText, bool useTemplate);

} // namespace qxmxz
