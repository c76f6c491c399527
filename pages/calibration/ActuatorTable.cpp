#include "ActuatorTable.h"

#include "automation/NumberText.h"

#include <QFile>

#include <algorithm>

void CActuatorStorage::AddEntry(
    const QString& manufacturer, const QString& model, double area, uint16_t modelCode, uint16_t modelIndex)
{
    m_entries.push_back({ manufacturer, model, area, modelCode, modelIndex });
}

namespace ActuatorTable
{
namespace
{
// A part of the line from `start` for `length` characters, both clamped to it.
QByteArray cut(const QByteArray& line, qsizetype start, qsizetype length)
{
    start = std::clamp<qsizetype>(start, 0, line.size());
    length = std::clamp<qsizetype>(length, 0, line.size() - start);
    return line.mid(start, length);
}

QString text(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}
}

ActuatorTableEntry parseLine(const QByteArray& whole)
{
    // The fields are C strings: nothing after a NUL byte counts.
    const qsizetype nul = whole.indexOf('\0');
    const QByteArray line = nul < 0 ? whole : whole.left(nul);
    const qsizetype tab = line.indexOf('\t');
    const qsizetype bang = line.indexOf('!');
    const qsizetype at = line.indexOf('@');
    const qsizetype hash = line.indexOf('#');
    const qsizetype question = line.indexOf('?');
    ActuatorTableEntry entry;
    entry.Manufacturer = text(cut(line, 0, tab));
    // Each value ends one character before the next marker: the separator is dropped.
    entry.Model = text(cut(line, bang + 1, at - bang - 2));
    entry.Area = NumberText::toDouble(text(cut(line, at + 1, hash - at - 2)));
    entry.ModelCode = static_cast<uint16_t>(NumberText::toInt(text(cut(line, hash + 1, question - hash - 2))));
    entry.ModelIndex = static_cast<uint16_t>(NumberText::toInt(text(cut(line, question + 1, line.size()))));
    return entry;
}

void parse(const QByteArray& raw, CActuatorStorage& storage)
{
    // CRLF files read as the text they would be with LF line ends.
    QByteArray bytes = raw;
    bytes.replace("\r\n", "\n");
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        // One read: up to 69 characters, ending after a line end if one comes first.
        const qsizetype newline = bytes.indexOf('\n', pos);
        const qsizetype limit = std::min<qsizetype>(pos + ChunkBytes - 1, bytes.size());
        const qsizetype end = (newline >= 0 && newline < limit) ? newline + 1 : limit;
        QByteArray line = bytes.mid(pos, end - pos);
        pos = end;
        if (line.startsWith('/'))
            continue;
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        const ActuatorTableEntry entry = parseLine(line);
        storage.AddEntry(entry.Manufacturer, entry.Model, entry.Area, entry.ModelCode, entry.ModelIndex);
    }
}

bool load(const QString& path, CActuatorStorage& storage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(file.readAll(), storage);
    return true;
}
} // namespace ActuatorTable
