#pragma once

#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "DeviceData.h"
#include "ReportRecords.h"
#include "SimulatedPositioner.h"

#include "diagnostics/CTrends.h"

#include <QAbstractButton>
#include <QProgressBar>
#include <QStringList>

// The program against a simulated positioner with the trends page shown, and
// the trend exchanges the device received in a readable form.
class TrendsPageTest : public AppFrameTest
{
protected:
    static constexpr int TrendsCode = 45;

    CTrends& trends() { return page<CTrends>(); }
    DeviceData& data() { return app().deviceData(); }
    CTrendsReport& record() { return app().records().m_TrendsReport; }

    // Start-up, the page shown and past its first strip read, with an empty record.
    void showPage(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        m_path = path;
        clock().advance(2000);
        tree().SelectItem(tree().itemForCode(TrendsCode));
        clock().advance(1000);
        device().clearRequests();
    }
    SimulatedPositioner& device() { return AppFrameTest::device(m_path); }

    // The requests as the program laid them, in hex ("03 B6 01 01").
    QStringList frames(std::initializer_list<int> commands = { 181, 182, 184 })
    {
        QStringList out;
        for (const SimRequest& request : device().requests()) {
            if (std::find(commands.begin(), commands.end(), int(request.command)) == commands.end())
                continue;
            QByteArray frame(1, char(request.bytes.size()));
            frame += request.bytes;
            out << QString::fromLatin1(frame.toHex(' ').toUpper());
        }
        return out;
    }
    int count(uint8_t command) { return int(device().requestsFor(command).size()); }

    // A row the device gives once: its index, six unused bytes, then the five words.
    void scriptRow(uint8_t row, std::array<int16_t, 5> words)
    {
        QByteArray data(1, char(row));
        data += QByteArray(6, '\0');
        for (int16_t w : words)
            data.append(char(uint16_t(w) >> 8)).append(char(uint16_t(w) & 0xFF));
        scriptReply(181, data);
    }
    void scriptReply(uint8_t command, const QByteArray& data)
    {
        QByteArray reply;
        reply.append(char(command)).append(char(data.size() + 2)).append('\0').append('\0').append(data);
        SimTestHooks::scriptReply(device(), command, reply);
    }

    bool enabled(int id) { return trends().control(id)->isEnabled(); }
    QString text(int id) { return trends().windowText(id); }
    int progress() { return trends().controlAs<QProgressBar>(CTrends::ProgressBar)->value(); }
    void click(int id) { trends().controlAs<QAbstractButton>(id)->click(); }

    Plot& plot(int period) { return *trends().plots()[size_t(period)]; }
    PlotChannel& channel(int period, const QString& name) { return *plot(period).ChannelByName(name); }
    std::vector<double> ys(int period, const char* name)
    {
        return channel(period, QString::fromLatin1(name)).data().ys;
    }
    std::vector<double> xs(int period, const char* name)
    {
        return channel(period, QString::fromLatin1(name)).data().xs;
    }
    int pointsIn(int period)
    {
        int total = 0;
        for (const PlotChannel* c : plot(period).channels())
            total += c->Count();
        return total;
    }
    double span(int period) { return plot(period).YAxis(0)->GetSpan(); }
    qint64 dueIn(int timerId) { return clock().dueIn(&trends(), timerId); }

    // Retrieve, then `rows` ticks of the row timer.
    void retrieve(int rows = 0)
    {
        trends().OnRetrieve();
        for (int k = 0; k < rows; ++k)
            clock().advance(CTrends::RowMs);
    }

    const char* m_path = K90Path;
};
