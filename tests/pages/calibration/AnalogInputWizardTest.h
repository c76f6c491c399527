#pragma once

#include "AppFrameTest.h"
#include "CNavigationView.h"
#include "DeviceData.h"
#include "IndicatorColours.h"
#include "RequestTimes.h"
#include "SimulatedPositioner.h"
#include "calibration/CCalibrationAnalogIn.h"
#include "calibration/CCalibrationAnalogInSteps.h"

#include <QAbstractButton>
#include <QDate>
#include <QDateTime>
#include <QImage>

// The program against a simulated positioner with the analog input
// calibration wizard at hand: its pages by step, the user's clicks, and the
// device's request record in a readable form.
class AnalogInputWizardTest : public AppFrameTest
{
protected:
    static constexpr int AnalogInputCode = 53;
    static constexpr uint32_t Green = IndicatorColour::Green;
    static constexpr uint32_t Yellow = IndicatorColour::Yellow;
    static constexpr uint32_t Red = IndicatorColour::Red;

    // Start-up on `path` on 30 November 2029 at 16:05, past the first strip read.
    void startOn(const char* path = K90Path)
    {
        clock().setLocalStart(QDateTime(QDate(2029, 11, 30), QTime(16, 5)));
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
    }
    void select(int pageCode) { tree().SelectItem(tree().itemForCode(pageCode)); }
    DeviceData& data() { return app().deviceData(); }

    // The wizard's page of `step` (0 the start page).
    AnalogInputWizardPage& step(int number)
    {
        return static_cast<AnalogInputWizardPage&>(page(AnalogInputWizardPage::StepClasses[number]));
    }
    // Swaps a step in and activates it, as the wizard's own buttons do.
    AnalogInputWizardPage& show(int number)
    {
        FormPage* shown = app().ReplaceView(AnalogInputWizardPage::StepClasses[number]);
        EXPECT_NE(shown, nullptr);
        shown->ActivatePage();
        return step(number);
    }
    // The user clicks a button of a page; a disabled button does nothing.
    static void click(FormPage& on, int buttonId)
    {
        auto* button = on.controlAs<QAbstractButton>(buttonId);
        ASSERT_NE(button, nullptr) << buttonId;
        button->click();
    }
    static bool enabled(FormPage& on, int id) { return on.control(id) && on.control(id)->isEnabled(); }
    // The page in the pane now.
    FormPage* shownPage()
    {
        for (FormPage* candidate : app().pageTable())
            if (candidate && candidate->isVisible())
                return candidate;
        return nullptr;
    }

    // The commands the device received since the record was last cleared:
    // "202", or for a Misc read the slot it asked for ("200 word 0x58").
    QStringList sent(const char* path = K90Path)
    {
        QStringList out;
        for (const SimRequest& request : device(path).requests())
            out << describe(request);
        return out;
    }
    static QString describe(const SimRequest& request) { return requestKind(request); }
    static std::string joined(const QStringList& list) { return list.join(QStringLiteral(", ")).toStdString(); }
    // The codes of every Write_Cal_Loop_cmd the device received.
    std::vector<int> loopCodes(const char* path = K90Path)
    {
        std::vector<int> codes;
        for (const SimRequest& request : device(path).requestsFor(227))
            codes.push_back(uint8_t(request.bytes.at(2)));
        return codes;
    }
    // A reply the device gives to `command` the next `times` times: the data after the status bytes.
    void scriptData(uint8_t command, const QByteArray& replyData, int times = 1, const char* path = K90Path)
    {
        QByteArray reply;
        reply.append(char(command)).append(char(replyData.size() + 2)).append('\0').append('\0').append(replyData);
        SimTestHooks::scriptReply(device(path), command, reply, times);
    }
    void scriptLoopState(uint8_t state, int times = 1, const QByteArray& text = QByteArray(14, ' '))
    {
        scriptData(226, QByteArray(1, char(state)) + text, times);
    }
    void scriptLoopFlags(uint8_t byte8)
    {
        QByteArray history(20, '\0');
        history[8] = char(byte8);
        scriptData(228, history);
    }
    // A status reply whose command word is `hundredths`.
    void scriptCommand(int16_t hundredths)
    {
        QByteArray status(18, '\0');
        status[3] = char(uint16_t(hundredths) >> 8);
        status[4] = char(hundredths & 0xFF);
        status[17] = char(0xFF);
        scriptData(202, status);
    }

    // What a grabbed page shows inside an indicator, near its left edge.
    static QColor drawnColour(FormPage& on, int indicatorId)
    {
        QWidget* indicator = on.control(indicatorId);
        const QImage image = on.grab().toImage();
        return image.pixelColor(indicator->mapTo(&on, QPoint(4, indicator->height() / 2)));
    }
    static QColor windowsColour(uint32_t bgr)
    {
        return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
    }
    static bool near(const QColor& a, const QColor& b)
    {
        return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40
            && std::abs(a.blue() - b.blue()) < 40;
    }
};
