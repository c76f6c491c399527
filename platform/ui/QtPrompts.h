#pragma once

#include "Prompts.h"

// The program's prompts: real Qt dialogs.
class QtPrompts : public Prompts
{
public:
    int message(const Message& message) override;
    std::optional<QString> file(const FileDialog& dialog) override;
    void openHelp(const QUrl& url) override;
    bool choosePrinter(QPrinter& printer, QWidget* owner) override;
};
