#pragma once

#include "PrintBackend.h"

// Prints on the system's default printer through QPrinter, or on the one the
// user picks through Prompts::choosePrinter.
class QtPrintBackend : public PrintBackend
{
public:
    void print(const ReportDocument& document, bool choosePrinter, QWidget* owner) override;
};
