#pragma once

#include "InstrumentWidget.h"

#include "automation/InterfacePtr.h"

// A two-position lever switch. Only the user's toggle raises its change event:
// the program sets the position silently, so a page that follows the device's
// state never echoes it back.
class SwitchToggle : public InstrumentWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "DigitalLib.SwitchToggle";

public:
    explicit SwitchToggle(QWidget* parent = nullptr);

    bool value() const { return m_on; }
    void setValue(bool on);
    // Where the lever stands when on: by default right (or up); a switch
    // whose "On" label sits left of it (or below) draws its lever there.
    void setOnAtStart(bool atStart);
    bool onAtStart() const { return m_onAtStart; }

    void applyFactoryDefaults() override;

signals:
    // Dispatch id 2: the user toggled the switch.
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggleByUser();

    bool m_on = false;
    bool m_onAtStart = false;
    bool m_pressed = false;
};

using ISwitchTogglePtr = InterfacePtr<SwitchToggle>;
