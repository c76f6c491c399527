#pragma once

#include <QString>

#include <functional>

// The program's one document. It holds nothing but its title, which the
// window caption shows in front of the frame's title.
class CSerratK90ClipwellDoc
{
public:
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);

    // Called whenever the title changes.
    void setTitleChanged(std::function<void()> changed) { m_titleChanged = std::move(changed); }

private:
    QString m_strTitle;
    std::function<void()> m_titleChanged;
};
