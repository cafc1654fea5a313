#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "CommandLine.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qxmxz"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = qxmxz::cli::runCommandLine(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
