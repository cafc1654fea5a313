#include "Commands.h"
#include "MakeDemoCommand.h"

namespace qxmxz::cli {

int runMakeDemoCommand(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    QStringList arguments = args.positional;
    for (const char *name : {"lines", "seed"})
        if (args.has(QString::fromLatin1(name)))
            arguments << QStringLiteral("--") + QString::fromLatin1(name) << args.value(QString::fromLatin1(name));
    if (args.has(QStringLiteral("one-account")))
        arguments << QStringLiteral("--one-account");
    return runMakeDemo(arguments, out, err, args.language());
}

} // namespace qxmxz::cli
