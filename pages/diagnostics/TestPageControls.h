#pragma once

#include "controls/Plot.h"
#include "ui/FormPage.h"

#include <QPointer>
#include <QWidget>

#include <type_traits>

// What becomes of a library control's window once the test page has made it:
// the report and printer controls and a compare page's scratch plot only
// work behind the page and stay hidden; the page's plot is shown and takes
// its id among the page's controls.
enum class ControlWindow { Hidden, Added };

// Makes one library control over the placeholder `hostId` through `factory`
// (one of the imported control factories), with the child id `id`. Nothing
// when the factory was not imported.
template <class Factory, class Control>
void CreateTestPageControl(
    FormPage* page, Factory* factory, int hostId, int id, Control& control, ControlWindow placement)
{
    if (!factory)
        return;
    QPointer<QWidget> window;
    control = factory(page, window, page->controlScreenRect(hostId), id);
    if (!window)
        return;
    if (placement == ControlWindow::Added)
        page->addControl(id, window);
    else
        window->hide();
}

// Makes a hidden library control under `owner` (which deletes it), of the size
// of the page's placeholder `hostId`: a scratch plot like the page's own.
// Empty when the factory was not imported or the control cannot be made.
template <class Control, class Factory>
Control CreateScratchControl(QWidget* owner, Factory* factory, const FormPage* page, int hostId, int id)
{
    if (!factory || !owner)
        return Control();
    QPointer<QWidget> window;
    const QRect screen(owner->mapToGlobal(QPoint(0, 0)), page->controlRect(hostId).size());
    Control control = factory(owner, window, screen, id);
    if (window)
        window->hide();
    return control;
}

// A page's plot as the multi-test report pictures it when that test is left
// out: a hidden, empty plot made like the page's own and set up by `setUp`.
// Empty when it cannot be made.
template <class Control, class Factory, class SetUp>
IPlotPtr CreateScratchPlot(QWidget* owner, Factory* factory, const FormPage* page, int hostId, int id, SetUp setUp)
{
    const Control scratch = CreateScratchControl<Control>(owner, factory, page, hostId, id);
    if (!scratch)
        return IPlotPtr();
    setUp(scratch);
    if constexpr (std::is_same_v<Control, IPlotPtr>)
        return scratch;
    else
        return scratch.template query<Plot>();
}
