#include "ErrorDefinitions.h"

#include "automation/NumberText.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

namespace
{
// The TAB-separated field `index` (0-based) of a line; empty when the line has
// fewer fields. The last field runs to the end of the line.
QByteArray field(const QByteArray& line, int index)
{
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.indexOf('\t', start);
        if (start < 0)
            return {};
        ++start;
    }
    const qsizetype end = line.indexOf('\t', start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

bool beginsWithNumber(const QByteArray& text)
{
    const QByteArray trimmed = text.trimmed();
    qsizetype i = 0;
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-'))
        ++i;
    return i < trimmed.size() && trimmed[i] >= '0' && trimmed[i] <= '9';
}

int numberOf(const QByteArray& text)
{
    return NumberText::toInt(QString::fromLatin1(text));
}
}

QString ErrorDefinitions::fileName(int deviceType)
{
    return deviceType == 6 ? QStringLiteral("SerratK40Errors.dlm") : QStringLiteral("SerratK90Errors.dlm");
}

ErrorDefinitions ErrorDefinitions::parse(QIODevice& in)
{
    ErrorDefinitions definitions;
    while (!in.atEnd() && definitions.m_lines.size() < MaxLines) {
        QByteArray line = in.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('/'))
            continue;
        definitions.addLine(line);
    }
    return definitions;
}

ErrorDefinitions ErrorDefinitions::parse(const QByteArray& text)
{
    QByteArray copy = text;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return parse(buffer);
}

ErrorDefinitions ErrorDefinitions::load(const QString& path, bool* opened)
{
    QFile file(path);
    const bool isOpen = file.open(QIODevice::ReadOnly);
    if (opened)
        *opened = isOpen;
    return isOpen ? parse(file) : ErrorDefinitions();
}

int ErrorDefinitions::priority(int status) const
{
    if (status < 0 || status >= static_cast<int>(m_lines.size()))
        return 0;
    return m_lines[status].priority;
}

void ErrorDefinitions::addLine(const QByteArray& line)
{
    ErrorDefinitionLine entry;
    const QByteArray number = field(line, 0);
    if (beginsWithNumber(number))
        entry.statusNumber = numberOf(number);
    entry.maskClass = std::clamp(numberOf(field(line, 4)), 0, 255);
    entry.priority = numberOf(field(line, 5));
    m_lines.push_back(entry);
}
