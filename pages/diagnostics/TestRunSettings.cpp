#include "TestRunSettings.h"

#include "automation/NumberText.h"
#include "ui/FormPage.h"

void TestRunSettings::take(const FormPage& page, std::initializer_list<int> edits)
{
    m_texts.clear();
    for (int edit : edits)
        m_texts[edit] = page.windowText(edit);
}

QString TestRunSettings::text(const FormPage& page, int edit) const
{
    const auto found = m_texts.find(edit);
    return found != m_texts.end() ? found->second : page.windowText(edit);
}

double TestRunSettings::number(const FormPage& page, int edit) const
{
    return NumberText::toNumber(text(page, edit)).value_or(0.0);
}
