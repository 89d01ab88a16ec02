#pragma once

#include <QString>

#include <vector>

// One node of the forms-and-annexes tree: a form of the firearms
// administration with its scan in the documents folder and two notes.
struct FormAnnex
{
    QString text; // the node's text, unique
    QString parent; // the text of the parent node; empty for a top-level node
    QString scan; // file name in the documents folder
    QString caption; // the viewer's caption while the node is chosen
    QString firstNote;
    QString secondNote; // may be empty
    bool opensExamRules = false;
};

// The 22 nodes, in the order of their scans.
const std::vector<FormAnnex> &formAnnexes();
// The node with exactly this text (case counts), or null.
const FormAnnex *findFormAnnex(const QString &text);
