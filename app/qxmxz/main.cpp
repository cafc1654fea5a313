#include <QGuiApplication>
#include <QTextStream>
#include <QDir>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "CommandLine.h"

int main(int argc, char *argv[])
{
    // PDF pages are laid out with real fonts, which need a GUI application; without a display it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (a service, a container, CI) the platform wants a
    // private runtime folder and warns on every run; give it one of our own.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/qxmxz-runtime-" + QByteArray::number(getuid());
        if (mkdir(folder.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", folder);
    }
    // The application takes the options it knows (--style among them) out of
    // argv; the command line's own arguments are read before it sees them.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qxmxz"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = qxmxz::cli::runCommandLine(arguments, out, err);
    out.flush();
    err.flush();
    return code;
}
