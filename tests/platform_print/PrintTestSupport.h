#pragma once

#include <QByteArray>
#include <QGuiApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace qxmxz::test {

// Pages are laid out with real fonts, which need a GUI application.
class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance())
            return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_print";
        static char *argv[] = {name, nullptr};
        m_app = new QGuiApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QGuiApplication *m_app = nullptr;
};

// The standard output of a tool (unzip, pdftotext, pdfinfo); a failure to run is a test failure.
inline QByteArray toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput();
}

} // namespace qxmxz::test
