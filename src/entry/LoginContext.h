#pragma once

#include <QString>
#include <array>

#include "services/ColumnWidths.h"

namespace qxmxz {

class GlPublicObject;
class LoginObject;
class WindowHost;

// What the component keeps for all instances of the public class and all its
// windows: the login object, the general-ledger public object, the grid
// colours, the settings key path, the standard column widths, the voucher
// drill-down flag and the window host. (The fiscal year is AccountingYear.)
namespace LoginContext {

// ObjLogin: the login object (none until a host gives one). Storing it does
// not pass it on; the public class does that.
LoginObject *login();
void setLogin(LoginObject *login);

// MyZwPub: the general-ledger object, created on first use (then owned by the
// component), with the column widths recomputed from its options on every
// read (a Failure when the summary width overflows).
GlPublicObject &publicObject();
// The general-ledger object without creating one or recomputing anything.
GlPublicObject *existingPublicObject();
// A host's general-ledger object; one the component made is dropped.
void setPublicObject(GlPublicObject *object);

// The four grid colours (0x00BBGGRR): white, RGB(205, 208, 215),
// RGB(247, 237, 236) for the detail grid, RGB(238, 238, 214).
using GridColours = std::array<int, 4>;
GridColours gridColours();
void resetGridColours();

QString settingsKeyPath();
void setSettingsKeyPath(const QString &path);

StandardColumnWidths columnWidths();
// Recomputes the column widths from the general-ledger object's options.
void refreshColumnWidths();

// Set by mxzDisplay1, never cleared: while it is false, mxzDisplay opens the
// window with its voucher command disabled.
bool voucherDrillDown();
void setVoucherDrillDown(bool on);

WindowHost *windowHost();
void setWindowHost(WindowHost *host);

// What closing the detail-ledger window does: the login object and the
// general-ledger object are let go, so that a host sets ObjLogin again.
void release();

} // namespace LoginContext
} // namespace qxmxz
