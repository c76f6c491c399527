#pragma once

#include "ui/FormPage.h"

// The placeholder view that stands in the page pane until the first page is
// swapped in; a second instance is page 1 of the page table. Never shown
// after start-up.
class CForm1 : public FormPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 101;

    explicit CForm1(QWidget* parent = nullptr);
};
