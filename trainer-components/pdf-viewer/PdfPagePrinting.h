#pragma once

#include "platform/printing/Printing.h"

class QPdfDocument;

// Draws every page of the document, each rendered at the job's resolution and
// fitted into its printable area, one page per sheet. Throws
// std::runtime_error when a page cannot be rendered.
void drawAllPages(QPdfDocument &document, Printing::PrintJob &job);
