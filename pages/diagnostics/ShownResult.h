#pragma once

#include "controls/Plot.h"
#include "core/CReportHeader.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <map>

class FormPage;

// The units a run's values are in, as the device gave them when it started:
// their codes, as a saved file keeps them, and the labels the page shows;
// for a ramp also the stroke length and actuator area its spring set and
// report go by. The device may be set to other units afterwards, which
// would not change what the run recorded.
struct ResultUnits {
    uint8_t pressure = 0;
    QString pressureLabel;
    uint8_t travel = 0;
    QString travelLabel;
    double strokeLength = 0.0;
    double actuatorArea = 0.0;
};

// The result a test page shows, as one record: where it came from (a run on
// the connected device, or a file), the settings it was recorded with as the
// page's settings edits showed them at Start or right after the Load, the
// device it belongs to (its model, a run's units, and a file's tag), when it
// was recorded and, for a run, the state it ended in. The
// page's views, its report, the hub's report and Save read the result from
// here: the device's stored settings, units and the connected model describe
// the device, which may since have run another test, been set to other units
// or never have recorded this result at all. A value typed into a settings
// edit while a result is shown is meant for the next run.
class ShownResult
{
public:
    enum class Source { None, Run, File };

    // A run starts on the connected device, of `model`, in `units` (none for
    // a test that records no pressures), with what `edits` show now; it is
    // dated by the clock's day.
    void ran(const FormPage& page, std::initializer_list<int> edits, uint8_t model, const ResultUnits& units = {});
    // The run shown has ended (completed or stopped) with `state` in the
    // page's status line.
    void ended(const QString& state);
    // A file was loaded and `edits` show its settings now; `model` is the
    // model it was recorded on, 0 when the file does not say; `date` the date
    // it keeps ("12/3/2024").
    void loaded(
        const FormPage& page, std::initializer_list<int> edits, uint8_t model, const QString& tag, const QString& date);

    // Whether a result is shown at all, from a run or from a file.
    bool shown() const { return m_source != Source::None; }
    bool fromRun() const { return m_source == Source::Run; }
    bool fromFile() const { return m_source == Source::File; }
    // The result's text of `edit`; what the edit shows when the result keeps none.
    QString text(const FormPage& page, int edit) const;
    // That text read as a typed field is read, the whole text one number; 0
    // when it is none.
    double number(const FormPage& page, int edit) const;
    // The model the result was recorded on; `connected` for a run of the
    // connected device, for nothing shown and for a file that does not say.
    uint8_t model(uint8_t connected) const;
    // The model a Save of the result stores: a file's as it came (0 when it
    // did not say), otherwise the connected model.
    uint8_t modelToSave(uint8_t connected) const { return fromFile() ? m_model : connected; }
    // The tag a loaded file was saved under.
    const QString& fileTag() const { return m_fileTag; }
    // The units of the run shown; none for a file, whose record keeps its
    // own, and while nothing is shown.
    const ResultUnits* runUnits() const { return fromRun() ? &m_units : nullptr; }
    // When the result was recorded, month/day/year unpadded: a run's day, the
    // date a file keeps; empty while nothing is shown. Every report of the
    // result is dated by it, whenever it is printed.
    const QString& date() const { return m_date; }
    // What the page's status line says of the result once the page's reads
    // have ended: the state a run ended in, "Off line data" for a file,
    // nothing while nothing is shown.
    QString statusText() const;

private:
    Source m_source = Source::None;
    QString m_date;
    QString m_state;
    std::map<int, QString> m_texts;
    uint8_t m_model = 0;
    QString m_fileTag;
    ResultUnits m_units;
};

// The head of the shown result's report, from the connected device's header
// as FillReportHeader left it: a run's (or, with nothing shown, the page's)
// is the device's; a file's carries the file's tag and none of the connected
// device's actuator and valve lines, which the file does not hold. Either way
// the model is the result's.
CReportHeader ShownResultHeader(const ShownResult& result, const CReportHeader& device, uint8_t connectedModel);

// With no result of the page's own shown, the settings the hub held for its
// test in a multi-test run the user stopped before the test started (`held`)
// go into `edits`, in their order: the device's settings are then another
// test's. A shown result keeps the settings it was recorded with, and a held
// list that does not fit the edits is not the page's. Whether they went in.
bool ShowHeldSettings(
    FormPage& page, const ShownResult& result, const QStringList& held, std::initializer_list<int> edits);

// The model a result file was recorded on travels in the plot's data file as
// the hidden channel "DeviceModel" (one point: the model code). A file saved
// before that channel existed does not say.
namespace ResultModelChannel
{
inline const QString Name = QStringLiteral("DeviceModel");
// Puts `model` into the plot's channel before a save, making the channel
// (hidden, on no axis) when the plot has none; a model of 0 leaves the plot
// without it, so the file does not say either.
void write(const IPlotPtr& plot, uint8_t model);
// After a load: the model the file says, or 0.
uint8_t read(const IPlotPtr& plot);
} // namespace ResultModelChannel
