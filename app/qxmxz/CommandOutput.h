#pragma once

#include <QIODevice>
#include <QTextStream>
#include <memory>

#include "CliArguments.h"
#include "TableOutput.h"

namespace qxmxz::cli {

// Where a command writes its result: the file of --out, written to a
// temporary name and put in place only when the command succeeds (so a
// failed run leaves no partial file), or the standard output.
class CommandOutput {
public:
    CommandOutput(const CliArguments &args, QTextStream &out);
    ~CommandOutput();

    QIODevice &device();
    // The format asked for: --format, else the suffix of --out when it names one, else "table".
    static QString formatName(const CliArguments &args);
    // The formats an --out suffix selects; a writer for another file kind adds its suffix here.
    static const QStringList &fileFormats();
    // The format of --format for text tables; throws "QXMXZ.cli.badvalue" for an unknown one.
    static TableFormat tableFormat(const CliArguments &args);
    // Puts the file in place (or flushes the standard output).
    void commit();
    bool writesFile() const { return m_toFile; }

private:
    QTextStream &m_out;
    std::unique_ptr<QIODevice> m_device;
    QIODevice *m_direct = nullptr;
    bool m_toFile = false;
};

} // namespace qxmxz::cli
