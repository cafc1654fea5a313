#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace qxmxz {

// The user-visible wording of the component, the general-ledger public object
// and the command line, by resource key, in one language.
//
// The texts live in resources/texts/<language>.tsv (UTF-8), compiled into the
// library as Qt resources. One entry per line: the key, a TAB, the text. Lines
// starting with "#" and empty lines are ignored. In a text "\n" stands for a
// line break, "\t" for a tab and "\\" for a backslash. Everything after the
// first TAB is the text as written, leading blanks included, so that a text
// that follows another on one line can begin with a blank. Placeholders are
// %1, %2, … in the order in which the caller passes its arguments.
class ResourceTexts {
public:
    // "zh-CN", "en-US" (also "en-us", "en"; letter case and "_" for "-" do not
    // matter); empty or unknown gives zh-CN. Each language is read once, on
    // first use, and shared by every caller.
    static const ResourceTexts &forLanguage(const QString &language);

    // A table read from the given TSV content instead of the compiled-in file.
    static ResourceTexts fromTsv(const QString &language, const QByteArray &utf8);

    // "zh-CN" or "en-US" for the shared tables; as given for fromTsv.
    QString language() const;

    // The text with %1, %2, … replaced by the arguments in order, in one pass
    // (an argument that itself holds "%2" stays as it is). A placeholder
    // without an argument is left visible. An unknown key yields the key
    // itself, so a missing text shows up and is never empty.
    QString text(const QString &key, const QStringList &arguments = {}) const;

    bool contains(const QString &key) const;
    // Every key of the table, sorted.
    QStringList keys() const;
    // Keys that occur on more than one line (the last line wins), for the
    // checks of the text files.
    QStringList duplicateKeys() const;

private:
    ResourceTexts() = default;

    QString m_language;
    QHash<QString, QString> m_texts;
    QStringList m_duplicateKeys;
};

} // namespace qxmxz
