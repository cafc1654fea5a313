#pragma once

#include <QString>
#include <functional>

namespace qxmxz {

// What the detail-ledger engine reads from the window that owns it: the
// account shown in the account combo, the query option, the user's stop
// request and the condition dialog's first grade and unloaded flag. The
// window implements it; the command line and the tests use HeadlessLedgerHost.
class LedgerHost {
public:
    virtual ~LedgerHost() = default;

    virtual QString accountText() const = 0;        // cboKm.Text
    virtual int optionValue() const = 0;            // Option1.Value
    virtual bool bUserStop() = 0;                   // polled during a run; a window keeps itself responsive here
    virtual int iMxzFirstGrade() const = 0;         // mxzCond.iMxzFirstGrade: the first grade of the ancestor rows
    virtual bool bMxzUnloaded() const = 0;          // mxzCond.bMxzUnloaded
    // The window (and its grid) becomes usable again while a run goes on.
    virtual void enableWindow() {}
    // The window repaints (Refresh).
    virtual void refreshWindow() {}
};

// A host without a window. `stopWhen`, when set, is asked at every poll, so
// a test (or a signal handler on the command line) can stop a run at a
// chosen moment.
class HeadlessLedgerHost : public LedgerHost {
public:
    QString account;
    int option = 0;
    int firstGrade = 1;
    bool unloaded = false;
    bool stopRequested = false;
    std::function<bool()> stopWhen;
    int polls = 0;
    int enableCount = 0;

    QString accountText() const override { return account; }
    int optionValue() const override { return option; }
    bool bUserStop() override
    {
        ++polls;
        if (stopWhen && stopWhen())
            stopRequested = true;
        return stopRequested;
    }
    int iMxzFirstGrade() const override { return firstGrade; }
    bool bMxzUnloaded() const override { return unloaded; }
    void enableWindow() override { ++enableCount; }
};

} // namespace qxmxz
