#pragma once

#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "RequestTimes.h"
#include "SimulatedPositioner.h"

#include "data_logger/DataLoggerPlot.h"
#include "diagnostics/CDataLogger.h"

#include <QAbstractButton>
#include <QComboBox>

// The program against a simulated positioner with the data logger page at
// hand: its controls by id, its plot's channels and axes by name.
class DataLoggerPageTest : public AppFrameTest
{
protected:
    static constexpr int DashboardCode = 1;
    static constexpr int DataLoggerCode = 44;

    CDataLogger& logger() { return page<CDataLogger>(); }
    DeviceData& data() { return app().deviceData(); }
    void select(int pageCode) { tree().SelectItem(tree().itemForCode(pageCode)); }

    // Start-up, then the page shown and past its strip's first read.
    void showPage(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(DataLoggerCode);
        clock().advance(1000);
        device(path).clearRequests();
    }
    // The page shown again (the tree to the dashboard and back).
    void reenter()
    {
        select(DashboardCode);
        clock().advance(10);
        select(DataLoggerCode);
    }

    QAbstractButton& button(int id) { return *logger().controlAs<QAbstractButton>(id); }
    void click(int id) { button(id).click(); }
    QComboBox& combo(int id) { return *logger().controlAs<QComboBox>(id); }
    // The user's settings: interval and units by their texts, the duration as typed.
    void choose(const char* interval, double duration, const char* unit)
    {
        combo(CDataLogger::IntervalCombo).setCurrentText(QString::fromLatin1(interval));
        combo(CDataLogger::UnitsCombo).setCurrentText(QString::fromLatin1(unit));
        logger().durationField()->setValue(duration);
    }

    PlotChannel& channel(const char* name) { return *logger().plot()->ChannelByName(QString::fromLatin1(name)); }
    std::vector<double> xs(const char* name) { return channel(name).data().xs; }
    std::vector<double> ys(const char* name) { return channel(name).data().ys; }
    PlotAxis& yAxis(const char* name) { return *logger().plot()->YAxisByName(QString::fromLatin1(name)); }

    // Milliseconds to the next sample.
    qint64 nextSampleIn() { return clock().dueIn(&logger(), CDataLogger::SampleTimerId); }
    // Runs the clock to the next sample and through it.
    void nextSample() { clock().advance(nextSampleIn()); }

    // The device's units changed, as another tool would write them.
    void writeUnits(uint8_t temperature, uint8_t pressure)
    {
        data().TemperatureUnit = temperature;
        data().PressureUnit = pressure;
        app().dispatch().DispatchWrite(221);
    }
    // The valve double-acting (port 2 in use) or not, read back as the program reads it.
    void setDoubleActing(bool doubleActing, const char* path = K90Path)
    {
        ValveModelParams physics = device(path).physics();
        physics.doubleActing = doubleActing;
        device(path).setPhysics(physics);
        app().misc().ReadMiscByte28Bit5();
    }
    void setPressureSensor(bool fitted)
    {
        device().setMiscByte(0x82, fitted ? 0x01 : 0x00);
        app().misc().ReadMiscByte82Bit0();
    }

    // The commands the device received since the record was last cleared,
    // a Misc read with the variable it asked for ("200 word 0x12").
    QStringList sent(const char* path = K90Path)
    {
        QStringList out;
        for (const SimRequest& request : device(path).requests())
            out << requestKind(request);
        return out;
    }
};
