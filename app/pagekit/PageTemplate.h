#pragma once

#include "ui/ControlSpec.h"

#include <QString>

#include <utility>
#include <vector>

// A page's dialog template: its size and controls in dialog units. Pages keep
// theirs as const tables in <Page>Template.cpp.
struct PageTemplate {
    int widthDu = 0;
    int heightDu = 0;
    std::vector<ControlSpec> controls;
};

// A page's tooltips: control id and text.
using ToolTipTable = std::vector<std::pair<int, QString>>;
