#pragma once

class QWidget;
struct ReportDocument;

// Where the printer control's documents go: the Qt printers in the program,
// a recording stand-in in tests, so no test ever reaches a real printer.
class PrintBackend
{
public:
    virtual ~PrintBackend() = default;

    // Prints `document`; with `choosePrinter` the user picks the printer
    // first (cancelling prints nothing and is no failure). Raises ComError
    // when there is no printer or printing fails.
    virtual void print(const ReportDocument& document, bool choosePrinter, QWidget* owner) = 0;

    static PrintBackend& instance();
    // Installs a backend (not owned); nullptr goes back to the Qt printers.
    static void install(PrintBackend* backend);
};
