#include "ComError.h"

ComError::ComError(uint32_t code, QString text)
    : m_code(code)
    , m_text(std::move(text))
    , m_what(QStringLiteral("%1 %2").arg(codeText(), m_text).toStdString())
{
}

QString ComError::codeText() const
{
    return QStringLiteral("0x%1")
        .arg(m_code, 8, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QLatin1String("0X"), QLatin1String("0x"));
}
