#include "RecordLayouts.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace
{

template <typename R> class ReportRecord : public ::testing::Test
{
protected:
    const std::vector<Field<R>> fields = recordFields<R>();

    // Gives every member a value of its own, unlike any default.
    void fillDistinct(R& record) const
    {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].isText())
                *fields[i].text(record) = AutoString(QStringLiteral("value %1").arg(i));
            else
                *fields[i].byte(record) = static_cast<uint8_t>(100 + i % 100);
        }
    }

    void expectSameMembers(R& a, R& b) const
    {
        for (const Field<R>& field : fields) {
            if (field.isText())
                EXPECT_EQ(*field.text(a), *field.text(b)) << field.name;
            else
                EXPECT_EQ(int(*field.byte(a)), int(*field.byte(b))) << field.name;
        }
    }
};

using Records = ::testing::Types<CReportHeader, CPSTReport, CPSTCompareReport, CStepTestReport, CStepTestCompareReport,
    CRampReport, CRampCompareReport, CHDRLReport, CHDRLCompareReport, CActuatorCalibReport, CStrokeCalibReport,
    CAICalibReport, CAOCalibReport, CTrendsReport, CAlarmStatusReport, CAlarmAnnunciatorReport, CDataLoggerReport,
    CStrokeCharacterizationReport>;

class RecordNames
{
public:
    template <typename R> static std::string GetName(int) { return ::testing::internal::GetTypeName<R>(); }
};

TYPED_TEST_SUITE(ReportRecord, Records, RecordNames);

TYPED_TEST(ReportRecord, StartsWithTheDefaultsOfItsTable)
{
    TypeParam record;
    for (const auto& field : this->fields) {
        if (!field.isText()) {
            EXPECT_EQ(int(*field.byte(record)), int(field.defaultByte)) << field.name;
        } else if (field.defaultText) {
            EXPECT_FALSE(field.text(record)->isNull()) << field.name << " must be present";
            EXPECT_EQ(*field.text(record), AutoString(*field.defaultText)) << field.name;
        } else {
            EXPECT_TRUE(field.text(record)->isNull()) << field.name << " must start missing";
        }
    }
}

// Offsets that follow one another with only alignment padding between them
// show that the members lie in the table's order with the table's types and
// that the class holds nothing else.
TYPED_TEST(ReportRecord, HoldsExactlyItsMembersInOrder)
{
    static_assert(!std::is_polymorphic_v<TypeParam>);
    TypeParam record;
    std::size_t expected = 0;
    for (const auto& field : this->fields) {
        const std::size_t size = field.isText() ? sizeof(AutoString) : sizeof(uint8_t);
        const std::size_t align = field.isText() ? alignof(AutoString) : alignof(uint8_t);
        expected = (expected + align - 1) / align * align;
        ASSERT_EQ(field.offsetIn(record), expected) << field.name;
        expected += size;
    }
    const std::size_t align = alignof(TypeParam);
    EXPECT_EQ(sizeof(TypeParam), (expected + align - 1) / align * align);
}

TYPED_TEST(ReportRecord, CopySharesEveryTextAndChangingItLeavesTheSource)
{
    TypeParam source;
    this->fillDistinct(source);
    TypeParam copy(source);
    this->expectSameMembers(copy, source);
    for (const auto& field : this->fields) {
        if (field.isText()) {
            EXPECT_EQ(field.text(copy)->constData(), field.text(source)->constData()) << field.name << " not shared";
        }
    }

    // Compared with a record filled afresh, not with another copy, which
    // would change along with the source if copies shared more than buffers.
    TypeParam filled;
    this->fillDistinct(filled);
    for (const auto& field : this->fields) {
        if (field.isText())
            *field.text(copy) = AutoString("changed");
        else
            *field.byte(copy) = 7;
    }
    this->expectSameMembers(source, filled);
}

TYPED_TEST(ReportRecord, CopyOfADefaultRecordKeepsMissingTextsMissing)
{
    TypeParam source;
    TypeParam copy(source);
    TypeParam assigned;
    this->fillDistinct(assigned);
    assigned = source;
    for (const auto& field : this->fields) {
        if (field.isText()) {
            EXPECT_EQ(field.text(copy)->isNull(), field.text(source)->isNull()) << field.name;
            EXPECT_EQ(field.text(assigned)->isNull(), field.text(source)->isNull()) << field.name;
        }
    }
    this->expectSameMembers(copy, source);
    this->expectSameMembers(assigned, source);
}

TYPED_TEST(ReportRecord, AssignmentTakesEveryMemberAndSelfAssignmentKeepsThem)
{
    TypeParam source;
    this->fillDistinct(source);
    TypeParam target;
    TypeParam& result = (target = source);
    EXPECT_EQ(&result, &target);
    this->expectSameMembers(target, source);

    TypeParam before(source);
    TypeParam& self = source;
    source = self;
    this->expectSameMembers(source, before);
}

} // namespace
