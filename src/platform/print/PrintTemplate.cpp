#include "PrintTemplate.h"

#include <QFile>
#include <QRegularExpression>

#include "PrintResultCodes.h"

namespace qxmxz {

namespace {

bool parseField(const QString &text, TemplateField &field)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(first|second)\.t([1-6])$)"));
    const auto m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    field.footingTable = m.captured(1) == u"second";
    field.number = m.captured(2).toInt();
    return true;
}

bool parseFields(const QString &text, QList<TemplateField> &fields)
{
    fields.clear();
    for (const QString &piece : text.split(u'|')) {
        TemplateField field;
        if (!parseField(piece, field))
            return false;
        fields << field;
    }
    return true;
}

bool parseFont(const QString &text, QString &family, double &size)
{
    const int space = text.lastIndexOf(u' ');
    if (space <= 0)
        return false;
    bool ok = false;
    const double points = text.mid(space + 1).toDouble(&ok);
    if (!ok || points < 4 || points > 72)
        return false;
    family = text.left(space).trimmed();
    size = points;
    return true;
}

bool parsePage(const QString &text, QPageSize &size)
{
    static const QList<std::pair<QString, QPageSize::PageSizeId>> sizes{
        {QStringLiteral("a3"), QPageSize::A3},     {QStringLiteral("a4"), QPageSize::A4},
        {QStringLiteral("a5"), QPageSize::A5},     {QStringLiteral("b5"), QPageSize::B5},
        {QStringLiteral("letter"), QPageSize::Letter}, {QStringLiteral("legal"), QPageSize::Legal}};
    for (const auto &[name, id] : sizes)
        if (text.compare(name, Qt::CaseInsensitive) == 0) {
            size = QPageSize(id);
            return true;
        }
    return false;
}

} // namespace

QPageLayout PrintTemplate::pageLayout() const
{
    return QPageLayout(pageSize, orientation, marginsMm, QPageLayout::Millimeter);
}

int parsePrintTemplate(const QString &text, PrintTemplate &out, QString *problem)
{
    PrintTemplate t;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (const int hash = line.indexOf(u'#'); hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const int equals = line.indexOf(u'=');
        bool ok = equals > 0;
        const QString key = ok ? line.left(equals).trimmed().toLower() : QString();
        const QString value = ok ? line.mid(equals + 1).trimmed() : QString();
        if (!ok) {
        } else if (key == u"page") {
            ok = parsePage(value, t.pageSize);
        } else if (key == u"orientation") {
            ok = value == u"landscape" || value == u"portrait";
            t.orientation = value == u"portrait" ? QPageLayout::Portrait : QPageLayout::Landscape;
        } else if (key == u"margins") {
            const QStringList parts = value.split(u' ', Qt::SkipEmptyParts);
            QList<double> mm;
            for (const QString &p : parts) {
                bool number = false;
                const double v = p.toDouble(&number);
                if (number && v >= 0 && v <= 60)
                    mm << v;
            }
            ok = mm.size() == 4 && parts.size() == 4;
            if (ok)
                t.marginsMm = QMarginsF(mm[0], mm[1], mm[2], mm[3]);
        } else if (key == u"font") {
            ok = parseFont(value, t.fontFamily, t.fontSize);
        } else if (key == u"title-font") {
            ok = parseFont(value, t.titleFontFamily, t.titleFontSize);
        } else if (key == u"title") {
            ok = parseFields(value, t.title);
        } else if (key == u"heading" || key == u"footing") {
            QList<TemplateField> fields;
            ok = parseFields(value, fields);
            (key == u"heading" ? t.headingLines : t.footingLines) << fields;
        } else if (key == u"page-number") {
            ok = value.contains(QStringLiteral("%1"));
            t.pageNumberText = value;
        } else {
            ok = false;
        }
        if (!ok) {
            if (problem)
                *problem = QStringLiteral("line %1: %2").arg(i + 1).arg(lines[i].trimmed());
            return print::TemplateDamaged;
        }
    }
    out = t;
    return print::Done;
}

int loadPrintTemplate(const QString &printName, const QString &language, PrintTemplate &out)
{
    static const QRegularExpression safeName(QStringLiteral(R"(^[A-Za-z0-9_]+$)"));
    static const QRegularExpression safeLanguage(QStringLiteral(R"(^[A-Za-z-]*$)"));
    if (!safeName.match(printName).hasMatch() || !safeLanguage.match(language).hasMatch())
        return print::TemplateNotFound;
    QString folder = language.isEmpty() ? QStringLiteral("zh-CN") : language;
    QFile file(QStringLiteral(":/resources/print/%1/%2.rep").arg(folder, printName));
    if (!file.exists())
        file.setFileName(QStringLiteral(":/resources/print/zh-CN/%1.rep").arg(printName));
    if (!file.open(QIODevice::ReadOnly))
        return print::TemplateNotFound;
    return parsePrintTemplate(QString::fromUtf8(file.readAll()), out);
}

int loadPrintTemplatePath(const QString &path, PrintTemplate &out)
{
    if (path == u"printdef") {
        out = PrintTemplate{};
        out.headingLines = {{TemplateField{false, 2}, TemplateField{false, 3}, TemplateField{false, 4}}};
        return print::Done;
    }
    QStringList parts = QString(path).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front() == u"GLRep")
        parts.removeFirst();
    if (parts.size() != 2 || !parts[1].endsWith(QStringLiteral(".rep")))
        return print::TemplateNotFound;
    return loadPrintTemplate(parts[1].chopped(4), parts[0], out);
}

} // namespace qxmxz
