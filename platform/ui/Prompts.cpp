#include "Prompts.h"

#include "QtPrompts.h"

#include <QCoreApplication>
#include <QStringList>

namespace
{
Prompts* g_installed = nullptr;
QString g_defaultCaption;

Prompts& qtPrompts()
{
    static QtPrompts prompts;
    return prompts;
}
}

Prompts& Prompts::instance()
{
    return g_installed ? *g_installed : qtPrompts();
}

void Prompts::install(Prompts* prompts)
{
    g_installed = prompts;
}

void Prompts::setDefaultCaption(const QString& caption)
{
    g_defaultCaption = caption;
}

QString Prompts::defaultCaption()
{
    return g_defaultCaption.isEmpty() ? QCoreApplication::applicationName() : g_defaultCaption;
}

QString Prompts::captionOf(const Message& message)
{
    return message.caption.value_or(defaultCaption());
}

int Prompts::show(
    const QString& text, const std::optional<QString>& caption, Buttons buttons, Icon icon, QWidget* owner)
{
    return instance().message(Message { text, caption.value_or(defaultCaption()), buttons, icon, owner });
}

QString translateFileFilter(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        const QString& pattern = parts[i + 1];
        // A label that already shows its pattern in brackets needs nothing more.
        if (label.contains(QLatin1Char('(')))
            filters << label;
        else
            filters << QStringLiteral("%1 (%2)").arg(label, pattern);
    }
    if (parts.size() % 2 == 1)
        filters << parts.last();
    return filters.join(QStringLiteral(";;"));
}
