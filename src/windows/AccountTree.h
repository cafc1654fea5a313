#pragma once

#include <QTreeWidget>

namespace qxmxz {

class GlPublic;

// The chart of the login's year as a tree: first-grade accounts at the top,
// each account under its parent, opened grade by grade. Parents show a
// closed or open folder, end accounts a leaf; the chosen item shows the
// selected form of its image. A click reports the account's code.
class AccountTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit AccountTree(const GlPublic &pub, QWidget *parent = nullptr);

    // The image keys of the tree, drawn once: "open", "closed", "leaf",
    // "leafsel", "closesel".
    static QIcon image(const QString &key);
    // Opens every account down to the grade (1: only the first grade shows).
    void expandToGrade(int grade);
    QTreeWidgetItem *itemOf(const QString &code) const;

signals:
    void accountClicked(const QString &code);

private:
    void showImages();
};

} // namespace qxmxz
