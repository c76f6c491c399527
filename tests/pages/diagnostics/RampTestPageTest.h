#pragma once

#include "StepTestPageTest.h"

#include "diagnostics/CRampTest.h"

#include "controls/XYPlot.h"

// The names of the data channels the ramp page's plot shows now.
inline QStringList shownRampChannels(CRampTest& page)
{
    QStringList out;
    const IXYPlotPtr& plot = page.plot();
    for (int k = 0; k < plot->ChannelCount(); ++k) {
        const IXYPlotChannelPtr c = plot->Channel(k);
        if (c->GetVisible())
            out << c->GetName();
    }
    return out;
}

// The program against a simulated positioner with the ramp test page at
// hand. The device's request record, the scripted replies and the friction
// hook are the step test fixture's.
class RampTestPageTest : public StepTestPageTest
{
protected:
    static constexpr int RampTestCode = 41;
    static inline const QString MovementText
        = QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?");

    CRampTest& ramp() { return page<CRampTest>(); }

    void showRampPage(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(RampTestCode);
        clock().advance(1000);
        device(path).clearRequests();
    }

    void typeRamp(const char* start, const char* stop, const char* hold, const char* duration, bool bidirectional)
    {
        ramp().setWindowText(CRampTest::StartEdit, QString::fromLatin1(start));
        ramp().setWindowText(CRampTest::StopEdit, QString::fromLatin1(stop));
        ramp().setWindowText(CRampTest::HoldEdit, QString::fromLatin1(hold));
        ramp().setWindowText(CRampTest::DurationEdit, QString::fromLatin1(duration));
        ramp().controlAs<QAbstractButton>(CRampTest::BidirectionalBox)->setChecked(bidirectional);
    }

    void startRamp()
    {
        prompts().answerMessage(Prompts::IdYes, MovementText);
        ramp().StartRampTest();
    }

    void runRampToCompletion(qint64 limitMs = 1200000)
    {
        for (qint64 passed = 0; passed < limitMs && ramp().testRunning(); passed += 1000)
            clock().advance(1000);
    }

    QString rampText(int id) { return ramp().windowText(id); }
    bool rampEnabled(int id) { return ramp().control(id)->isEnabled(); }
    bool rampChecked(int id) { return ramp().controlAs<QAbstractButton>(id)->isChecked(); }
    int rampProgress() { return ramp().controlAs<QProgressBar>(CRampTest::ProgressBar)->value(); }
    int rampProgressMaximum() { return ramp().controlAs<QProgressBar>(CRampTest::ProgressBar)->maximum(); }
    IXYPlotChannelPtr xy(const char* name) { return ramp().plot()->ChannelByName(QString::fromLatin1(name)); }

    // The names of the data channels the plot shows now.
    QStringList shownChannels() { return shownRampChannels(ramp()); }

    // The device's units read as inches, degrees C and `pressure` from now on.
    void useUnits(uint8_t pressure, const char* path = K90Path)
    {
        const QByteArray payload = QByteArray("\x2F\x20", 2) + QByteArray(1, char(pressure));
        QByteArray reply;
        reply.append(char(220)).append(char(payload.size() + 2)).append('\0').append('\0').append(payload);
        SimTestHooks::scriptReply(device(path), 220, reply, -1);
    }
};
