#include "PlotScreenBar.h"

#include "Plot.h"

PlotScreenBar::PlotScreenBar(Plot* owner)
    : QObject(owner)
    , m_owner(owner)
{
}

void PlotScreenBar::SetVisible(bool visible)
{
    m_visible = visible;
    if (m_owner)
        m_owner->scheduleRepaint();
}
