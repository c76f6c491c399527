#pragma once

#include "ShellPage.h"

#include <span>

class FormPage;
class PageContext;
struct PageRow;

using PageFactory = FormPage* (*)(PageContext& context, const PageRow& row);

// Flags of a page row.
enum PageFlag : unsigned {
    Expanded = 1u << 0, // the tree item starts expanded
    OptionalOnK40 = 1u << 1, // the smaller model offers it only with Config28Bit5; else the dashboard shows
    SwapFirst = 1u << 2, // swapped in before the other pages stop (after, without the flag)
    FocusFirst = 1u << 3, // the tree takes the focus back before the page activates
    Home = 1u << 4, // the first page shown, and the one shown for an item the model does not offer
    Pane = 1u << 5, // a pane of the frame: never stopped by a page switch
    StoppedOnK40Only = 1u << 6, // a page switch stops it on the smaller model only
};

// One page of the program: its slot in the page table, its class, how it is
// made, its tree item (code 0: none; depth 1 is a child of the root), and
// how a switch treats it. Adding a page is adding its row.
struct PageRow {
    int slot;
    const char* pageClass;
    PageFactory make;
    int treeCode = 0;
    int treeDepth = 0;
    const char* treeText = nullptr;
    unsigned flags = 0;
    ShellSpec shell {}; // a page that shows only its strip and heading so far
};

namespace PageRegistry
{
constexpr int SlotCount = 42; // slot 0 holds no page

// Every page, the tree's items in tree order.
std::span<const PageRow> rows();
const PageRow* rowForSlot(int slot);
const PageRow* rowForCode(int pageCode);
const PageRow* rowForClass(const char* pageClass);
// The slot of the first page shown.
int homeSlot();
} // namespace PageRegistry
