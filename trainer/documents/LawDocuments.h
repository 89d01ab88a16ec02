#pragma once

#include <QString>

#include <vector>

class QWidget;

// One law or decree text of the documents folder.
struct LawDocument
{
    QString menuItem; // object name of the main window's menu item
    QString baseName; // "Prilohy/" + baseName + ".kvf", shown as baseName + ".pdf"
    QString title; // shown above the document
    QString status; // the main window's status text while it is open

    QString documentFile(const QString &programFolder) const;
    QString temporaryCopy(const QString &temporaryFolder) const;
};

// In the order of the main window's menu.
const std::vector<LawDocument> &lawDocuments();

// Copies the document into the temporary folder as a ".pdf" file, shows the
// copy modally and deletes it. A document whose file cannot be copied (it may
// have gone since start-up, or the temporary folder) is named in a box, or the
// copy is, and nothing opens; so is a viewer module that cannot be loaded.
void viewLawDocument(QWidget *owner, const QString &documentFile, const QString &title,
                     const QString &temporaryCopy);
