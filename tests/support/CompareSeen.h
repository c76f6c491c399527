#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

// What the user sees of a compare page and what Print takes: every field,
// every box (ticked, usable), "2..." and Print, and the drawn channels.
struct CompareSeen {
    std::map<int, QString> fields;
    std::map<int, std::pair<bool, bool>> boxes;
    bool file2 = false;
    bool print = false;
    std::set<std::string> drawn;
};

// Each way in which the page now differs from what it showed, named after `what`.
inline void expectSameSeen(const CompareSeen& expected, const CompareSeen& now, const std::string& what)
{
    for (const auto& [id, text] : expected.fields)
        EXPECT_EQ(now.fields.at(id), text) << what << ", field " << id;
    for (const auto& [box, state] : expected.boxes) {
        EXPECT_EQ(now.boxes.at(box).first, state.first) << what << ", box ticked " << box;
        EXPECT_EQ(now.boxes.at(box).second, state.second) << what << ", box usable " << box;
    }
    EXPECT_EQ(now.file2, expected.file2) << what;
    EXPECT_EQ(now.print, expected.print) << what;
    EXPECT_EQ(now.drawn, expected.drawn) << what;
}
