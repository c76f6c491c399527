#pragma once

#include <QString>

#include <initializer_list>
#include <map>

class FormPage;

// The settings a test ran with, as its page's settings edits showed them at
// Start. The result of that run is saved and printed with them: a value typed
// while the run went on, or since, is meant for the next run.
class TestRunSettings
{
public:
    // Keeps what `edits` show now.
    void take(const FormPage& page, std::initializer_list<int> edits);
    // The page shows no run's result (a file was loaded).
    void clear() { m_texts.clear(); }
    bool kept() const { return !m_texts.empty(); }
    // The run's text of `edit`; what the edit shows when no run is kept.
    QString text(const FormPage& page, int edit) const;
    // That text read as a typed field is read, the whole text one number; 0
    // when it is none (a run only starts with numbers, so only a text typed
    // over a loaded result's can be none).
    double number(const FormPage& page, int edit) const;

private:
    std::map<int, QString> m_texts;
};
