#include "PageExpression.h"

namespace
{

class Evaluator
{
public:
    Evaluator(const QString& text, int page, int pages)
        : m_text(text)
        , m_page(page)
        , m_pages(pages)
    {
    }

    std::optional<QString> run()
    {
        QString out;
        do {
            skipBlanks();
            if (!term(out))
                return std::nullopt;
            skipBlanks();
        } while (take(QLatin1Char('&')));
        if (m_pos != m_text.size())
            return std::nullopt;
        return out;
    }

private:
    bool term(QString& out)
    {
        if (take(QLatin1Char('"')))
            return quoted(out);
        if (take(QLatin1Char('[')))
            return counter(out);
        return false;
    }

    bool quoted(QString& out)
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos++];
            if (c != QLatin1Char('"')) {
                out += c;
                continue;
            }
            if (!take(QLatin1Char('"')))
                return true;
            out += c;
        }
        return false; // unterminated
    }

    bool counter(QString& out)
    {
        const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos);
        if (close < 0)
            return false;
        const QString name = m_text.mid(m_pos, close - m_pos).trimmed();
        m_pos = close + 1;
        if (name == QLatin1String("Page"))
            out += QString::number(m_page);
        else if (name == QLatin1String("Pages"))
            out += QString::number(m_pages);
        else
            return false;
        return true;
    }

    bool take(QChar c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    const QString& m_text;
    int m_page;
    int m_pages;
    qsizetype m_pos = 0;
};

} // namespace

std::optional<QString> PageExpression::evaluate(const QString& text, int page, int pages)
{
    return Evaluator(text, page, pages).run();
}
