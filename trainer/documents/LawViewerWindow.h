#pragma once

#include "trainer/documents/LawViewer.h"

// The viewer the module hands out: the document window `TUkaz_Vyhlasku`.
class LawViewerWindow : public LawViewer
{
public:
    void show(const QString &documentTitle, const QString &documentFile) override;
};
