#include "PrintBackend.h"

#include "QtPrintBackend.h"

namespace
{
PrintBackend* g_installed = nullptr;
}

PrintBackend& PrintBackend::instance()
{
    static QtPrintBackend qtPrinters;
    return g_installed ? *g_installed : qtPrinters;
}

void PrintBackend::install(PrintBackend* backend)
{
    g_installed = backend;
}
