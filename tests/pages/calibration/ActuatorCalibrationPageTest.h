#pragma once

#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "DeviceData.h"
#include "SimulatedPositioner.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>

// The program against a simulated positioner, for the calibration hubs and
// the actuator calibration wizard's pages: the device's request record in a
// readable form, and the user's clicks.
class ActuatorCalibrationPageTest : public AppFrameTest
{
protected:
    static constexpr int CalibrationCode = 5;
    static constexpr int ConfigurationCode = 6;
    static constexpr int ActuatorIntroCode = 51;

    DeviceData& data() { return app().deviceData(); }
    void select(int pageCode) { tree().SelectItem(tree().itemForCode(pageCode)); }
    void startK40() { start({ QStringLiteral("/dSim/K40/PV-102") }); }

    // The commands the device received since the record was last cleared:
    // "202", or for a Misc exchange the slot it named ("200 word 0x67").
    QStringList sent(const char* path = K90Path)
    {
        QStringList out;
        for (const SimRequest& request : device(path).requests())
            out << describe(request);
        return out;
    }
    static std::string joined(const QStringList& list) { return list.join(QStringLiteral(", ")).toStdString(); }

    static QString describe(const SimRequest& request)
    {
        if ((request.command != 200 && request.command != 201) || request.bytes.size() < 5)
            return QString::number(request.command);
        const auto at = [&](int k) { return uint8_t(request.bytes[k]); };
        // The write record is [byte addr][byte][word addr][hi][lo][long addr][4 bytes].
        const bool write = request.command == 201;
        const uint8_t byteAddr = at(2);
        const uint8_t wordAddr = at(write ? 4 : 3);
        const uint8_t longAddr = at(write ? 7 : 4);
        const QString command = QString::number(request.command);
        auto hex = [](uint8_t v) { return QStringLiteral("0x%1").arg(v, 2, 16, QLatin1Char('0')); };
        if (byteAddr != 238)
            return command + QStringLiteral(" byte ") + hex(byteAddr);
        if (wordAddr != 246)
            return command + QStringLiteral(" word ") + hex(wordAddr);
        return command + QStringLiteral(" long ") + hex(longAddr);
    }

    // A request as the program laid it, [count][command][byte count][data...], in hex.
    static std::string hex(const SimRequest& request)
    {
        QByteArray whole(1, char(request.bytes.size()));
        whole.append(request.bytes);
        return whole.toHex(' ').toUpper().toStdString();
    }
    std::vector<std::string> hexOf(uint8_t command, const char* path = K90Path)
    {
        std::vector<std::string> out;
        for (const SimRequest& request : device(path).requestsFor(command))
            out.push_back(hex(request));
        return out;
    }

    // A reply the device gives to `command` once: the data after the status bytes.
    void scriptData(uint8_t command, const QByteArray& data, const char* path = K90Path)
    {
        QByteArray reply;
        reply.append(char(command)).append(char(data.size() + 2)).append('\0').append('\0').append(data);
        SimTestHooks::scriptReply(device(path), command, reply);
    }

    static void click(FormPage& page, int button) { page.controlAs<QAbstractButton>(button)->click(); }

    // Every text a page shows of its own: labels, group box titles and button captions.
    static QStringList shownTexts(const FormPage& page)
    {
        QStringList texts;
        for (const QLabel* label : page.findChildren<QLabel*>())
            texts << label->text();
        for (const QGroupBox* group : page.findChildren<QGroupBox*>())
            texts << group->title();
        for (const QAbstractButton* button : page.findChildren<QAbstractButton*>())
            texts << button->text();
        return texts;
    }
};
