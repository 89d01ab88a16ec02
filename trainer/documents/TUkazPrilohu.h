#pragma once

#include "trainer/form-dialog/FormDialog.h"

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class TUkazPrilohu;
}

// The forms and annexes: a tree of forms, the chosen form's scan and its two
// notes. The exam-rules node opens the rules in a window of their own.
class TUkazPrilohu : public FormDialog
{
    Q_OBJECT

public:
    // `documentsFolder` holds the scans.
    explicit TUkazPrilohu(const QString &documentsFolder, QWidget *parent = nullptr);
    ~TUkazPrilohu() override;

    // Runs modally; hiding the window for the rules does not end it.
    int exec() override;

    QTreeWidget *TreeView1;
    QLabel *Image1;
    QPlainTextEdit *Memo1;
    QPlainTextEdit *Memo2;
    QPushButton *BitBtn1;

private:
    void FormShow() override;
    void TreeView1Change(QTreeWidgetItem *current);
    void buildTree();

    std::unique_ptr<Ui::TUkazPrilohu> ui;
    QString m_documentsFolder;
    bool m_shownAgain = false;
};

// The viewer while it runs modally, or null.
extern TUkazPrilohu *UkazPrilohu;
