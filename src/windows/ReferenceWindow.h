#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLineEdit;
class QTreeWidget;

namespace qxmxz {

class GlPublic;

// A searchable list to choose one code from: every row is code, name and
// further columns. Typing filters the rows by the beginning of the code or
// any part of the name; Enter, a double click or "确定" takes the current
// row, Escape leaves without a choice.
class ReferenceWindow : public QDialog {
    Q_OBJECT
public:
    ReferenceWindow(const GlPublic &pub, const QString &title, const QStringList &headings,
                    const QList<QStringList> &rows, QWidget *parent = nullptr);

    // The accounts of the chart: code, name, grade, end flag.
    static ReferenceWindow *forAccounts(const GlPublic &pub, QWidget *parent);
    // A reference list of the accounting database (departments, persons,
    // customers …: the types of the reference filters), the person list
    // under the department filter in force when one is given.
    static ReferenceWindow *forType(GlPublic &pub, int type, const QString &optionalValue, QWidget *parent);

    void setFilterText(const QString &text);
    int visibleRowCount() const;
    QString chosenCode() const { return m_code; }
    QString chosenName() const { return m_name; }
    // Takes the current visible row as the choice and closes.
    void choose();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void applyFilter(const QString &text);

    QLineEdit *m_filter = nullptr;
    QTreeWidget *m_list = nullptr;
    QString m_code;
    QString m_name;
};

// Opens the reference and answers the chosen code (empty when none), the
// filter starting from what the box holds.
QString chooseFromReference(ReferenceWindow &window, const QString &startText);

} // namespace qxmxz
