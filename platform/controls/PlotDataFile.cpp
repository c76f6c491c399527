#include "PlotDataFile.h"

#include "PlotSaveFile.h"
#include "automation/ComError.h"

#include <QFile>
#include <QStringDecoder>
#include <QtEndian>

#include <bit>
#include <limits>

namespace
{

constexpr uint8_t SwitchVisible = 0x01;
constexpr uint8_t SwitchLegend = 0x02;
constexpr uint8_t SwitchMarkers = 0x04;
constexpr uint8_t SwitchIndividualMarking = 0x08;
constexpr uint8_t KnownSwitches = 0x0F;

[[noreturn]] void refuse(const QString& why)
{
    throw ComError(ComError::Failure, QStringLiteral("Not a readable plot data file: %1").arg(why));
}

class Writer
{
public:
    explicit Writer(QIODevice& device)
        : m_device(device)
    {
    }

    void bytes(const void* data, qint64 size)
    {
        if (size > 0 && m_device.write(static_cast<const char*>(data), size) != size)
            throw ComError(ComError::Failure, QStringLiteral("The plot data file could not be written"));
    }

    template <class T> void number(T value)
    {
        const T le = qToLittleEndian(value);
        bytes(&le, sizeof le);
    }

    void real(double value) { number(std::bit_cast<uint64_t>(value)); }

    void text(const QString& value)
    {
        const QByteArray utf8 = value.toUtf8();
        number(static_cast<uint32_t>(utf8.size()));
        bytes(utf8.constData(), utf8.size());
    }

    void reals(const std::vector<double>& values)
    {
        if constexpr (std::endian::native == std::endian::little) {
            bytes(values.data(), static_cast<qint64>(values.size() * sizeof(double)));
        } else {
            for (double v : values)
                real(v);
        }
    }

private:
    QIODevice& m_device;
};

class Reader
{
public:
    explicit Reader(QIODevice& device)
        : m_device(device)
    {
    }

    qint64 remaining() const
    {
        return m_device.isSequential() ? m_device.bytesAvailable() : m_device.size() - m_device.pos();
    }

    void bytes(void* data, qint64 size)
    {
        if (size > 0 && m_device.read(static_cast<char*>(data), size) != size)
            refuse(QStringLiteral("it ends too early"));
    }

    template <class T> T number()
    {
        T le;
        bytes(&le, sizeof le);
        return qFromLittleEndian(le);
    }

    QString text()
    {
        const uint32_t size = number<uint32_t>();
        // Bounded by the bytes that follow, not by a length of its own: any
        // text that a save wrote must load again.
        if (size > remaining())
            refuse(QStringLiteral("a text is longer than the file"));
        QByteArray utf8(static_cast<qsizetype>(size), Qt::Uninitialized);
        bytes(utf8.data(), size);
        // A leading byte order mark is part of the text: dropping it would
        // load another text than was saved.
        QStringDecoder decoder(
            QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString value = decoder.decode(utf8);
        if (decoder.hasError())
            refuse(QStringLiteral("a text is not UTF-8"));
        return value;
    }

    void reals(std::vector<double>& values, size_t count)
    {
        values.resize(count);
        if constexpr (std::endian::native == std::endian::little) {
            bytes(values.data(), static_cast<qint64>(count * sizeof(double)));
        } else {
            for (double& v : values)
                v = std::bit_cast<double>(number<uint64_t>());
        }
    }

private:
    QIODevice& m_device;
};

uint8_t switchesOf(const PlotChannelData& channel)
{
    return (channel.visible ? SwitchVisible : 0) | (channel.legendVisible ? SwitchLegend : 0)
        | (channel.markersVisible ? SwitchMarkers : 0) | (channel.individualMarking ? SwitchIndividualMarking : 0);
}

void writeMarks(Writer& out, const PlotChannelData& channel)
{
    // The marks follow the point count, as the reader expects them: a channel
    // without points has none to mark.
    const std::vector<bool>& marked = channel.marked;
    const size_t count = channel.xs.size();
    const bool hasMarks = count != 0 && !marked.empty();
    out.number<uint8_t>(hasMarks ? 1 : 0);
    if (!hasMarks)
        return;
    QByteArray bits(static_cast<qsizetype>((count + 7) / 8), '\0');
    for (size_t i = 0; i < count && i < marked.size(); ++i)
        if (marked[i])
            bits[static_cast<qsizetype>(i / 8)]
                = static_cast<char>(bits[static_cast<qsizetype>(i / 8)] | (1 << (i % 8)));
    out.bytes(bits.constData(), bits.size());
}

void writeChannel(Writer& out, const PlotChannelData& channel)
{
    out.text(channel.name);
    out.text(channel.title);
    out.number<uint32_t>(channel.color);
    out.text(channel.xAxisName);
    out.text(channel.yAxisName);
    out.number<int32_t>(channel.lineWidth);
    out.number<uint8_t>(switchesOf(channel));
    out.number<int32_t>(channel.markerStyle);
    out.number<int32_t>(channel.markerSize);
    out.number<uint64_t>(channel.xs.size());
    out.reals(channel.xs);
    out.reals(channel.ys);
    writeMarks(out, channel);
}

void readMarks(Reader& in, PlotChannelData& channel)
{
    const uint8_t hasMarks = in.number<uint8_t>();
    if (hasMarks == 0)
        return;
    if (hasMarks != 1)
        refuse(QStringLiteral("unknown point marking"));
    const size_t count = channel.xs.size();
    // Marks on a channel without points would load as no marks and save back
    // as such: the file would not be the one that was read.
    if (count == 0)
        refuse(QStringLiteral("point marks on a channel without points"));
    const qint64 byteCount = static_cast<qint64>((count + 7) / 8);
    if (byteCount > in.remaining())
        refuse(QStringLiteral("the point marks are longer than the file"));
    QByteArray bits(byteCount, Qt::Uninitialized);
    in.bytes(bits.data(), byteCount);
    if (count % 8 != 0 && (static_cast<uint8_t>(bits.back()) >> (count % 8)) != 0)
        refuse(QStringLiteral("a point mark lies beyond the last point"));
    channel.marked.resize(count);
    for (size_t i = 0; i < count; ++i)
        channel.marked[i] = (static_cast<uint8_t>(bits[static_cast<qsizetype>(i / 8)]) >> (i % 8)) & 1;
}

PlotChannelData readChannel(Reader& in)
{
    PlotChannelData channel;
    channel.name = in.text();
    channel.title = in.text();
    channel.color = in.number<uint32_t>();
    channel.xAxisName = in.text();
    channel.yAxisName = in.text();
    channel.lineWidth = in.number<int32_t>();
    const uint8_t switches = in.number<uint8_t>();
    if (switches & ~KnownSwitches)
        refuse(QStringLiteral("unknown channel switches"));
    channel.visible = switches & SwitchVisible;
    channel.legendVisible = switches & SwitchLegend;
    channel.markersVisible = switches & SwitchMarkers;
    channel.individualMarking = switches & SwitchIndividualMarking;
    channel.markerStyle = in.number<int32_t>();
    channel.markerSize = in.number<int32_t>();
    const uint64_t count = in.number<uint64_t>();
    // Check the count against the bytes that follow before allocating anything.
    if (count > static_cast<uint64_t>(std::numeric_limits<int>::max())
        || count * 2 * sizeof(double) > static_cast<uint64_t>(in.remaining()))
        refuse(QStringLiteral("a point count exceeds the file"));
    in.reals(channel.xs, count);
    in.reals(channel.ys, count);
    readMarks(in, channel);
    return channel;
}

} // namespace

void PlotDataFile::write(QIODevice& device, Kind kind, const std::vector<const PlotChannelData*>& channels)
{
    Writer out(device);
    out.number<uint32_t>(Magic);
    out.number<uint16_t>(Version);
    out.number<uint8_t>(static_cast<uint8_t>(kind));
    out.number<uint32_t>(static_cast<uint32_t>(channels.size()));
    for (const PlotChannelData* channel : channels)
        writeChannel(out, *channel);
    out.number<uint32_t>(TrailerMagic);
}

std::vector<PlotChannelData> PlotDataFile::read(QIODevice& device)
{
    Reader in(device);
    if (in.number<uint32_t>() != Magic)
        refuse(QStringLiteral("it is not a plot data file"));
    if (in.number<uint16_t>() != Version)
        refuse(QStringLiteral("its version is not known"));
    if (in.number<uint8_t>() > static_cast<uint8_t>(Kind::XYPlot))
        refuse(QStringLiteral("its plot kind is not known"));
    const uint32_t count = in.number<uint32_t>();
    std::vector<PlotChannelData> channels;
    for (uint32_t i = 0; i < count; ++i)
        channels.push_back(readChannel(in));
    if (in.number<uint32_t>() != TrailerMagic)
        refuse(QStringLiteral("its end is damaged"));
    if (in.remaining() != 0)
        refuse(QStringLiteral("bytes follow its end"));
    return channels;
}

void PlotDataFile::save(const QString& path, Kind kind, const std::vector<const PlotChannelData*>& channels)
{
    PlotSaveFile::write(path, [&](QIODevice& device) { write(device, kind, channels); });
}

std::vector<PlotChannelData> PlotDataFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ComError(ComError::Failure, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return read(file);
}
