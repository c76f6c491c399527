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

// A field that holds a whole number and nothing else.
bool isWholeNumber(const QByteArray& text)
{
    const QByteArray trimmed = text.trimmed();
    qsizetype i = (!trimmed.isEmpty() && (trimmed[0] == '+' || trimmed[0] == '-')) ? 1 : 0;
    if (i >= trimmed.size())
        return false;
    for (; i < trimmed.size(); ++i) {
        if (trimmed[i] < '0' || trimmed[i] > '9')
            return false;
    }
    return true;
}

bool isText(const QByteArray& line)
{
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t') || byte == 0x7F;
    });
}

constexpr int FieldCount = 6;

// Why data line `index` (the status it describes) did not parse; empty when it did.
QString problemOf(const QByteArray& line, int index)
{
    if (line.isEmpty())
        return QStringLiteral("empty");
    if (!isText(line))
        return QStringLiteral("bytes that are not text");
    const int fields = int(line.count('\t')) + 1;
    if (fields < FieldCount)
        return QStringLiteral("%1 TAB-separated fields expected, %2 found").arg(FieldCount).arg(fields);
    if (!isWholeNumber(field(line, 0)))
        return QStringLiteral("no status number");
    if (const int status = numberOf(field(line, 0)); status != index)
        return QStringLiteral("status %1 where status %2 belongs").arg(status).arg(index);
    if (!isWholeNumber(field(line, 4)))
        return QStringLiteral("no mask class");
    if (const int maskClass = numberOf(field(line, 4)); maskClass < 0 || maskClass > 255)
        return QStringLiteral("mask class %1 outside 0 to 255").arg(maskClass);
    if (!isWholeNumber(field(line, 5)))
        return QStringLiteral("no priority");
    return {};
}
}

QString ErrorDefinitions::fileName(int deviceType)
{
    return deviceType == 6 ? QStringLiteral("SerratK40Errors.dlm") : QStringLiteral("SerratK90Errors.dlm");
}

ErrorDefinitions ErrorDefinitions::parse(QIODevice& in)
{
    ErrorDefinitions definitions;
    int fileLine = 0;
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        ++fileLine;
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('/'))
            continue;
        if (definitions.m_lines.size() >= MaxLines) {
            definitions.m_moreLines = true;
            break;
        }
        definitions.addLine(line, fileLine);
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

QString ErrorDefinitions::damage(const QString& path, int statusCount) const
{
    const int count = static_cast<int>(m_lines.size());
    int badLine = -1;
    QString reason;
    if (m_firstBadLine >= 0 && m_firstBadLine < statusCount) {
        badLine = m_fileLines[size_t(m_firstBadLine)];
        reason = m_firstBadReason;
    } else if (statusCount >= 0 && count > statusCount) {
        badLine = m_fileLines[size_t(statusCount)];
        reason = QStringLiteral("a status line beyond the model's");
    }
    const bool countDiffers = count != statusCount || m_moreLines;
    if (badLine < 0 && !countDiffers)
        return {};
    QString text = QStringLiteral("error definitions damaged: ") + path;
    if (badLine >= 0)
        text += QStringLiteral(" line %1: %2").arg(badLine).arg(reason);
    if (countDiffers) {
        const QString lines = count == 0 ? QStringLiteral("no")
            : m_moreLines                ? QStringLiteral("more than %1").arg(count)
                                         : QString::number(count);
        text += (badLine >= 0 ? QStringLiteral("; ") : QStringLiteral(": "))
            + QStringLiteral("%1 status lines, the model has %2").arg(lines).arg(statusCount);
    }
    return text;
}

void ErrorDefinitions::addLine(const QByteArray& line, int fileLine)
{
    if (m_firstBadLine < 0) {
        QString problem = problemOf(line, static_cast<int>(m_lines.size()));
        if (!problem.isEmpty()) {
            m_firstBadLine = static_cast<int>(m_lines.size());
            m_firstBadReason = std::move(problem);
        }
    }
    m_fileLines.push_back(fileLine);
    ErrorDefinitionLine entry;
    const QByteArray number = field(line, 0);
    entry.statusField = QString::fromLatin1(number);
    if (beginsWithNumber(number))
        entry.statusNumber = numberOf(number);
    entry.maskClass = std::clamp(numberOf(field(line, 4)), 0, 255);
    entry.priority = numberOf(field(line, 5));
    m_lines.push_back(entry);
}
