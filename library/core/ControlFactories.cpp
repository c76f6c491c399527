#include "core/ControlFactories.h"

#include "controls/OleFont.h"
#include "core/ModuleStateGuard.h"
#include "ui/ControlRegistry.h"
#include "ui/FormPage.h"
#include "ui/Prompts.h"

namespace
{

const QString LedRoundProgId = QStringLiteral("DigitalLib.LedRound");
const QString SwitchToggleProgId = QStringLiteral("DigitalLib.SwitchToggle");
const QString NumEditProgId = QStringLiteral("AnalogLib.NumEdit");
const QString PlotProgId = QStringLiteral("PlotLib.Plot");
const QString XYPlotProgId = QStringLiteral("PlotLib.XYPlot");

constexpr uint32_t LedGreen = 65280; // red 0, green 255, blue 0
constexpr uint32_t EditSilver = 12632256; // red, green and blue 192
constexpr int64_t EditFontSize = 110000; // 11 points as a currency value
const QString EditFontFace = QStringLiteral("Microsoft Sans Serif");

// The controls that get their rectangle a second time once they exist, so
// that a control which sized itself on creation still fills it.
enum class Placement { Once, Again };

// What a factory does when the ProgID is not registered.
enum class Silence { Silent, TellUser };

struct Request {
    QWidget* parent;
    QPointer<QWidget>& window;
    QRect screenRect;
    int id;
};

QRect toClient(const QWidget* parent, const QRect& screenRect)
{
    return parent ? QRect(parent->mapFromGlobal(screenRect.topLeft()), screenRect.size()) : screenRect;
}

void giveId(QWidget* parent, QWidget* widget, int id)
{
    if (auto* page = qobject_cast<FormPage*>(parent))
        page->addControl(id, widget);
    else
        widget->setObjectName(QString::number(id));
}

// Creates the control window of `progId` visible at the request's rectangle,
// asks it for interface T and hands that to `settings`. Null when the ProgID
// is not registered (then nothing is set); a control that does not offer T
// leaves the pointer null, and `settings` then raises ComError.
template <class T, class Settings>
InterfacePtr<T> createControl(
    const QString& progId, const Request& request, Placement placement, Silence silence, Settings&& settings)
{
    if (!ControlRegistry::instance().contains(progId)) {
        if (silence == Silence::TellUser)
            Prompts::show(ControlFactoryText::CannotCreate, QString(), Prompts::Buttons::Ok);
        return InterfacePtr<T>();
    }
    const QRect clientRect = toClient(request.parent, request.screenRect);
    QWidget* widget = ControlRegistry::instance().create(progId, request.parent);
    request.window = widget;
    if (widget) {
        giveId(request.parent, widget, request.id);
        widget->setGeometry(clientRect);
        widget->show();
        if (placement == Placement::Again) {
            widget->setGeometry(clientRect);
            widget->update();
        }
    }
    InterfacePtr<T> control(qobject_cast<T*>(widget));
    settings(control);
    return control;
}

template <class T> InterfacePtr<T> createControl(const QString& progId, const Request& request, Placement placement)
{
    return createControl<T>(progId, request, placement, Silence::Silent, [](const InterfacePtr<T>&) {});
}

// Width and height from the rectangle; a null control raises ComError.
template <class T> void sizeFrom(const InterfacePtr<T>& control, const QRect& screenRect)
{
    control->setWidth(screenRect.width());
    control->setHeight(screenRect.height());
}

} // namespace

ILedRoundPtr CreateLedRoundControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id)
{
    ModuleStateGuard moduleState;
    return createControl<LedRound>(LedRoundProgId, { parent, window, screenRect, id }, Placement::Again,
        Silence::Silent, [&screenRect](const ILedRoundPtr& led) {
            sizeFrom(led, screenRect);
            // Green when lit, active, domed, unlit to begin with, plain ring.
            led->setLitColor(LedGreen);
            led->setActive(true);
            led->setReflection(true);
            led->setLit(false);
            led->setBorderStyle(0);
        });
}

INumEditPtr CreateEditXControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id)
{
    ModuleStateGuard moduleState;
    return createControl<NumEdit>(NumEditProgId, { parent, window, screenRect, id }, Placement::Again, Silence::Silent,
        [](const INumEditPtr& edit) {
            edit->setColor(EditSilver);
            edit->setAlignment(NumEdit::Centre);
            edit->setFont(OleFont::toQFont(EditFontFace, EditFontSize, true));
        });
}

IPlotPtr CreatePlotControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id)
{
    ModuleStateGuard moduleState;
    return createControl<Plot>(PlotProgId, { parent, window, screenRect, id }, Placement::Once);
}

IXYPlotPtr CreateRampPlotControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id)
{
    ModuleStateGuard moduleState;
    return createControl<XYPlot>(XYPlotProgId, { parent, window, screenRect, id }, Placement::Once);
}

IReportPtr CreateReportControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id)
{
    ModuleStateGuard moduleState;
    return createControl<ReportControl>(ReportControl::ProgId, { parent, window, screenRect, id }, Placement::Again);
}

IPrinterPtr CreatePrintControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id)
{
    ModuleStateGuard moduleState;
    return createControl<PrinterControl>(PrinterControl::ProgId, { parent, window, screenRect, id }, Placement::Again);
}

ISwitchTogglePtr CreateSwitchToggle(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id)
{
    ModuleStateGuard moduleState;
    return createControl<SwitchToggle>(SwitchToggleProgId, { parent, window, screenRect, id }, Placement::Again,
        Silence::TellUser, [&screenRect](const ISwitchTogglePtr& toggle) {
            sizeFrom(toggle, screenRect);
            // Active, enabled, off to begin with, taking the keyboard focus
            // (the space bar toggles it), shown.
            toggle->setActive(true);
            toggle->setEnabled(true);
            toggle->setValue(false);
            toggle->setFocusPolicy(Qt::StrongFocus);
            toggle->setVisible(true);
        });
}
