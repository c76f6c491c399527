#pragma once

#include <QByteArray>
#include <QString>

// The automation string: a shared, reference-counted text whose null value is
// distinct from an empty one. Copies share one buffer (QString's implicit
// sharing); the last release frees it. Equality is case-sensitive, untrimmed,
// and never lets null equal "".
class AutoString
{
public:
    AutoString() = default; // null
    AutoString(const QString& text);
    AutoString(const char* narrow); // Latin-1; nullptr gives null
    AutoString(const char16_t* wide); // UTF-16; nullptr gives null

    static AutoString null() { return AutoString(); }
    static AutoString fromLatin1(const QByteArray& narrow);

    bool isNull() const noexcept { return m_null; }
    bool isEmpty() const noexcept { return m_text.isEmpty(); }
    qsizetype length() const noexcept { return m_text.size(); }

    // The text; a null string gives a null QString, a present one never does.
    const QString& toQString() const noexcept { return m_text; }
    QByteArray toLatin1() const { return m_text.toLatin1(); }

    // The address of the shared buffer, so callers can see that copies share.
    const QChar* constData() const noexcept { return m_text.constData(); }

    friend bool operator==(const AutoString& a, const AutoString& b) noexcept;
    friend bool operator!=(const AutoString& a, const AutoString& b) noexcept { return !(a == b); }
    friend AutoString operator+(const AutoString& a, const AutoString& b);

private:
    QString m_text;
    bool m_null = true;
};
