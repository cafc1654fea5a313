#include "WindowMessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace qxmxz {

int WindowMessageSink::show(const MessageBoxRequest &request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.title);
    box.setText(request.prompt);
    const int icon = request.buttons & 0xF0;
    const int buttons = request.buttons & 0x0F;
    box.setIcon(icon == 16 ? QMessageBox::Critical
                : icon == 32 ? QMessageBox::Question
                : icon == 48 ? QMessageBox::Warning
                : icon == 64 ? QMessageBox::Information
                             : QMessageBox::NoIcon);
    // 4: Yes and No; the answers are the platform's button numbers.
    if (buttons == 4) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? 6 : 7;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return 1;
}

} // namespace qxmxz
