#include "AutoString.h"

namespace
{
// A present empty text that stays non-null through Qt's conversions.
QString presentEmpty()
{
    return QString::fromLatin1("");
}

QString present(const QString& text)
{
    return text.isNull() ? presentEmpty() : text;
}
}

AutoString::AutoString(const QString& text)
    : m_text(text)
    , m_null(text.isNull())
{
}

AutoString::AutoString(const char* narrow)
    : m_text(narrow ? present(QString::fromLatin1(narrow)) : QString())
    , m_null(narrow == nullptr)
{
}

AutoString::AutoString(const char16_t* wide)
    : m_text(wide ? present(QString::fromUtf16(wide)) : QString())
    , m_null(wide == nullptr)
{
}

AutoString AutoString::fromLatin1(const QByteArray& narrow)
{
    return narrow.isNull() ? AutoString() : AutoString(present(QString::fromLatin1(narrow)));
}

bool operator==(const AutoString& a, const AutoString& b) noexcept
{
    if (a.m_null || b.m_null)
        return a.m_null == b.m_null;
    return a.m_text == b.m_text;
}

AutoString operator+(const AutoString& a, const AutoString& b)
{
    // Joining two null strings gives a null one; anything else is present.
    if (a.m_null && b.m_null)
        return AutoString();
    return AutoString(present(a.m_text + b.m_text));
}
