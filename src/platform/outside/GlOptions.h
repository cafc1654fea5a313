#pragma once

#include <QString>

namespace qxmxz {

class Connection;

// The general-ledger options of the account set (table gl_options).
struct GlOptions {
    QString accountSetId;
    QString accountSetName;
    int year = 0;
    QString homeCurrencyName = QStringLiteral("人民币");
    int quantityDecimals = 2;
    int priceDecimals = 2;
    // Character counts of the standard columns (times 180 for the summary,
    // times 90 for the others gives their widths in twips).
    int summaryWidth = 20;
    int amountWidth = 14;
    int quantityWidth = 10;
    int priceWidth = 10;
    int foreignWidth = 12;
    int rateWidth = 8;
    bool accountRightsControlled = false;
    bool newReport = false;        // the detail ledger goes to the report service
    bool newReportDefault = false; // … unless the user's setting says "0"
    int directionStyle = 0;        // 1: direction words "Dr", "Cr", "-"
    QString settingsKey = QStringLiteral("Software/QxMxz/GL");

    // Reads every option the table holds; unknown names are ignored, missing
    // ones keep the defaults above.
    static GlOptions load(Connection &connection);
};

} // namespace qxmxz
