#pragma once

#include "ui/FormPage.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

// Every control of a page that carries a tooltip, by control id.
inline std::map<int, QString> toolTipsOf(const FormPage& page)
{
    std::map<int, QString> tips;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        const int id = FormPage::idOf(widget);
        if (id > 0 && !widget->toolTip().isEmpty())
            tips[id] = widget->toolTip();
    }
    return tips;
}

using ExpectedToolTips = std::vector<std::pair<int, const char*>>;

// The page's tooltips are exactly the table: each control carries its text,
// letter for letter, and no other control carries one but the validity marks
// given, whose tips follow the values typed.
inline void expectToolTips(
    const FormPage& page, const ExpectedToolTips& table, std::initializer_list<int> validityMarks = {})
{
    std::map<int, QString> left = toolTipsOf(page);
    for (int mark : validityMarks)
        left.erase(mark);
    for (const auto& [id, tip] : table) {
        const QWidget* control = page.control(id);
        ASSERT_TRUE(control) << id;
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(tip)) << id;
        left.erase(id);
    }
    for (const auto& [id, tip] : left)
        ADD_FAILURE() << "control " << id << " carries the tip \"" << tip.toStdString() << "\" the page never gives it";
}

// The texts a page shows in its labels, buttons, group boxes and edits.
inline QStringList shownTextsOf(const FormPage& page)
{
    QStringList texts;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            texts << group->title();
        else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            texts << edit->text();
    }
    return texts;
}

// Each text is shown by some control of the page, letter for letter.
inline void expectShownTexts(const FormPage& page, const std::vector<const char*>& texts)
{
    const QStringList shown = shownTextsOf(page);
    for (const char* text : texts)
        EXPECT_TRUE(shown.contains(QString::fromUtf8(text))) << text;
}
