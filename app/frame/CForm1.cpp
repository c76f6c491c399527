#include "CForm1.h"

CForm1::CForm1(QWidget* parent)
    : FormPage(QStringLiteral("CForm1"), DialogId, parent)
{
    buildTemplate(186, 95,
        {
            ControlSpec::label(-1, QStringLiteral("This is form 1"), 7, 7, 80, 8),
            ControlSpec::edit(1000, 7, 20, 80, 12),
            ControlSpec::edit(1005, 7, 36, 80, 12),
            ControlSpec::progress(1001, 7, 52, 100, 12),
            ControlSpec::button(1004, QStringLiteral("Read"), 7, 70, 50, 14),
        });
    setMinimumSize(0, 0);
    // The button's handler does nothing visible.
    onClicked(1004, "OnRead", [] {});
}
