#include "ShownResult.h"

#include "ReportHeaderFill.h"

#include "automation/NumberText.h"
#include "core/ReportFrame.h"
#include "ui/FormPage.h"
#include "ui/TimerService.h"

#include <cmath>

namespace
{
constexpr uint8_t LargerModel = 5;
constexpr uint8_t SmallerModel = 6;

bool knownModel(double code)
{
    return code == LargerModel || code == SmallerModel;
}
} // namespace

void ShownResult::ran(const FormPage& page, std::initializer_list<int> edits, uint8_t model, const ResultUnits& units)
{
    m_source = Source::Run;
    m_texts.clear();
    for (int edit : edits)
        m_texts[edit] = page.windowText(edit);
    m_model = model;
    m_fileTag.clear();
    m_units = units;
    m_date = ReportFrame::dateLineText(TimerService::instance().localNow());
    m_state.clear();
}

void ShownResult::ended(const QString& state)
{
    if (fromRun())
        m_state = state;
}

void ShownResult::loaded(
    const FormPage& page, std::initializer_list<int> edits, uint8_t model, const QString& tag, const QString& date)
{
    m_source = Source::File;
    m_texts.clear();
    for (int edit : edits)
        m_texts[edit] = page.windowText(edit);
    m_model = knownModel(model) ? model : 0;
    m_fileTag = tag;
    m_units = {};
    m_date = date;
    m_state.clear();
}

QString ShownResult::statusText() const
{
    switch (m_source) {
    case Source::Run:
        return m_state;
    case Source::File:
        return QStringLiteral("Off line data");
    case Source::None:
        break;
    }
    return QString();
}

QString ShownResult::text(const FormPage& page, int edit) const
{
    const auto found = m_texts.find(edit);
    return found != m_texts.end() ? found->second : page.windowText(edit);
}

double ShownResult::number(const FormPage& page, int edit) const
{
    return NumberText::toNumber(text(page, edit)).value_or(0.0);
}

uint8_t ShownResult::model(uint8_t connected) const
{
    return m_source != Source::None && m_model != 0 ? m_model : connected;
}

CReportHeader ShownResultHeader(const ShownResult& result, const CReportHeader& device, uint8_t connectedModel)
{
    CReportHeader header = device;
    if (result.fromFile())
        ShowLoadedResultHeader(header, result.fileTag());
    header.m_byModel = result.model(connectedModel);
    return header;
}

bool ShowHeldSettings(
    FormPage& page, const ShownResult& result, const QStringList& held, std::initializer_list<int> edits)
{
    if (result.shown() || held.size() != qsizetype(edits.size()))
        return false;
    qsizetype k = 0;
    for (int edit : edits)
        page.setWindowText(edit, held[k++]);
    return true;
}

namespace ResultModelChannel
{

void write(const IPlotPtr& plot, uint8_t model)
{
    IPlotChannelPtr channel = plot->ChannelByName(Name);
    if (!knownModel(model)) {
        if (channel)
            channel->Clear();
        return;
    }
    if (!channel) {
        channel = plot->Channel(plot->AddChannel());
        channel->SetName(Name);
        channel->SetTitle(Name);
        // On no axis: the model never widens an axis nor shows in the legend.
        channel->SetXAxisName(QStringLiteral("None"));
        channel->SetYAxisName(QStringLiteral("None"));
    }
    channel->SetVisible(false);
    channel->SetLegendVisible(false);
    channel->Clear();
    channel->AddXY(0.0, model);
}

uint8_t read(const IPlotPtr& plot)
{
    const IPlotChannelPtr channel = plot->ChannelByName(Name);
    if (!channel || channel->Count() < 1)
        return 0;
    const double code = channel->GetY(0);
    return knownModel(code) ? static_cast<uint8_t>(code) : 0;
}

} // namespace ResultModelChannel
