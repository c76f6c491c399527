#include "automation/InterfacePtr.h"
#include "QtPrinters.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(InterfacePtr, CallThroughEmptyPointerRaisesInvalidPointer)
{
    InterfacePtr<QLabel> empty;
    EXPECT_FALSE(empty);
    try {
        empty->setText(QStringLiteral("x"));
        FAIL() << "no exception";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), 0x80004003u);
    }
}

TEST(InterfacePtr, CallAfterWidgetIsDeletedRaisesInvalidPointer)
{
    auto* label = new QLabel;
    InterfacePtr<QLabel> ptr(label);
    const InterfacePtr<QLabel> copy = ptr;
    EXPECT_EQ(ptr.useCount(), 2);
    ptr->setText(QStringLiteral("ok"));
    delete label;
    EXPECT_FALSE(copy);
    EXPECT_THROW(copy->text(), ComError);
    try {
        copy->text();
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::InvalidPointer);
        EXPECT_EQ(error.codeText(), QStringLiteral("0x80004003"));
    }
}

TEST(InterfacePtr, CopiesCountReferencesAndReleaseDropsOne)
{
    QLabel label;
    InterfacePtr<QLabel> a(&label);
    {
        InterfacePtr<QLabel> b = a;
        InterfacePtr<QLabel> c = b;
        EXPECT_EQ(a.useCount(), 3);
        c.release();
        EXPECT_EQ(a.useCount(), 2);
        EXPECT_FALSE(c);
    }
    EXPECT_EQ(a.useCount(), 1);
}

TEST(InterfacePtr, QueryingAnotherInterface)
{
    QLabel label;
    EXPECT_EQ(InterfacePtr<QWidget>::fromObject(&label).get(), &label);
    EXPECT_FALSE(InterfacePtr<QLabel>::fromObject(nullptr));
    try {
        InterfacePtr<QPushButton>::fromObject(&label);
        FAIL() << "no exception";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::NoInterface);
    }
}
