#pragma once

#include "automation/InterfacePtr.h"

#include <QObject>

class Plot;

// The tool strip along the top of a plot ("display element 0"). Reports hide
// it around their pictures so that only the plot itself is printed.
class PlotScreenBar : public QObject
{
    Q_OBJECT

public:
    explicit PlotScreenBar(Plot* owner);

    void SetVisible(bool visible);
    bool GetVisible() const { return m_visible; }

private:
    Plot* m_owner;
    bool m_visible = true;
};

using IPlotScreenBarPtr = InterfacePtr<PlotScreenBar>;
