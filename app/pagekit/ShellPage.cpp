#include "ShellPage.h"

#include <QFont>
#include <QLabel>

ShellPage::ShellPage(PageContext& context, const QString& className, const ShellSpec& spec, QWidget* parent)
    : StripPage(context, className, spec.dialogId, spec.timer, parent)
{
    buildPage({ 560, 360, { ControlSpec::label(HeadingId, QString::fromLatin1(spec.heading), 7, 28, 400, 14) } });
    if (auto* label = controlAs<QLabel>(HeadingId)) {
        QFont font = label->font();
        font.setPointSize(12);
        font.setBold(true);
        label->setFont(font);
    }
}
