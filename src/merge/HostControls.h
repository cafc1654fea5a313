#pragma once

#include <QObject>

namespace qxmxz {

class GridModel;
class HeaderModel;
class HintState;
class StopButtonState;
class clsMxzHb;

// The host's controls as the merged ledger uses them, taken from the object
// members of clsMxzHb: each is absent (nullptr) or of its model type; an
// object of another type is refused with a Failure naming the member.
struct HostControls {
    GridModel *grid = nullptr;       // Grd1
    HeaderModel *header = nullptr;   // mxHeader
    HintState *hint = nullptr;       // lblHint
    StopButtonState *stop = nullptr; // cmdStop
    QObject *form = nullptr;         // mxForm, read by name

    static HostControls of(const clsMxzHb &hb);

    // The host window's stop flag "bUserStop"; false without a window or flag.
    bool userStop() const;
};

} // namespace qxmxz
