#pragma once

class QPdfDocument;
class QPrinter;

// Prints every page of the document, each rendered at the printer's
// resolution and fitted into its printable area, one page per sheet.
// False when the printer could not be started or a page not rendered.
bool printAllPages(QPdfDocument &document, QPrinter &printer);
