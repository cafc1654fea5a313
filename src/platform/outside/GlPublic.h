#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "ChartOfAccounts.h"
#include "FiscalCalendar.h"
#include "GlOptions.h"
#include "MessageSink.h"
#include "platform/values/Currency.h"

namespace qxmxz {

class Connection;
class LocalDatabase;
class Login;
class ResourceTexts;

// A balance signed debit-positive: amount, foreign amount and quantity.
struct SignedBalance {
    Currency amount;
    Currency foreign;
    double quantity = 0;
};

// The general-ledger public object: what every part of the component asks of
// the account set — texts and message boxes, options, the accounting database
// and the local working database, accounts and currencies, the calendar,
// book-style names and saved column widths. One instance serves the component;
// it is given the login through setLogin (its `oLogin`).
class GlPublic {
public:
    GlPublic();
    ~GlPublic();
    GlPublic(const GlPublic &) = delete;
    GlPublic &operator=(const GlPublic &) = delete;

    // Reads options, calendar and chart for the login's year. Throws a Failure
    // when the year has no data.
    void setLogin(std::shared_ptr<Login> login);
    std::shared_ptr<Login> login() const { return m_login; }
    bool hasLogin() const { return m_login != nullptr; }

    // ---- texts and messages
    QString language() const;
    const ResourceTexts &texts() const;
    QString text(const QString &key, const QStringList &arguments = {}) const;
    // Where message boxes go; not owned. Without one they are kept in an
    // internal recording sink (see recordedMessages).
    void setMessageSink(MessageSink *sink) { m_sink = sink; }
    int showMessage(const QString &prompt, int buttons, const QString &title, const QString &helpFile = {},
                    int helpContext = 0);
    const QList<MessageBoxRequest> &recordedMessages() const { return m_recorder.messages(); }
    // The displayed text of a direction word "借", "贷" or "平".
    QString directionText(const QString &word) const;
    QString rightDisplayName(const QString &rightId) const;
    // Summaries of total rows.
    QString monthTotalText(int period) const;
    QString yearToDateText(int period) const;
    QString periodTotalText(int period) const;
    QString cumulativeText(int period) const;

    // ---- options and databases
    const GlOptions &options() const;
    Connection &database() const;
    LocalDatabase &localDatabase();
    // A name for a working table of the given base name ("mxfirst", "yjmxz",
    // "mxzmonth", "mxzprn", "ZZprn"): unique for this login session, never
    // handed out twice, and safe as an unquoted identifier. The server table
    // "mxzmonth" is the exception: one name per session, dropped at its end.
    QString workingTableName(const QString &baseName);
    QString settingsKeyPath() const;

    // ---- accounts and currencies
    const ChartOfAccounts &chart() const;
    // The account's name in the login's language; empty for an unknown code.
    QString accountName(const QString &code) const;
    AccountRecord account(const QString &code) const; // `exists` false for an unknown code
    CurrencyRecord currency(const QString &name) const;
    int gradeCount() const;
    int codeLength(int grade) const;
    int gradeOf(const QString &code) const;
    QStringList ancestorCodes(const QString &code) const;
    // The account code of what the user typed: a code, "code name", or an
    // account's exact name; empty when it names no account.
    QString codeOfEntry(const QString &entry) const;
    // The balance of an account (and the accounts under it) before a period.
    SignedBalance openingBalance(const QString &code, int period, bool includeUnposted) const;
    // The last period in which the account has posted lines (0 when none).
    int lastPeriodWithPostings(const QString &code) const;
    // The same asked on any connection to the accounting database (a reading thread's own).
    static int lastPeriodWithPostings(Connection &database, int year, const QString &code);

    // ---- calendar
    int year() const;
    // Reads calendar and chart of another year of the same account set.
    void reinitialise(int year);
    const FiscalCalendar &calendar() const;
    QStringList periodTexts() const;
    QString periodText(int period) const;
    int periodOfText(const QString &text) const; // 0 when the text names no period
    int periodOfDate(const QDate &date) const;
    QString monthText(int period) const;
    // A date typed or stored as text: yyyy-mm-dd, yyyy.mm.dd, yyyy/m/d, yyyymmdd.
    std::optional<QDate> dateOfText(const QString &text) const;

    // ---- book styles ("EnumAccBookType")
    static QString bookStyleName(int index); // 0 "金额式" … 3 "数量外币式"; empty outside 0..3
    static int bookStyleIndex(const QString &name); // -1 for an unknown name
    QString bookStyleDisplayName(int index) const;

    // ---- saved column widths (per layout code and style index)
    std::optional<QList<int>> savedColumnWidths(const QString &layoutCode, int styleIndex) const;
    void saveColumnWidths(const QString &layoutCode, int styleIndex, const QList<int> &widths, const QString &note);

private:
    void requireLogin() const;
    void loadYear(int year);

    std::shared_ptr<Login> m_login;
    GlOptions m_options;
    FiscalCalendar m_calendar;
    ChartOfAccounts m_chart;
    std::unique_ptr<LocalDatabase> m_local;
    RecordingMessageSink m_recorder;
    MessageSink *m_sink = nullptr;
    QString m_sessionTag;
    int m_tableCounter = 0;
    QStringList m_serverTables;
    mutable const ResourceTexts *m_texts = nullptr;
    mutable QString m_textsLanguage;
    mutable QStringList m_directionWords; // the displayed 借, 贷, 平 of m_texts
};

} // namespace qxmxz
