#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QPdfDocument;
class QPdfView;
class QToolBar;

// The PDF viewer control: a document view under a toolbar of its own (page
// navigation and zoom), which starts hidden.
class TPdf : public QWidget
{
    Q_OBJECT

public:
    explicit TPdf(QWidget *parent = nullptr);
    ~TPdf() override;

    // Shows the PDF at that path; false when it could not be read.
    bool LoadFile(const QString &path);
    void setShowToolbar(bool show);
    void gotoFirstPage();
    // Hands the loaded file to the default printer as one job named
    // `documentName`, without a dialog; a failure is reported in a box of the
    // control's own.
    void printAll(const QString &documentName);

    QPdfDocument *document() const { return m_document; }
    QToolBar *toolbar() const { return m_toolbar; }
    int currentPage() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildToolbar();
    void goToPage(int page);
    void zoomBy(qreal factor);
    // The page number, and the moves that lead somewhere.
    void showPosition();

    QPdfDocument *m_document;
    QPdfView *m_view;
    QToolBar *m_toolbar;
    QLabel *m_pageNumber = nullptr;
    QAction *m_firstPage = nullptr;
    QAction *m_previousPage = nullptr;
    QAction *m_nextPage = nullptr;
    QAction *m_lastPage = nullptr;
    QString m_loadedFile; // what printAll() hands to the printer
};
