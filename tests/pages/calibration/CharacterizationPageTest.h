#pragma once

#include "ActuatorCalibrationPageTest.h"

#include "SimTestHooks.h"
#include "calibration/CCustCharacterization.h"
#include "calibration/CCustCharacterization_Info.h"
#include "characterization/CharacterizationCurves.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QProgressBar>

// The program on the stroke characterization pages: the selection page
// behind "Stroke Characterization" and the custom curve editor it opens.
class CharacterizationPageTest : public ActuatorCalibrationPageTest
{
protected:
    using Info = CCustCharacterization_Info;
    using Editor = CCustCharacterization;
    static constexpr int CharacterizationCode = 61;

    Info& info() { return page<Info>(); }
    Editor& editor() { return page<Editor>(); }

    // Start-up, past the start-up reads, with the selection page shown and an empty request record.
    void showSelection(const char* path = K90Path)
    {
        if (QLatin1String(path) == QLatin1String(K40Path))
            startK40();
        else
            startK90();
        clock().advance(2000);
        select(CharacterizationCode);
        device(path).clearRequests();
    }
    void showEditor()
    {
        showSelection();
        click(info(), Info::CustomizeButton);
        device().clearRequests();
    }

    // The device's configuration block, as another tool would have written it.
    void deviceConfig(uint8_t localInterface, uint8_t curveType, uint8_t byte15 = 1)
    {
        QByteArray bytes(22, '\0');
        for (int k = 0; k < 22; ++k)
            bytes[k] = char(0x40 + k);
        bytes[0] = char(localInterface);
        bytes[10] = char(curveType);
        bytes[15] = char(byte15);
        device().respond(247, bytes);
    }
    // The device's custom curve: 21 words of hundredths.
    void deviceCurve(const std::array<uint16_t, 21>& words)
    {
        QByteArray first;
        QByteArray second;
        for (int k = 0; k < 21; ++k) {
            QByteArray& to = k < 10 ? first : second;
            to.append(char(words[size_t(k)] >> 8)).append(char(words[size_t(k)] & 0xFF));
        }
        device().respond(213, first);
        device().respond(245, second);
    }

    static double curveY(const IPlotPtr& plot, int index)
    {
        return plot->ChannelByName(QStringLiteral("CharCurve"))->GetY(index);
    }
    static int curvePoints(const IPlotPtr& plot)
    {
        const IPlotChannelPtr curve = plot->ChannelByName(QStringLiteral("CharCurve"));
        return curve ? curve->Count() : -1;
    }

    // What the user does: types into an edit, then leaves it.
    void type(int id, const QString& text) { editor().setWindowText(id, text); }
    QString text(int id) { return editor().windowText(id); }
    QString row(int k) { return text(Editor::PointEdits[size_t(k - 1)]); }
    void typeRow(int k, const QString& value) { type(Editor::PointEdits[size_t(k - 1)], value); }
    // The user empties row k's edit and types `keys` one at a time.
    void typeRowKeys(int k, const char* keys)
    {
        auto* edit = editor().controlAs<QLineEdit>(Editor::PointEdits[size_t(k - 1)]);
        edit->clear();
        for (const char* key = keys; *key; ++key)
            edit->insert(QString(QLatin1Char(*key)));
    }
    double spin(int k) { return editor().pointSpin(k)->value(); }
    void leave(QWidget* widget)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(widget, &out);
    }
};
