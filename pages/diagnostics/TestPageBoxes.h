#pragma once

#include <initializer_list>

class FormPage;

// The test pages' channel boxes on the smaller model, which has no port 2:
// the port 2 box is unchecked and hidden, and each box listed after it moves
// into the rectangle of the one before it (the first into the port 2 box's),
// so the column closes up with no gap.
void HideBoxAndCloseUp(FormPage* page, int hiddenBox, std::initializer_list<int> boxesBelow);
