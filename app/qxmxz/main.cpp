#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "CommandLine.h"

int main(int argc, char *argv[])
{
    // PDF pages are laid out with real fonts, which need a GUI application; without a display it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qxmxz"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = qxmxz::cli::runCommandLine(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
