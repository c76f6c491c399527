#include "core/GuardedExport.h"

#include "ui/Prompts.h"

void ShowExportFailure(const QString& text)
{
    Prompts::show(text, QString(), Prompts::Buttons::Ok);
}
