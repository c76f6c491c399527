#include "core/ResultFile.h"

#include "ui/Prompts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

int HiddenChannelInteger(double value)
{
    // Truncation first: -2^31 - 0.5 still names -2^31, 2^31 - 0.5 names 2^31 - 1.
    const double whole = std::trunc(value);
    if (!std::isfinite(whole) || whole < -2147483648.0 || whole > 2147483647.0)
        return 0;
    return static_cast<int>(whole);
}

ResultDate ResultDateToSave(const AutoString& date, const QDateTime& now)
{
    const QStringList parts = date.toQString().split(QLatin1Char('/'));
    if (parts.size() == 3) {
        int values[3] = {};
        bool whole = true;
        for (int k = 0; k < 3 && whole; ++k) {
            // A part as a file keeps it: digits only, within the word a load accepts.
            const QString& part = parts[k];
            bool ok = !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            });
            const uint value = ok ? part.toUInt(&ok) : 0;
            whole = ok && value <= 65535;
            values[k] = static_cast<int>(value);
        }
        if (whole)
            return { values[0], values[1], values[2] };
    }
    const QDate today = now.date();
    return { today.month(), today.day(), today.year() };
}

QString ProposedNameTag(const QString& tag)
{
    QString safeTag = tag;
    for (QChar& c : safeTag) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    // A device pads its eight-character tag with blanks; they are no part of
    // the name the user gave it.
    while (safeTag.endsWith(QLatin1Char(' ')))
        safeTag.chop(1);
    return safeTag;
}

QString ProposedResultFileName(const AutoString& tag, const QDateTime& now, const QString& extension)
{
    const QString safeTag = ProposedNameTag(tag.toQString());
    const QDate date = now.date();
    const QTime time = now.time();
    return QStringLiteral("%1_%2_%3_%4_%5h_%6m.%7")
        .arg(safeTag)
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(time.hour())
        .arg(time.minute())
        .arg(extension);
}

QString ResultPressureUnitText(int unitCode, const QString& kgPerSquareCentimetre)
{
    switch (unitCode) {
    case 7:
        return QStringLiteral("bar");
    case 10:
        return kgPerSquareCentimetre;
    case 12:
        return QStringLiteral("kPa");
    case 57:
        return QStringLiteral("%");
    default:
        return QStringLiteral("psi");
    }
}

QString DevicePressureUnitLabel(int unitCode)
{
    // The device spells percent out where a file's unit text has "%".
    return unitCode == 57 ? QStringLiteral("Percent") : ResultPressureUnitText(unitCode, PressureUnitSpelling::KgPerCm2);
}

QString ResultPressureAxisTitle(int unitCode)
{
    return QStringLiteral("Pressure [") + DevicePressureUnitLabel(unitCode) + QLatin1Char(']');
}

std::vector<double> TagNamePoints(const AutoString& tag)
{
    std::vector<double> points;
    points.reserve(static_cast<size_t>(tag.length()));
    for (const QChar c : tag.toQString())
        points.push_back(static_cast<int8_t>(static_cast<uint8_t>(c.unicode() & 0xFF)));
    return points;
}

AutoString TagFromPoints(const std::vector<double>& ys)
{
    if (ys.empty())
        return AutoString(ResultFileText::NoTag);
    QString tag;
    tag.reserve(static_cast<qsizetype>(ys.size()));
    for (const double y : ys)
        tag.append(QChar(static_cast<char16_t>(HiddenChannelInteger(y) & 0xFF)));
    return AutoString(tag);
}

bool ContinueDespiteOtherSettings(QWidget* page)
{
    return Prompts::show(ResultFileText::SettingsDoNotMatch, ResultFileText::CompareCaption, Prompts::Buttons::OkCancel,
               Prompts::Icon::None, page)
        == Prompts::IdOk;
}

namespace ResultFileFrame
{

namespace
{
std::optional<QString> askPath(
    bool save, const QString& title, const QString& filter, const QString& extension, const QString& initialName)
{
    Prompts::FileDialog dialog;
    dialog.save = save;
    dialog.title = title;
    dialog.filter = filter;
    dialog.defaultExt = extension;
    dialog.initialName = initialName;
    dialog.confirmOverwrite = true;
    dialog.owner = nullptr;
    return Prompts::instance().file(dialog);
}

IPlotChannelPtr requiredChannel(const IPlotPtr& plot, const QString& name)
{
    IPlotChannelPtr channel = plot->ChannelByName(name);
    if (!channel)
        throw ComError(ComError::InvalidPointer, QStringLiteral("No channel \"%1\"").arg(name));
    return channel;
}

void replacePoints(const IPlotChannelPtr& channel, const std::vector<double>& values)
{
    channel->Clear();
    for (size_t k = 0; k < values.size(); ++k)
        channel->AddXY(static_cast<double>(k), values[k]);
}
} // namespace

std::optional<QString> askSavePath(
    const QString& title, const QString& filter, const QString& extension, const QString& initialName)
{
    return askPath(true, title, filter, extension, initialName);
}

std::optional<QString> askOpenPath(const QString& title, const QString& filter, const QString& extension)
{
    return askPath(false, title, filter, extension, QString());
}

void writeHiddenChannels(const IPlotPtr& plot, const std::vector<double>& settings,
    const std::optional<std::vector<double>>& results, const AutoString& tag)
{
    // Every channel is found before any changes, so a plot lacking one keeps its points.
    const IPlotChannelPtr settingsChannel = requiredChannel(plot, ResultChannelName::TestSettings);
    const IPlotChannelPtr tagChannel = requiredChannel(plot, ResultChannelName::TagName);
    IPlotChannelPtr resultsChannel;
    if (results)
        resultsChannel = requiredChannel(plot, ResultChannelName::Results);
    // Replaced, not appended: a plot saved twice, or saved after a load,
    // would otherwise carry the older set in front, and the readers take that.
    replacePoints(settingsChannel, settings);
    if (results)
        replacePoints(resultsChannel, *results);
    replacePoints(tagChannel, TagNamePoints(tag));
}

ChannelLookup lookupIn(const Plot& plot)
{
    return [&plot](const QString& name) -> const PlotChannelData* {
        const IPlotChannelPtr channel = plot.ChannelByName(name);
        return channel ? &channel->data() : nullptr;
    };
}

ChannelLookup lookupIn(const std::vector<PlotChannelData>& channels)
{
    return [&channels](const QString& name) -> const PlotChannelData* {
        for (const PlotChannelData& channel : channels)
            if (channel.name.compare(name, Qt::CaseInsensitive) == 0)
                return &channel;
        return nullptr;
    };
}

const PlotChannelData& required(const ChannelLookup& lookup, const QString& name)
{
    const PlotChannelData* channel = lookup(name);
    if (!channel)
        throw ComError(ComError::InvalidPointer, QStringLiteral("No channel \"%1\"").arg(name));
    return *channel;
}

double valueAt(const PlotChannelData& channel, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= channel.ys.size())
        throw ComError(
            ComError::InvalidArgument, QStringLiteral("Channel \"%1\" holds no point %2").arg(channel.name).arg(index));
    return channel.ys[static_cast<size_t>(index)];
}

void checkSettings(
    const PlotChannelData& settings, const std::vector<int>& datePoints, const std::vector<int>& measuredPoints)
{
    for (size_t k = 0; k < settings.ys.size(); ++k) {
        const double whole = std::trunc(settings.ys[k]);
        if (!std::isfinite(whole))
            throw ComError(ComError::Failure, QStringLiteral("Setting %1 is no number").arg(k));
        const bool measured
            = std::find(measuredPoints.begin(), measuredPoints.end(), static_cast<int>(k)) != measuredPoints.end();
        if (!measured && (whole < -2147483648.0 || whole > 2147483647.0))
            throw ComError(ComError::Failure, QStringLiteral("Setting %1 is no value a page can hold").arg(k));
    }
    for (int k : datePoints) {
        if (k < 0 || static_cast<size_t>(k) >= settings.ys.size())
            continue;
        const double whole = std::trunc(settings.ys[static_cast<size_t>(k)]);
        if (whole < 0.0 || whole > 65535.0)
            throw ComError(ComError::Failure, QStringLiteral("Setting %1 is no date part").arg(k));
    }
}

void checkRange(const PlotChannelData& channel, int point, const ResultRange& range)
{
    if (point < 0 || static_cast<size_t>(point) >= channel.ys.size())
        return;
    const double value = channel.ys[static_cast<size_t>(point)];
    const bool held = std::isfinite(value) && value >= range.least && value <= range.most
        && (!range.whole || std::trunc(value) == value);
    if (!held)
        throw ComError(ComError::Failure,
            QStringLiteral("Point %1 of \"%2\" is no value its page can hold").arg(point).arg(channel.name));
}

void checkSignalsRecorded(const std::vector<const PlotChannelData*>& signalChannels)
{
    bool anyPoint = false;
    for (const PlotChannelData* channel : signalChannels) {
        const size_t count = std::min(channel->xs.size(), channel->ys.size());
        for (size_t k = 0; k < count; ++k) {
            if (std::isfinite(channel->xs[k]) && std::isfinite(channel->ys[k]))
                return;
        }
        anyPoint = anyPoint || !channel->ys.empty() || !channel->xs.empty();
    }
    if (anyPoint)
        throw ComError(ComError::Failure, QStringLiteral("No recorded signal point is a number"));
}

void showFailure(const QString& text, const std::optional<QString>& caption)
{
    Prompts::show(text, caption.value_or(QString()), Prompts::Buttons::Ok, Prompts::Icon::None, nullptr);
}

} // namespace ResultFileFrame
