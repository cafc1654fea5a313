#pragma once

#include <QStringList>
#include <QTextStream>

#include "qxmxz/CommandLine.h"
#include "support/TestDatabases.h"

namespace qxmxz::test {

// How a command ended and what it wrote.
struct CommandRun {
    int code;
    QString out;
    QString err;
};

// Runs a command line in-process on the demo company of the backend.
inline CommandRun runOnDemo(Backend backend, const QStringList &arguments)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = cli::runCommandLine(QStringList{QStringLiteral("--db"), demoUrl(backend)} + arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

} // namespace qxmxz::test
