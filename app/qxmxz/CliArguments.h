#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace qxmxz::cli {

// The command line after parsing: global options, the command, its
// positional arguments and its options. Unknown options are refused.
struct CliArguments {
    QString command;
    QStringList positional;
    QHash<QString, QString> options; // name without "--" → value ("" for a flag)

    bool has(const QString &name) const { return options.contains(name); }
    QString value(const QString &name, const QString &fallback = {}) const { return options.value(name, fallback); }
    // --lang, or else the language of the environment's locale (Chinese unless it is English).
    QString language() const;
};

// The values --lang takes.
const QStringList &languages();

// Throws a Failure with a "QXMXZ.cli." key for an unknown option or a missing value.
CliArguments parseArguments(const QStringList &arguments);

// An integer option within bounds; throws "QXMXZ.cli.badvalue" otherwise.
int integerOption(const CliArguments &args, const QString &name, int fallback, int minimum, int maximum);

} // namespace qxmxz::cli
