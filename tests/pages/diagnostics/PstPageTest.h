#pragma once

#include "StepTestPageTest.h"

#include "diagnostics/CPSTCompare.h"
#include "diagnostics/CPartialStrokeTest.h"

// The program against a simulated positioner with the partial stroke test
// page at hand; the request record and the scripting of the step test
// fixture serve here too.
class PstPageTest : public StepTestPageTest
{
protected:
    static constexpr int PstCode = 46;
    static constexpr int PstCompareCode = 461;
    static inline const QString Movement
        = QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?");

    CPartialStrokeTest& pst() { return page<CPartialStrokeTest>(); }
    CPSTCompare& compare() { return page<CPSTCompare>(); }

    // Start-up on a model, past the first reads, and the page shown.
    void showPst(const char* path = K90Path, bool doubleActing = false)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        if (doubleActing) {
            ValveModelParams physics = device(path).physics();
            physics.doubleActing = true;
            device(path).setPhysics(physics);
            data().Config28Bit5 = 0;
        }
        select(PstCode);
        clock().advance(1000);
        device(path).clearRequests();
    }

    void type(const char* start, const char* stop, const char* target, const char* duration)
    {
        pst().setWindowText(CPartialStrokeTest::StartEdit, QString::fromLatin1(start));
        pst().setWindowText(CPartialStrokeTest::StopEdit, QString::fromLatin1(stop));
        pst().setWindowText(CPartialStrokeTest::TimeToTargetEdit, QString::fromLatin1(target));
        pst().setWindowText(CPartialStrokeTest::DurationEdit, QString::fromLatin1(duration));
    }

    // Start pressed and the movement question answered Yes.
    void startPst()
    {
        prompts().answerMessage(Prompts::IdYes, Movement);
        pst().StartPartialStrokeTest();
    }

    void runUntil(const std::function<bool()>& done, qint64 limitMs = 900000)
    {
        for (qint64 passed = 0; passed < limitMs && !done(); passed += 500)
            clock().advance(500);
    }
    // A test run and its signature retrieved.
    void runAndRetrieve(const char* path = K90Path, bool doubleActing = false)
    {
        showPst(path, doubleActing);
        type("85", "70", "0.29", "7");
        startPst();
        runUntil([this] { return !pst().testRunning(); });
        pst().StartSignatureRetrieval();
        runUntil([this] { return !pst().retrieving(); });
    }

    QString pstText(int id) { return pst().windowText(id); }
    bool pstEnabled(int id) { return pst().control(id)->isEnabled(); }
    bool pstChecked(int id) { return pst().controlAs<QAbstractButton>(id)->isChecked(); }
    IPlotChannelPtr pstChannel(const char* name) { return pst().plot()->ChannelByName(QString::fromLatin1(name)); }
};
