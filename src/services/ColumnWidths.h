#pragma once

namespace qxmxz {

class GlPublic;

// The widths of the standard ledger columns in twips: the summary is 180
// twips a character, the others 90, the character counts taken from the
// general-ledger options.
struct StandardColumnWidths {
    int summary = 0;
    int amount = 0;
    int quantity = 0;
    int price = 0;
    int foreign = 0;
    int rate = 0;
};

// Reads the six counts from the options. The summary width must fit a
// 16-bit integer: a larger one is an overflow error (a Failure).
StandardColumnWidths LoadColumnWidths(const GlPublic &pub);

} // namespace qxmxz
