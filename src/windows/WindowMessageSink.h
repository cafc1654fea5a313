#pragma once

#include "platform/outside/MessageSink.h"

class QWidget;

namespace qxmxz {

// Shows the component's message boxes as dialogs over the active window:
// 16 with the stop icon, 48 the warning, 64 the information icon, 32 a
// question with Yes and No (answering 6 or 7), anything else plain OK (1).
class WindowMessageSink : public MessageSink {
public:
    int show(const MessageBoxRequest &request) override;
};

} // namespace qxmxz
